#pragma once
#include "terrain/HeightGrid.h"
#include "tests/support/GridBuilder.h"
#include "tests/support/RecordingDrawContext.h"
#include "views/ViewHost.h"
#include "views/Viewer2D.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qb::test {

// Records what the engine asks of its window.
class CRecordingViewHost final : public IViewHost {
public:
    void Repaint() override { ++repaints; }
    void CaptureMouse() override { captured = true; }
    void ReleaseMouse() override { captured = false; }
    void SetCursor(ViewCursor c) override { cursor = c; }
    void SetStatusText(std::string_view text) override { status = std::string(text); }
    void ShowMessage(std::string_view text, MessageIcon icon) override
    {
        messages.emplace_back(text);
        icons.push_back(icon);
    }

    int repaints = 0;
    bool captured = false;
    ViewCursor cursor = ViewCursor::Arrow;
    std::string status;
    std::vector<std::string> messages;
    std::vector<MessageIcon> icons;
};

// An engine on a grid of `cols` x `rows` points 10 m apart, drawn into a
// 222 x 222 rectangle: the margins leave 200 x 200 pixels from (11, 11).
// For a 21 x 21 grid one pixel is one metre, so grid point (c, r) is at
// window point (11 + 10c, 11 + 10r).
class ViewerTest : public ::testing::Test {
protected:
    static constexpr DrawRect kClient{0, 0, 222, 222};

    void SetUp() override { g_ZoomHistory.Clear(); }
    void TearDown() override { g_ZoomHistory.Clear(); }

    void MakeGrid(int cols, int rows, const std::function<float(int, int)>& height, int fileType = kFile3dm)
    {
        FillGrid(grid, cols, rows, height);
        grid.m_nMeshSize = grid.m_nMeshSize2 = 10;
        grid.m_nFileType = fileType;
        viewer.Attach(grid, std::nullopt, false);
        viewer.Draw(dc, kClient);
        dc.Clear();
    }
    static DrawPoint At(int col, int row) { return {11 + 10 * col, 11 + 10 * row}; }

    CHeightGrid grid;
    CRecordingViewHost host;
    CRecordingDrawContext dc;
    CViewer2D viewer{&host};
};

} // namespace qb::test
