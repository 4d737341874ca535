#include "places/DisplayDialogLogic.h"
#include "places/FontDialogLogic.h"

#include "platform/Cp932.h"
#include "platform/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

struct LabelDialogs : ::testing::Test {
    CMemorySettingsStore store;
    CLabelState state;
    int repaints = 0;
    std::function<void()> Repaint()
    {
        return [this] { ++repaints; };
    }
};

TEST_F(LabelDialogs, FontChooserGetsTheSelectedKindAsShiftJisAndOkStoresTheChoice)
{
    store.WriteSettingInt("River2", "CharSet", 0);
    CSelectFontLogic dialog(store, state, Repaint());
    EXPECT_EQ(CSelectFontLogic::Entries()[3], "川､谷、沢、ルンゼ 第一水準");
    EXPECT_EQ(CSelectFontLogic::Entries()[13], "その他");
    EXPECT_EQ(dialog.Selection(), 0);
    dialog.Select(kRiver2);
    auto request = dialog.ChooserRequest();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->font.charSet, 128);
    EXPECT_EQ(request->font.colour, 0xFF0000u);

    LabelFont chosen = request->font;
    chosen.faceName = "Aあいうえおかきくけこさしすせそた";   // 33 bytes in code page 932
    chosen.colour = 0x00FF00;
    dialog.AcceptChoice(chosen);
    EXPECT_EQ(state.fonts[kRiver2].colour, 0xFF0000u) << "the state waits for OK";
    dialog.Ok();
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(state.fonts[kRiver2].colour, 0x00FF00u);
    EXPECT_EQ(store.GetSettingInt("River2", "FontColor", 0), 0x00FF00);
    EXPECT_EQ(Cp932FromUtf8(store.GetSettingString("River2", "FaceName", ""))->size(), 31u);

    dialog.Select(-1);
    EXPECT_FALSE(dialog.ChooserRequest());
}

TEST_F(LabelDialogs, FontCancelWritesTheStateBackAsItWasRead)
{
    store.WriteSettingInt("Fall", "Height", -20);
    state.fonts[kFall].height = -99;
    CSelectFontLogic dialog(store, state, Repaint());
    dialog.Select(kFall);
    LabelFont chosen = dialog.ChooserRequest()->font;
    chosen.height = -40;
    dialog.AcceptChoice(chosen);
    dialog.Cancel();
    EXPECT_EQ(repaints, 0);
    EXPECT_EQ(state.fonts[kFall].height, -20);
    EXPECT_EQ(store.GetSettingInt("Fall", "Height", 0), -20);
}

TEST_F(LabelDialogs, DisplayBoxesAreEnabledOnlyInManualModeAndOkStoresAllFifteen)
{
    CSelectLevelLogic dialog(store, state, Repaint());
    EXPECT_TRUE(dialog.IsAutomatic());
    EXPECT_TRUE(dialog.IsChecked(1026) && dialog.IsChecked(1029) && dialog.IsChecked(1032));
    for (const int id : {1026, 1074, 1063, 1066})
        EXPECT_FALSE(dialog.IsEnabled(id)) << id;
    EXPECT_TRUE(dialog.IsEnabled(kManualRadioId));

    dialog.ClickRadio(kManualRadioId);
    for (const LevelCheckBox& box : kLevelCheckBoxes)
        EXPECT_TRUE(dialog.IsEnabled(box.id)) << box.id;
    EXPECT_TRUE(dialog.IsEnabled(1065));
    dialog.SetChecked(1026, false);
    dialog.SetChecked(1073, true);   // 峠
    dialog.ClickRadio(kAutoRadioId);
    EXPECT_TRUE(dialog.IsChecked(1073)) << "greyed boxes keep their values";
    EXPECT_EQ(state.showKind[kPass], 0);

    dialog.Ok();
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(state.autoNames, 1);
    EXPECT_EQ(std::make_pair(state.showKind[kPeak1], state.showKind[kPass]), std::make_pair(0, 1));
    EXPECT_EQ(store.GetSettingInt("String", "Pass", 0), 1);
    EXPECT_EQ(store.GetSettingInt("String", "Peak1", 1), 0);
}

TEST_F(LabelDialogs, DisplayCancelChangesNothing)
{
    store.WriteSettingInt("String", "Auto", 0);
    store.WriteSettingInt("String", "Pond", 1);
    CSelectLevelLogic dialog(store, state, Repaint());
    EXPECT_TRUE(dialog.IsEnabled(1054));
    dialog.ClickRadio(kAutoRadioId);
    dialog.SetChecked(1054, false);
    dialog.Cancel();
    EXPECT_EQ(repaints, 0);
    EXPECT_EQ(std::make_pair(state.autoNames, state.showKind[kPond]), std::make_pair(0, 1));
    EXPECT_EQ(store.GetSettingInt("String", "Auto", 1), 0);
    EXPECT_EQ(store.GetSettingInt("String", "Pond", 0), 1);
}

} // namespace
} // namespace qb
