#pragma once
#include "webmap/GlobeOptions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// A point of the globe data: longitude negated (east negative), latitude, degrees.
struct GlobePoint {
    float lon = 0.0f;
    float lat = 0.0f;
};

// One record of the globe data file: an area, a line or a name.
struct GllRecord {
    std::string tag;          // up to 3 characters
    std::int32_t type = 0;
    std::int32_t subLevel = 0;
    std::int32_t kept = 0;
    GlobePoint anchor;        // a name's anchor point
    std::string name;         // code page 932, at most 31 bytes
    std::vector<GlobePoint> points;
};

inline constexpr std::size_t kGllHeaderBytes = 72;
inline constexpr std::size_t kGllRecordHeaderBytes = 60;
inline constexpr std::size_t kGllNameBytes = 32;
inline constexpr const char* kGlobeDataFileName = "japan.GLL";

// The records of the bytes of a globe data file, in file order; none (and
// the reason) when a count or size is one the bytes cannot hold. Every count
// is checked against the bytes before anything is allocated for it.
struct GlobeDataResult {
    std::optional<std::vector<GllRecord>> records;
    std::string error;
};
GlobeDataResult ParseGlobeData(std::string_view bytes);
// The file read and parsed; a file that cannot be read or is damaged gives no records.
GlobeDataResult ReadGlobeDataFile(const std::string& path);

// The records the layers flags keep, in drawing order: the base areas, the
// height layers, rivers, lakes, borders and the names.
std::vector<GllRecord> OrderForDrawing(std::vector<GllRecord> records, const GlobeOptions& options);

// The bytes of a globe data file holding the records (the writer of tests and tools).
std::string GlobeDataBytes(const std::vector<GllRecord>& records);

} // namespace qb
