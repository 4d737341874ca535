#include "terrain/TileHeader.h"

#include <bit>
#include <cstring>

namespace qb {

std::int32_t LoadInt32(const std::uint8_t* p)
{
    const std::uint32_t value = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 |
                                std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
    return static_cast<std::int32_t>(value);
}

float LoadFloat32(const std::uint8_t* p)
{
    return std::bit_cast<float>(static_cast<std::uint32_t>(LoadInt32(p)));
}

void StoreInt32(std::uint8_t* p, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

void StoreFloat32(std::uint8_t* p, float value)
{
    StoreInt32(p, static_cast<std::int32_t>(std::bit_cast<std::uint32_t>(value)));
}

bool HasTileMagic(const TileHeaderBytes& bytes)
{
    return std::memcmp(bytes.data(), "TQZH", 4) == 0;
}

TileHeader DecodeTileHeader(const TileHeaderBytes& bytes)
{
    using namespace tile_offset;
    const std::uint8_t* b = bytes.data();
    TileHeader h;
    h.columns = LoadInt32(b + kColumns);
    h.rows = LoadInt32(b + kRows);
    h.meshSize = LoadInt32(b + kMeshSize);
    h.meshSize2 = LoadInt32(b + kMeshSize2);
    h.validPoints = LoadInt32(b + kValidPoints);
    h.dataDate = LoadInt32(b + kDataDate);
    h.datumFlag = LoadInt32(b + kDatumFlag);
    h.south = LoadFloat32(b + kSouth);
    h.west = LoadFloat32(b + kWest);
    h.north = LoadFloat32(b + kNorth);
    h.east = LoadFloat32(b + kEast);
    return h;
}

void StoreCorners(TileHeaderBytes& bytes, float south, float west, float north, float east)
{
    using namespace tile_offset;
    StoreFloat32(bytes.data() + kSouth, south);
    StoreFloat32(bytes.data() + kWest, west);
    StoreFloat32(bytes.data() + kNorth, north);
    StoreFloat32(bytes.data() + kEast, east);
}

TileHeaderBytes EncodeTileHeader(const TileHeader& h)
{
    using namespace tile_offset;
    TileHeaderBytes bytes{};
    std::uint8_t* b = bytes.data();
    std::memcpy(b + kMagic, "TQZH", 4);
    StoreInt32(b + kFormat, 2);
    StoreInt32(b + kReserved12, 0x02000000);
    StoreInt32(b + kColumns, h.columns);
    StoreInt32(b + kRows, h.rows);
    StoreInt32(b + kMeshSize, h.meshSize);
    StoreInt32(b + kMeshSize2, h.meshSize2);
    StoreInt32(b + kValidPoints, h.validPoints);
    StoreInt32(b + kDataDate, h.dataDate);
    StoreInt32(b + kDatumFlag, 1);
    StoreCorners(bytes, h.south, h.west, h.north, h.east);
    return bytes;
}

std::int64_t TileFileBytes(const TileHeader& header)
{
    return std::int64_t(kTileHeaderSize) + std::int64_t(header.columns) * header.rows * 4;
}

std::string CutOffTileDetail(std::int64_t fileSize, const TileHeader& header)
{
    const std::int64_t expected = TileFileBytes(header);
    if (fileSize >= expected)
        return {};
    return "ファイルが途中で切れています: " + std::to_string(fileSize) + " バイトしかありません (" +
           std::to_string(header.columns) + " × " + std::to_string(header.rows) + " 点のタイルは " +
           std::to_string(expected) + " バイト)。";
}

} // namespace qb
