#include "terrain/HeightGrid.h"

#include "terrain/ByteSource.h"
#include "terrain/ZipArchive.h"
#include "tests/support/DemXml.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>

namespace qb {
namespace {

using test::DemXml;
using test::ReadReferenceDem;
using test::Tuples;

int Import(CHeightGrid& grid, const std::string& xml, bool messages = true)
{
    CMemoryByteSource source(xml);
    return grid.ImportXml(source, "mem.xml", messages);
}

// Every real tile read by the scanner equals the reading of an XML parser
// that places the tuples from the start point onward.
void ExpectMatchesReference(const std::string& xml, const std::string& name)
{
    const test::ReferenceDem reference = ReadReferenceDem(xml);
    ASSERT_TRUE(reference.ok) << name;
    CHeightGrid grid;
    ASSERT_EQ(Import(grid, xml, false), 1) << name;
    EXPECT_EQ(grid.m_nCols, reference.cols) << name;
    EXPECT_EQ(grid.m_nRows, reference.rows) << name;
    EXPECT_EQ(grid.m_nStartX, reference.startX) << name;
    EXPECT_EQ(grid.m_nStartY, reference.startY) << name;
    EXPECT_EQ(grid.m_nDataDate, reference.date) << name;
    EXPECT_EQ(grid.m_fSouth, static_cast<float>(reference.south)) << name;
    EXPECT_EQ(grid.m_fWest, static_cast<float>(reference.west)) << name;
    EXPECT_EQ(grid.m_fNorth, static_cast<float>(reference.north)) << name;
    EXPECT_EQ(grid.m_fEast, static_cast<float>(reference.east)) << name;
    EXPECT_EQ(grid.m_nMeshSize, reference.type.starts_with("10m") ? 10 : 5) << name;
    ASSERT_EQ(grid.m_nPoints, static_cast<std::int64_t>(reference.heights.size())) << name;
    int differing = 0, valid = 0;
    for (std::size_t i = 0; i < reference.heights.size(); ++i) {
        differing += grid.Heights()[i] != reference.heights[i];
        valid += reference.heights[i] > -9000.0f;
    }
    EXPECT_EQ(differing, 0) << name;
    EXPECT_EQ(grid.m_nValidPoints, valid) << name;
    EXPECT_EQ(grid.m_bNewDatum, 1);
}

std::map<std::string, std::string> ArchiveMembers(const std::string& path)
{
    std::map<std::string, std::string> members;
    CZipArchive archive;
    EXPECT_TRUE(archive.Open(path)) << path;
    for (const auto& member : archive.XmlMembers()) {
        std::string bytes, error;
        EXPECT_TRUE(archive.Read(member, bytes, error)) << error;
        members[member.name] = std::move(bytes);
    }
    return members;
}

TEST(XmlImportRealTiles, EveryTileMatchesAnXmlParsersReading)
{
    const auto tokachi = ArchiveMembers(test::SourcePath("data/sample/FG-GML-6443-20-DEM5A.zip"));
    ASSERT_EQ(tokachi.size(), 67u);
    for (const auto& [name, xml] : tokachi)
        ExpectMatchesReference(xml, name);
    const auto okinawa = ArchiveMembers(test::SourcePath("tests/data/dem/FG-GML-3624-30-DEM5B.zip"));
    ASSERT_EQ(okinawa.size(), 8u);
    for (const auto& [name, xml] : okinawa)
        ExpectMatchesReference(xml, name);
    for (const char* file : {"data/sample/FG-GML-3926-76-DEM10B-20161001.xml",
                             "data/sample/FG-GML-5238-74-00-DEM5A-20161001.xml"})
        ExpectMatchesReference(test::ReadFileBytes(test::SourcePath(file)), file);
}

// Mean absolute height step across the seam between two tiles side by side.
double SeamStep(const CHeightGrid& west, const CHeightGrid& east)
{
    double sum = 0;
    int count = 0;
    for (int r = 0; r < west.m_nRows; ++r) {
        const float a = west.Height(r, west.m_nCols - 1), b = east.Height(r, 0);
        if (a > -9000 && b > -9000) {
            sum += std::fabs(a - b);
            ++count;
        }
    }
    return count ? sum / count : -1;
}

TEST(XmlImportRealTiles, NeighbouringTilesAgreeAlongTheirEdges)
{
    const auto tiles = ArchiveMembers(test::SourcePath("data/sample/FG-GML-6443-20-DEM5A.zip"));
    int seams = 0;
    for (const auto& [name, xml] : tiles) {
        // FG-GML-6443-20-RC-...: the eastern neighbour has column C + 1.
        const std::size_t at = name.find("6443-20-") + 8;
        std::string eastName = name;
        eastName[at + 1] = static_cast<char>(name[at + 1] + 1);
        const auto east = tiles.find(eastName);
        if (name[at + 1] == '9' || east == tiles.end())
            continue;
        CHeightGrid a, b;
        ASSERT_EQ(Import(a, xml), 1);
        ASSERT_EQ(Import(b, east->second), 1);
        const double step = SeamStep(a, b);
        if (step < 0)
            continue;
        EXPECT_LT(step, 1.0) << name << " and its eastern neighbour";
        ++seams;
    }
    EXPECT_GT(seams, 20);
}

TEST(XmlImport, StartPointPlacesTheListLinearlyFromThere)
{
    DemXml xml;
    xml.startPoint = "0 3";
    xml.tuples = Tuples(10, 1.0, 1.0);
    CHeightGrid grid;
    ASSERT_EQ(Import(grid, xml.Text()), 1);
    EXPECT_EQ(grid.Height(2, 4), kNoData);
    EXPECT_FLOAT_EQ(grid.Height(3, 0), 1.0f);
    EXPECT_FLOAT_EQ(grid.Height(4, 4), 10.0f);

    xml.startPoint = "3 1";
    xml.tuples = Tuples(5, 1.0, 1.0);
    ASSERT_EQ(Import(grid, xml.Text()), 1);
    EXPECT_FLOAT_EQ(grid.Height(1, 3), 1.0f);
    EXPECT_FLOAT_EQ(grid.Height(1, 4), 2.0f);
    EXPECT_FLOAT_EQ(grid.Height(2, 0), 3.0f) << "the list wraps to column 0 of the next row";
    EXPECT_FLOAT_EQ(grid.Height(2, 2), 5.0f);
    EXPECT_EQ(grid.Height(2, 3), kNoData);
    EXPECT_EQ(grid.m_nValidPoints, 5);
}

TEST(XmlImport, FileFormsSeenInTheWild)
{
    DemXml xml;
    xml.byteOrderMark = true;
    xml.lowerCorner = "42.833333333 143";
    xml.upperCorner = "42.841666667 143.0125";
    xml.tuples = Tuples(25, -3.5, 1.0);
    xml.tuples[7] = "データなし,-9999.";
    xml.tuples[8] = "内水面,-9999.";
    CHeightGrid grid;
    ASSERT_EQ(Import(grid, xml.Text()), 1);
    EXPECT_FLOAT_EQ(grid.m_fWest, 143.0f);
    EXPECT_FLOAT_EQ(grid.m_fSouth, 42.833333333f);
    EXPECT_EQ(grid.m_nDataDate, 20161001);
    EXPECT_EQ(grid.Height(1, 2), kNoData);
    EXPECT_EQ(grid.m_nValidPoints, 23);
    EXPECT_FLOAT_EQ(grid.m_fMaxHeight, 20.5f);
    EXPECT_FLOAT_EQ(grid.m_fMinHeight, 0.5f) << "the lowest height above zero";

    xml.lineEnd = "\n";
    xml.tuples.resize(12);  // the list ends early
    ASSERT_EQ(Import(grid, xml.Text()), 1);
    EXPECT_EQ(grid.Height(4, 4), kNoData);
    EXPECT_EQ(grid.m_nValidPoints, 10);

    xml.type = "10mmメッシュ（標高）";
    ASSERT_EQ(Import(grid, xml.Text()), 1);
    EXPECT_EQ(grid.m_nMeshSize, 10);
    xml.type = "1mメッシュ";
    ASSERT_EQ(Import(grid, xml.Text()), 1);
    EXPECT_EQ(grid.m_nMeshSize, 1);
}

TEST(XmlImport, ADateBeyondThirtyTwoBitsReadsAsNoDate)
{
    DemXml xml;
    xml.tuples = Tuples(25, 1.0, 1.0);
    CHeightGrid grid;
    for (const auto& [date, read] : {std::pair<std::string, int>{"214748-36-47", 2147483647},
                                     {"214748-36-48", 0}, {"999999999-99-99", 0}}) {
        xml.date = date;
        ASSERT_EQ(Import(grid, xml.Text()), 1) << date;
        EXPECT_EQ(grid.m_nDataDate, read) << date;
    }
}

TEST(XmlImport, TheFirstTypeDecidesTheSpacing)
{
    DemXml xml;
    xml.tuples = Tuples(25, 1.0, 1.0);
    xml.type = "5mメッシュ（標高）</type><type>10mメッシュ";
    CHeightGrid grid;
    ASSERT_EQ(Import(grid, xml.Text()), 1);
    EXPECT_EQ(grid.m_nMeshSize, 5);
    EXPECT_EQ(grid.m_nMeshSize2, 5);
}

TEST(XmlImport, NumbersAcrossChunkBoundariesAreReadWhole)
{
    DemXml xml;
    xml.high = "299 199";
    xml.upperCorner = "35.258333333 138.5125";
    xml.tuples = Tuples(300 * 200, 1234.567, 0.01);
    const std::string text = xml.Text();
    ASSERT_GT(text.size(), 10 * 65536u);
    ExpectMatchesReference(text, "large synthetic tile");
}

TEST(XmlImport, RefusalsNameTheMissingPart)
{
    const auto Variant = [](auto change) {
        DemXml xml;
        xml.tuples = Tuples(25, 1.0, 1.0);
        change(xml);
        return xml.Text();
    };
    const struct {
        std::string xml;
        std::string message;
    } cases[] = {
        {Variant([](DemXml& x) { x.lowerCorner = "35.25"; }), "このデータは<gml:lowerCorner>情報がないので処理できません。"},
        {Variant([](DemXml& x) { x.upperCorner = ""; }), "このデータは<gml:upperCorner>情報がないので処理できません。"},
        {Variant([](DemXml& x) { x.low = "a b"; }), "このデータは<gml:low>情報がないので処理できません。"},
        {Variant([](DemXml& x) { x.low = "1 0"; }), "LOW が０ではありません。XLow:1   YLow:0"},
        {Variant([](DemXml& x) { x.type = "標高"; }), "このデータは<type>情報がないので処理できません。"},
        {Variant([](DemXml& x) { x.withStartPoint = false; }), "このデータは<startPoint>情報がないので処理できません。"},
        {Variant([](DemXml& x) { x.withHigh = false; }), "このデータは<gml:high>情報がないので処理できません。"},
        {Variant([](DemXml& x) { x.low = "nan 0"; }), "このデータは<gml:low>情報がないので処理できません。"},
        {Variant([](DemXml& x) { x.high = "4 inf"; }), "このデータは<gml:high>情報がないので処理できません。"},
        {Variant([](DemXml& x) { x.startPoint = "nan nan"; }), "このデータは<startPoint>情報がないので処理できません。"},
        {Variant([](DemXml& x) { x.high = "-5 4"; }), std::string(kNotDataFileMessage)},
        {Variant([](DemXml& x) { x.high = "9999 9999"; }),
         std::string(kNotDataFileMessage) + "\n格子が大きすぎます: 10000 × 10000 点 (5000 × 5000 点まで)。"},
        {Variant([](DemXml& x) { x.high = "4 5000"; }),
         std::string(kNotDataFileMessage) + "\n格子が大きすぎます: 5 × 5001 点 (5000 × 5000 点まで)。"},
    };
    for (const auto& c : cases) {
        test::CRecordingMessageSink messages;
        CHeightGrid grid(CTerrainEnv{&messages});
        EXPECT_EQ(Import(grid, c.xml), 0) << c.message;
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(messages.Messages().at(0).caption, "Quarrenby");
        messages.Clear();
        EXPECT_EQ(Import(grid, c.xml, false), 0);
        EXPECT_TRUE(messages.Messages().empty()) << "quiet mode: " << c.message;
    }
    std::string noList = Variant([](DemXml&) {});
    noList.replace(noList.find("<gml:tupleList>"), 15, "<gml:tupelList>");
    test::CRecordingMessageSink messages;
    CHeightGrid grid(CTerrainEnv{&messages});
    EXPECT_EQ(Import(grid, noList), 0);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"このデータは<gml:tupleList>情報がないので処理できません。"});
}

TEST(XmlImport, ARefusedFileLeavesNothingOfTheFileReadBefore)
{
    DemXml good;
    good.high = "9 4";
    good.tuples = Tuples(50, 1.0, 1.0);
    DemXml damaged = good;
    damaged.withHigh = false;
    CHeightGrid grid;
    ASSERT_EQ(Import(grid, good.Text(), false), 1);
    EXPECT_EQ(Import(grid, damaged.Text(), false), 0);
    EXPECT_FALSE(grid.HasHeights());
    EXPECT_EQ(grid.m_nCols, 0);
    EXPECT_EQ(grid.m_nRows, 0);
    EXPECT_EQ(grid.m_nPoints, 0);
    EXPECT_EQ(grid.m_nValidPoints, 0);
    EXPECT_EQ(grid.m_nDataDate, 0);
}

TEST(XmlImport, AFileWithoutAnyHeightIsRefusedSilently)
{
    DemXml xml;
    xml.tuples.assign(25, "データなし,-9999.");
    test::CRecordingMessageSink messages;
    CHeightGrid grid(CTerrainEnv{&messages});
    EXPECT_EQ(Import(grid, xml.Text()), 0);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(XmlImport, LoadFileRaisesSeaAndNoDataToTheLowestLand)
{
    test::CTempDir dir;
    DemXml xml;
    xml.tuples = Tuples(25, -2.0, 1.0);
    xml.tuples[0] = "海水面,-9999.";
    test::WriteFileBytes(dir.File("t.xml"), xml.Text());
    CHeightGrid grid;
    ASSERT_EQ(grid.LoadFile(dir.File("t.xml")), 1);
    EXPECT_EQ(grid.m_nFileType, kFileXml);
    EXPECT_FLOAT_EQ(grid.m_fMinHeight, 1.0f);
    EXPECT_FLOAT_EQ(grid.Height(0, 0), 1.0f);
    EXPECT_FLOAT_EQ(grid.Height(0, 2), 1.0f) << "0 m is raised too";
    EXPECT_FLOAT_EQ(grid.Height(4, 4), 22.0f);
}

} // namespace
} // namespace qb
