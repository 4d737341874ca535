#include "render3d/gl/LabelBitmapMaker.h"

#include "places/LabelSettings.h"
#include "places/NameText.h"
#include "platform/qt/QPainterDrawContext.h"
#include "views/LabelPlacement.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstring>

namespace qb {
namespace {

constexpr int kLabelFontScale = 4;
// The largest side of a label picture, so that a long name cannot ask for
// more than a texture may hold.
constexpr int kMaxLabelSide = 8192;

FontSpec LabelFontSpec(const LabelFont& font)
{
    FontSpec spec = FontSpecOf(font);
    spec.height *= kLabelFontScale;
    return spec;
}

TextExtent MeasureLabel(const FontSpec& spec, const std::string& name)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    CQPainterDrawContext dc(painter);
    dc.SelectFont(spec);
    return dc.MeasureText(name);
}

LabelBitmap BitmapOf(const QImage& image)
{
    LabelBitmap bitmap{image.width(), image.height(), {}};
    bitmap.argb.resize(std::size_t(image.width()) * std::size_t(image.height()));
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(bitmap.argb.data() + std::size_t(y) * std::size_t(image.width()), image.constScanLine(y),
                    std::size_t(image.width()) * sizeof(std::uint32_t));
    return bitmap;
}

} // namespace

LabelBitmap MakeLabelBitmap(const std::string& nameUtf8, const LabelFont& font)
{
    const FontSpec spec = LabelFontSpec(font);
    const TextExtent extent = MeasureLabel(spec, nameUtf8);
    const int length = int(PlaceNameFromUtf8(nameUtf8).size());
    const int width = std::clamp(extent.averageCharWidth * length + 2, 1, kMaxLabelSide);
    const int height = std::clamp(extent.height + 2, 1, kMaxLabelSide);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        CQPainterDrawContext dc(painter);
        dc.SelectFont(spec);
        dc.SetTextColour(font.colour);
        dc.TextOut(1, 1, nameUtf8);
    }
    return BitmapOf(image);
}

std::vector<LabelBitmap> MakeLabelBitmaps(std::span<const PlaceRecord> records, std::span<const ChosenLabel> chosen)
{
    std::vector<LabelBitmap> bitmaps;
    bitmaps.reserve(chosen.size());
    for (const ChosenLabel& label : chosen) {
        const PlaceRecord& record = records[std::size_t(label.record)];
        bitmaps.push_back(MakeLabelBitmap(Utf8FromPlaceName(record.Name()), g_LabelFonts[std::size_t(record.kind)]));
    }
    return bitmaps;
}

} // namespace qb
