#include "shell/print/PlanPage.h"
#include "shell/print/PrintChecks.h"

#include "tests/colour/PixelCanvas.h"
#include "tests/shell_print/PlanFixture.h"
#include "tests/support/RecordingDrawContext.h"
#include "tests/support/RecordingMessageSink.h"

namespace qb::test {
namespace {

TEST(ScaledLabelFonts, FollowTheDevicesVerticalResolutionOrTripleWithoutOne)
{
    LabelFonts fonts{};
    fonts[kPeak1].height = -13;
    fonts[kPeak3].height = 11;
    fonts[kPeak1].colour = Rgb(1, 2, 3);
    const CPixelCanvas printer(1, 1, 300, 600);
    const LabelFonts printed = ScaledLabelFonts(&printer, fonts);
    EXPECT_EQ(printed[kPeak1].height, -81) << "13 x 600 / 96";
    EXPECT_EQ(printed[kPeak3].height, -68);
    EXPECT_EQ(printed[kPeak1].colour, Rgb(1, 2, 3));
    EXPECT_EQ(ScaledLabelFonts(nullptr, fonts)[kPeak1].height, 39);
}

TEST_F(PlanTest, AfterPrintingTheScreenIsLabelledByItsOwnPlacementAgain)
{
    AddSummit();
    CPixelCanvas printer(1, 1, 600, 600);
    EXPECT_EQ(DrawPlanPage(printer, Source(), DrawRect{0, 0, 4800, 6600}, MarginRect{1440, 0, 0, 0}),
              (DrawRect{600, 0, 4800, 6600}));
    EXPECT_TRUE(screenLabels.Placed().empty());
    CRecordingDrawContext screen;
    viewer.Draw(screen, DrawRect{0, 0, 400, 300});
    EXPECT_EQ(screenLabels.Placed().size(), 1u);
    ASSERT_EQ(screen.texts.size(), 1u);
    EXPECT_EQ(screen.texts[0].font.height, -13);
}

TEST_F(PlanTest, MarginsThatLeaveNoRoomRefuseToPrint)
{
    CPixelCanvas printer(1, 1, 600, 600);
    // Five inches left and right of a page eight inches wide.
    const DrawRect rect = DrawPlanPage(printer, Source(), DrawRect{0, 0, 4800, 6600}, MarginRect{7200, 0, 7200, 0});
    CRecordingMessageSink messages;
    EXPECT_FALSE(CheckRoomOnPage(rect, messages));
    EXPECT_TRUE(CheckRoomOnPage(DrawRect{5, 5, 6, 6}, messages));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kNoRoomMessage)});
}

TEST(PrintDestination, WithoutAPrinterTheUserIsToldAndOnlyAFileRemains)
{
    CRecordingMessageSink messages;
    EXPECT_EQ(ChoosePrintDestination(true, messages), PrintDestination::Printer);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(ChoosePrintDestination(false, messages), PrintDestination::PdfFile);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "プリンターが見つかりませんでした。\n印刷はできません。");
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Information);
}

} // namespace
} // namespace qb::test
