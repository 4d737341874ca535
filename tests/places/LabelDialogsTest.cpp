#include "places/DisplayDialogLogic.h"
#include "places/FontDialogLogic.h"

#include "platform/Cp932.h"
#include "platform/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

struct DialogFixture : ::testing::Test {
    CMemorySettingsStore store;
    CLabelState state;
    int repaints = 0;
    std::function<void()> Repaint()
    {
        return [this] { ++repaints; };
    }
};

using FontDialog = DialogFixture;
using DisplayDialog = DialogFixture;

TEST_F(FontDialog, ListsTheKindsInCodeOrderAndStartsOnTheFirst)
{
    store.WriteSettingString("Peak2", "FaceName", "IPAMincho");
    CSelectFontLogic dialog(store, state, Repaint());
    const auto& entries = CSelectFontLogic::Entries();
    ASSERT_EQ(entries.size(), 14u);
    EXPECT_EQ(entries[0], "ピーク 第一水準");
    EXPECT_EQ(entries[3], "川､谷、沢、ルンゼ 第一水準");
    EXPECT_EQ(entries[4], "川、谷、沢、ルンゼ 第二水準");
    EXPECT_EQ(entries[13], "その他");
    EXPECT_EQ(dialog.Selection(), 0);
    EXPECT_EQ(dialog.Font(kPeak2).faceName, "IPAMincho");
    EXPECT_EQ(state.fonts[kPeak2].faceName, "IPAMincho") << "the dialog loads the state first";
}

TEST_F(FontDialog, ChooserGetsTheSelectedFontAsShiftJisWithItsColour)
{
    store.WriteSettingInt("River2", "CharSet", 0);
    store.WriteSettingInt("River2", "Weight", 700);
    CSelectFontLogic dialog(store, state, Repaint());
    dialog.Select(kRiver2);
    const auto request = dialog.ChooserRequest();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->font.charSet, 128);
    EXPECT_EQ(request->font.weight, 700);
    EXPECT_EQ(request->font.colour, 0xFF0000u);
    EXPECT_EQ(request->charSet, 128);
    EXPECT_TRUE(request->screenFontsOnly && request->noVerticalFonts && request->effects);

    dialog.Select(-1);
    EXPECT_FALSE(dialog.ChooserRequest());
    dialog.Select(14);
    EXPECT_FALSE(dialog.ChooserRequest());
    dialog.AcceptChoice(LabelFont{});   // nothing selected: nothing replaced
    EXPECT_EQ(dialog.Font(kRiver2).weight, 700);
}

TEST_F(FontDialog, OkStoresTheChoiceRepaintsAndWrites)
{
    CSelectFontLogic dialog(store, state, Repaint());
    dialog.Select(kPass);
    LabelFont chosen = dialog.ChooserRequest()->font;
    chosen.faceName = "A" + std::string("あいうえおかきくけこさしすせそた");   // 33 bytes in code page 932
    chosen.height = -30;
    chosen.colour = 0x00FF00;
    dialog.AcceptChoice(chosen);
    EXPECT_EQ(dialog.Font(kPass).faceName, "Aあいうえおかきくけこさしすせそ");
    EXPECT_EQ(state.fonts[kPass].height, -12) << "the state waits for OK";
    EXPECT_EQ(repaints, 0);

    dialog.Ok();
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(state.fonts[kPass].height, -30);
    EXPECT_EQ(state.fonts[kPass].colour, 0x00FF00u);
    EXPECT_EQ(store.GetSettingInt("Pass", "Height", 0), -30);
    EXPECT_EQ(store.GetSettingInt("Pass", "FontColor", 0), 0x00FF00);
    EXPECT_EQ(Cp932FromUtf8(store.GetSettingString("Pass", "FaceName", ""))->size(), 31u);
    EXPECT_EQ(store.GetSettingInt("String", "Auto", 9), 1);
}

TEST_F(FontDialog, CancelWritesTheStateBackAsItWasRead)
{
    store.WriteSettingInt("Fall", "Height", -20);
    state.fonts[kFall].height = -99;   // an unsaved change of memory is replaced by the load
    CSelectFontLogic dialog(store, state, Repaint());
    dialog.Select(kFall);
    LabelFont chosen = dialog.ChooserRequest()->font;
    chosen.height = -40;
    dialog.AcceptChoice(chosen);
    dialog.Cancel();
    EXPECT_EQ(repaints, 0);
    EXPECT_EQ(state.fonts[kFall].height, -20);
    EXPECT_EQ(store.GetSettingInt("Fall", "Height", 0), -20);
    EXPECT_EQ(store.GetSettingInt("Peak1", "Height", 0), -13);
}

TEST_F(DisplayDialog, CheckBoxesAndGroupsAreEnabledOnlyInManualMode)
{
    store.WriteSettingInt("String", "Auto", 0);
    CSelectLevelLogic dialog(store, state, Repaint());
    EXPECT_FALSE(dialog.IsAutomatic());
    for (const LevelCheckBox& box : kLevelCheckBoxes)
        EXPECT_TRUE(dialog.IsEnabled(box.id)) << box.id;
    for (const LevelGroupBox& group : kLevelGroupBoxes)
        EXPECT_TRUE(dialog.IsEnabled(group.id)) << group.id;

    dialog.ClickRadio(kAutoRadioId);
    for (const LevelCheckBox& box : kLevelCheckBoxes)
        EXPECT_FALSE(dialog.IsEnabled(box.id)) << box.id;
    for (const int group : {1063, 1064, 1065, 1066})
        EXPECT_FALSE(dialog.IsEnabled(group)) << group;
    EXPECT_TRUE(dialog.IsEnabled(kManualRadioId));
    EXPECT_TRUE(dialog.IsEnabled(kAutoRadioId));
    EXPECT_TRUE(dialog.IsEnabled(1));   // OK

    dialog.ClickRadio(kManualRadioId);
    EXPECT_TRUE(dialog.IsEnabled(1074));
}

TEST_F(DisplayDialog, AutomaticModeKeepsTheGreyedValuesAndOkStoresAllFifteen)
{
    CSelectLevelLogic dialog(store, state, Repaint());
    EXPECT_TRUE(dialog.IsAutomatic());
    EXPECT_FALSE(dialog.IsEnabled(1026)) << "the automatic default greys the boxes at the start";
    EXPECT_TRUE(dialog.IsChecked(1026));
    EXPECT_TRUE(dialog.IsChecked(1029));
    EXPECT_TRUE(dialog.IsChecked(1032));
    EXPECT_FALSE(dialog.IsChecked(1027));

    dialog.ClickRadio(kManualRadioId);
    dialog.SetChecked(1026, false);
    dialog.SetChecked(1073, true);   // 峠
    dialog.SetChecked(1053, true);   // 滝
    dialog.ClickRadio(kAutoRadioId);
    EXPECT_TRUE(dialog.IsChecked(1073));
    EXPECT_EQ(state.showKind[kPass], 0) << "nothing is stored before OK";

    dialog.Ok();
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(state.autoNames, 1);
    EXPECT_EQ(state.showKind[kPeak1], 0);
    EXPECT_EQ(state.showKind[kPass], 1);
    EXPECT_EQ(state.showKind[kFall], 1);
    EXPECT_EQ(state.showKind[kRiver1], 1);
    EXPECT_EQ(store.GetSettingInt("String", "Pass", 0), 1);
    EXPECT_EQ(store.GetSettingInt("String", "Peak1", 1), 0);
    EXPECT_EQ(store.GetSettingInt("String", "Auto", 0), 1);
}

TEST_F(DisplayDialog, CancelChangesNothing)
{
    store.WriteSettingInt("String", "Auto", 0);
    store.WriteSettingInt("String", "Pond", 1);
    CSelectLevelLogic dialog(store, state, Repaint());
    dialog.ClickRadio(kAutoRadioId);
    dialog.SetChecked(1054, false);
    dialog.SetChecked(1055, true);
    dialog.Cancel();
    EXPECT_EQ(repaints, 0);
    EXPECT_EQ(state.autoNames, 0);
    EXPECT_EQ(state.showKind[kPond], 1);
    EXPECT_EQ(state.showKind[kStructure], 0);
    EXPECT_EQ(store.GetSettingInt("String", "Auto", 1), 0);
    EXPECT_EQ(store.GetSettingInt("String", "Pond", 0), 1);
    EXPECT_EQ(store.GetSettingInt("String", "Structure", 1), 0);
}

} // namespace
} // namespace qb
