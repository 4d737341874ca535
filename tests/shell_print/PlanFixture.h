#pragma once
#include "places/PlaceKinds.h"
#include "places/PlaceRecord.h"
#include "shell/print/PlanPicture.h"
#include "terrain/HeightGrid.h"
#include "tests/support/GridBuilder.h"
#include "views/Viewer2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace qb::test {

// A 41 x 31 grid 10 m apart with a round hill in the middle, shown whole by
// a 2-D engine; label fonts of the default heights in blue, a colour no
// contour has; the screen's own label placement.
class PlanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_ZoomHistory.Clear();
        FillGrid(grid, 41, 31, [](int r, int c) { return float(400.0 - 10.0 * std::hypot(c - 20.0, r - 15.0)); });
        grid.m_nMeshSize = grid.m_nMeshSize2 = 10;
        viewer.Attach(grid, std::nullopt, false);
        for (int kind = 0; kind < kPlaceKindCount; ++kind) {
            fonts[kind].height = kPlaceKinds[kind].fontHeight;
            fonts[kind].colour = Rgb(0, 0, 255);
        }
    }
    void TearDown() override { g_ZoomHistory.Clear(); }

    void AddName(int kind, int col, int row, const char* cp932)
    {
        PlaceRecord& record = names.emplace_back();
        record.kind = kind;
        record.col = col;
        record.row = row;
        record.height = grid.Height(row, col);
        record.SetName(cp932);
    }
    // "山" on the hill's top.
    void AddSummit() { AddName(kPeak1, 20, 15, "\x8e\x52"); }

    PlanSource Source() { return PlanSource{viewer, names.data(), int(names.size()), fonts, &screenLabels}; }

    CHeightGrid grid;
    CViewer2D viewer;
    LabelFonts fonts{};
    std::vector<PlaceRecord> names;
    CLabelPlacement screenLabels{fonts};
};

} // namespace qb::test
