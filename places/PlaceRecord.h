#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qb {

// One place name as the document keeps it: 72 bytes, little-endian, laid out
// exactly as below. Unknown coordinates and grid positions are -1; the name
// is code page 932 bytes, at most 31 of them, zero-terminated.
struct PlaceRecord {
    std::int32_t kind = 0;        // kind code 0 .. 13
    std::int32_t col = -1;        // grid column, -1 when not on the grid
    std::int32_t row = -1;        // grid row
    float height = 0.0f;          // metres
    char name[32] = {};
    std::uint8_t reserved48 = 0;
    std::uint8_t coordsFromFile = 0;  // 1: a place file gave the coordinates (formats 2, 3)
    std::uint8_t duplicate = 0;       // mark used while removing duplicates
    std::uint8_t reserved51 = 0;
    float oldLat = -1.0f;         // old (Tokyo) datum
    float oldLon = -1.0f;
    float newLat = -1.0f;         // new datum
    float newLon = -1.0f;
    std::uint8_t origin = 0;      // 1: a per-tile or user file, 0: the system file
    std::uint8_t reserved69[3] = {};

    std::string_view Name() const;          // the code page 932 bytes before the terminator
    void SetName(std::string_view cp932);   // up to a zero byte, cut to 31 bytes on a character boundary
};

static_assert(sizeof(PlaceRecord) == 72);
static_assert(offsetof(PlaceRecord, height) == 12);
static_assert(offsetof(PlaceRecord, name) == 16);
static_assert(offsetof(PlaceRecord, coordsFromFile) == 49);
static_assert(offsetof(PlaceRecord, oldLat) == 52);
static_assert(offsetof(PlaceRecord, newLon) == 64);
static_assert(offsetof(PlaceRecord, origin) == 68);

inline constexpr std::size_t kPlaceNameBytes = 31;

} // namespace qb
