#include "shell/print/PrintChecks.h"

#include "print/MarginCommand.h"
#include "shell/print/PlanPage.h"

namespace qb {

PrintDestination ChoosePrintDestination(bool printerAvailable, IMessageSink& messages)
{
    if (printerAvailable)
        return PrintDestination::Printer;
    messages.ShowMessage(kNoPrinterMessage, MessageIcon::Information);
    return PrintDestination::PdfFile;
}

bool CheckRoomOnPage(const DrawRect& rect, IMessageSink& messages)
{
    if (HasRoom(rect))
        return true;
    messages.ShowMessage(kNoRoomMessage, MessageIcon::Exclamation);
    return false;
}

} // namespace qb
