#include "cli/PictureFile.h"

#ifdef QB_CLI_HAS_QT
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace qb::cli {

bool WritePictureFile(const std::string& path, bool svg, int width, int height,
                      const std::function<void(QPainter&)>& paint)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(QSize(width, height));
        generator.setViewBox(QRect(0, 0, width, height));
        generator.setTitle(QStringLiteral("Quarrenby"));
        QPainter painter(&generator);
        paint(painter);
    } else {
        QImage image(width, height, QImage::Format_RGB32);
        if (image.isNull())
            return false;
        {
            QPainter painter(&image);
            paint(painter);
        }
        if (!image.save(&file, "PNG"))
            return false;
    }
    return file.commit();
}

} // namespace qb::cli
#endif
