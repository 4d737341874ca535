#pragma once
#include "colour/ColourBlock.h"

#include <array>
#include <cstdint>
#include <span>

namespace qb {

struct MeshInput;

// The vertex colour of every grid point: opaque blue at a height of exactly
// 0, otherwise by the colour block's mode: one colour, a blend from slot 0 at
// the lowest height to slot 1 at the highest, or one of eight slots by the
// steepness of the true (unexaggerated) slope; black for any other mode.
class VertexColours {
public:
    // `lowest` and `highest` are the extremes of the whole grid.
    VertexColours(const MeshInput& input, float lowest, float highest);
    std::uint32_t At(int column, int row) const;

private:
    std::uint32_t ByHeight(float h) const;
    std::uint32_t BySlope(int column, int row, float h) const;

    std::span<const float> heights_;
    int columns_, rows_;
    int mode_;
    std::array<std::uint32_t, kColourSlotCount> argb_{};
    double lowest_, highest_;
    // d / x below limit[i] x the smaller spacing means an angle below the
    // i-th step of 1, 15, 25, 35, 45 and 65 degrees.
    std::array<double, 6> slopeLimits_{};
    double exaggeration_;
    bool flat_; // no spacing to measure a slope over
};

// A red-low 0x00BBGGRR colour as opaque 0xFFRRGGBB.
std::uint32_t OpaqueArgb(Colour colour);

} // namespace qb
