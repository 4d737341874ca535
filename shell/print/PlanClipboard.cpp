#include "shell/print/PlanClipboard.h"

#include "shell/print/PlanPage.h"
#include "shell/print/PlanPainting.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

namespace qb {
namespace {

// 1600 units over 160 mm: 254 units to the inch.
constexpr int kPictureUnitsPerInch = 254;

QSize PictureSize()
{
    return QSize(kPictureRect.Width(), kPictureRect.Height());
}

void PaintPicture(QPaintDevice& device, const PlanSource& source)
{
    const LabelFonts fonts = ScaledLabelFonts(nullptr, source.fonts);
    QPainter painter(&device);
    PaintPlanPicture(painter, WithFonts(source, fonts), kPictureRect, PictureFrame::Drawn);
}

} // namespace

QByteArray PlanPictureSvg(const PlanSource& source)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(PictureSize());
    svg.setViewBox(QRect(QPoint(0, 0), PictureSize()));
    svg.setResolution(kPictureUnitsPerInch);
    svg.setTitle(QStringLiteral("Quarrenby"));
    PaintPicture(svg, source);
    return bytes;
}

QImage PlanPictureImage(const PlanSource& source)
{
    QImage image(PictureSize(), QImage::Format_RGB32);
    PaintPicture(image, source);
    return image;
}

std::unique_ptr<QMimeData> PlanPictureMimeData(const PlanSource& source)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(QString::fromLatin1(kSvgMimeType), PlanPictureSvg(source));
    data->setImageData(PlanPictureImage(source));
    return data;
}

void CopyPicture(const PlanSource& source)
{
    QGuiApplication::clipboard()->setMimeData(PlanPictureMimeData(source).release());
}

void CopyBitmap(const QImage& clientPicture)
{
    QGuiApplication::clipboard()->setImage(clientPicture);
}

} // namespace qb
