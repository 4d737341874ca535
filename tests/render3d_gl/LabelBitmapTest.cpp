#include "render3d/gl/LabelBitmapMaker.h"
#include "tests/support/TempDir.h"

#include <QDir>
#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace qb::test {
namespace {

LabelFont RedFont()
{
    LabelFont font;
    font.height = -12;
    font.colour = 0x000000FF; // red, 0x00BBGGRR
    return font;
}

TEST(LabelBitmap, IsTheNameInTheKindsColourOnWhiteAtFourTimesTheFontHeight)
{
    const LabelBitmap small = MakeLabelBitmap("富士山", RedFont());
    LabelFont big = RedFont();
    big.height *= 2;
    const LabelBitmap large = MakeLabelBitmap("富士山", big);
    // Three full-width characters are six bytes of code page 932: the width
    // is six average widths plus the border; twice the font, about twice the picture.
    EXPECT_GT(small.height, 4 * 12);
    EXPECT_NEAR(double(large.width - 2) / (small.width - 2), 2.0, 0.25);
    EXPECT_NEAR(double(large.height - 2) / (small.height - 2), 2.0, 0.25);
    ASSERT_EQ(small.argb.size(), std::size_t(small.width) * std::size_t(small.height));
    EXPECT_EQ(small.argb.front(), 0xFFFFFFFFu);
    EXPECT_EQ(small.argb.back(), 0xFFFFFFFFu);
    EXPECT_GT(std::count(small.argb.begin(), small.argb.end(), 0xFFFF0000u), 20);
    EXPECT_EQ(std::count_if(small.argb.begin(), small.argb.end(),
                            [](std::uint32_t p) { return (p & 0xFF) > ((p >> 8) & 0xFF) + 8; }),
              0)
        << "no pixel leans to blue";
}

TEST(LabelBitmap, AHalfWidthNameIsHalfAsWideAsAFullWidthOneOfAsManyCharacters)
{
    const LabelBitmap narrow = MakeLabelBitmap("ABC", RedFont());
    const LabelBitmap wide = MakeLabelBitmap("富士山", RedFont());
    EXPECT_EQ((wide.width - 2), 2 * (narrow.width - 2));
    EXPECT_EQ(narrow.height, wide.height);
}

TEST(LabelBitmap, IsMadeWithoutWritingAnyFile)
{
    CTempDir folder;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(folder.Path())));
    MakeLabelBitmap("槍ヶ岳", RedFont());
    QDir::setCurrent(previous);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

} // namespace
} // namespace qb::test
