#pragma once
#include "platform/MessageSink.h"
#include "print/MarginSettings.h"
#include "shell/print/PlanPicture.h"

#include <memory>

class QPrinter;
class QPrintPreviewDialog;
class QString;
class QWidget;

namespace qb {

// Whether the system knows a printer: a default one, or any at all.
bool HasPrinter();

// The printable rectangle of the printer's page in the device pixels its
// painter draws in (the painter's origin is the printable area's corner
// unless the printer draws on the full page).
DrawRect PrintablePage(const QPrinter& printer);

// Prints the view's picture on one page of the printer as it is set up,
// inside the margins (1/1440 inch). When the margins leave no room the
// user is told and nothing is printed. Returns whether the page was printed.
bool PrintPlanPage(QPrinter& printer, const PlanSource& source, const MarginRect& margins,
                   IMessageSink& messages);

// Writes the page into the PDF file `path`, with the printer's paper,
// orientation, page margins and resolution. Returns whether it was written.
bool PrintPlanViewToPdf(QPrinter& printer, const QString& path, const PlanSource& source,
                        const MarginRect& margins, IMessageSink& messages);

// The print command: without a printer the user is told so and the print
// dialog then offers only a PDF file (named after the printer's document
// name in the documents folder unless a file was chosen before); with one
// the print dialog as usual. Prints when the dialog is accepted. Returns
// whether a page was printed.
bool PrintPlanView(QPrinter& printer, const PlanSource& source, const MarginRect& margins,
                   IMessageSink& messages, QWidget* parent = nullptr, bool printerAvailable = HasPrinter());

// The print preview dialog of the view's page on the printer; the source's
// engine and records must outlive it.
std::unique_ptr<QPrintPreviewDialog> MakePlanPreview(QPrinter& printer, const PlanSource& source,
                                                     const MarginRect& margins, QWidget* parent = nullptr);
// The print preview command: runs that dialog.
void PreviewPlanView(QPrinter& printer, const PlanSource& source, const MarginRect& margins,
                     QWidget* parent = nullptr);

} // namespace qb
