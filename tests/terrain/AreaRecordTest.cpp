#include "terrain/AreaRecord.h"

#include "platform/Cp932.h"
#include "terrain/MeshNaming.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qb {
namespace {

std::uint32_t LittleEndianAt(const CAreaRecord& record, std::size_t offset)
{
    const auto& b = record.RawBytes();
    return b[offset] | b[offset + 1] << 8 | b[offset + 2] << 16 | static_cast<std::uint32_t>(b[offset + 3]) << 24;
}

TEST(AreaRecord, IntegersAreLittleEndianAtTheirOffsetsAndCountsGoToBothCopies)
{
    CAreaRecord record;
    record.SetCounts(0x01020304, 7);
    record.SetBaseColumn(5);
    record.SetBaseRow(-2);
    record.SetValue(0x0A0B0C0D);
    record.SetListFlag(1);
    record.SetLayoutMark(kAreaLayoutMark);

    EXPECT_EQ(record.RawBytes()[328], 0x04);
    EXPECT_EQ(record.RawBytes()[331], 0x01);
    EXPECT_EQ(LittleEndianAt(record, 328), 0x01020304u);
    EXPECT_EQ(LittleEndianAt(record, 332), 7u);
    EXPECT_EQ(LittleEndianAt(record, 336), 5u);
    EXPECT_EQ(LittleEndianAt(record, 340), 0xFFFFFFFEu);
    EXPECT_EQ(LittleEndianAt(record, 344), 0x0A0B0C0Du);
    EXPECT_EQ(LittleEndianAt(record, 348), 1u);
    EXPECT_EQ(LittleEndianAt(record, 352), 0x12345678u);
    EXPECT_EQ(LittleEndianAt(record, 356), 0x01020304u);
    EXPECT_EQ(LittleEndianAt(record, 360), 7u);
    for (const auto byte : record.Reserved())
        EXPECT_EQ(byte, 0);

    record.SetOldCounts(1, 1);
    EXPECT_EQ(record.OldAcross(), 1);
    EXPECT_EQ(record.OldDown(), 1);
    EXPECT_EQ(record.Across(), 0x01020304);
    EXPECT_EQ(record.Down(), 7);
    EXPECT_EQ(record.BaseRow(), -2);
}

TEST(AreaRecord, TextFieldsStayInsideTheirBytesAndKeepATerminator)
{
    CAreaRecord record;
    record.SetMagic("TQZH");
    EXPECT_EQ(std::memcmp(record.RawBytes().data(), "TQZH\0\0\0\0", 8), 0);

    // 40 double-byte characters: 80 bytes cut to 31 characters, not to 63 bytes.
    const std::string kanji = *Cp932FromUtf8("山");
    std::string longName;
    for (int i = 0; i < 40; ++i)
        longName += kanji;
    record.SetAreaName(longName);
    EXPECT_EQ(record.AreaName().size(), 62u);
    EXPECT_EQ(record.RawBytes()[8 + 62], 0);
    EXPECT_EQ(record.RawBytes()[72], 0) << "the base file is untouched";

    EXPECT_TRUE(record.SetAreaNameUtf8("丹沢"));
    EXPECT_EQ(record.AreaNameUtf8(), "丹沢");
    EXPECT_EQ(record.AreaName(), *Cp932FromUtf8("丹沢"));
    EXPECT_EQ(record.RawBytes()[8 + 4], 0) << "the rest of a shorter name is cleared";

    EXPECT_TRUE(record.SetBaseFile(std::string(255, 'p')));
    EXPECT_EQ(record.BaseFile().size(), 255u);
    EXPECT_EQ(record.RawBytes()[327], 0);
    EXPECT_FALSE(record.SetBaseFile(std::string(256, 'q')));
    EXPECT_EQ(record.BaseFile(), std::string(255, 'p')) << "a refused path leaves the field";
}

TEST(AreaRecord, AFieldWithoutTerminatorEndsAtTheFieldsEnd)
{
    CAreaRecord::Bytes bytes{};
    std::memset(bytes.data() + 8, 'n', 64);
    std::memset(bytes.data() + 72, 'b', 256);
    bytes[328] = 3;
    const CAreaRecord record(bytes);
    EXPECT_EQ(record.AreaName(), std::string(64, 'n'));
    EXPECT_EQ(record.BaseFile(), std::string(256, 'b'));
    EXPECT_EQ(record.OldAcross(), 3);
}

TEST(AreaRecord, EachKindFillsItsOwnRecordOfTheThree)
{
    CAreaRecords records;
    EXPECT_EQ(&records.RecordForKind(kSourceHybrid5m), &records.fiveMetre);
    EXPECT_EQ(&records.RecordForKind(kSourceHybrid1m), &records.oneMetre);
    for (const int kind : {1, 4, 5, 6, 7, 9})
        EXPECT_EQ(&records.RecordForKind(kind), &records.base) << kind;
}

} // namespace
} // namespace qb
