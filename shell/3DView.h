#pragma once
#include "app/MoveRules.h"
#include "app/ViewHandOver.h"
#include "app/ViewTemplates.h"
#include "platform/DrawContext.h"
#include "views/LabelPlacement.h"
#include "views/Viewer2D.h"

#include <QWidget>

#include <functional>
#include <optional>

class QPrinter;

namespace qb {

class CShellApp;
class CTessimDoc;

// Messages of the main window that it passes on to the rendering view.
enum class FrameMessage { Activated, Moved, PaletteChanged };

// The base of the view windows: a view of one kind showing one document in
// a child frame. The views that draw through OpenGL or show a web page hold
// that widget as a child, so that a frame can be re-parented without the
// widget losing its context. Besides the document and the kind, a view keeps
// the picture-copy flag, its label placement (whose count of placed labels
// the label display uses), the printer of the current print job and where
// the left button last went up.
class C3DView : public QWidget {
    Q_OBJECT
public:
    using NeighbourRequest = CViewer2D::NeighbourRequest;

    C3DView(CShellApp& shell, CTessimDoc& doc, ViewKind kind, QWidget* parent = nullptr);
    // Clears the main frame's pointer to this view.
    ~C3DView() override;

    ViewKind Kind() const { return m_kind; }
    CTessimDoc* Document() const { return m_pDoc; }
    // Forgets the document, which is about to go.
    virtual void Detach() { m_pDoc = nullptr; }
    // The document's title (its file name).
    QString Title() const;
    // What the frame's title bar shows: the kind's caption string, to which
    // a view may add.
    virtual QString Caption() const;

    // The first update, once the frame holds the view: `restore` is the range
    // of a re-opened area; `documentShownBefore` tells whether another view
    // already showed the document.
    virtual void OnInitialUpdate(const std::optional<GridRange>& restore, bool documentShownBefore) = 0;
    // Called on every activation of the view's frame.
    virtual void OnActivateView() {}
    // A message of the main window passed on to the view.
    virtual void OnFrameMessage(FrameMessage /*message*/) {}
    // Asks for the whole view to be drawn again.
    virtual void Repaint() = 0;

    // The range shown and the size of its grid; none without a grid.
    virtual std::optional<ViewExtent> Extent() const = 0;
    // The camera's angles of a view that has a camera.
    virtual std::optional<ViewAngles> Angles() const { return std::nullopt; }
    // Shows the range (and the angles, when given) handed over by another view.
    virtual void ShowRange(const ViewHandOver& handOver) = 0;
    // Takes the range of the view it follows after a move; a view that
    // passes ranges on does not pass this one, since every view moves itself.
    virtual void FollowRange(const GridRange& range) { ShowRange(ViewHandOver{range, std::nullopt}); }
    // Moves the range one step in `direction` (1 east, 2 west, 3 north,
    // 4 south): 1 moved inside the grid; 2 the range left the grid and
    // `leave` had the shifted range and the grid's size; 0 without a grid.
    virtual int MoveView(int direction, const NeighbourRequest& leave) = 0;
    // Copy as bitmap: the client area on the clipboard.
    virtual void CopyBitmap() = 0;

    // The commands of the view's own menu: whether it has `id`, runs it
    // (true when it did) and shows it checked.
    virtual bool HasViewCommand(int /*id*/) const { return false; }
    virtual bool RunViewCommand(int /*id*/) { return false; }
    virtual bool IsViewCommandChecked(int /*id*/) const { return false; }
    // The picture is made anew from the document (the height exaggeration
    // changed); views that draw straight from the grid have nothing to do.
    virtual void RebuildPicture() {}
    // Turns a camera about the point at fractions (fx, fy) of the shown
    // grid's width and height; views without a camera ignore it.
    virtual void CentreOn(double /*fx*/, double /*fy*/) {}

    bool IsCopyingPicture() const { return m_nPictureCopy != 0; }
    int PlacedLabels() const { return static_cast<int>(m_labels.Placed().size()); }
    // The printer of the print job under way, or null.
    QPrinter* PrintInfo() const { return m_pPrintInfo; }
    DrawPoint MenuPoint() const { return m_ptMenu; }
    Qt::KeyboardModifiers MenuFlags() const { return m_menuFlags; }

protected:
    CShellApp& Shell() const { return m_shell; }
    CLabelPlacement& Labels() { return m_labels; }
    // The frame's title bar shows the caption.
    void UpdateCaption();
    void StoreMenuPoint(DrawPoint point, Qt::KeyboardModifiers flags);
    // Runs `job` with the picture-copy flag set.
    void CopyingPicture(const std::function<void()>& job);
    // Runs `job` as the print job of `printer`.
    void Printing(QPrinter& printer, const std::function<void()>& job);

private:
    CShellApp& m_shell;
    CTessimDoc* m_pDoc;
    const ViewKind m_kind;
    std::int32_t m_nPictureCopy = 0;
    CLabelPlacement m_labels;
    QPrinter* m_pPrintInfo = nullptr;
    DrawPoint m_ptMenu;
    Qt::KeyboardModifiers m_menuFlags;
};

} // namespace qb
