#pragma once

namespace qb::bench {

// Fonts need a GUI application: made once, drawing offscreen, with the
// label settings' defaults loaded.
void EnsureGui();

} // namespace qb::bench
