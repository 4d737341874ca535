#include "platform/qt/QPainterDrawContext.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace qb {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
// "富士山" in UTF-8, and the bytes it takes in code page 932.
constexpr std::string_view kFuji = "\xE5\xAF\x8C\xE5\xA3\xAB\xE5\xB1\xB1";
constexpr int kFujiCp932Bytes = 6;

QImage WhiteImage(int width = 80, int height = 60)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Runs `draw` on a drawing context over the image.
void DrawOn(QImage& image, const std::function<void(IDrawContext&)>& draw)
{
    QPainter painter(&image);
    CQPainterDrawContext dc(painter);
    draw(dc);
}

// The smallest rectangle holding every pixel that is not `background`.
QRect InkBox(const QImage& image, QRgb background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

// An image whose pixels all differ from their neighbours, so that an
// operation that loses or doubles an inversion shows.
QImage PatternImage()
{
    QImage image(40, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 6, (x + y) * 3));
    return image;
}

void Rectangle(IDrawContext& dc, int left, int top, int right, int bottom)
{
    dc.MoveTo(left, top);
    dc.LineTo(right, top);
    dc.LineTo(right, bottom);
    dc.LineTo(left, bottom);
    dc.LineTo(left, top);
}

TEST(QPainterDrawContextLines, ALineCoversItsPixelsButNotItsLastPoint)
{
    QImage image = WhiteImage();
    DrawOn(image, [](IDrawContext& dc) {
        dc.SelectPen(Rgb(0, 0, 255));
        dc.MoveTo(10, 10);
        dc.LineTo(20, 10);
        dc.MoveTo(30, 5);
        dc.LineTo(30, 15);
    });
    for (int x = 10; x < 20; ++x)
        EXPECT_EQ(image.pixel(x, 10), 0xFF0000FFu) << x;
    EXPECT_EQ(image.pixel(9, 10), kWhite);
    EXPECT_EQ(image.pixel(20, 10), kWhite);
    EXPECT_EQ(image.pixel(10, 9), kWhite);
    EXPECT_EQ(image.pixel(10, 11), kWhite);
    EXPECT_EQ(InkBox(image, kWhite), QRect(QPoint(10, 5), QPoint(30, 14)));
}

TEST(QPainterDrawContextLines, AZeroWidthPenStaysOnePixelWideAndAWiderPenIsWider)
{
    QImage thin = WhiteImage();
    QImage thick = WhiteImage();
    const auto line = [](int width) {
        return [width](IDrawContext& dc) {
            dc.SelectPen(0, width);
            dc.MoveTo(10, 30);
            dc.LineTo(60, 30);
        };
    };
    DrawOn(thin, line(0));
    DrawOn(thick, line(5));
    EXPECT_EQ(InkBox(thin, kWhite).height(), 1);
    EXPECT_GE(InkBox(thick, kWhite).height(), 5);
}

TEST(QPainterDrawContextLines, AnInvertedRectangleInvertsEachPixelOnceAndTwiceRestoresTheImage)
{
    const QImage original = PatternImage();
    QImage image = original;
    const auto band = [](IDrawContext& dc) {
        dc.SetInvert(true);
        Rectangle(dc, 5, 6, 30, 25);
    };
    DrawOn(image, band);
    for (const QPoint corner : {QPoint(5, 6), QPoint(30, 6), QPoint(30, 25), QPoint(5, 25), QPoint(17, 6)})
        EXPECT_EQ(image.pixel(corner) & 0xFFFFFF, ~original.pixel(corner) & 0xFFFFFF)
            << corner.x() << "," << corner.y();
    EXPECT_EQ(image.pixel(17, 15), original.pixel(17, 15));
    DrawOn(image, band);
    EXPECT_EQ(image, original);
}

TEST(QPainterDrawContextLines, LinePixelsStepOnePixelAtATimeAndStopBeforeTheEnd)
{
    EXPECT_TRUE(LinePixels(QPoint(3, 3), QPoint(3, 3)).isEmpty());
    for (const QPoint to : {QPoint(7, 2), QPoint(-7, 2), QPoint(2, -7), QPoint(-5, -5)}) {
        const QPolygon pixels = LinePixels(QPoint(0, 0), to);
        ASSERT_EQ(pixels.size(), std::max(std::abs(to.x()), std::abs(to.y()))) << to.x() << "," << to.y();
        EXPECT_EQ(pixels.first(), QPoint(0, 0));
        EXPECT_FALSE(pixels.contains(to));
        const QPoint last = pixels.last();
        EXPECT_LE(std::max(std::abs(to.x() - last.x()), std::abs(to.y() - last.y())), 1);
        for (qsizetype i = 1; i < pixels.size(); ++i) {
            const QPoint step = pixels[i] - pixels[i - 1];
            EXPECT_EQ(std::max(std::abs(step.x()), std::abs(step.y())), 1);
        }
    }
}

TEST(QPainterDrawContextLines, InvertingAppliesToLinesOnlyAndCanBeSwitchedOff)
{
    QImage image = WhiteImage();
    DrawOn(image, [](IDrawContext& dc) {
        dc.SetInvert(true);
        dc.SetPixel(3, 3, Rgb(255, 0, 0));
        dc.FillRect({10, 10, 12, 12}, Rgb(0, 255, 0));
        dc.SetInvert(false);
        dc.SelectPen(Rgb(255, 0, 0));
        dc.MoveTo(20, 20);
        dc.LineTo(30, 20);
        dc.MoveTo(20, 20);
        dc.LineTo(30, 20);
    });
    EXPECT_EQ(image.pixel(3, 3), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(11, 11), 0xFF00FF00u);
    EXPECT_EQ(image.pixel(25, 20), 0xFFFF0000u);
}

TEST(QPainterDrawContextFills, AFilledRectangleExcludesItsRightAndBottomEdges)
{
    QImage image = WhiteImage();
    DrawOn(image, [](IDrawContext& dc) { dc.FillRect({2, 3, 7, 9}, Rgb(0, 128, 0)); });
    EXPECT_EQ(InkBox(image, kWhite), QRect(2, 3, 5, 6));
    EXPECT_EQ(image.pixel(6, 8), qRgb(0, 128, 0));
}

TEST(QPainterDrawContextFills, APolygonIsOutlinedWithThePenAndFilledWithTheBrush)
{
    QImage image = WhiteImage();
    DrawOn(image, [](IDrawContext& dc) {
        dc.SelectPen(Rgb(255, 0, 0));
        dc.SelectBrush(Rgb(0, 0, 255));
        dc.Polygon({{10, 10}, {50, 10}, {50, 40}, {10, 40}});
    });
    EXPECT_EQ(image.pixel(30, 10), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(10, 25), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(30, 25), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(5, 5), kWhite);
}

TEST(QPainterDrawContextText, TextIsDrawnInItsColourInsideTheBoxBelowAndRightOfItsOrigin)
{
    QImage image = WhiteImage(120, 60);
    image.fill(qRgb(200, 200, 200));
    TextExtent extent;
    DrawOn(image, [&extent](IDrawContext& dc) {
        dc.SelectFont(FontSpec{"ＭＳ ゴシック", -13});
        dc.SetTextColour(Rgb(255, 0, 0));
        dc.TextOut(20, 15, kFuji);
        extent = dc.MeasureText(kFuji);
    });
    const QRect ink = InkBox(image, qRgb(200, 200, 200));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(20, 15, extent.width, extent.height).contains(ink))
        << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    EXPECT_GE(ink.width(), extent.width / 2);
    // Glyph pixels are red on grey; the grey between strokes stays.
    bool red = false;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            red = red || image.pixel(x, y) == 0xFFFF0000u;
    EXPECT_TRUE(red);
    EXPECT_EQ(image.pixel(ink.left(), ink.top()), qRgb(200, 200, 200));
}

TEST(QPainterDrawContextText, MeasuresFollowTheSelectedFont)
{
    QImage image = WhiteImage();
    TextExtent small, large;
    DrawOn(image, [&](IDrawContext& dc) {
        dc.SelectFont(FontSpec{"ＭＳ ゴシック", -11});
        small = dc.MeasureText(kFuji);
        dc.SelectFont(FontSpec{"ＭＳ ゴシック", -22});
        large = dc.MeasureText(kFuji);
    });
    EXPECT_GE(small.height, 11);
    EXPECT_GT(large.height, small.height * 3 / 2);
    EXPECT_GT(large.width, small.width * 3 / 2);
    // The byte count of a Japanese text times the average width comes near
    // its width, as the label rectangles assume.
    EXPECT_NEAR(small.averageCharWidth * kFujiCp932Bytes, small.width, small.width / 4);
    EXPECT_NEAR(large.averageCharWidth * kFujiCp932Bytes, large.width, large.width / 4);
}

TEST(QPainterDrawContextText, FontsAreAskedForAsWrittenWithAJapaneseFallback)
{
    const QFont font = FontFromSpec(FontSpec{"ＭＳ ゴシック", -13, 700, true});
    EXPECT_EQ(font.families().value(0), QString::fromUtf8("ＭＳ ゴシック"));
    EXPECT_TRUE(font.families().contains(QString::fromLatin1(kFallbackFontFamily)));
    EXPECT_EQ(font.pixelSize(), 13);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());
    EXPECT_EQ(FontFromSpec(FontSpec{"x", 0, 0}).weight(), QFont::Normal);
    // A positive height is the cell height: the em size comes out smaller.
    const QFont cell = FontFromSpec(FontSpec{"ＭＳ ゴシック", 20});
    EXPECT_LT(cell.pixelSize(), 20);
    EXPECT_NEAR(QFontMetrics(cell).height(), 20, 1);
}

TEST(QPainterDrawContextDevice, DotsPerInchComeFromTheDevice)
{
    QImage image = WhiteImage();
    image.setDotsPerMeterX(23622);  // 600 dpi
    image.setDotsPerMeterY(11811);  // 300 dpi
    QPainter painter(&image);
    CQPainterDrawContext dc(painter);
    EXPECT_EQ(dc.DpiX(), 600);
    EXPECT_EQ(dc.DpiY(), 300);
}

TEST(QPainterDrawContextDevice, AnSvgPictureKeepsTextsAsTextElements)
{
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(200, 100));
    svg.setViewBox(QRect(0, 0, 200, 100));
    {
        QPainter painter(&svg);
        CQPainterDrawContext dc(painter);
        dc.SelectPen(Rgb(128, 64, 0));
        dc.MoveTo(0, 0);
        dc.LineTo(100, 50);
        dc.SelectFont(FontSpec{"ＭＳ ゴシック", -13});
        dc.TextOut(10, 10, kFuji);
    }
    const QString text = QString::fromUtf8(buffer.data());
    EXPECT_TRUE(text.contains(QLatin1String("<text")));
    EXPECT_TRUE(text.contains(QString::fromUtf8(kFuji.data(), kFuji.size())));
    EXPECT_TRUE(text.contains(QLatin1String("#804000"), Qt::CaseInsensitive));
}

} // namespace
} // namespace qb
