#pragma once
#include "colour/ColourBlock.h"
#include "platform/SettingsStore.h"

namespace qb {

// Fills the colour block for scheme number 0 to 7. Scheme 7 reads the
// selected user scheme from the store each time, so an edited scheme takes
// effect at the next rendering. Any other number leaves the block unchanged.
void ApplyColorScheme(ISettingsStore& store, ColourBlock& block, int scheme);

} // namespace qb
