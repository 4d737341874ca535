#include "colour/PresetSchemes.h"

namespace qb {

bool GetPresetScheme(int scheme, ColourBlock& block)
{
    const Colour summerHigh = Rgb(255, 191, 0);
    const Colour autumnLow = Rgb(255, 255, 0);
    switch (scheme) {
    case 0: SetColours(block, kColourModeSingle, std::array{kGreen}); return true;
    case 1: SetColours(block, kColourModeSingle, std::array{kWhite}); return true;
    case 2: SetColours(block, kColourModeHeight, std::array{kGreen, kWhite}); return true;
    case 3: SetColours(block, kColourModeHeight, std::array{kGreen, summerHigh}); return true;
    case 4: SetColours(block, kColourModeHeight, std::array{autumnLow, kWhite}); return true;
    case 5: SetColours(block, kColourModeSlope, kSummerSlopeColours); return true;
    case 6: SetColours(block, kColourModeSlope, kWinterSlopeColours); return true;
    default: return false;
    }
}

} // namespace qb
