#include "print/MarginCommand.h"
#include "print/MarginDialogLogic.h"
#include "print/MarginUnits.h"

#include "platform/MemorySettingsStore.h"
#include "tests/support/RecordingMessageSink.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::CRecordingMessageSink;

TEST(MarginUnits, ConvertWithHalvesAwayFromZero)
{
    EXPECT_EQ(MarginToHundredthsMm(1440), 2540);
    EXPECT_EQ(MarginToHundredthsMm(100), 176);    // 176.39
    EXPECT_EQ(HundredthsMmToMargin(180), 102);    // 102.05
    EXPECT_EQ(HundredthsMmToMargin(2540), 1440);
    EXPECT_EQ(MulDivRound(1, 720, 1440), 1);      // exactly one half
    EXPECT_EQ(MulDivRound(-1, 720, 1440), -1);
    EXPECT_EQ(MulDivRound(-1, 719, 1440), 0);
    EXPECT_EQ(MarginToHundredthsMm(-100), -176);
}

TEST(MarginUnits, RoundToTenthsOfAMillimetreByMagnitude)
{
    const std::pair<int, int> cases[] = {{176, 180}, {174, 170}, {175, 180}, {170, 170}, {4, 0},
                                         {5, 10},    {-174, -170}, {-175, -180}, {-176, -180}};
    for (auto [value, rounded] : cases)
        EXPECT_EQ(RoundToTenthMm(value), rounded) << value;
}

TEST(MarginUnits, ExtremeStoredMarginsSaturateInsteadOfOverflowing)
{
    EXPECT_EQ(MarginToHundredthsMm(std::numeric_limits<std::int32_t>::max()),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(MarginToHundredthsMm(std::numeric_limits<std::int32_t>::min()),
              std::numeric_limits<std::int32_t>::min());
}

TEST(MarginCommandValues, OneInchAndTheSmallMarginMakeTheirRoundTrips)
{
    EXPECT_EQ(DialogValuesFromMargins({1440, 100, 0, -100}), (MarginValues{2540, 180, 0, -180}));
    EXPECT_EQ(MarginsFromDialogValues({2540, 180, 0, 176}), (MarginRect{1440, 102, 0, 102}));
}

struct MarginDialog : ::testing::Test {
    CRecordingMessageSink messages;

    // Types a text as the user would: the window reports the change.
    static void Type(CSetMarginLogic& dialog, int side, std::string_view text) { dialog.EditChanged(side, text); }
    // The window writes the dialog's texts into the edits and reports each change.
    static void Echo(CSetMarginLogic& dialog)
    {
        for (int side = 0; side < 4; ++side)
            dialog.EditChanged(side, std::string(dialog.Text(side)));
    }
};

TEST_F(MarginDialog, OneInchShowsInCentimetresAndInchesAndComesBackUnchanged)
{
    CSetMarginLogic dialog(messages, DialogValuesFromMargins({1440, 1440, 1440, 1440}), kMarginCentimetres);
    Echo(dialog);
    EXPECT_EQ(dialog.Text(kLeftMargin), "2.54");
    dialog.ChooseUnits(kMarginInches);
    Echo(dialog);
    EXPECT_EQ(dialog.Text(kLeftMargin), "1.00");
    EXPECT_EQ(dialog.Units(), kMarginInches);
    ASSERT_TRUE(dialog.Ok());
    EXPECT_EQ(MarginsFromDialogValues(dialog.Result()), (MarginRect{1440, 1440, 1440, 1440}));

    const CSetMarginLogic inches(messages, {2540, 1000, 0, 0}, kMarginInches);
    EXPECT_EQ(inches.Text(kLeftMargin), "1");
    EXPECT_EQ(inches.Text(kTopMargin), "0.393700787401575");
}

TEST_F(MarginDialog, ASmallMarginShowsItsRoundedValueAndIsStoredRounded)
{
    CSetMarginLogic dialog(messages, DialogValuesFromMargins({100, 0, 0, 0}), kMarginCentimetres);
    EXPECT_EQ(dialog.Text(kLeftMargin), "0.18");
    ASSERT_TRUE(dialog.Ok());
    EXPECT_EQ(dialog.Result()[kLeftMargin], 180);
    EXPECT_EQ(MarginsFromDialogValues(dialog.Result()).left, 102);
}

TEST_F(MarginDialog, SwitchingUnitsBackAndForthKeepsTheCentimetres)
{
    CSetMarginLogic dialog(messages, {180, 1234, 5, 4999}, kMarginCentimetres);
    for (int round = 0; round < 3; ++round) {
        dialog.ChooseUnits(kMarginInches);
        Echo(dialog);
        dialog.ChooseUnits(kMarginCentimetres);
        Echo(dialog);
    }
    EXPECT_EQ(dialog.Text(kLeftMargin), "0.18");
    EXPECT_EQ(dialog.Text(kTopMargin), "1.23");
    ASSERT_TRUE(dialog.Ok());
    EXPECT_EQ(dialog.Result(), (MarginValues{180, 1234, 5, 4999}));
}

TEST_F(MarginDialog, AWindowThatDoesNotReportItsOwnWritesStillTakesTheNextTyping)
{
    CSetMarginLogic dialog(messages, {180, 0, 0, 0}, kMarginCentimetres);
    dialog.ChooseUnits(kMarginInches);
    EXPECT_EQ(dialog.Text(kLeftMargin), "0.07");
    Type(dialog, kLeftMargin, "abc");
    EXPECT_EQ(dialog.Centimetres(kLeftMargin), 0.0) << "a text that is not a number counts as 0";
    Type(dialog, kLeftMargin, "0.5");
    EXPECT_DOUBLE_EQ(dialog.Centimetres(kLeftMargin), 1.27);
    ASSERT_TRUE(dialog.Ok());
    EXPECT_EQ(dialog.Result()[kLeftMargin], 1270);
}

TEST_F(MarginDialog, OkRefusesTextsThatAreNotNumbersAndFocusesTheEdit)
{
    for (std::string_view text : {"", "abc", "1x", "1,5", "nan", "inf", "+-1"}) {
        CSetMarginLogic dialog(messages, {0, 0, 0, 0}, kMarginCentimetres);
        Type(dialog, kBottomMargin, text);
        EXPECT_FALSE(dialog.Ok()) << text;
        EXPECT_EQ(dialog.FocusSide(), kBottomMargin) << text;
    }
    EXPECT_EQ(messages.Texts(), std::vector<std::string>(7, "数字を入力してください。"));
    CSetMarginLogic dialog(messages, {0, 0, 0, 0}, kMarginCentimetres);
    Type(dialog, kRightMargin, " +1.5e0 ");
    EXPECT_TRUE(dialog.Ok());
}

TEST_F(MarginDialog, OkRefusesValuesOutsideZeroToFiveInTheShownUnit)
{
    const struct {
        int units;
        std::string_view text;
        bool accepted;
    } cases[] = {{kMarginInches, "5.01", false}, {kMarginCentimetres, "6", false},
                 {kMarginCentimetres, "-0.01", false}, {kMarginInches, "5", true},
                 {kMarginCentimetres, "5.00", true}, {kMarginCentimetres, "0", true}};
    for (const auto& c : cases) {
        messages.Clear();
        CSetMarginLogic dialog(messages, {0, 0, 0, 0}, c.units);
        Type(dialog, kTopMargin, c.text);
        EXPECT_EQ(dialog.Ok(), c.accepted) << c.text;
        if (!c.accepted) {
            EXPECT_EQ(messages.Texts(), std::vector<std::string>{"0 から 5 までの数字を入力してください。"});
            EXPECT_EQ(dialog.FocusSide(), kTopMargin);
        }
    }
}

TEST_F(MarginDialog, TheCommandStoresOnOkOnlyAndWritesTheMarginSection)
{
    CMemorySettingsStore store;
    MarginRect margins{1440, 100, 0, 0};
    int units = kMarginCentimetres;
    EXPECT_FALSE(RunMarginCommand(store, messages, margins, units, [](CSetMarginLogic& dialog) {
        dialog.ChooseUnits(kMarginInches);
        return false;
    }));
    EXPECT_EQ(margins, (MarginRect{1440, 100, 0, 0}));
    EXPECT_EQ(store.Size(), 0u);

    EXPECT_TRUE(RunMarginCommand(store, messages, margins, units, [](CSetMarginLogic& dialog) {
        dialog.ChooseUnits(kMarginInches);
        dialog.EditChanged(kBottomMargin, "0.5");
        return dialog.Ok();
    }));
    EXPECT_EQ(margins, (MarginRect{1440, 102, 0, 720}));
    EXPECT_EQ(units, kMarginInches);
    MarginRect stored;
    int storedUnits = -1;
    LoadMarginSettings(store, stored, storedUnits);
    EXPECT_EQ(stored, margins);
    EXPECT_EQ(storedUnits, kMarginInches);
}

} // namespace
} // namespace qb
