#include "app/AreaFiles.h"

#include "platform/Cp932.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace qb {
namespace {

namespace fs = std::filesystem;

void PutInt(std::string& bytes, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

// An area file built byte by byte: base tile (2, 1), value 0xCAFE, list flag 0.
std::string AreaFileBytes(std::string_view cp932Name, std::uint32_t oldAcross, std::uint32_t oldDown,
                          std::uint32_t mark, std::uint32_t across, std::uint32_t down)
{
    std::string bytes(412, '\0');
    std::memcpy(bytes.data(), "TQZH", 4);
    std::memcpy(bytes.data() + 8, cp932Name.data(), cp932Name.size());
    std::memcpy(bytes.data() + 72, "/db/10m/5438-07.3dm", 19);
    const std::uint32_t ints[] = {oldAcross, oldDown, 2, 1, 0xCAFE, 0, mark, across, down};
    for (std::size_t i = 0; i < std::size(ints); ++i)
        PutInt(bytes, 328 + 4 * i, ints[i]);
    return bytes;
}

TEST(AreaFiles, BothLayoutsReadTheirCountsAndTheListFlagIsSet)
{
    test::CTempDir dir;
    test::WriteFileBytes(dir.File("old.ARE"), AreaFileBytes(*Cp932FromUtf8("槍穂高"), 3, 2, 0, 9, 9));
    test::WriteFileBytes(dir.File("new.ARE"), AreaFileBytes("Kita", 1, 1, 0x12345678, 4, 5));
    CAreaRecord old, current;
    ASSERT_TRUE(ReadAreaFile(dir.File("old.ARE"), old));
    ASSERT_TRUE(ReadAreaFile(dir.File("new.ARE"), current));
    EXPECT_EQ(old.AreaNameUtf8(), "槍穂高");
    EXPECT_EQ(old.BaseFile(), "/db/10m/5438-07.3dm");
    EXPECT_EQ(std::make_tuple(old.OldAcross(), old.OldDown(), old.BaseColumn(), old.BaseRow(), old.ListFlag()),
              std::make_tuple(3, 2, 2, 1, 1));
    EXPECT_EQ(std::make_tuple(current.OldAcross(), current.OldDown(), current.ListFlag()), std::make_tuple(4, 5, 1));
}

TEST(AreaFiles, ShortFilesAreSkippedAndNameFieldsEndInsideTheirFields)
{
    test::CTempDir dir;
    std::string bytes = AreaFileBytes("short", 1, 1, 0, 0, 0);
    test::WriteFileBytes(dir.File("short.ARE"), bytes.substr(0, 411));
    CAreaRecord record;
    record.SetAreaName("prepared");
    EXPECT_FALSE(ReadAreaFile(dir.File("short.ARE"), record));
    EXPECT_FALSE(ReadAreaFile(dir.File("missing.ARE"), record));
    EXPECT_EQ(record.AreaName(), "prepared");

    // Both name fields full: the name keeps 63 bytes without splitting a
    // character, the base path is dropped rather than cut to another path.
    std::string kanji;
    for (int i = 0; i < 32; ++i)
        kanji += *Cp932FromUtf8("山");
    bytes.replace(8, 64, kanji);
    bytes.replace(72, 256, std::string(256, 'p'));
    test::WriteFileBytes(dir.File("full.ARE"), bytes);
    ASSERT_TRUE(ReadAreaFile(dir.File("full.ARE"), record));
    EXPECT_EQ(record.AreaName(), kanji.substr(0, 62));
    EXPECT_EQ(record.BaseFile(), "");

    // A name ending in half a character loses the half, so that it is
    // written back as it was read.
    bytes.replace(8, 64, std::string(64, '\0'));
    bytes.replace(8, 4, "a" + kanji.substr(0, 3));
    test::WriteFileBytes(dir.File("half.ARE"), bytes);
    ASSERT_TRUE(ReadAreaFile(dir.File("half.ARE"), record));
    EXPECT_EQ(record.AreaName(), "a" + kanji.substr(0, 2));
    EXPECT_EQ(AreaFileRecord(record).AreaName(), record.AreaName());
}

TEST(AreaFiles, ListingTakesAreFilesOfAnyCaseInNameOrder)
{
    test::CTempDir dir;
    EXPECT_EQ(CountAreaFiles(dir.Path()), 0);
    EXPECT_EQ(CountAreaFiles(dir.File("missing")), 0);
    test::WriteFileBytes(dir.File("b.ARE"), AreaFileBytes("B", 1, 1, 0, 0, 0));
    test::WriteFileBytes(dir.File("a.are"), AreaFileBytes("A", 1, 1, 0, 0, 0));
    test::WriteFileBytes(dir.File("c.ARE"), "too short");
    test::WriteFileBytes(dir.File("d.ARE.bak"), AreaFileBytes("D", 1, 1, 0, 0, 0));
    fs::create_directory(dir.File("folder.ARE"));
    EXPECT_EQ(CountAreaFiles(dir.Path()), 3);
    const auto records = ReadAreaFiles(dir.Path());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].AreaName() + records[1].AreaName(), "AB");
}

CAreaRecord SampleArea(const char* name)
{
    CAreaRecord area;
    EXPECT_TRUE(area.SetAreaNameUtf8(name));
    area.SetBaseFile("/db/10m/5438-07.3dm");
    area.SetCounts(6, 4);
    area.SetBaseColumn(2);
    area.SetBaseRow(1);
    area.SetValue(0xCAFE);
    area.SetLayoutMark(77);          // leftovers the file does not take
    area.RawBytes()[400] = 0xEE;
    return area;
}

TEST(AreaFiles, WrittenFileHasTheLayoutByteForByteAndSurvivesARoundTrip)
{
    test::CTempDir dir;
    test::CRecordingMessageSink messages;
    const std::string path = dir.File("北アルプス.ARE");
    test::WriteFileBytes(path, "an older file is replaced");
    ASSERT_TRUE(WriteAreaFile(dir.Path(), SampleArea("北アルプス"), messages));
    std::string expected = AreaFileBytes(*Cp932FromUtf8("北アルプス"), 1, 1, 0x12345678, 6, 4);
    EXPECT_EQ(test::ReadFileBytes(path), expected);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 1) << "no temporary is left";

    CAreaRecord back;
    ASSERT_TRUE(ReadAreaFile(path, back));
    ASSERT_TRUE(WriteAreaFile(dir.Path(), back, messages));
    PutInt(expected, 348, 1);   // the reader set the list flag
    EXPECT_EQ(test::ReadFileBytes(path), expected);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(AreaFiles, ANameOfHalfWidthKanaIsWrittenAndReadBack)
{
    // Each of these takes one byte in the file and three in the file name.
    std::string kana;
    for (int i = 0; i < 30; ++i)
        kana += "ｱ";
    test::CTempDir dir;
    test::CRecordingMessageSink messages;
    ASSERT_TRUE(WriteAreaFile(dir.Path(), SampleArea(kana.c_str()), messages));
    EXPECT_TRUE(messages.Messages().empty());
    const std::string path = dir.File(kana + ".ARE");
    ASSERT_TRUE(fs::exists(path));
    CAreaRecord back;
    ASSERT_TRUE(ReadAreaFile(path, back));
    EXPECT_EQ(back.AreaName(), std::string(30, '\xB1'));
    EXPECT_EQ(back.AreaNameUtf8(), kana);
}

TEST(AreaFiles, NamesThatLeaveTheFolderOrNameNoFileAreRefused)
{
    test::CTempDir parent;
    const std::string folder = parent.File("area");
    fs::create_directory(folder);
    for (const std::string name : {"../evil", "a/b", "a\\b", ".", "..", "", "\xA0"}) {
        test::CRecordingMessageSink messages;
        CAreaRecord area = SampleArea("x");
        area.SetAreaName(name);
        EXPECT_FALSE(WriteAreaFile(folder, area, messages)) << name;
        ASSERT_EQ(messages.Texts(), std::vector<std::string>{std::string(kBadAreaNameMessage)}) << name;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(parent.Path()), {}), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 0);

    // The second code page 932 byte of "ソ" is a backslash; its UTF-8 file name is fine.
    test::CRecordingMessageSink messages;
    EXPECT_TRUE(WriteAreaFile(folder, SampleArea("ソ"), messages));
    EXPECT_TRUE(fs::exists(folder + "/ソ.ARE"));
    EXPECT_FALSE(WriteAreaFile(parent.File("missing"), SampleArea("ok"), messages));
}

} // namespace
} // namespace qb
