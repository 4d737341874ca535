#pragma once
#include <QString>

class QWebEngineView;

namespace qb {

// The PDF file a page is printed to when there is no printer: "地図.pdf" in
// the documents folder.
QString WebPagePdfPath();

// Starts printing the view's page: on a printer chosen in the print dialog,
// or into a PDF file when no printer is installed. False when nothing was
// started (the dialog was cancelled). The view tells the end by its
// printFinished or its page's pdfPrintingFinished.
bool PrintWebPage(QWebEngineView& view);

} // namespace qb
