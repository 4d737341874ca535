#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace qb {

// Byte offsets of the fields of an area record (all integers little-endian).
namespace area_offset {
inline constexpr std::size_t kMagic = 0, kMagicSize = 8;
inline constexpr std::size_t kAreaName = 8, kAreaNameSize = 64;
inline constexpr std::size_t kBaseFile = 72, kBaseFileSize = 256;
inline constexpr std::size_t kOldAcross = 328, kOldDown = 332;
inline constexpr std::size_t kBaseColumn = 336, kBaseRow = 340;
inline constexpr std::size_t kValue = 344, kListFlag = 348, kLayoutMark = 352;
inline constexpr std::size_t kAcross = 356, kDown = 360;
inline constexpr std::size_t kReserved = 364, kReservedSize = 48;
} // namespace area_offset

inline constexpr std::size_t kAreaRecordSize = 412;
inline constexpr std::int32_t kAreaLayoutMark = 0x12345678;
inline constexpr std::string_view kAreaMagic = "TQZH";

// One area: the tiles of a rectangle for one data source, kept as the 412
// bytes that an area file holds. Texts are zero-terminated inside their
// fields; the setters never write past a field and always leave room for
// the terminating zero.
class CAreaRecord {
public:
    using Bytes = std::array<std::uint8_t, kAreaRecordSize>;

    CAreaRecord() { m_bytes.fill(0); }
    explicit CAreaRecord(const Bytes& bytes) : m_bytes(bytes) {}

    const Bytes& RawBytes() const { return m_bytes; }
    Bytes& RawBytes() { return m_bytes; }

    std::string Magic() const { return Text(area_offset::kMagic, area_offset::kMagicSize); }
    void SetMagic(std::string_view magic);

    // The area name as code page 932 bytes; a longer name is cut to 63 bytes
    // without splitting a double-byte character.
    std::string AreaName() const { return Text(area_offset::kAreaName, area_offset::kAreaNameSize); }
    void SetAreaName(std::string_view cp932);
    // The same in UTF-8; the setter refuses a name that has no code page 932 form.
    std::string AreaNameUtf8() const;
    bool SetAreaNameUtf8(std::string_view utf8);

    // The base file's path (UTF-8 bytes). A path of more than 255 bytes is
    // refused and the field stays as it was: a cut path would name another file.
    std::string BaseFile() const { return Text(area_offset::kBaseFile, area_offset::kBaseFileSize); }
    bool SetBaseFile(std::string_view path);

    std::int32_t OldAcross() const { return Int(area_offset::kOldAcross); }
    std::int32_t OldDown() const { return Int(area_offset::kOldDown); }
    void SetOldCounts(std::int32_t across, std::int32_t down);
    std::int32_t Across() const { return Int(area_offset::kAcross); }
    std::int32_t Down() const { return Int(area_offset::kDown); }
    // Writes the counts to the older and the current fields alike.
    void SetCounts(std::int32_t across, std::int32_t down);

    std::int32_t BaseColumn() const { return Int(area_offset::kBaseColumn); }
    void SetBaseColumn(std::int32_t column) { SetInt(area_offset::kBaseColumn, column); }
    std::int32_t BaseRow() const { return Int(area_offset::kBaseRow); }
    void SetBaseRow(std::int32_t row) { SetInt(area_offset::kBaseRow, row); }
    std::int32_t Value() const { return Int(area_offset::kValue); }
    void SetValue(std::int32_t value) { SetInt(area_offset::kValue, value); }
    std::int32_t ListFlag() const { return Int(area_offset::kListFlag); }
    void SetListFlag(std::int32_t flag) { SetInt(area_offset::kListFlag, flag); }
    std::int32_t LayoutMark() const { return Int(area_offset::kLayoutMark); }
    void SetLayoutMark(std::int32_t mark) { SetInt(area_offset::kLayoutMark, mark); }

    std::span<const std::uint8_t, area_offset::kReservedSize> Reserved() const
    {
        return std::span<const std::uint8_t, area_offset::kReservedSize>(
            m_bytes.data() + area_offset::kReserved, area_offset::kReservedSize);
    }

private:
    std::int32_t Int(std::size_t offset) const;
    void SetInt(std::size_t offset, std::int32_t value);
    std::string Text(std::size_t offset, std::size_t size) const;
    void SetText(std::size_t offset, std::size_t size, std::string_view text);

    Bytes m_bytes;
};

// The three consecutive area records of an opening: the base data, the 5 m
// data of a hybrid and the 1 m data of a hybrid.
struct CAreaRecords {
    CAreaRecord base;
    CAreaRecord fiveMetre;
    CAreaRecord oneMetre;

    // The record an assembly of the data source kind fills: 8 the 5 m
    // record, 10 the 1 m record, every other kind the base record.
    CAreaRecord& RecordForKind(int kind);
};

} // namespace qb
