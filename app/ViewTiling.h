#pragma once

namespace qb {

// A child frame's place in the main window's client area.
struct FrameRect {
    int x;
    int y;
    int width;
    int height;
    bool operator==(const FrameRect&) const = default;
};

// Places of the three view frames when the window holds one of each.
struct ThreeViewLayout {
    FrameRect render;
    FrameRect view2D;
    FrameRect map;
};

// The rendering view takes two thirds of the longer side; the 2-D view and
// the map view share the remaining strip.
ThreeViewLayout TileThreeViews(int clientWidth, int clientHeight);

// The docked bars that take room from the client area.
struct BarsState {
    bool statusVisibleDocked;
    int statusHeight;
    bool toolbarVisibleDocked;
    int toolbarWidth;
    int toolbarHeight;
};

// Takes the room of the docked status bar and toolbar (a toolbar taller than
// wide stands at a side) from a client size. Never below zero.
void TilingClientSize(const BarsState& bars, int& width, int& height);

// The window system's own tiling, used when the three-view layout does not
// apply: horizontal when the client area is at least as tall as it is wide.
enum class FallbackTiling { Horizontal, Vertical };
FallbackTiling FallbackTilingFor(int clientWidth, int clientHeight);

} // namespace qb
