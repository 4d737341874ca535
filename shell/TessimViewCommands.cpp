// The map view's commands: copy as bitmap, printing and the label font.
#include "shell/TessimView.h"

#include "app/CommandIds.h"
#include "shell/dialogs/MemoryFontDlg.h"
#include "shell/print/PlanClipboard.h"

#include <QImage>

namespace qb {

bool CTessimView::HasViewCommand(int id) const
{
    return id == cmd::kPrintMap || id == cmd::kMemoryFont;
}

bool CTessimView::RunViewCommand(int id)
{
    switch (id) {
    case cmd::kPrintMap: m_globe.PrintMap(); return true;
    case cmd::kMemoryFont: ChooseMemoryFont(); return true;
    default: return false;
    }
}

void CTessimView::CopyMapImage()
{
    m_pWeb->CapturePng([](const std::string& png) {
        QImage image;
        if (png.empty() ||
            !image.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG"))
            return;
        qb::CopyBitmap(image.convertToFormat(QImage::Format_ARGB32));
    });
}

void CTessimView::ChooseMemoryFont()
{
    if (RunMemoryFontDialog(m_record.m_memoryFont, this))
        Repaint();
}

} // namespace qb
