#pragma once
#include <cstdint>
#include <string_view>

namespace qb::fuzz {

// The largest grid a fuzz run lets a reader build. A larger declared grid
// is read by the same code, only for longer (the fuzzer's coverage counts
// no difference between a loop run a few hundred times and more), and a
// corpus drawn to large grids slows a run to a crawl. The unit tests replay
// regression inputs of any size.
inline constexpr std::int64_t kMaxFuzzedPoints = 64 * 64;

// Whether an input lies in the scope of its fuzz target: its declared grid
// (when the bytes declare one as the reader would read it) holds at most
// kMaxFuzzedPoints points.
bool TextMeshInScope(std::string_view bytes);
bool XmlInScope(std::string_view bytes);
inline bool AlwaysInScope(std::string_view) { return true; }

} // namespace qb::fuzz
