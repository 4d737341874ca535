#pragma once
#include "terrain/GeoBox.h"

#include <QDialog>

#include <functional>
#include <optional>

class QFrame;
class QLabel;

namespace qb {

class CGlobeObj;
class CGlobeWidget;
class CQtWebView;
class IMessageSink;
class IProgress;

// "表示領域が指定されていません。"
inline constexpr const char* kNoAreaChosenMessage = "表示領域が指定されていません。";
// What the dialog says when it shows the globe instead of the web map.
inline constexpr const char* kGlobeHint =
    "地図を表示できないため、地球儀で範囲を選びます。Shift キーを押しながらドラッグして範囲を選び、"
    "ドラッグで回します。+ と − で拡大・縮小、矢印キーで回転します。";

// The open-from-map dialog ("地図から開く"): the web map fills the map frame
// and follows the dialog's size. OK asks the map host for the chosen (red)
// box: without one the dialog says so and stays open; with one it runs the
// area assembly on the box in the progress dialog and closes only when the
// assembly found the area (without an assembly OK closes on the box).
class CMapOpenDlg final : public QDialog {
    Q_OBJECT
public:
    // The red box the user chose on the map, when there is one.
    using ChosenBox = std::function<std::optional<GeoBox>()>;
    // Assembles the area of a box; true when the area was found.
    using Assembly = std::function<bool(const GeoBox& box, IProgress& progress)>;

    CMapOpenDlg(IMessageSink& messages, QWidget* parent);

    // The page the map host talks to.
    CQtWebView& WebView() const { return *m_web; }
    QFrame* MapFrame() const { return m_frame; }
    void SetChosenBox(ChosenBox chosen) { m_chosen = std::move(chosen); }
    void SetAssembly(Assembly assembly) { m_assembly = std::move(assembly); }
    // The globe of `globe` takes the web map's place in the map frame, with
    // a line on how to use it and the position under the mouse.
    void ShowGlobe(CGlobeObj& globe);
    // The globe shown instead of the web map, or null.
    CGlobeWidget* Globe() const { return m_globe; }

    void accept() override;

private:
    IMessageSink& m_messages;
    QFrame* m_frame = nullptr;
    CQtWebView* m_web = nullptr;
    CGlobeWidget* m_globe = nullptr;
    QLabel* m_hint = nullptr;
    QLabel* m_status = nullptr;
    ChosenBox m_chosen;
    Assembly m_assembly;
};

} // namespace qb
