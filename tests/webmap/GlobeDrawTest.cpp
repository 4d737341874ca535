#include "webmap/GlobeDraw.h"

#include "platform/MemorySettingsStore.h"
#include "tests/support/RecordingDrawContext.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"
#include "tests/webmap/ScriptedWebView.h"
#include "webmap/GlobeObj.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace qb {
namespace {

using Op = test::CRecordingDrawContext::Op;

// A square of the globe around (lat, east longitude), in the file's negated longitudes.
GllRecord Area(int type, int level, double lat, double lon, double half = 0.5)
{
    GllRecord r;
    r.type = type;
    r.subLevel = level;
    r.points = {{float(-(lon - half)), float(lat - half)}, {float(-(lon + half)), float(lat - half)},
                {float(-(lon + half)), float(lat + half)}, {float(-(lon - half)), float(lat + half)}};
    return r;
}

GllRecord Name(int type, int level, const char* cp932, double lat, double lon)
{
    GllRecord r;
    r.type = type;
    r.subLevel = level;
    r.name = cp932;
    r.anchor = {float(-lon), float(lat)};
    return r;
}

struct GlobeDrawing : ::testing::Test {
    GlobeOptions options;
    GlobeFonts fonts;
    std::vector<GllRecord> records;
    test::CRecordingDrawContext dc;
    GlobeView view{.width = 800, .height = 600, .factor = 1.0};

    GlobeDrawing()
    {
        for (int i = 0; i < kGlobeFontCount; ++i)
            fonts[i] = DefaultGlobeFont(i);
    }
    GlobeScene Scene(bool printer = false)
    {
        GlobeScene scene;
        scene.options = &options;
        scene.fonts = &fonts;
        scene.records = &records;
        scene.printer = printer;
        return scene;
    }
    double Distance(DrawPoint p) const { return std::hypot(p.x - view.Centre().x, p.y - view.Centre().y); }
};

TEST_F(GlobeDrawing, BackgroundSeaRecordsGridStoredCellsAndTheChosenBoxComeInThatOrder)
{
    records = {Area(0, 0, 36, 138, 2), Area(2, 0, 36, 138), Area(6, 0, 35, 137), Name(103, 1, "\x93\x8c\x8b\x9e", 35.7, 139.7)};
    records[2].points.resize(2);
    GlobeScene scene = Scene();
    scene.storedCells = {{.south = 35.0, .north = 35.0 + 1.0 / 12, .west = 139.0, .east = 139.125},
                         {.south = 50.0, .north = 50.1, .west = 139.0, .east = 139.125}};  // outside the grid: left out
    scene.chosenBox = GeoBox{.south = 34.0, .north = 36.0, .west = 135.0, .east = 140.0};
    DrawGlobe(dc, view, scene);

    ASSERT_GE(dc.fills.size(), 1u);
    EXPECT_EQ(dc.fills[0].colour, options.colBack);
    EXPECT_EQ(dc.fills[0].rect, (DrawRect{0, 0, 800, 600}));
    ASSERT_EQ(dc.polygons.size(), 3u + 2u);  // sea, land, lake, the city's two marker ellipses
    EXPECT_EQ(dc.polygons[0].points.size(), 361u);
    EXPECT_EQ(dc.polygons[0].brush, options.colSea);
    EXPECT_EQ(dc.polygons[1].brush, options.colHeight[0]);
    EXPECT_EQ(dc.polygons[1].pen, 0x000000u);
    EXPECT_EQ(dc.polygons[2].brush, options.colLake);
    EXPECT_EQ(dc.polygons[3].brush, 0xFFFFFFu);  // a city's marker is white
    ASSERT_EQ(dc.texts.size(), 1u);
    EXPECT_EQ(dc.texts[0].text, "東京");
    EXPECT_EQ(dc.texts[0].colour, fonts[7].colour);

    // The river's line follows the lake's polygon and comes before the name.
    const auto firstLine = std::find(dc.operations.begin(), dc.operations.end(), Op::Line);
    const auto text = std::find(dc.operations.begin(), dc.operations.end(), Op::Text);
    ASSERT_NE(firstLine, dc.operations.end());
    EXPECT_EQ(std::count(dc.operations.begin(), firstLine, Op::Polygon), 3);
    EXPECT_LT(firstLine, text);
    EXPECT_EQ(dc.segments[0].colour, options.colRiver);

    // After the name: the grid in black, the stored cell in red of width 2, the box inverted in white of width 3.
    std::vector<std::pair<Colour, int>> afterText;
    std::size_t segment = static_cast<std::size_t>(std::count(dc.operations.begin(), text, Op::Line));
    for (; segment < dc.segments.size(); ++segment) {
        const auto& s = dc.segments[segment];
        if (afterText.empty() || afterText.back() != std::pair{s.colour, s.width})
            afterText.emplace_back(s.colour, s.width);
    }
    EXPECT_EQ(afterText, (std::vector<std::pair<Colour, int>>{{0x000000, 0}, {0x0000FF, 2}, {0xFFFFFF, 3}}));
    const auto red = std::count_if(dc.segments.begin(), dc.segments.end(), [](const auto& s) { return s.width == 2; });
    EXPECT_EQ(red, 4);
    const auto inverted = dc.SegmentsInverted(true);
    ASSERT_FALSE(inverted.empty());
    EXPECT_TRUE(std::all_of(inverted.begin(), inverted.end(), [](const auto& s) { return s.width == 3; }));
    EXPECT_EQ(dc.inverts, (std::vector<bool>{true, false}));
}

TEST_F(GlobeDrawing, AreasBehindTheGlobeOrFoldedAcrossItAreLeftOutAndFarPointsMoveToTheRim)
{
    GllRecord behind = Area(0, 1, -35, -40, 5);
    GllRecord folded = Area(0, 1, 36, 138, 1);  // a front point and far points all round the globe
    folded.points.push_back({-(138.0f + 180.0f), 0.0f});
    folded.points.push_back({-(138.0f + 180.0f), 60.0f});
    folded.points.push_back({-(138.0f + 90.0f), -60.0f});
    folded.points.push_back({-(138.0f - 90.0f), -60.0f});
    // A front area with one point beyond the rim on the centre's meridian.
    const auto centre = ScreenToGlobe(view, view.Centre());
    ASSERT_TRUE(centre);
    GllRecord edge = Area(0, 2, centre->lat, -centre->negatedLon, 1);
    edge.points.push_back({static_cast<float>(centre->negatedLon), static_cast<float>(centre->lat - 100.0)});
    records = {behind, folded, edge};
    DrawGlobe(dc, view, Scene());
    ASSERT_EQ(dc.polygons.size(), 2u);  // the sea and the edge area
    const auto& drawn = dc.polygons[1];
    EXPECT_EQ(drawn.brush, options.colHeight[2]);
    EXPECT_EQ(drawn.pen, options.colHeight[2]);  // layers above the lowest take their fill as outline
    ASSERT_EQ(drawn.points.size(), 5u);
    EXPECT_NEAR(Distance(drawn.points[4]), view.Radius(), 1.0);
    EXPECT_LT(Distance(drawn.points[0]), view.Radius() - 10);
}

TEST_F(GlobeDrawing, APrinterGetsNoBordersAndOutlinesOnly)
{
    GllRecord border = Area(3, 0, 36, 138);
    records = {Area(0, 0, 36, 138), border, Area(6, 0, 35, 137)};
    DrawGlobe(dc, view, Scene(true));
    EXPECT_TRUE(dc.polygons.empty());
    EXPECT_EQ(std::count(dc.pens.begin(), dc.pens.end(), options.colCountry), 0);
    EXPECT_GT(std::count_if(dc.segments.begin(), dc.segments.end(), [&](const auto& s) { return s.colour == options.colRiver; }), 0);
    dc.Clear();
    DrawGlobe(dc, view, Scene(false));
    EXPECT_GT(std::count_if(dc.segments.begin(), dc.segments.end(), [&](const auto& s) { return s.colour == options.colCountry; }), 0);
}

TEST_F(GlobeDrawing, ASeaCoveringTheWindowFillsItAndMajorRiversNeedAFactorOfFive)
{
    view.factor = 50.0;
    records = {Area(4, 0, 36, 138, 0.05)};
    DrawGlobe(dc, view, Scene());
    ASSERT_EQ(dc.fills.size(), 2u);
    EXPECT_EQ(dc.fills[1].colour, options.colSea);
    EXPECT_TRUE(dc.polygons.empty());
    EXPECT_TRUE(std::any_of(dc.segments.begin(), dc.segments.end(), [&](const auto& s) { return s.colour == options.colRiver; }));
    dc.Clear();
    view.factor = 4.0;
    DrawGlobe(dc, view, Scene());
    EXPECT_FALSE(std::any_of(dc.segments.begin(), dc.segments.end(), [&](const auto& s) { return s.colour == options.colRiver; }));
}

TEST_F(GlobeDrawing, NamesDoNotOverlapNorLeaveTheWindowAndCapitalsHaveRedMarkers)
{
    view.factor = 8.0;
    records = {Name(102, 0, "Tokyo", 35.7, 139.7), Name(103, 3, "Tokyo2", 35.7, 139.7),
               Name(203, 0, "Far", 10.0, 100.0), Name(100, 0, "Japan", 37.0, 137.0)};
    DrawGlobe(dc, view, Scene());
    std::vector<std::string> drawn;
    for (const auto& t : dc.texts)
        drawn.push_back(t.text);
    EXPECT_EQ(drawn, (std::vector<std::string>{"Tokyo", "Japan"}));
    ASSERT_EQ(dc.polygons.size(), 2u);  // the capital's two squares; the sea fills the window
    EXPECT_EQ(dc.polygons[0].brush, 0x0000FFu);
    EXPECT_EQ(dc.polygons[0].points.size(), 4u);
    EXPECT_EQ(dc.texts[0].font.height, -12);
    EXPECT_EQ(dc.texts[0].font.weight, 700);
}

TEST_F(GlobeDrawing, TheMeshGridStaysInsideTheBoundsOfTheSourceKind)
{
    view.factor = 8.0;
    for (const int kind : {1, 3, 4, 5}) {
        dc.Clear();
        GlobeScene scene = Scene();
        scene.dataKind = kind;
        DrawGlobe(dc, view, scene);
        const GeoBox bounds = GlobeGridBounds(kind);
        ASSERT_FALSE(dc.segments.empty());
        for (const auto& s : dc.segments) {
            const auto at = ScreenToGlobe(view, s.to);
            ASSERT_TRUE(at);
            const double tolerance = 2.0 / (view.Radius() * kGlobeRadiansPerDegree);
            EXPECT_GE(at->lat, bounds.south - tolerance) << kind;
            EXPECT_LE(at->lat, bounds.north + tolerance) << kind;
            EXPECT_GE(-at->negatedLon, bounds.west - 2 * tolerance) << kind;
            EXPECT_LE(-at->negatedLon, bounds.east + 2 * tolerance) << kind;
        }
    }
}

struct GlobeHost : ::testing::Test {
    CMemorySettingsStore settings;
    test::CRecordingMessageSink messages;
    test::CFakeWebMapHost host;
    CGlobeObj globe{settings, messages, host};
    test::CRecordingDrawContext dc;
};

TEST_F(GlobeHost, EachDrawingClampsTheViewAndTheDialogOutlinesItsStoredTiles)
{
    test::CTempDir dir;
    std::filesystem::create_directories(dir.File("10m"));
    test::WriteFileBytes(dir.File("10m/5339-45.3dm"), "x");
    globe.m_bInDialog = 1;
    globe.m_nMeshSetting = 1;
    globe.m_strDatabaseFolder = dir.Path();
    globe.m_globe.m_options.angle = 10.0;
    globe.m_globe.m_options.bent = 200.0;
    globe.DrawGlobe(dc, 800, 600);
    EXPECT_EQ(globe.m_globe.m_options.angle, 303.0);
    EXPECT_EQ(globe.m_globe.m_options.bent, 156.0);
    EXPECT_EQ(std::count(dc.penWidths.begin(), dc.penWidths.end(), 2), 1);
    dc.Clear();
    globe.m_nMeshSetting = 0;
    globe.DrawGlobe(dc, 800, 600);
    EXPECT_EQ(std::count(dc.penWidths.begin(), dc.penWidths.end(), 2), 0);
}

TEST_F(GlobeHost, DraggingInBoxModeChoosesASnappedBoxAndTheHostsArea)
{
    globe.m_globe.m_options.mouseMode = 1;
    globe.m_globe.m_options.radTimes[0] = 20.0;
    globe.DrawGlobe(dc, 800, 600);
    std::string status;
    EXPECT_FALSE(globe.OnGlobeMouseDown({380, 290}));
    EXPECT_TRUE(globe.OnGlobeMouseMove({430, 330}, status));
    EXPECT_TRUE(status.starts_with("北緯:0"));
    EXPECT_NE(status.find(" 東経:13"), std::string::npos);
    EXPECT_TRUE(globe.OnGlobeMouseUp({430, 330}));
    ASSERT_EQ(globe.m_bAreaChosen, 1);
    const GeoBox box = globe.m_selBox;
    EXPECT_LT(box.south, box.north);
    EXPECT_LT(box.west, box.east);
    for (const double v : {box.west * 8, box.east * 8, box.south * 12, box.north * 12})
        EXPECT_NEAR(v, std::round(v), 1e-9);
    EXPECT_EQ(host.area.west, box.west);
    EXPECT_EQ(host.area.north, box.north);

    // A box without width is no choice.
    globe.m_bAreaChosen = 0;
    globe.OnGlobeMouseDown({380, 290});
    EXPECT_TRUE(globe.OnGlobeMouseUp({380, 250}));
    EXPECT_EQ(globe.m_bAreaChosen, 0);
}

TEST_F(GlobeHost, DraggingInTurnModeTurnsTheGlobeWithThePointer)
{
    globe.DrawGlobe(dc, 800, 600);
    const double angle = globe.m_globe.m_options.angle;
    const double bent = globe.m_globe.m_options.bent;
    std::string status;
    globe.OnGlobeMouseDown({400, 300});
    EXPECT_TRUE(globe.OnGlobeMouseMove({600, 200}, status));
    EXPECT_GT(globe.m_globe.m_options.angle, angle);
    EXPECT_GT(globe.m_globe.m_options.bent, bent);
    EXPECT_TRUE(globe.OnGlobeMouseUp({600, 200}));
    EXPECT_EQ(globe.m_bAreaChosen, 0);
    EXPECT_FALSE(globe.OnGlobeMouseMove({300, 300}, status));  // no longer dragging
}

TEST(GlobeStatus, PositionsReadInDegreesMinutesAndSecondsWithCarry)
{
    EXPECT_EQ(GlobeStatusText(35.5, 139.75), "北緯:035 30 00 東経:139 45 00");
    EXPECT_EQ(GlobeStatusText(-12.25, 139.0), "南緯:012 15 00 東経:139 00 00");
    EXPECT_EQ(GlobeStatusText(1.0, -75.5), "北緯:001 00 00 西経:075 30 00");
    EXPECT_EQ(GlobeStatusText(-33.0 - 1.0 / 60 - 30.4 / 3600, -70.0), "南緯:033 01 30 西経:070 00 00");
    EXPECT_EQ(GlobeStatusText(35.0 + 59.0 / 60 + 59.7 / 3600, 140.0 + 59.99999 / 60), "北緯:036 00 00 東経:141 00 00");
}

} // namespace
} // namespace qb
