#include "webmap/GlobeObj.h"

#include "platform/MemorySettingsStore.h"
#include "terrain/HeightGrid.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/webmap/ScriptedWebView.h"
#include "webmap/WebMessage.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace qb {
namespace {

constexpr GeoBox kArea{.south = 35.0, .north = 35.5, .west = 139.0, .east = 139.5};

struct MessageFixture : ::testing::Test {
    CMemorySettingsStore settings;
    test::CRecordingMessageSink messages;
    test::CFakeWebMapHost host;
    test::CScriptedWebView view;
    CGlobeObj globe{settings, messages, host};
    CHeightGrid grid;

    void Start(int inDialog)
    {
        globe.CreateWebMap(&view, inDialog, "map.html");
        host.area = kArea;
        host.view = kArea;
    }
    // A grid of cols x rows points whose height is 100 x col + row.
    void LoadGrid(int cols, int rows)
    {
        auto heights = std::make_unique<float[]>(std::size_t(cols) * rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                heights[std::size_t(r) * cols + c] = float(100 * c + r);
        grid.AdoptHeights(std::move(heights), cols, rows);
        host.grid = &grid;
    }
};

void ExpectBox(const GeoBox& box, double south, double north, double west, double east)
{
    EXPECT_DOUBLE_EQ(box.south, south);
    EXPECT_DOUBLE_EQ(box.north, north);
    EXPECT_DOUBLE_EQ(box.west, west);
    EXPECT_DOUBLE_EQ(box.east, east);
}

TEST(WebMessageFields, LeadingAndRepeatedCommasAreOneSeparator)
{
    EXPECT_EQ(SplitMessageFields(",,mousemove,,36.1,,,138.2,10,"),
              (std::vector<std::string>{"mousemove", "36.1", "138.2", "10"}));
    EXPECT_TRUE(SplitMessageFields(",,,").empty());
    EXPECT_EQ(SplitMessageFields("LayerChanged,GSI Pale"), (std::vector<std::string>{"LayerChanged", "GSI Pale"}));
}

TEST(WebMessageFields, NumbersReadLikeTheCLibraryAndShortOrInfiniteOnesAreRefused)
{
    const auto numbers = MessageNumbers({"boxzoom", "35.5", "abc", " 1e1", "+2"}, 4);
    ASSERT_TRUE(numbers);
    EXPECT_EQ(*numbers, (std::vector<double>{35.5, 0.0, 10.0, 2.0}));
    EXPECT_FALSE(MessageNumbers({"boxzoom", "35.1"}, 4));
    EXPECT_FALSE(MessageNumbers({"center", "inf", "1"}, 2));
    EXPECT_FALSE(MessageNumbers({"center", "1", "nan"}, 2));
    EXPECT_FALSE(MessageNumbers({"center", "1e999", "1"}, 2));
}

TEST_F(MessageFixture, AMoveIsStoredSoThatTheNextLoadRestoresIt)
{
    Start(0);
    view.Post("mousemove,,36.1,138.2,10");
    EXPECT_EQ(settings.GetSettingString("GlobeObj", "MapCenterLat", ""), "36.1");
    EXPECT_EQ(settings.GetSettingString("GlobeObj", "MapCenterLon", ""), "138.2");
    EXPECT_EQ(settings.GetSettingString("GlobeObj", "MapZoom", ""), "10");
    view.ClearScripts();
    view.Post("MapLoaded");
    EXPECT_EQ(view.scripts.at(2), "setMapCenter(36.099998, 138.199997, 10.000000)");
}

TEST_F(MessageFixture, ShortOddAndUnknownMessagesChangeNothing)
{
    Start(0);
    LoadGrid(11, 11);
    view.ClearScripts();
    for (const char* message : {"boxzoom,35.1", "boxzoom,35.1,139.1,35.2", "boxzoom,35.1,139.1,inf,139.3",
                                "mousemove,36", "mousemove,nan,1,2", "center,35.2", "pinpoint", "pinpoint,35.2",
                                "LayerChanged", "Zoomed,1,2", "", ",,,", "mapLoaded"}) {
        view.Post(message);
    }
    EXPECT_TRUE(view.scripts.empty());
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_FALSE(settings.Contains("GlobeObj", "MapCenterLat"));
    EXPECT_EQ(globe.m_bAreaChosen, 0);
    EXPECT_TRUE(host.centres.empty());
    EXPECT_TRUE(host.names.empty());
}

TEST_F(MessageFixture, ABoxInTheDialogSnapsToTheCellLinesAndBecomesTheArea)
{
    Start(1);
    globe.m_nDataKind = 5;
    globe.m_nMeshSetting = 1;
    view.ClearScripts();
    view.Post("boxzoom,35.71,139.49,35.62,139.62");
    ExpectBox(globe.m_selBox, 35.583333333333336, 35.75, 139.5, 139.625);
    EXPECT_NEAR(host.area.south, 35.583333, 1e-6);
    ExpectBox(host.area, globe.m_selBox.south, 35.75, 139.5, 139.625);
    ExpectBox(host.view, globe.m_selBox.south, 35.75, 139.5, 139.625);
    EXPECT_EQ(globe.m_bAreaChosen, 1);
    EXPECT_EQ(view.scripts, (std::vector<std::string>{"drawWebRect(35.583333, 139.500000, 35.750000, 139.625000)"}));
}

TEST_F(MessageFixture, ABoxThatSnapsToOneLineChoosesNothingAndKeepsTheChoiceBefore)
{
    Start(1);
    globe.m_nDataKind = 5;
    view.ClearScripts();
    // Both corners round to the line of 35.75 degrees north.
    view.Post("boxzoom,35.72,139.49,35.71,139.62");
    EXPECT_EQ(globe.m_bAreaChosen, 0);
    ExpectBox(host.area, kArea.south, kArea.north, kArea.west, kArea.east);
    EXPECT_TRUE(view.scripts.empty());
    EXPECT_TRUE(messages.Messages().empty());

    view.Post("boxzoom,35.71,139.49,35.62,139.62");
    view.ClearScripts();
    // Both corners round to the line of 139.5 degrees east.
    view.Post("boxzoom,35.71,139.49,35.62,139.51");
    EXPECT_EQ(globe.m_bAreaChosen, 1);
    ExpectBox(globe.m_selBox, 35.583333333333336, 35.75, 139.5, 139.625);
    ExpectBox(host.area, 35.583333333333336, 35.75, 139.5, 139.625);
    EXPECT_TRUE(view.scripts.empty());
}

TEST_F(MessageFixture, ABoxOnThe250mDiscSnapsToPrimaryCells)
{
    Start(1);
    globe.m_nDataKind = 4;
    view.Post("boxzoom,36.4,139.6,35.1,138.4");
    ExpectBox(globe.m_selBox, 35.333333333333336, 36.666666666666664, 138.0, 140.0);
}

TEST_F(MessageFixture, ABoxInTheMapViewKeepsThePartInsideTheRedBox)
{
    Start(0);
    LoadGrid(51, 51);
    view.ClearScripts();
    view.Post("boxzoom,36,140,35.25,139.25");
    ExpectBox(host.view, 35.25, 35.5, 139.25, 139.5);
    ExpectBox(host.area, 35.0, 35.5, 139.0, 139.5);
    ASSERT_EQ(host.ranges.size(), 1u);
    EXPECT_EQ(host.ranges[0], (GridRange{.colFirst = 26, .rowFirst = 0, .colLast = 50, .rowLast = 26}));
    EXPECT_EQ(view.scripts.at(0), "drawWebRect(35.250000, 139.250000, 36.000000, 140.000000)");
    EXPECT_EQ(view.scripts.at(1), "clearBlueRect()");
    EXPECT_EQ(view.scripts.size(), 6u) << "the selection, then the blue box redrawn";
    EXPECT_EQ(globe.m_bAreaChosen, 1);
}

TEST_F(MessageFixture, ABoxWhollyOutsideTheRedBoxIsRefusedAndTheBlueBoxStays)
{
    Start(0);
    LoadGrid(51, 51);
    host.view = GeoBox{.south = 35.1, .north = 35.2, .west = 139.1, .east = 139.2};
    view.Post("boxzoom,36,140,36.5,141");
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{std::string(kInvalidRangeMessage)}));
    ExpectBox(host.view, 35.1, 35.2, 139.1, 139.2);
    EXPECT_TRUE(host.ranges.empty());
    EXPECT_EQ(globe.m_bAreaChosen, 0);
}

TEST_F(MessageFixture, ARangeFromThe2DViewMovesTheBlueBox)
{
    Start(0);
    view.ClearScripts();
    globe.ShowGridRange(GridRange{.colFirst = 0, .rowFirst = 0, .colLast = 25, .rowLast = 25}, GridSize{50, 50});
    ExpectBox(host.view, 35.25, 35.5, 139.0, 139.25);
    EXPECT_EQ(view.scripts.at(0), "clearBlueRect()");
    EXPECT_EQ(view.scripts.at(1), "drawPolylineBlue('[[35.250000, 139.000000], [35.250000, 139.250000]]')");
}

TEST_F(MessageFixture, ANameIsInputOnTheRedBoxEdgeButNotJustOutsideIt)
{
    Start(0);
    LoadGrid(11, 11);
    view.Post("pinpoint,35.5,139.0");
    view.Post("pinpoint,35.0,139.5");
    ASSERT_EQ(host.names.size(), 2u);
    EXPECT_EQ(host.names[0].first, (GridPoint{0, 0}));
    EXPECT_EQ(host.names[1].first, (GridPoint{10, 10})) << "the last point, not one past it";
    EXPECT_EQ(host.names[1].second, 1010.0f);
    EXPECT_TRUE(messages.Messages().empty());

    view.Post("pinpoint,35.500001,139.2");
    view.Post("pinpoint,35.2,138.999999");
    EXPECT_EQ(host.names.size(), 2u);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>(2, std::string(kNameOutsideAreaMessage))));
}

TEST_F(MessageFixture, TheMapViewsMenuCommandsReachTheOtherViews)
{
    Start(0);
    host.view = GeoBox{.south = 35.0, .north = 35.4, .west = 139.0, .east = 139.4};
    view.Post("center,35.3,139.1");
    ASSERT_EQ(host.centres.size(), 1u);
    EXPECT_NEAR(host.centres[0].first, 0.25, 1e-12);
    EXPECT_NEAR(host.centres[0].second, 0.25, 1e-12);
    view.Post("undo");
    EXPECT_EQ(host.stepsBack, 1);

    std::vector<std::string> trace;
    globe.SetTrace([&](std::string_view text) { trace.emplace_back(text); });
    view.Post("SendMsg,,hello");
    EXPECT_EQ(trace, (std::vector<std::string>{"\r\nSendMsg\r\nSendMsg,,hello\r\n"}));
}

TEST_F(MessageFixture, TheDialogIgnoresTheMapViewsPointCommands)
{
    Start(1);
    LoadGrid(11, 11);
    view.Post("center,35.3,139.1");
    view.Post("pinpoint,35.3,139.1");
    view.Post("pinpoint,10,10");
    EXPECT_TRUE(host.centres.empty());
    EXPECT_TRUE(host.names.empty());
    EXPECT_TRUE(messages.Messages().empty());
}

} // namespace
} // namespace qb
