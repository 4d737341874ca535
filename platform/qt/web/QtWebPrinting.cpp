#include "platform/qt/web/QtWebPrinting.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace qb {

QString WebPagePdfPath()
{
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return documents.filePath(QStringLiteral("地図.pdf"));
}

bool PrintWebPage(QWebEngineView& view)
{
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        // A new user's home may have no documents folder yet.
        const QString path = WebPagePdfPath();
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return false;
        view.page()->printToPdf(path);
        return true;
    }
    // The printer lives until the page has been printed on it.
    auto* printer = new QPrinter(QPrinter::HighResolution);
    QPrintDialog dialog(printer, &view);
    if (dialog.exec() != QDialog::Accepted) {
        delete printer;
        return false;
    }
    QObject::connect(&view, &QWebEngineView::printFinished, &view, [printer](bool) { delete printer; },
                     Qt::SingleShotConnection);
    view.print(printer);
    return true;
}

} // namespace qb
