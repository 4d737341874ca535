#include "shell/print/PlanClipboard.h"

#include "tests/shell_print/PlanFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QXmlStreamReader>

namespace qb::test {
namespace {

// The root's size and view box, the two-point polylines and the texts of an SVG picture.
struct SvgContent {
    QStringList root;
    QStringList lines;
    QStringList texts;
    bool valid = false;
};

SvgContent ReadSvg(const QByteArray& bytes)
{
    SvgContent svg;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("svg"))
            svg.root = {a.value("width").toString(), a.value("height").toString(), a.value("viewBox").toString()};
        else if (xml.name() == QLatin1String("polyline"))
            svg.lines.append(a.value("points").toString().trimmed());
        else if (xml.name() == QLatin1String("text"))
            svg.texts.append(xml.readElementText());
    }
    svg.valid = !xml.hasError();
    return svg;
}

TEST_F(PlanTest, PictureIsAnSvgOf1600By1200UnitsOn160By120MillimetresWithFrameAndNames)
{
    AddSummit();
    const SvgContent svg = ReadSvg(PlanPictureSvg(Source()));
    ASSERT_TRUE(svg.valid);
    EXPECT_EQ(svg.root, (QStringList{"160mm", "120mm", "0 0 1600 1200"}));
    for (const char* edge : {"0,0 1598,0", "1598,0 1598,1198", "1598,1198 0,1198", "0,1198 0,0"})
        EXPECT_TRUE(svg.lines.contains(edge)) << edge;
    EXPECT_GT(svg.lines.size(), 100) << "the contours";
    EXPECT_TRUE(svg.texts.contains(QStringLiteral("山")));
}

TEST_F(PlanTest, CopyAsPictureOffersTheSvgBesideTheSameFramedBitmap)
{
    CopyPicture(Source());
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(ReadSvg(data->data(kSvgMimeType)).root.value(2), "0 0 1600 1200");
    const QImage image = qvariant_cast<QImage>(data->imageData()).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(1600, 1200));
    for (const QPoint p : {QPoint(0, 0), QPoint(1598, 600), QPoint(800, 1198)})
        EXPECT_EQ(image.pixel(p), qRgb(0, 0, 0)) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(1599, 600), QPoint(800, 1199), QPoint(40, 600)})
        EXPECT_EQ(image.pixel(p), qRgb(255, 255, 255)) << p.x() << "," << p.y();

    QImage client(32, 24, QImage::Format_RGB32);
    client.fill(qRgb(10, 200, 30));
    CopyBitmap(client);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), client);
}

} // namespace
} // namespace qb::test
