#pragma once
#include "platform/DrawContext.h"
#include "platform/MessageSink.h"

#include <string_view>

namespace qb {

// Shown when the margins leave no part of the printable page to draw on.
inline constexpr std::string_view kNoRoomMessage = "余白が大きすぎるため、印刷できません。";

// Where a print job can go.
enum class PrintDestination { Printer, PdfFile };

// Looks at the printers before a print job: with a printer the job goes to
// the print dialog as usual. Without one the user is told that no printer
// was found and printing on paper is not possible (information icon); the
// page can still be written into a PDF file.
PrintDestination ChoosePrintDestination(bool printerAvailable, IMessageSink& messages);

// Whether the drawing rectangle on the page has room for the picture;
// without room the user is told why nothing is printed.
bool CheckRoomOnPage(const DrawRect& rect, IMessageSink& messages);

} // namespace qb
