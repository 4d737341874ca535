#pragma once
#include "platform/DrawContext.h"
#include "views/ContourCrossings.h"
#include "views/GridRange.h"
#include "views/ZoomHistory.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace qb {

class CHeightGrid;
class ILabelPlacer;
class IViewHost;
struct PlaceRecord;

// The eight height bands, lowest first; the prepared pens 0 .. 7 have these colours.
inline constexpr std::array<Colour, 8> kHeightBands = {
    Rgb(64, 202, 122), Rgb(38, 159, 50), Rgb(121, 174, 43), Rgb(123, 138, 40),
    Rgb(150, 147, 38), Rgb(167, 132, 24), Rgb(146, 118, 61), Rgb(128, 64, 64),
};
inline constexpr Colour kSeaBlue = Rgb(0, 0, 255);

// Indices of the prepared pens after the eight band pens.
enum PreparedPen { kPenBrown = 8, kPenBlack = 9, kPenBlue = 10, kPenGreen = 11, kPreparedPenCount = 12 };

// Phases of the rubber band.
enum ZoomPhase { kZoomBegin = 0, kZoomMove = 1, kZoomEnd = 2 };

// The message of a zoom refused because the history is full.
inline constexpr std::string_view kZoomLimitMessage = "これ以上拡大できません。";

// Draws the visible range of a height grid as a plan view (contour lines or
// colour bands, a frame, place-name labels, a hover mark) and keeps the state
// every view engine shares: the visible range, its lowest and highest height,
// the mapping between grid points and window points and the rubber-band zoom.
// It has no window: the owning view forwards paint and mouse events and
// offers its services through IViewHost.
class CViewer2D {
public:
    // The shell's request to load the area around a range that left the grid:
    // the shifted range and the grid's columns and rows.
    using NeighbourRequest = std::function<void(const GridRange& shifted, int gridCols, int gridRows)>;

    explicit CViewer2D(IViewHost* host = nullptr);
    virtual ~CViewer2D() = default;
    CViewer2D(const CViewer2D&) = delete;
    CViewer2D& operator=(const CViewer2D&) = delete;

    // The engine's overridable operations.
    virtual void DrawNames(IDrawContext& dc);
    // Snaps the window point to the nearest grid point of the range and
    // returns that point's height.
    virtual float ScreenToGrid(DrawPoint& point, int& col, int& row);
    virtual void Draw(IDrawContext& dc, const DrawRect& rect);
    // 0 when a rubber band began, 1 when the full history made the range go back.
    virtual int OnButtonDown(IDrawContext& dc, DrawPoint point);
    // 1 when the range changed.
    virtual int OnButtonUp(IDrawContext& dc, DrawPoint point);
    virtual void OnMouseMove(IDrawContext& dc, DrawPoint point);
    // 1 with the grid point and its height, 0 when no grid is attached.
    virtual int PickPoint(DrawPoint point, int& col, int& row, float& height);
    // Phase 0 begin, 1 move, 2 end; the point comes back snapped to the grid.
    // The end returns 1 when the range changed.
    virtual int TrackZoomRect(IDrawContext& dc, DrawPoint& point, int phase);
    // Ends a rubber band without zooming (the window repaints over it):
    // the mouse is released and the cursor is the arrow again.
    void EndDrag();

    void SetHost(IViewHost* host);
    // Binds the engine to a document's grid. The restored range of a reopened
    // area becomes the visible range; otherwise the whole grid does, and the
    // history is emptied for a document shown for the first time.
    void Attach(CHeightGrid& grid, const std::optional<GridRange>& restore, bool documentShownBefore);
    // The document's place-name records for the next drawing (borrowed; sorted in place).
    void SetNames(PlaceRecord* records, int count);
    // The label placement of the owning view; null draws no names.
    void SetLabelPlacer(ILabelPlacer* placer) { m_pLabelPlacer = placer; }

    GridRange GetRange() const;
    void SetRange(const GridRange& range);
    void PushRange(const GridRange& range);
    int PopRange();
    // 1 when moved inside the grid, 2 when the neighbouring area must be
    // loaded (the request has been made and the range is unchanged), 0 without a grid.
    int MoveRange(int direction, const NeighbourRequest& requestNeighbour = {});
    void UpdateHeightRange();

    DrawPoint GridToScreen(int col, int row) const;
    GridPoint ScreenToGridClamped(DrawPoint point) const;
    // Chooses the contour interval and the first level for heights max .. min;
    // returns the interval.
    double ContourStep(double max, double min);
    Colour HeightColour(double height) const;
    void DrawContours(IDrawContext& dc);

    const CHeightGrid* Grid() const { return m_pGrid; }
    double ContourInterval() const { return m_dContourInterval; }
    double FirstLevel() const { return m_dFirstLevel; }
    float RangeMax() const { return m_fRangeMax; }
    float RangeMin() const { return m_fRangeMin; }
    int VisibleCols() const { return m_nVisibleCols; }
    int VisibleRows() const { return m_nVisibleRows; }
    // Where the last drawing put the grid, and the window point of its far corner.
    DrawRect DrawingRect() const { return m_rcDraw; }
    DrawPoint FarCorner() const { return m_ptFarCorner; }
    bool IsDragging() const { return m_bDragging != 0; }
    DrawPoint RubberBandStart() const { return m_ptRubberStart; }
    int LabelsDrawn() const { return m_nLabelsDrawn; }
    const std::array<Colour, kPreparedPenCount>& Pens() const { return m_pens; }

    std::int32_t m_nMethod = 0;   // 0 contour lines, 1 colour bands

protected:
    IViewHost& Host() const { return *m_pHost; }

private:
    struct Scale {
        double toScreen = 0.0;   // window points per metre
        double toGrid = 0.0;     // metres per window point
    };
    struct CellCorners {
        EdgeEnd p, q, t, s;
    };

    bool HasHeights() const;
    void ApplyRange(const GridRange& range);
    void Recount();
    GridRange ClampedToGrid(const GridRange& range) const;
    GridRange ShiftedRange(int direction) const;
    GridRange KeptInsideGrid(const GridRange& shifted) const;
    bool IsInsideGrid(const GridRange& range) const;
    int ColSpacing() const;
    int RowSpacing() const;
    Scale MappingScale() const;

    CellCorners CellAt(int col, int row, int colStep, int rowStep) const;
    void DrawContourCell(IDrawContext& dc, const CellCorners& cell);
    void DrawBandCell(IDrawContext& dc, const CellCorners& cell) const;
    void JoinCrossings(IDrawContext& dc) const;
    void DrawSeaEdges(IDrawContext& dc, const CellCorners& cell) const;
    int BandIndex(double height) const;

    void DrawInvertedRect(IDrawContext& dc, DrawPoint a, DrawPoint b) const;
    void DrawHoverMark(IDrawContext& dc, DrawPoint point) const;
    DrawPoint SnapToGrid(DrawPoint point) const;
    int EndZoom(DrawPoint point);
    void ShowHoverStatus(int col, int row, float height);

    IViewHost* m_pHost;
    std::array<Colour, kPreparedPenCount> m_pens{};
    double m_dContourInterval = 50.0;
    double m_dFirstLevel = 0.0;
    ContourLevels m_levels;                // the levels of the drawing under way
    std::vector<Crossing> m_crossings;     // grows as needed; emptied after each drawing
    PlaceRecord* m_pNames = nullptr;
    int m_nNames = 0;
    int m_bHoverShown = 0;
    DrawPoint m_ptLastHover;
    std::int32_t m_nColFirst = 0;
    std::int32_t m_nColLast = 0;
    std::int32_t m_nRowFirst = 0;
    std::int32_t m_nRowLast = 0;
    std::int32_t m_nRowSpacing = 0;
    std::int32_t m_nColSpacing = 0;
    std::int32_t m_nGridRows = 0;
    std::int32_t m_nGridCols = 0;
    CHeightGrid* m_pGrid = nullptr;
    int m_bDragging = 0;
    DrawPoint m_ptRubberStart;
    DrawPoint m_ptRubberEnd;
    DrawPoint m_ptFarCorner;
    DrawRect m_rcDraw;                     // left, top, right, bottom of the grid's area
    DrawRect m_rcClient;                   // the rectangle given to the last drawing
    float m_fRangeMax = 320.0f;
    float m_fRangeMin = 60.0f;
    std::int32_t m_nVisibleCols = 0;
    std::int32_t m_nVisibleRows = 0;
    ILabelPlacer* m_pLabelPlacer = nullptr;
    int m_nLabelsDrawn = 0;
};

} // namespace qb
