#include "shell/View2DView.h"

#include "app/TessimDoc.h"
#include "places/PlaceEditor.h"
#include "platform/qt/QPainterDrawContext.h"
#include "shell/MainFrame.h"
#include "shell/ShellApp.h"
#include "shell/print/PlanClipboard.h"
#include "shell/print/PlanPrinting.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>

#include <cstdlib>

namespace qb {
namespace {

constexpr std::string_view kMethodSection = "Param";
constexpr std::string_view kMethodKey = "2DMethodFlg";
// A release this close to the start of the rubber band, across or down,
// offers stepping back instead of zooming.
constexpr int kClickSlack = 4;

DrawPoint ToDrawPoint(const QPointF& p)
{
    return DrawPoint{static_cast<int>(p.x()), static_cast<int>(p.y())};
}

} // namespace

CView2DView::CView2DView(CShellApp& shell, CTessimDoc& doc, QWidget* parent)
    : C3DView(shell, doc, ViewKind::TwoD, parent), m_viewer(this)
{
    m_viewer.m_nMethod = shell.App().Settings().GetSettingInt(kMethodSection, kMethodKey, 0);
    m_viewer.SetLabelPlacer(&Labels());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(64, 48);
}

CView2DView::~CView2DView()
{
    Shell().App().Settings().WriteSettingInt(kMethodSection, kMethodKey, m_viewer.m_nMethod);
}

QString CView2DView::Caption() const
{
    return C3DView::Caption() + Title();
}

void CView2DView::OnInitialUpdate(const std::optional<GridRange>& restore, bool documentShownBefore)
{
    if (Document())
        m_viewer.Attach(Document()->Grid(), restore, documentShownBefore);
    Repaint();
}

std::optional<ViewExtent> CView2DView::Extent() const
{
    const CHeightGrid* grid = m_viewer.Grid();
    if (!grid)
        return std::nullopt;
    return ViewExtent{m_viewer.GetRange(), grid->m_nCols, grid->m_nRows};
}

void CView2DView::ShowRange(const ViewHandOver& handOver)
{
    m_viewer.SetRange(handOver.range);
    Repaint();
}

int CView2DView::MoveView(int direction, const NeighbourRequest& leave)
{
    return m_viewer.MoveRange(direction, leave);
}

void CView2DView::RenderPicture()
{
    m_picture = QImage(size(), QImage::Format_RGB32);
    QPainter painter(&m_picture);
    CQPainterDrawContext dc(painter);
    const DrawRect client{0, 0, width(), height()};
    dc.FillRect(client, Rgb(255, 255, 255));
    if (CTessimDoc* doc = Document()) {
        CPlaceTable& names = doc->Places().Display();
        m_viewer.SetNames(names.Records().data(), names.Count());
        m_viewer.Draw(dc, client);
    }
    m_bPictureValid = true;
}

void CView2DView::paintEvent(QPaintEvent*)
{
    if (!m_bPictureValid || m_picture.size() != size())
        RenderPicture();
    QPainter(this).drawImage(0, 0, m_picture);
    UpdateCaption();
    if (m_firstPaint)
        std::exchange(m_firstPaint, nullptr)();
}

void CView2DView::resizeEvent(QResizeEvent*)
{
    m_bPictureValid = false;
}

void CView2DView::DrawOnPicture(const std::function<void(IDrawContext&)>& draw)
{
    if (!m_bPictureValid || m_picture.size() != size())
        RenderPicture();
    {
        QPainter painter(&m_picture);
        CQPainterDrawContext dc(painter);
        draw(dc);
    }
    update();
}

void CView2DView::mousePressEvent(QMouseEvent* event)
{
    if (!Document())
        return;
    const DrawPoint point = ToDrawPoint(event->position());
    if (event->button() == Qt::LeftButton)
        DrawOnPicture([&](IDrawContext& dc) { m_viewer.OnButtonDown(dc, point); });
    else if (event->button() == Qt::RightButton)
        EditPlaceAt(event->position().toPoint());
}

void CView2DView::mouseMoveEvent(QMouseEvent* event)
{
    if (!Document())
        return;
    const DrawPoint point = ToDrawPoint(event->position());
    DrawOnPicture([&](IDrawContext& dc) { m_viewer.OnMouseMove(dc, point); });
}

void CView2DView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!Document() || event->button() != Qt::LeftButton || !m_viewer.IsDragging())
        return;
    StoreMenuPoint(ToDrawPoint(event->position()), event->modifiers());
    ShowRangeMenu(event->globalPosition().toPoint());
}

// The menu of a release: stepping back near the start of the band, else zooming.
void CView2DView::ShowRangeMenu(const QPoint& at)
{
    const DrawPoint start = m_viewer.RubberBandStart();
    const DrawPoint end = MenuPoint();
    const bool nearStart = std::abs(end.x - start.x) <= kClickSlack || std::abs(end.y - start.y) <= kClickSlack;
    QMenu menu(this);
    if (nearStart) {
        connect(menu.addAction(QStringLiteral("一つ前の範囲に戻す")), &QAction::triggered, this, &CView2DView::StepBack);
        QAction* centre = menu.addAction(QStringLiteral("回転の中心にする"));
        centre->setEnabled(Shell().MainFrame()->ViewOf(ViewKind::Rendering) != nullptr);
        connect(centre, &QAction::triggered, this, &CView2DView::CentreRendering);
    } else {
        connect(menu.addAction(QStringLiteral("選択範囲を拡大")), &QAction::triggered, this,
                &CView2DView::ZoomToSelection);
        connect(menu.addAction(QStringLiteral("一つ前の範囲に戻す")), &QAction::triggered, this, &CView2DView::StepBack);
    }
    connect(menu.addAction(QStringLiteral("キャンセル")), &QAction::triggered, this, &CView2DView::CancelDrag);
    releaseMouse();
    // A menu closed without a choice ends the band like "キャンセル".
    if (!menu.exec(at) && m_viewer.IsDragging())
        CancelDrag();
}

void CView2DView::ZoomToSelection()
{
    int changed = 0;
    DrawOnPicture([&](IDrawContext& dc) { changed = m_viewer.OnButtonUp(dc, MenuPoint()); });
    if (changed)
        Shell().MainFrame()->PassOnRange(m_viewer.GetRange());
}

void CView2DView::StepBack()
{
    m_viewer.EndDrag();
    if (!m_viewer.PopRange()) {
        Repaint();
        return;
    }
    Shell().MainFrame()->PassOnRange(m_viewer.GetRange());
}

// The rendering view turns about the point of the grid under the menu point.
void CView2DView::CentreRendering()
{
    const DrawRect draw = m_viewer.DrawingRect();
    const DrawPoint corner = m_viewer.FarCorner();
    const DrawPoint at = MenuPoint();
    C3DView* rendering = Shell().MainFrame()->ViewOf(ViewKind::Rendering);
    if (rendering && corner.x != draw.left && corner.y != draw.top)
        rendering->CentreOn(double(at.x - draw.left) / (corner.x - draw.left),
                            double(at.y - draw.top) / (corner.y - draw.top));
    CancelDrag();
}

void CView2DView::CancelDrag()
{
    m_viewer.EndDrag();
    Repaint();
}

void CView2DView::EditPlaceAt(const QPoint& at)
{
    int col = 0;
    int row = 0;
    float height = 0.0f;
    if (m_viewer.PickPoint(DrawPoint{at.x(), at.y()}, col, row, height))
        EditPlace(GridPoint{col, row}, height);
}

void CView2DView::EditPlace(GridPoint point, float height)
{
    if (!Document())
        return;
    CTessimDoc& doc = *Document();
    CHeightGrid& grid = doc.Grid();
    CPlaceEditor editor(doc.Places(), grid, Shell().NameInput(), Shell().Messages());
    if (editor.EditPlace(height, point.col * grid.m_nMeshSize, point.row * grid.m_nMeshSize2) != kEditNothing)
        Shell().MainFrame()->RedrawViewsOf(doc);
}

PlanSource CView2DView::Source()
{
    CPlaceTable& names = Document()->Places().Display();
    return PlanSource{m_viewer, names.Records().data(), names.Count(), g_LabelFonts, &Labels()};
}

// Printing and copying draw through this view's engine, which then keeps
// the page's geometry: the view draws itself again before the mouse maps
// through it.
void CView2DView::Print(QPrinter& printer)
{
    if (!Document())
        return;
    printer.setDocName(Caption());
    Printing(printer, [&] { PrintPlanView(printer, Source(), Shell().App().m_rcMargins, Shell().Messages(), this); });
    Repaint();
}

void CView2DView::PrintPreview(QPrinter& printer)
{
    if (!Document())
        return;
    printer.setDocName(Caption());
    Printing(printer, [&] { PreviewPlanView(printer, Source(), Shell().App().m_rcMargins, this); });
    Repaint();
}

void CView2DView::CopyBitmap()
{
    if (!m_bPictureValid || m_picture.size() != size())
        RenderPicture();
    qb::CopyBitmap(m_picture);
}

void CView2DView::CopyPicture()
{
    if (!Document())
        return;
    CopyingPicture([&] { qb::CopyPicture(Source()); });
    Repaint();
}

void CView2DView::Repaint()
{
    m_bPictureValid = false;
    update();
}

void CView2DView::CaptureMouse()
{
    grabMouse();
}

void CView2DView::ReleaseMouse()
{
    releaseMouse();
}

void CView2DView::SetCursor(ViewCursor cursor)
{
    setCursor(cursor == ViewCursor::Cross ? Qt::CrossCursor : Qt::ArrowCursor);
}

void CView2DView::SetStatusText(std::string_view text)
{
    if (CMainFrame* frame = Shell().MainFrame())
        frame->SetStatusText(text);
}

void CView2DView::ShowMessage(std::string_view text, MessageIcon icon)
{
    Shell().Messages().ShowMessage(text, icon);
}

} // namespace qb
