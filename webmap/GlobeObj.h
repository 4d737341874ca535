#pragma once
#include "platform/DrawContext.h"
#include "platform/MessageSink.h"
#include "platform/SettingsStore.h"
#include "platform/WebView.h"
#include "terrain/GeoBox.h"
#include "webmap/Globe.h"
#include "webmap/GlobeMouse.h"
#include "webmap/MapRange.h"
#include "webmap/ScriptText.h"
#include "webmap/WebMapHost.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// The failure messages of the script runs.
inline constexpr std::string_view kSetCenterFailedMessage = "マップの中心位置設定に失敗しました。";
inline constexpr std::string_view kOpenModeFailedMessage = "オープンモードの設定に失敗しました。";
inline constexpr std::string_view kLineFailedMessage = "ラインの描画に失敗しました。";
inline constexpr std::string_view kClearBlueFailedMessage = "青色矩形のクリアに失敗しました。";
inline constexpr std::string_view kRectFailedMessage = "矩形の描画に失敗しました。";
// The refusals of a box or point chosen in the map view.
inline constexpr std::string_view kInvalidRangeMessage = "範囲が無効です。赤い枠の内側の範囲で選択してください。";
inline constexpr std::string_view kNameOutsideAreaMessage = "赤い範囲内のみ名前を入力できます。";

// The web map of the open-from-map dialog or of a map view: the script calls
// it runs in the page, the messages the page posts back, and the red (whole
// area) and blue (shown part) boxes. Without a web view every script call is
// skipped. The settings, the messages and the host must outlive the object.
class CGlobeObj {
public:
    // The globe's settings and fonts are read, and its data file when one is named.
    CGlobeObj(ISettingsStore& settings, IMessageSink& messages, IWebMapHost& host,
              const std::string& globeDataFile = {});
    ~CGlobeObj();
    CGlobeObj(const CGlobeObj&) = delete;
    CGlobeObj& operator=(const CGlobeObj&) = delete;

    // Takes the page's view (borrowed until CloseWebMap), listens to its
    // messages and loads the page at pageUrl; null starts nothing.
    void CreateWebMap(IWebView* view, int inDialog, const std::string& pageUrl);
    // Stops listening and lets the view go.
    void CloseWebMap();
    void ResizeWebMap(int cx, int cy);
    void PrintMap();
    bool HasWebView() const { return m_pView != nullptr; }

    void SetMapCenter(double lat, double lon, double zoom);
    void SetOpenMode(int mode);
    void DrawMapLine(double lat1, double lon1, double lat2, double lon2, int colour);
    // Four lines round the box; blue clears the blue lines first.
    void DrawMapBox(const GeoBox& box, int colour);
    void ClearBlueBox();
    void DrawSelectionRect(double south, double west, double north, double east);
    // The mesh-cell lines over Japan, black.
    void DrawMeshGrid();
    // A red outline round every secondary cell holding a tile of the mesh setting.
    void OutlineStoredTiles();
    // The grid, then the stored tiles (the dialog with tiles from the
    // database) or the red and blue boxes; sent to the page in one run.
    void ShowAreas();

    // A message the page posted (UTF-8).
    void OnWebMessage(const std::string& message);

    // The map view receives a range of its grid: the blue box follows it.
    void ShowGridRange(const GridRange& range, GridSize grid);
    // The rendering view turns about the point (in the blue box).
    void SetRotationCentre(double lat, double lon);
    // The place-name input at the grid point nearest a point in the red box.
    void StartNameInputAt(double lat, double lon);

    // The globe into a window of width x height: its view clamped to face
    // Japan first; with the mesh cells of the source kind, the stored tiles
    // in the dialog and the chosen box (or the box being dragged).
    void DrawGlobe(IDrawContext& dc, int width, int height, bool printer = false);
    // The mouse on the globe in the window last drawn ("MouseMode" 0 turns
    // it, 1 drags a snapped box that becomes the chosen box and the host's
    // area on release). True when the globe is to be drawn again; Move also
    // gives the status text of the point under the mouse (empty off the globe).
    bool OnGlobeMouseDown(DrawPoint point);
    bool OnGlobeMouseMove(DrawPoint point, std::string& statusText);
    bool OnGlobeMouseUp(DrawPoint point);

    // Where the debug trace lines go (none by default).
    void SetTrace(std::function<void(std::string_view)> trace) { m_trace = std::move(trace); }

    std::int32_t m_bInDialog = 0;
    std::int32_t m_nDataKind = 0;
    std::int32_t m_nMeshSetting = 0;
    GeoBox m_selBox;
    std::int32_t m_bAreaChosen = 0;
    std::string m_strDatabaseFolder;  // the database folder the dialog's tiles are searched in
    CGlobe m_globe;                   // the globe drawn where the web map cannot be shown

private:
    // Runs a script, or adds it to the batch being gathered; a failed run
    // shows failMessage (none when empty).
    void Run(std::string script, std::string_view failMessage = {});
    void RunBatch();
    void OnMapLoaded();
    void OnCommand(const std::vector<std::string>& fields, const std::string& message);
    void ChooseBox(double lat1, double lon1, double lat2, double lon2);
    void Trace(std::string_view text) const;

    ISettingsStore& m_settings;
    IMessageSink& m_messages;
    IWebMapHost& m_host;
    IWebView* m_pView = nullptr;
    std::function<void(std::string_view)> m_trace;
    struct Batch {
        std::string script;
        std::vector<std::string> failMessages;
    };
    Batch* m_pBatch = nullptr;
    CGlobeMouse m_globeMouse;
    int m_globeWidth = 0;
    int m_globeHeight = 0;
};

} // namespace qb
