#pragma once
// The real 5 m tiles of secondary cell 6443-20 (data/sample): 225 x 150
// points each, 67 of the cell's 100 tenth cells, many with no-data points.
#include <string>
#include <vector>

namespace qb::test {

inline constexpr int kSampleTileCols = 225;
inline constexpr int kSampleTileRows = 150;

// The tile of tenth cell (lat digit, lon digit) in a database folder.
std::string SampleTilePath(const std::string& databaseFolder, int latDigit, int lonDigit);
// Converts the sample tiles whose two-digit codes are listed (all of them
// when the list is empty) into databaseFolder/5m; returns how many were written.
int ConvertSampleTiles(const std::string& databaseFolder, const std::vector<std::string>& codes = {});

} // namespace qb::test
