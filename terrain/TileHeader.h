#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace qb {

inline constexpr std::size_t kTileHeaderSize = 128;
using TileHeaderBytes = std::array<std::uint8_t, kTileHeaderSize>;

// The named fields of the 128-byte header of a .3dm tile. All integers are
// 32-bit and all reals 32-bit floats, little-endian.
struct TileHeader {
    std::int32_t columns = 0;
    std::int32_t rows = 0;
    std::int32_t meshSize = 0;    // east-west spacing in metres
    std::int32_t meshSize2 = 0;   // north-south spacing in metres
    std::int32_t validPoints = 0;
    std::int32_t dataDate = 0;    // yyyymmdd
    std::int32_t datumFlag = 0;   // 1 new geodetic datum, 0 old
    float south = 0.0f;
    float west = 0.0f;
    float north = 0.0f;
    float east = 0.0f;
};

namespace tile_offset {
inline constexpr std::size_t kMagic = 0;
inline constexpr std::size_t kFormat = 4;
inline constexpr std::size_t kReserved12 = 12;
inline constexpr std::size_t kColumns = 32;
inline constexpr std::size_t kRows = 52;
inline constexpr std::size_t kMeshSize = 72;
inline constexpr std::size_t kMeshSize2 = 92;
inline constexpr std::size_t kValidPoints = 96;
inline constexpr std::size_t kDataDate = 100;
inline constexpr std::size_t kDatumFlag = 104;
inline constexpr std::size_t kSouth = 112;
inline constexpr std::size_t kWest = 116;
inline constexpr std::size_t kNorth = 120;
inline constexpr std::size_t kEast = 124;
} // namespace tile_offset

bool HasTileMagic(const TileHeaderBytes& bytes);
TileHeader DecodeTileHeader(const TileHeaderBytes& bytes);
// Every byte as written: the magic "TQZH", format 2, the fixed reserved word
// 0x02000000 at offset 12, zeros elsewhere, the datum flag always 1.
TileHeaderBytes EncodeTileHeader(const TileHeader& header);
void StoreCorners(TileHeaderBytes& bytes, float south, float west, float north, float east);
// The bytes of a whole tile of the header's dimensions: header and heights.
std::int64_t TileFileBytes(const TileHeader& header);
// Empty when a file of `fileSize` bytes holds every height the header
// promises, else a line saying how much of the tile is missing.
std::string CutOffTileDetail(std::int64_t fileSize, const TileHeader& header);

std::int32_t LoadInt32(const std::uint8_t* p);
float LoadFloat32(const std::uint8_t* p);
void StoreInt32(std::uint8_t* p, std::int32_t value);
void StoreFloat32(std::uint8_t* p, float value);

} // namespace qb
