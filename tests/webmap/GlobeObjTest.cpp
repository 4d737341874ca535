#include "webmap/GlobeObj.h"

#include "platform/MemorySettingsStore.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"
#include "tests/webmap/ScriptedWebView.h"
#include "webmap/MapLayers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace qb {
namespace {

using Scripts = std::vector<std::string>;

struct GlobeFixture : ::testing::Test {
    CMemorySettingsStore settings;
    test::CRecordingMessageSink messages;
    test::CFakeWebMapHost host;
    test::CScriptedWebView view;
    CGlobeObj globe{settings, messages, host};

    void Start(int inDialog)
    {
        globe.CreateWebMap(&view, inDialog, "file:///opt/quarrenby/map.html");
        view.ClearScripts();
    }
    long Count(std::string_view prefix) const
    {
        return std::count_if(view.scripts.begin(), view.scripts.end(),
                             [&](const std::string& s) { return s.starts_with(prefix); });
    }
};

TEST_F(GlobeFixture, EveryScriptCallIsWrittenAsThePageExpects)
{
    Start(1);
    globe.SetMapCenter(35.71, 139.49, 9);
    globe.SetOpenMode(1);
    globe.DrawMapLine(35.71, 139.49, 35.62, 139.62, kMapBlack);
    globe.DrawMapLine(35.0, 139.0, 35.5, 139.5, kMapRed);
    globe.DrawMapLine(35.0, 139.0, 35.5, 139.5, kMapBlue);
    globe.ClearBlueBox();
    globe.DrawSelectionRect(35.583333333333336, 139.5, 35.75, 139.625);
    globe.PrintMap();
    EXPECT_EQ(view.scripts, (Scripts{
                                "setMapCenter(35.709999, 139.490005, 9.000000)",
                                "SetOpenMode(1)",
                                "drawPolylineBlack('[[35.709999, 139.490005], [35.619999, 139.619995]]')",
                                "drawPolylineRed('[[35.000000, 139.000000], [35.500000, 139.500000]]')",
                                "drawPolylineBlue('[[35.000000, 139.000000], [35.500000, 139.500000]]')",
                                "clearBlueRect()",
                                "drawWebRect(35.583333, 139.500000, 35.750000, 139.625000)",
                                "window.print();",
                            }));
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(GlobeFixture, AFailedRunShowsItsMessageAndWithoutAViewNothingRuns)
{
    Start(0);
    view.scriptsSucceed = false;
    globe.SetMapCenter(35, 135, 9);
    globe.SetOpenMode(0);
    globe.DrawMapLine(1, 2, 3, 4, kMapRed);
    globe.ClearBlueBox();
    globe.DrawSelectionRect(1, 2, 3, 4);
    globe.PrintMap();
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{
                                    std::string(kSetCenterFailedMessage), std::string(kOpenModeFailedMessage),
                                    std::string(kLineFailedMessage), std::string(kClearBlueFailedMessage),
                                    std::string(kRectFailedMessage)}));
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);

    globe.CloseWebMap();
    view.ClearScripts();
    globe.SetMapCenter(35, 135, 9);
    globe.ShowAreas();
    EXPECT_TRUE(view.scripts.empty());
    EXPECT_FALSE(view.Post("MapLoaded")) << "the handler goes with the view";
}

TEST_F(GlobeFixture, ABoxIsFourLinesAndBlueClearsFirst)
{
    Start(0);
    const GeoBox box{.south = 35.0, .north = 35.5, .west = 139.0, .east = 139.5};
    globe.DrawMapBox(box, kMapBlue);
    EXPECT_EQ(view.scripts, (Scripts{
                                "clearBlueRect()",
                                "drawPolylineBlue('[[35.000000, 139.000000], [35.000000, 139.500000]]')",
                                "drawPolylineBlue('[[35.000000, 139.500000], [35.500000, 139.500000]]')",
                                "drawPolylineBlue('[[35.500000, 139.500000], [35.500000, 139.000000]]')",
                                "drawPolylineBlue('[[35.500000, 139.000000], [35.000000, 139.000000]]')",
                            }));
    view.ClearScripts();
    globe.DrawMapBox(box, kMapRed);
    EXPECT_EQ(view.scripts.size(), 4u);
    EXPECT_EQ(Count("drawPolylineRed("), 4);
}

TEST_F(GlobeFixture, AFirstStartCentresOnTheDefaultsWithTheStandardLayer)
{
    globe.CreateWebMap(&view, 1, "file:///opt/quarrenby/map.html");
    EXPECT_EQ(view.urls, (Scripts{"file:///opt/quarrenby/map.html"}));
    globe.m_nMeshSetting = 0;
    ASSERT_TRUE(view.Post("MapLoaded"));
    ASSERT_GE(view.scripts.size(), 3u);
    EXPECT_EQ(view.scripts[0], "changeLayerFromCpp('GSI Standard');");
    EXPECT_EQ(view.scripts[1], "SetOpenMode(1)");
    EXPECT_EQ(view.scripts[2], "setMapCenter(35.000000, 135.000000, 9.000000)");
}

TEST_F(GlobeFixture, AStoredCentreOutsideTheWorldIsClampedAndALayerRestored)
{
    settings.WriteSettingString("GlobeObj", "MapCenterLat", "95");
    settings.WriteSettingString("GlobeObj", "MapCenterLon", "-200");
    settings.WriteSettingString("GlobeObj", "MapZoom", "12");
    settings.WriteSettingString("GlobeObj", "LayerName", "GSI Photo");
    Start(0);
    view.Post("MapLoaded");
    EXPECT_EQ(view.scripts[0], "changeLayerFromCpp('GSI Photo');");
    EXPECT_EQ(view.scripts[2], "setMapCenter(90.000000, -180.000000, 12.000000)");
}

TEST_F(GlobeFixture, AHostileStoredLayerNameNeverReachesThePage)
{
    settings.WriteSettingString("GlobeObj", "LayerName", "x');alert(1);//");
    Start(0);
    view.Post("MapLoaded");
    EXPECT_EQ(view.scripts[0], "changeLayerFromCpp('GSI Standard');");

    view.Post("LayerChanged,x');alert(1);//");
    EXPECT_EQ(settings.GetSettingString("GlobeObj", "LayerName", ""), "x');alert(1);//") << "left as it was";
    view.Post("LayerChanged,Offline");
    EXPECT_EQ(settings.GetSettingString("GlobeObj", "LayerName", ""), "Offline");
}

TEST(ScriptText, ALayerNameIsAlwaysOneStringLiteral)
{
    EXPECT_EQ(ChangeLayerScript("x');alert(1);//"), "changeLayerFromCpp('x\\');alert(1);//');");
    EXPECT_EQ(JsStringBody("a\\b\"c\n\r\t\x01\x7f"), "a\\\\b\\\"c\\n\\r\\t\\x01\\x7F");
    EXPECT_EQ(JsStringBody("a\u2028b\u2029c"), "a\\u2028b\\u2029c");
    EXPECT_EQ(JsStringBody("</SCRIPT><script>"), "<\\/SCRIPT><script>");
    EXPECT_EQ(JsStringBody("地理院</scr"), "地理院</scr") << "UTF-8 and a partial tag pass as they are";
    for (std::string_view layer : kMapLayers)
        EXPECT_EQ(JsStringBody(layer), layer);
}

TEST_F(GlobeFixture, TheDialogWithTheDiscDrawsTheGridAndBothBoxesInOneRun)
{
    Start(1);
    globe.m_nDataKind = 1;
    globe.m_nMeshSetting = 0;
    host.area = GeoBox{.south = 35.0, .north = 35.5, .west = 139.0, .east = 139.5};
    host.view = host.area;
    globe.ShowAreas();
    EXPECT_EQ(view.runs, 1);
    EXPECT_EQ(Count("drawPolylineBlack('[[20.000000, 121.000000], [46.000000, 121.000000]]')"), 1);
    EXPECT_EQ(Count("drawPolylineBlack('[[20.000000, 121.125000]"), 1) << "secondary-cell meridians";
    EXPECT_EQ(Count("drawPolylineBlack('[[20.083334, 121.000000], [20.083334, 150.000000]]')"), 1);
    EXPECT_EQ(Count("drawPolylineRed("), 4);
    EXPECT_EQ(Count("clearBlueRect()"), 1);
    EXPECT_EQ(Count("drawPolylineBlue("), 4);
}

TEST_F(GlobeFixture, TheDiscOf250mDrawsPrimaryCells)
{
    Start(1);
    globe.m_nDataKind = 4;
    globe.DrawMeshGrid();
    EXPECT_EQ(Count("drawPolylineBlack('[[20.000000, "), 29 + 1) << "meridians 121 ... 149 and the parallel at 20";
    EXPECT_EQ(Count("drawPolylineBlack('[[20.666666, 121.000000]"), 1);
}

struct TileFolder {
    test::CTempDir dir;
    explicit TileFolder(const std::string& sub, std::initializer_list<std::string> names)
    {
        std::filesystem::create_directories(dir.File(sub));
        for (const std::string& name : names)
            test::WriteFileBytes(dir.File(sub + "/" + name), "tile");
    }
};

TEST_F(GlobeFixture, StoredTilesOfOneCellOutlineThatCellOnce)
{
    TileFolder db("5m", {"6443-20-55.3dm", "6443-20-56.3DM", "6443-20-57.txt"});
    std::filesystem::create_directories(db.dir.File("10m"));
    test::WriteFileBytes(db.dir.File("10m/5339-45.3dm"), "tile");
    Start(1);
    globe.m_strDatabaseFolder = db.dir.Path();
    globe.m_nDataKind = 6;
    globe.m_nMeshSetting = 2;
    globe.ShowAreas();
    EXPECT_EQ(Count("drawPolylineRed("), 4);
    EXPECT_EQ(Count("drawPolylineRed('[[42.916668, 143.000000], [42.916668, 143.125000]]')"), 1);
    EXPECT_EQ(Count("drawPolylineRed('[[42.833332, 143.000000], [42.916668, 143.000000]]')"), 1);
    EXPECT_EQ(Count("drawPolylineBlue("), 0) << "the boxes are not drawn over the stored tiles";
}

} // namespace
} // namespace qb
