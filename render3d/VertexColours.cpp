#include "render3d/VertexColours.h"

#include "render3d/Angles.h"
#include "render3d/MeshBuild.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qb {
namespace {

constexpr std::uint32_t kSeaBlue = 0xFF0000FF;
constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::array<double, 6> kSlopeSteps = {1, 15, 25, 35, 45, 65};

int Channel(std::uint32_t argb, int shift)
{
    return static_cast<int>((argb >> shift) & 0xFF);
}

} // namespace

std::uint32_t OpaqueArgb(Colour colour)
{
    return 0xFF000000u | (colour & 0xFFu) << 16 | (colour & 0xFF00u) | (colour >> 16 & 0xFFu);
}

VertexColours::VertexColours(const MeshInput& input, float lowest, float highest)
    : heights_(input.heights), columns_(input.columns), rows_(input.rows), mode_(input.colours.mode),
      lowest_(lowest), highest_(highest), exaggeration_(input.exaggeration == 0 ? 1 : input.exaggeration)
{
    std::transform(input.colours.slots.begin(), input.colours.slots.end(), argb_.begin(), OpaqueArgb);
    const double spacing = std::min(input.colSpacing, input.rowSpacing);
    flat_ = spacing == 0;
    for (std::size_t i = 0; i < kSlopeSteps.size(); ++i)
        slopeLimits_[i] = spacing * std::tan(Radians(kSlopeSteps[i]));
}

std::uint32_t VertexColours::At(int column, int row) const
{
    const float h = heights_[std::size_t(row) * columns_ + column];
    if (h == 0)
        return kSeaBlue;
    switch (mode_) {
    case kColourModeSingle:
        return argb_[0];
    case kColourModeHeight:
        return ByHeight(h);
    case kColourModeSlope:
        return BySlope(column, row, h);
    default:
        return kBlack;
    }
}

std::uint32_t VertexColours::ByHeight(float h) const
{
    if (highest_ == lowest_)
        return argb_[0];
    std::uint32_t argb = 0xFF000000u;
    for (int shift : {0, 8, 16}) {
        const int low = Channel(argb_[0], shift), high = Channel(argb_[1], shift);
        const double value = low + (h - lowest_) * (high - low) / (highest_ - lowest_);
        // Truncated; a height that is not a number gives 0.
        const int channel = value >= 255 ? 255 : value > 0 ? static_cast<int>(value) : 0;
        argb |= static_cast<std::uint32_t>(channel) << shift;
    }
    return argb;
}

std::uint32_t VertexColours::BySlope(int column, int row, float h) const
{
    if (flat_)
        return argb_[0];
    const std::size_t at = std::size_t(row) * columns_ + column;
    double sum = 0;
    int count = 0;
    auto add = [&](std::size_t other) {
        sum += std::fabs(double(h) - heights_[other]);
        ++count;
    };
    if (column > 0)
        add(at - 1);
    if (column + 1 < columns_)
        add(at + 1);
    if (row > 0)
        add(at - columns_);
    if (row + 1 < rows_)
        add(at + columns_);
    const double rise = count > 0 ? sum / count / exaggeration_ : 0;
    if (rise == 0)
        return argb_[0];
    // atan2(rise, spacing) below a step is rise below spacing x tan(step).
    const auto step = std::find_if(slopeLimits_.begin(), slopeLimits_.end(), [&](double limit) { return rise < limit; });
    return argb_[1 + (step - slopeLimits_.begin())];
}

} // namespace qb
