#pragma once
#include "platform/DrawContext.h"

#include <array>
#include <cstddef>
#include <span>

namespace qb {

// How the renderer colours the terrain from a colour block.
inline constexpr int kColourModeSingle = 0;  // slot 0 everywhere
inline constexpr int kColourModeHeight = 1;  // slot 0 at the lowest height, slot 1 at the highest
inline constexpr int kColourModeSlope = 2;   // slots 0 (gentlest) to 7 (steepest)

inline constexpr int kColourSlotCount = 8;

// The colours the rendering view hands to the renderer.
struct ColourBlock {
    int mode = kColourModeSingle;
    std::array<Colour, kColourSlotCount> slots{};
    bool operator==(const ColourBlock&) const = default;
};

// Sets the mode and the first slots to `colours`; later slots keep what they hold.
inline void SetColours(ColourBlock& block, int mode, std::span<const Colour> colours)
{
    block.mode = mode;
    for (std::size_t i = 0; i < colours.size() && i < block.slots.size(); ++i)
        block.slots[i] = colours[i];
}

} // namespace qb
