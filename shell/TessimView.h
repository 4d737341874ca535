#pragma once
#include "platform/qt/web/QtWebView.h"
#include "shell/3DView.h"
#include "shell/TessimMapHost.h"
#include "terrain/TerrainEnv.h"
#include "views/Viewer3D.h"
#include "webmap/GlobeObj.h"

#include <optional>
#include <string>
#include <string_view>

namespace qb {

inline constexpr std::string_view kMapPdfWrittenMessage = "地図を次のファイルに書き出しました。";
inline constexpr std::string_view kMapPdfFailedMessage = "地図の PDF ファイルを書き込めませんでした。";

// The map view: the web map filling the window, with the document's area as
// the red box and the range shown as the blue box, and the map view's record
// of that range and of the rendering's angles. A range from the 2-D view
// moves the blue box and goes on to the rendering view; a box chosen on the
// map becomes the range of the other views. While the view lives, the centre
// of an area loaded into its document goes to its map.
class CTessimView final : public C3DView, private IMapCentreListener {
    Q_OBJECT
public:
    // `pageUrl` is the map page, by default the one beside the program.
    CTessimView(CShellApp& shell, CTessimDoc& doc, std::string pageUrl = ProgramPagePath(QStringLiteral("map.html")),
                QWidget* parent = nullptr);
    ~CTessimView() override;

    void Detach() override;
    // Takes the 2-D view's range and starts the web map.
    void OnInitialUpdate(const std::optional<GridRange>& restore, bool documentShownBefore) override;
    // The caption only: the web map draws itself.
    void Repaint() override;
    std::optional<ViewExtent> Extent() const override;
    std::optional<ViewAngles> Angles() const override;
    void ShowRange(const ViewHandOver& handOver) override;
    void FollowRange(const GridRange& range) override;
    int MoveView(int direction, const NeighbourRequest& leave) override;
    void CopyBitmap() override { CopyMapImage(); }
    bool HasViewCommand(int id) const override;
    bool RunViewCommand(int id) override;

    // The page's picture on the clipboard; nothing when it cannot be captured.
    void CopyMapImage();
    // "ﾒﾓﾘのﾌｫﾝﾄの設定": the record's label font and its colour.
    void ChooseMemoryFont();

    CGlobeObj& Globe() { return m_globe; }
    CQtWebView& WebView() const { return *m_pWeb; }
    CViewer3D& Record() { return m_record; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SetMapCenter(double lat, double lon, int zoom) override;
    std::optional<GridSize> ShownGridSize() const;
    // The blue box over a range of the grid: drawn at once once the page
    // runs scripts, else only kept for the page's load to draw.
    void ShowBlueBox(const GridRange& range);
    // The range the view opens with: the 2-D view's, else the rendering view's.
    std::optional<GridRange> RangeOfOtherViews() const;

    std::string m_pageUrl;
    CViewer3D m_record;
    CTessimMapHost m_host;
    CGlobeObj m_globe;
    CQtWebView* m_pWeb;
};

} // namespace qb
