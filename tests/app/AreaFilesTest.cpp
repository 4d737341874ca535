#include "app/AreaFiles.h"

#include "platform/Cp932.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace qb {
namespace {

void PutInt(std::string& bytes, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

void PutText(std::string& bytes, std::size_t offset, std::string_view text)
{
    std::memcpy(bytes.data() + offset, text.data(), text.size());
}

// An area file as the layout describes it, built byte by byte.
std::string AreaFileBytes(std::string_view cp932Name, std::string_view baseFile, std::uint32_t oldAcross,
                          std::uint32_t oldDown, std::uint32_t mark, std::uint32_t across, std::uint32_t down)
{
    std::string bytes(412, '\0');
    PutText(bytes, 0, "TQZH");
    PutText(bytes, 8, cp932Name);
    PutText(bytes, 72, baseFile);
    PutInt(bytes, 328, oldAcross);
    PutInt(bytes, 332, oldDown);
    PutInt(bytes, 336, 2);
    PutInt(bytes, 340, 1);
    PutInt(bytes, 344, 0xCAFE);
    PutInt(bytes, 348, 0);
    PutInt(bytes, 352, mark);
    PutInt(bytes, 356, across);
    PutInt(bytes, 360, down);
    return bytes;
}

std::string Cp932(const char* utf8)
{
    return *Cp932FromUtf8(utf8);
}

TEST(AreaFileRead, OlderLayoutKeepsItsCountsAndCurrentLayoutTakesTheNewOnes)
{
    test::CTempDir dir;
    test::WriteFileBytes(dir.File("old.ARE"), AreaFileBytes(Cp932("槍穂高"), "/db/10m/5437-60.3dm", 3, 2, 0, 9, 9));
    test::WriteFileBytes(dir.File("new.ARE"), AreaFileBytes("Kita", "/db/5m/x.3dm", 1, 1, 0x12345678, 4, 5));

    CAreaRecord old;
    ASSERT_TRUE(ReadAreaFile(dir.File("old.ARE"), old));
    EXPECT_EQ(old.AreaNameUtf8(), "槍穂高");
    EXPECT_EQ(old.BaseFile(), "/db/10m/5437-60.3dm");
    EXPECT_EQ(std::make_pair(old.OldAcross(), old.OldDown()), std::make_pair(3, 2));
    EXPECT_EQ(std::make_pair(old.BaseColumn(), old.BaseRow()), std::make_pair(2, 1));
    EXPECT_EQ(old.Value(), 0xCAFE);
    EXPECT_EQ(old.ListFlag(), 1);

    CAreaRecord current;
    ASSERT_TRUE(ReadAreaFile(dir.File("new.ARE"), current));
    EXPECT_EQ(std::make_pair(current.OldAcross(), current.OldDown()), std::make_pair(4, 5));
    EXPECT_EQ(current.ListFlag(), 1);
}

TEST(AreaFileRead, MissingShortAndUnterminatedFiles)
{
    test::CTempDir dir;
    CAreaRecord record;
    record.SetAreaNameUtf8("prepared");
    std::string bytes = AreaFileBytes("short", "b", 1, 1, 0, 0, 0);
    test::WriteFileBytes(dir.File("short.ARE"), bytes.substr(0, 411));
    EXPECT_FALSE(ReadAreaFile(dir.File("short.ARE"), record));
    EXPECT_FALSE(ReadAreaFile(dir.File("missing.ARE"), record));
    EXPECT_FALSE(ReadAreaFile(dir.Path(), record));
    EXPECT_EQ(record.AreaName(), "prepared");

    // Every byte of both name fields in use: the name keeps 63 bytes without
    // splitting a character, the base path is dropped rather than cut.
    std::string kanji;
    for (int i = 0; i < 32; ++i)
        kanji += Cp932("山");
    std::fill(bytes.begin() + 72, bytes.begin() + 328, 'p');
    PutText(bytes, 8, kanji);
    test::WriteFileBytes(dir.File("full.ARE"), bytes + "trailing bytes are ignored");
    ASSERT_TRUE(ReadAreaFile(dir.File("full.ARE"), record));
    EXPECT_EQ(record.AreaName(), kanji.substr(0, 62));
    EXPECT_EQ(record.RawBytes()[71], 0);
    EXPECT_EQ(record.BaseFile(), "");
}

TEST(AreaFileList, AreaFilesAreListedByNameWithoutRegardToCase)
{
    test::CTempDir dir;
    EXPECT_EQ(CountAreaFiles(dir.Path()), 0);
    EXPECT_TRUE(ReadAreaFiles(dir.Path()).empty());
    EXPECT_EQ(CountAreaFiles(dir.File("missing")), 0);
    EXPECT_EQ(CountAreaFiles(""), 0);

    test::WriteFileBytes(dir.File("b.ARE"), AreaFileBytes("B", "b", 1, 1, 0, 0, 0));
    test::WriteFileBytes(dir.File("a.are"), AreaFileBytes("A", "a", 1, 1, 0, 0, 0));
    test::WriteFileBytes(dir.File("c.ARE"), "too short");
    test::WriteFileBytes(dir.File("d.txt"), AreaFileBytes("D", "d", 1, 1, 0, 0, 0));
    test::WriteFileBytes(dir.File("e.ARE.bak"), AreaFileBytes("E", "e", 1, 1, 0, 0, 0));
    std::filesystem::create_directory(dir.File("folder.ARE"));

    EXPECT_EQ(CountAreaFiles(dir.Path()), 3);
    const auto records = ReadAreaFiles(dir.Path());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].AreaName(), "A");
    EXPECT_EQ(records[1].AreaName(), "B");
}

CAreaRecord SampleArea(const char* name)
{
    CAreaRecord area;
    EXPECT_TRUE(area.SetAreaNameUtf8(name));
    area.SetBaseFile("/data/db/10m/5438-07.3dm");
    area.SetCounts(6, 4);
    area.SetBaseColumn(3);
    area.SetBaseRow(2);
    area.SetValue(0xCAFE);
    area.SetListFlag(0);
    // Leftovers in fields the file does not take from the record.
    area.SetMagic("junk");
    area.SetLayoutMark(77);
    area.RawBytes()[400] = 0xEE;
    return area;
}

TEST(AreaFileWrite, WritesTheLayoutByteForByteAndReadsBack)
{
    test::CTempDir dir;
    test::CRecordingMessageSink messages;
    test::WriteFileBytes(dir.File("北アルプス.ARE"), "an older file is replaced");
    ASSERT_TRUE(WriteAreaFile(dir.Path(), SampleArea("北アルプス"), messages));
    const std::string written = test::ReadFileBytes(dir.File("北アルプス.ARE"));
    std::string expected = AreaFileBytes(Cp932("北アルプス"), "/data/db/10m/5438-07.3dm", 1, 1, 0x12345678, 6, 4);
    PutInt(expected, 336, 3);
    PutInt(expected, 340, 2);
    EXPECT_EQ(written, expected);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1) << "no temporary left";

    CAreaRecord back;
    ASSERT_TRUE(ReadAreaFile(dir.File("北アルプス.ARE"), back));
    EXPECT_EQ(std::make_pair(back.OldAcross(), back.OldDown()), std::make_pair(6, 4));
    ASSERT_TRUE(WriteAreaFile(dir.Path(), back, messages));
    PutInt(expected, 348, 1);   // the reader sets the list flag
    EXPECT_EQ(test::ReadFileBytes(dir.File("北アルプス.ARE")), expected);
}

TEST(AreaFileWrite, NamesThatLeaveTheFolderOrNameNoFileAreRefused)
{
    test::CTempDir parent;
    const std::string folder = parent.File("area");
    std::filesystem::create_directory(folder);
    for (const std::string name : {"../evil", "a/b", "a\\b", ".", "..", "", "\\", "\xA0"}) {
        test::CRecordingMessageSink messages;
        CAreaRecord area = SampleArea("x");
        area.SetAreaName(name);
        EXPECT_FALSE(WriteAreaFile(folder, area, messages)) << name;
        ASSERT_EQ(messages.Messages().size(), 1u) << name;
        EXPECT_EQ(messages.Messages()[0].text, kBadAreaNameMessage);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(parent.Path()), {}), 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 0);

    // "ソ" has a backslash as its second code page 932 byte; its file name is fine.
    test::CRecordingMessageSink messages;
    EXPECT_TRUE(WriteAreaFile(folder, SampleArea("ソ...ARE"), messages));
    EXPECT_TRUE(std::filesystem::exists(folder + "/ソ...ARE.ARE"));
    EXPECT_FALSE(WriteAreaFile(parent.File("missing"), SampleArea("ok"), messages));
    EXPECT_FALSE(WriteAreaFile("", SampleArea("ok"), messages));
    EXPECT_TRUE(messages.Messages().empty());
}

} // namespace
} // namespace qb
