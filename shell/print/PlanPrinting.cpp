#include "shell/print/PlanPrinting.h"

#include "shell/print/PlanPainting.h"
#include "shell/print/PrintChecks.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace qb {
namespace {

// Paints the page on a printer (or a preview's stand-in for one).
bool PaintOnPrinter(QPrinter& printer, const PlanSource& source, const MarginRect& margins)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PaintPlanPage(painter, source, PrintablePage(printer), margins);
    return painter.end();
}

// Turns the printer into a PDF file writer; the file is named after the
// document in the documents folder unless one was chosen before.
void PrepareFileOutput(QPrinter& printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    if (!printer.outputFileName().isEmpty())
        return;
    QString name = QFileInfo(printer.docName()).completeBaseName();
    if (name.isEmpty())
        name = QStringLiteral("Quarrenby");
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    printer.setOutputFileName(documents.filePath(name + QStringLiteral(".pdf")));
}

} // namespace

bool HasPrinter()
{
    return !QPrinterInfo::defaultPrinterName().isEmpty() || !QPrinterInfo::availablePrinterNames().isEmpty();
}

DrawRect PrintablePage(const QPrinter& printer)
{
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    if (printer.fullPage())
        return DrawRect{page.left(), page.top(), page.left() + page.width(), page.top() + page.height()};
    return DrawRect{0, 0, page.width(), page.height()};
}

bool PrintPlanPage(QPrinter& printer, const PlanSource& source, const MarginRect& margins,
                   IMessageSink& messages)
{
    const DrawRect rect =
        PageDrawingRect(printer.logicalDpiX(), printer.logicalDpiY(), PrintablePage(printer), margins);
    if (!CheckRoomOnPage(rect, messages))
        return false;
    return PaintOnPrinter(printer, source, margins);
}

bool PrintPlanViewToPdf(QPrinter& printer, const QString& path, const PlanSource& source,
                        const MarginRect& margins, IMessageSink& messages)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return PrintPlanPage(printer, source, margins, messages);
}

bool PrintPlanView(QPrinter& printer, const PlanSource& source, const MarginRect& margins,
                   IMessageSink& messages, QWidget* parent, bool printerAvailable)
{
    if (ChoosePrintDestination(printerAvailable, messages) == PrintDestination::PdfFile)
        PrepareFileOutput(printer);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return PrintPlanPage(printer, source, margins, messages);
}

std::unique_ptr<QPrintPreviewDialog> MakePlanPreview(QPrinter& printer, const PlanSource& source,
                                                     const MarginRect& margins, QWidget* parent)
{
    auto dialog = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    QObject::connect(dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(),
                     [source, margins](QPrinter* target) { PaintOnPrinter(*target, source, margins); });
    return dialog;
}

void PreviewPlanView(QPrinter& printer, const PlanSource& source, const MarginRect& margins, QWidget* parent)
{
    MakePlanPreview(printer, source, margins, parent)->exec();
}

} // namespace qb
