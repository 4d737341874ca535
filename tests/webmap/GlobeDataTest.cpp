#include "webmap/GlobeData.h"

#include "platform/MemorySettingsStore.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"
#include "tests/webmap/ScriptedWebView.h"
#include "webmap/GlobeObj.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

namespace qb {
namespace {

GllRecord Record(int type, int subLevel, std::string name = {}, std::size_t points = 0)
{
    GllRecord r;
    r.tag = "T" + std::to_string(type % 100);
    r.type = type;
    r.subLevel = subLevel;
    r.name = std::move(name);
    r.anchor = {-139.7f, 35.7f};
    for (std::size_t i = 0; i < points; ++i)
        r.points.push_back({-130.0f - static_cast<float>(i), 30.0f + static_cast<float>(i)});
    return r;
}

void PutInt32At(std::string& bytes, std::size_t at, std::int32_t value)
{
    std::memcpy(bytes.data() + at, &value, 4);  // the machines the program runs on are little-endian
}

TEST(GlobeData, WrittenRecordsReadBackWithTheirFieldsAndPoints)
{
    const std::vector<GllRecord> written = {Record(0, 3, {}, 4), Record(103, 2, "\x93\x8c\x8b\x9e")};
    const GlobeDataResult read = ParseGlobeData(GlobeDataBytes(written));
    ASSERT_TRUE(read.records) << read.error;
    ASSERT_EQ(read.records->size(), 2u);
    const GllRecord& area = (*read.records)[0];
    EXPECT_EQ(area.tag, "T0");
    EXPECT_EQ(area.subLevel, 3);
    ASSERT_EQ(area.points.size(), 4u);
    EXPECT_EQ(area.points[3].lon, -133.0f);
    EXPECT_EQ(area.points[3].lat, 33.0f);
    EXPECT_EQ((*read.records)[1].name, "\x93\x8c\x8b\x9e");
    EXPECT_EQ((*read.records)[1].anchor.lat, 35.7f);
}

// Each damage leaves the globe without records, whatever was read before it.
TEST(GlobeData, HostileFilesKeepNoRecords)
{
    const std::string good = GlobeDataBytes({Record(0, 0, {}, 3), Record(2, 0, {}, 2)});
    const std::size_t second = kGllHeaderBytes + kGllRecordHeaderBytes + 3 * 8;
    struct Case {
        const char* what;
        std::string bytes;
    };
    std::vector<Case> cases = {{"empty", ""}, {"header cut", good.substr(0, 71)}};
    auto with = [&](const char* what, std::size_t at, std::int32_t value) {
        std::string bytes = good;
        PutInt32At(bytes, at, value);
        cases.push_back({what, bytes});
    };
    with("count negative", 8, -1);
    with("count past the file", 8, 3);
    with("count huge", 8, 0x7FFFFFFF);
    with("data size negative", kGllHeaderBytes + 16, -8);
    with("data size not whole points", kGllHeaderBytes + 16, 20);
    with("data size past the file", second + 16, 24);
    with("data size huge", kGllHeaderBytes + 16, 0x7FFFFFF8);
    cases.push_back({"last record cut", good.substr(0, good.size() - 1)});
    with("a point's latitude no number", kGllHeaderBytes + kGllRecordHeaderBytes + 4, 0x7FC00000);
    with("a point's longitude infinite", second + kGllRecordHeaderBytes, 0x7F800000);
    with("an anchor no number", second + 24, 0x7FC00000);
    cases.push_back({"record header cut", good.substr(0, second + 30)});
    for (const Case& c : cases) {
        const GlobeDataResult read = ParseGlobeData(c.bytes);
        EXPECT_FALSE(read.records) << c.what;
        EXPECT_FALSE(read.error.empty()) << c.what;
    }
    EXPECT_TRUE(ParseGlobeData(good).records);
}

TEST(GlobeData, ANameWithoutTerminatorIsCutInsideItsFieldOnACharacterBoundary)
{
    std::string bytes = GlobeDataBytes({Record(200, 0, "x")});
    const std::size_t field = kGllHeaderBytes + 28;
    // "a" and then double-byte characters filling all 32 bytes, no terminator.
    std::string name = "a";
    while (name.size() + 2 <= kGllNameBytes)
        name += "\x82\xa0";
    name += "b";
    std::memcpy(bytes.data() + field, name.data(), kGllNameBytes);
    std::memcpy(bytes.data() + kGllHeaderBytes, "ABCD", 4);
    const GlobeDataResult read = ParseGlobeData(bytes);
    ASSERT_TRUE(read.records);
    EXPECT_EQ((*read.records)[0].name, name.substr(0, 31));
    EXPECT_EQ((*read.records)[0].tag, "ABC");
    name[31] = '\x82';  // a lead byte at the end is not kept alone
    std::memcpy(bytes.data() + field, name.data(), kGllNameBytes);
    EXPECT_EQ((*ParseGlobeData(bytes).records)[0].name, name.substr(0, 31));
    name[30] = 'c';
    name[31] = '\x82';
    std::memcpy(bytes.data() + field, name.data(), kGllNameBytes);
    EXPECT_EQ((*ParseGlobeData(bytes).records)[0].name, name.substr(0, 31));
}

std::vector<std::pair<int, int>> TypesAndLevels(const std::vector<GllRecord>& records)
{
    std::vector<std::pair<int, int>> out;
    for (const GllRecord& r : records)
        out.emplace_back(r.type, r.subLevel);
    return out;
}

TEST(GlobeData, RecordsAreDrawnBaseHeightsRiversLakesBordersAndNamesInTurn)
{
    const std::vector<GllRecord> file = {
        Record(211, 0), Record(103, 1), Record(102, 0), Record(101, 0), Record(100, 0), Record(3, 0),
        Record(5, 0),   Record(2, 0),   Record(4, 0),   Record(6, 0),   Record(7, 0),   Record(7, 6),
        Record(7, 1),   Record(1, 2),   Record(0, 2),   Record(0, 1),   Record(1, 0),   Record(0, 0),
        Record(150, 0), Record(200, 0)};
    using P = std::pair<int, int>;
    EXPECT_EQ(TypesAndLevels(OrderForDrawing(file, GlobeOptions{})),
              (std::vector<P>{{1, 0}, {0, 0}, {0, 1}, {1, 2}, {0, 2}, {7, 6}, {7, 1}, {7, 0}, {6, 0}, {4, 0},
                              {2, 0}, {5, 0}, {3, 0}, {100, 0}, {102, 0}, {103, 1}, {211, 0}, {200, 0}}));
    GlobeOptions off;
    off.bHeight = off.bRiver = off.bLake = off.bBorder = off.bCountry = off.bCapital = off.bCity = off.bPlace = 0;
    EXPECT_EQ(TypesAndLevels(OrderForDrawing(file, off)), (std::vector<P>{{1, 0}, {0, 0}}));
    GlobeOptions someOff;
    someOff.bRiver = someOff.bCity = someOff.bPlace = 0;
    for (const P& kept : TypesAndLevels(OrderForDrawing(file, someOff)))
        EXPECT_TRUE(kept.first != 4 && kept.first != 6 && kept.first != 103 && kept.first < 200) << kept.first;
}

TEST(GlobeData, TheMapHostReadsItsGlobeAndAMissingOrDamagedFileLeavesItEmpty)
{
    test::CTempDir dir;
    const std::string path = dir.File("japan.GLL");
    CMemorySettingsStore settings;
    test::CRecordingMessageSink messages;
    test::CFakeWebMapHost host;
    {
        std::ofstream(path, std::ios::binary) << GlobeDataBytes({Record(0, 0, {}, 3), Record(101, 0)});
        CGlobeObj globe(settings, messages, host, path);
        EXPECT_EQ(globe.m_globe.m_records.size(), 1u);  // the states' names are not drawn
        EXPECT_EQ(globe.m_globe.LoadGlobeData(dir.File("missing.GLL")), "the file cannot be read");
        EXPECT_TRUE(globe.m_globe.m_records.empty());
        globe.m_globe.m_options.angle = 320.5;
    }
    EXPECT_EQ(settings.GetSettingString("GlobeObj", "Angle", ""), " 320.500");
    EXPECT_EQ(settings.GetSettingString("GlobeObj", "ZoomIndex", "x"), "0");
    EXPECT_TRUE(settings.Contains("FontLL1", "FaceName"));
    std::ofstream(path, std::ios::binary) << std::string(100, '\xff');
    CGlobeObj damaged(settings, messages, host, path);
    EXPECT_TRUE(damaged.m_globe.m_records.empty());
    EXPECT_TRUE(messages.Messages().empty());
}

} // namespace
} // namespace qb
