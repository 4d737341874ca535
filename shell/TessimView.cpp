#include "shell/TessimView.h"

#include "app/TessimDoc.h"
#include "shell/MainFrame.h"
#include "shell/ShellApp.h"
#include "webmap/MapRange.h"

#include <QWebEnginePage>

namespace qb {

CTessimView::CTessimView(CShellApp& shell, CTessimDoc& doc, std::string pageUrl, QWidget* parent)
    : C3DView(shell, doc, ViewKind::Map, parent),
      m_pageUrl(std::move(pageUrl)),
      m_record(shell.App().Settings()),
      m_host(shell, doc, m_record),
      m_globe(shell.App().Settings(), shell.Messages(), m_host),
      m_pWeb(new CQtWebView(this))
{
    m_pWeb->setObjectName(QStringLiteral("mapPage"));
    m_globe.m_nDataKind = 0;
    setMinimumSize(64, 48);
    // Without a printer the page goes into a PDF file: the user learns where.
    connect(m_pWeb->page(), &QWebEnginePage::pdfPrintingFinished, this, [this](const QString& path, bool ok) {
        const std::string where = "\n" + path.toStdString();
        if (ok)
            Shell().Messages().ShowMessage(std::string(kMapPdfWrittenMessage) + where, MessageIcon::Information);
        else
            Shell().Messages().ShowMessage(std::string(kMapPdfFailedMessage) + where, MessageIcon::Exclamation);
    });
}

CTessimView::~CTessimView()
{
    if (CTessimDoc* doc = Document())
        doc->MapCentre().StopListening(this);
}

void CTessimView::Detach()
{
    if (CTessimDoc* doc = Document())
        doc->MapCentre().StopListening(this);
    m_host.Detach();
    C3DView::Detach();
}

void CTessimView::OnInitialUpdate(const std::optional<GridRange>& restore, bool)
{
    CTessimDoc* doc = Document();
    if (!doc)
        return;
    // The zoom history is shared with the 2-D view that shows the document already.
    m_record.Attach(doc->Grid(), restore, true);
    FollowRange(RangeOfOtherViews().value_or(m_record.GetRange()));
    doc->MapCentre().Listen(this);
    m_globe.CreateWebMap(m_pWeb, 0, m_pageUrl);
    m_globe.ResizeWebMap(width(), height());
    Repaint();
}

std::optional<GridRange> CTessimView::RangeOfOtherViews() const
{
    for (const ViewKind kind : {ViewKind::TwoD, ViewKind::Rendering}) {
        const C3DView* view = Shell().MainFrame() ? Shell().MainFrame()->ViewOf(kind) : nullptr;
        if (view && view->Document() == Document())
            if (const std::optional<ViewExtent> extent = view->Extent())
                return extent->range;
    }
    return std::nullopt;
}

void CTessimView::Repaint()
{
    UpdateCaption();
}

std::optional<ViewExtent> CTessimView::Extent() const
{
    const std::optional<GridSize> size = ShownGridSize();
    if (!size)
        return std::nullopt;
    return ViewExtent{m_record.GetRange(), size->cols, size->rows};
}

std::optional<ViewAngles> CTessimView::Angles() const
{
    return ViewAngles{m_record.GetRotate(), m_record.GetTilt()};
}

std::optional<GridSize> CTessimView::ShownGridSize() const
{
    const CHeightGrid* grid = Document() ? m_record.Grid() : nullptr;
    if (!grid || !grid->HasHeights() || grid->m_nCols <= 0 || grid->m_nRows <= 0)
        return std::nullopt;
    return GridSize{grid->m_nCols, grid->m_nRows};
}

// A range from the 2-D view: the blue box and the record follow it, and the
// rendering view shows it at the record's angles.
void CTessimView::ShowRange(const ViewHandOver& handOver)
{
    if (!ShownGridSize())
        return;
    if (handOver.angles)
        m_record.SetAngles(handOver.angles->rotate, handOver.angles->tilt);
    FollowRange(handOver.range);
    if (C3DView* rendering = Shell().MainFrame() ? Shell().MainFrame()->ViewOf(ViewKind::Rendering) : nullptr)
        rendering->ShowRange(ViewHandOver{m_record.GetRange(), Angles()});
    Repaint();
}

void CTessimView::FollowRange(const GridRange& range)
{
    if (!ShownGridSize())
        return;
    m_record.SetRange(range);
    ShowBlueBox(m_record.GetRange());
}

void CTessimView::ShowBlueBox(const GridRange& range)
{
    const std::optional<GridSize> size = ShownGridSize();
    if (!size)
        return;
    if (m_globe.HasWebView() && m_pWeb->PageLoaded())
        m_globe.ShowGridRange(range, *size);
    else
        m_host.SetViewBox(BoxOfGridRange(m_host.AreaBox(), range, *size));
}

int CTessimView::MoveView(int direction, const NeighbourRequest& leave)
{
    return ShownGridSize() ? m_record.MoveRange(direction, leave) : 0;
}

// The page is told where a newly loaded area lies once it runs scripts;
// before that, its load reads the centre from the settings.
void CTessimView::SetMapCenter(double lat, double lon, int zoom)
{
    if (m_pWeb->PageLoaded())
        m_globe.SetMapCenter(lat, lon, zoom);
}

void CTessimView::paintEvent(QPaintEvent*)
{
    UpdateCaption();
}

void CTessimView::resizeEvent(QResizeEvent* event)
{
    C3DView::resizeEvent(event);
    if (m_globe.HasWebView())
        m_globe.ResizeWebMap(width(), height());
    else
        m_pWeb->resize(size());
}

} // namespace qb
