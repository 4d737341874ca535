#include "shell/View2DView.h"

#include "app/TessimDoc.h"
#include "places/PlaceEditor.h"
#include "platform/qt/QPainterDrawContext.h"
#include "platform/qt/QtText.h"
#include "shell/MainFrame.h"
#include "shell/ShellApp.h"
#include "shell/print/PlanClipboard.h"
#include "shell/print/PlanPrinting.h"

#include <QFileInfo>
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
    : QWidget(parent), m_shell(shell), m_pDoc(&doc), m_viewer(this)
{
    m_viewer.m_nMethod = shell.App().Settings().GetSettingInt(kMethodSection, kMethodKey, 0);
    m_viewer.SetLabelPlacer(&m_labels);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(64, 48);
}

CView2DView::~CView2DView()
{
    m_shell.App().Settings().WriteSettingInt(kMethodSection, kMethodKey, m_viewer.m_nMethod);
    if (CMainFrame* frame = m_shell.MainFrame())
        frame->OnViewDestroyed(this);
}

void CView2DView::AttachGrid(const std::optional<GridRange>& restore)
{
    if (m_pDoc)
        m_viewer.Attach(m_pDoc->Grid(), restore, false);
    Repaint();
}

QString CView2DView::Title() const
{
    return m_pDoc ? QFileInfo(QString::fromStdString(m_pDoc->PathName())).fileName() : QString();
}

QString CView2DView::Caption() const
{
    return ToQString(kCaption2D) + Title();
}

void CView2DView::RenderPicture()
{
    m_picture = QImage(size(), QImage::Format_RGB32);
    QPainter painter(&m_picture);
    CQPainterDrawContext dc(painter);
    const DrawRect client{0, 0, width(), height()};
    dc.FillRect(client, Rgb(255, 255, 255));
    if (m_pDoc) {
        CPlaceTable& names = m_pDoc->Places().Display();
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
    if (QWidget* frame = parentWidget())
        frame->setWindowTitle(Caption());
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
    if (!m_pDoc)
        return;
    const DrawPoint point = ToDrawPoint(event->position());
    if (event->button() == Qt::LeftButton)
        DrawOnPicture([&](IDrawContext& dc) { m_viewer.OnButtonDown(dc, point); });
    else if (event->button() == Qt::RightButton)
        EditPlaceAt(event->position().toPoint());
}

void CView2DView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pDoc)
        return;
    const DrawPoint point = ToDrawPoint(event->position());
    DrawOnPicture([&](IDrawContext& dc) { m_viewer.OnMouseMove(dc, point); });
}

void CView2DView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pDoc || event->button() != Qt::LeftButton || !m_viewer.IsDragging())
        return;
    m_ptMenu = ToDrawPoint(event->position());
    m_menuFlags = event->modifiers();
    ShowRangeMenu(event->globalPosition().toPoint());
}

// The menu of a release: stepping back near the start of the band, else zooming.
void CView2DView::ShowRangeMenu(const QPoint& at)
{
    const DrawPoint start = m_viewer.RubberBandStart();
    const bool nearStart =
        std::abs(m_ptMenu.x - start.x) <= kClickSlack || std::abs(m_ptMenu.y - start.y) <= kClickSlack;
    QMenu menu(this);
    if (nearStart) {
        connect(menu.addAction(QStringLiteral("一つ前の範囲に戻す")), &QAction::triggered, this, &CView2DView::StepBack);
        // The rendering view that would turn around this point is not open.
        menu.addAction(QStringLiteral("回転の中心にする"))->setEnabled(false);
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
    DrawOnPicture([&](IDrawContext& dc) { m_viewer.OnButtonUp(dc, m_ptMenu); });
}

void CView2DView::StepBack()
{
    m_viewer.EndDrag();
    if (!m_viewer.PopRange())
        Repaint();
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
    if (!m_viewer.PickPoint(DrawPoint{at.x(), at.y()}, col, row, height))
        return;
    CHeightGrid& grid = m_pDoc->Grid();
    CPlaceEditor editor(m_pDoc->Places(), grid, m_shell.NameInput(), m_shell.Messages());
    if (editor.EditPlace(height, col * grid.m_nMeshSize, row * grid.m_nMeshSize2) != kEditNothing)
        m_shell.MainFrame()->RedrawViewsOf(*m_pDoc);
}

PlanSource CView2DView::Source()
{
    CPlaceTable& names = m_pDoc->Places().Display();
    return PlanSource{m_viewer, names.Records().data(), names.Count(), g_LabelFonts, &m_labels};
}

// Printing and copying draw through this view's engine, which then keeps
// the page's geometry: the view draws itself again before the mouse maps
// through it.
void CView2DView::Print(QPrinter& printer)
{
    if (!m_pDoc)
        return;
    printer.setDocName(Caption());
    PrintPlanView(printer, Source(), m_shell.App().m_rcMargins, m_shell.Messages(), this);
    Repaint();
}

void CView2DView::PrintPreview(QPrinter& printer)
{
    if (!m_pDoc)
        return;
    printer.setDocName(Caption());
    PreviewPlanView(printer, Source(), m_shell.App().m_rcMargins, this);
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
    if (!m_pDoc)
        return;
    qb::CopyPicture(Source());
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
    if (CMainFrame* frame = m_shell.MainFrame())
        frame->SetStatusText(text);
}

void CView2DView::ShowMessage(std::string_view text, MessageIcon icon)
{
    m_shell.Messages().ShowMessage(text, icon);
}

} // namespace qb
