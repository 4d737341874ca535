#include "colour/ColorSetLogic.h"
#include "colour/ColourStore.h"
#include "colour/ColourSwatch.h"
#include "colour/PresetSchemes.h"
#include "colour/UserColorLogic.h"

#include "platform/MemorySettingsStore.h"
#include "tests/colour/PixelCanvas.h"
#include "tests/colour/StoredSchemes.h"
#include "tests/support/RecordingMessageSink.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::CRecordingMessageSink;

struct ColourDialogs : ::testing::Test {
    CMemorySettingsStore store;
    CRecordingMessageSink messages;

    void Store(std::initializer_list<std::string_view> texts, int selected)
    {
        test::StoreSchemes(store, texts, selected);
    }
    std::string Text(int index) { return store.GetSettingString("USER_COLOR", SchemeKey(index), "<none>"); }
    int Int(std::string_view section, std::string_view key) { return store.GetSettingInt(section, key, -99); }
    std::vector<bool> Enabled(const CColorSetLogic& dialog)
    {
        return {dialog.IsEnabled(ColorSetControl::List), dialog.IsEnabled(ColorSetControl::New),
                dialog.IsEnabled(ColorSetControl::Edit), dialog.IsEnabled(ColorSetControl::Delete)};
    }
};

TEST_F(ColourDialogs, AFreshStoreOffersOnlyNewAndRefusesTheUserSchemeOnOkAndCancel)
{
    CColorSetLogic dialog(store, messages, 5);
    EXPECT_TRUE(dialog.Names().empty());
    EXPECT_EQ(dialog.Selection(), -1);
    EXPECT_EQ(Enabled(dialog), (std::vector<bool>{false, false, false, false}));

    dialog.CheckScheme(kUserScheme);
    EXPECT_EQ(Enabled(dialog), (std::vector<bool>{false, true, false, false}));
    EXPECT_FALSE(dialog.Ok());
    EXPECT_FALSE(dialog.Cancel());
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>(2, "ユーザ定義の配色は設定されていません")));
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(store.Contains("USER_COLOR", "nIndex")) << "an empty list stores no selection";

    dialog.CheckScheme(2);
    EXPECT_EQ(Enabled(dialog), (std::vector<bool>{false, false, false, false}));
    EXPECT_TRUE(dialog.Ok());
    EXPECT_EQ(dialog.Scheme(), 2);
    EXPECT_FALSE(store.Contains("USER_COLOR", "nIndex"));
}

TEST_F(ColourDialogs, ANewHeightSchemeWithTheDefaultColoursIsStoredAndListed)
{
    CColorSetLogic dialog(store, messages, kUserScheme);
    CUserColorLogic editor(store, messages, dialog.ClickNew());
    EXPECT_EQ(editor.Kind(), kKindSlope) << "a fresh store presets the slope kind";
    EXPECT_FALSE(editor.IsNameReadOnly());
    editor.SetName("a");
    editor.ChooseKind(kKindHeight);
    ASSERT_TRUE(editor.Ok());
    dialog.EditorClosed(true);

    EXPECT_EQ(Text(0), "a,1,65280,16777215");
    EXPECT_EQ(Int("USER_COLOR", "nCount"), 1);
    EXPECT_EQ(Int("USER_COLOR", "nIndex"), 0);
    EXPECT_EQ(Int("USER_COLOR_DEF", "Kind"), 1);
    EXPECT_EQ(dialog.Names(), (std::vector<std::string>{"a"}));
    EXPECT_EQ(dialog.Selection(), 0);
    EXPECT_EQ(Enabled(dialog), (std::vector<bool>{true, true, true, true}));

    CUserColorLogic next(store, messages, dialog.ClickNew());
    EXPECT_EQ(next.Kind(), kKindHeight) << "the kind saved last is preset";
    next.SetName("b");
    ASSERT_TRUE(next.Ok());
    EXPECT_EQ(Int("USER_COLOR", "nCount"), 2);
    EXPECT_EQ(Int("USER_COLOR", "nIndex"), 1);
}

TEST_F(ColourDialogs, DeletingTheFirstOfThreeMovesTheOthersDown)
{
    Store({"a,0,1", "b,0,2", "c,0,3"}, 2);
    CColorSetLogic dialog(store, messages, kUserScheme);
    dialog.Select(0);
    dialog.ClickDelete();

    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "a を削除します、よろしいですか？");
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Question);
    EXPECT_EQ(messages.Messages()[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(Text(0), "b,0,2");
    EXPECT_EQ(Text(1), "c,0,3");
    EXPECT_EQ(Text(2), "c,0,3") << "the old last key stays, uncounted";
    EXPECT_EQ(Int("USER_COLOR", "nCount"), 2);
    EXPECT_EQ(Int("USER_COLOR", "nIndex"), 1);
    EXPECT_EQ(dialog.Names(), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(dialog.Selection(), 1);
}

TEST_F(ColourDialogs, DeletingTheLastEntrySelectsTheFirstAndTheOnlyOneEmptiesTheList)
{
    Store({"a,0,1", "b,0,2"}, 0);
    CColorSetLogic dialog(store, messages, kUserScheme);
    dialog.Select(1);
    dialog.ClickDelete();
    EXPECT_EQ(Int("USER_COLOR", "nIndex"), 0);
    EXPECT_EQ(dialog.Names(), (std::vector<std::string>{"a"}));

    dialog.ClickDelete();
    EXPECT_EQ(Int("USER_COLOR", "nCount"), 0);
    EXPECT_EQ(Int("USER_COLOR", "nIndex"), 0);
    EXPECT_TRUE(dialog.Names().empty());
    EXPECT_EQ(Enabled(dialog), (std::vector<bool>{false, true, false, false}));
    EXPECT_FALSE(dialog.Ok()) << "no user scheme is left to choose";
}

TEST_F(ColourDialogs, ADeleteAnsweredWithCancelChangesNothing)
{
    Store({"a,0,1", "b,0,2"}, 1);
    CColorSetLogic dialog(store, messages, kUserScheme);
    messages.QueueAnswer(MessageResult::Cancel);
    const int writes = store.WriteCount();
    dialog.ClickDelete();
    EXPECT_EQ(store.WriteCount(), writes);
    EXPECT_EQ(dialog.Names().size(), 2u);
}

TEST_F(ColourDialogs, OkStoresTheListSelectionAndAStrayStoredSelectionFallsToTheFirst)
{
    Store({"a,0,1", "b,0,2"}, 5);
    CColorSetLogic dialog(store, messages, 0);
    EXPECT_EQ(dialog.Selection(), 0);
    dialog.Select(1);
    dialog.Select(2);  // no such entry
    EXPECT_EQ(dialog.Selection(), 1);
    dialog.CheckScheme(kUserScheme);
    EXPECT_TRUE(dialog.Ok());
    EXPECT_EQ(dialog.Scheme(), kUserScheme);
    EXPECT_EQ(Int("USER_COLOR", "nIndex"), 1);
}

TEST_F(ColourDialogs, EditStoresTheSelectionAndOpensThatSchemeWithAFixedName)
{
    Store({"a,0,1", "b,1,255"}, 0);
    CColorSetLogic dialog(store, messages, kUserScheme);
    dialog.Select(1);
    const auto request = dialog.ClickEdit();
    ASSERT_TRUE(request);
    EXPECT_EQ(Int("USER_COLOR", "nIndex"), 1);

    CUserColorLogic editor(store, messages, *request);
    EXPECT_TRUE(editor.IsNameReadOnly());
    editor.SetName("a");  // the name cannot change, so it cannot clash
    EXPECT_EQ(editor.Name(), "b");
    EXPECT_EQ(editor.Kind(), kKindHeight);
    EXPECT_EQ(editor.SwatchColour(kLowSwatch), 255u);
    EXPECT_EQ(editor.SwatchColour(kHighSwatch), 0xFFFFFFu) << "a missing colour keeps the default";
    editor.ChooseKind(kKindSingle);
    ASSERT_TRUE(editor.Ok());
    EXPECT_EQ(Text(1), "b,0,65280");
    EXPECT_EQ(Int("USER_COLOR", "nCount"), 2);
    EXPECT_EQ(Int("USER_COLOR_DEF", "Kind"), 0);
}

TEST_F(ColourDialogs, TheEditorRefusesNamesInItsOrderAndStaysOpen)
{
    Store({"dup,0,1"}, 0);
    CUserColorLogic editor(store, messages, UserColorRequest{});
    EXPECT_FALSE(editor.Ok());
    editor.SetName("dup");
    EXPECT_FALSE(editor.Ok());
    editor.SetName("a,b");
    EXPECT_FALSE(editor.Ok());
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"配色の定義名を入力してください",
                                                          "配色の定義名はすでに存在します",
                                                          "配色の定義名に不正な文字 \" ,\" が含まれています"}));
    EXPECT_EQ(Int("USER_COLOR", "nCount"), 1);
    EXPECT_EQ(Text(1), "<none>");
    editor.SetName("Dup");
    EXPECT_TRUE(editor.Ok()) << "names are compared byte for byte";
}

TEST_F(ColourDialogs, TheEditorKeepsNamesTo64BytesOfShiftJis)
{
    CUserColorLogic editor(store, messages, UserColorRequest{});
    editor.SetName(std::string(49, 'x') + "山山山山山山山山");  // 65 bytes
    EXPECT_EQ(editor.Name(), std::string(49, 'x') + "山山山山山山山");
}

TEST_F(ColourDialogs, OnlyTheChosenKindsGroupIsEnabledAndDisabledSwatchesAreGrey)
{
    CUserColorLogic editor(store, messages, UserColorRequest{});
    EXPECT_TRUE(editor.IsGroupEnabled(kKindSlope));
    EXPECT_FALSE(editor.IsGroupEnabled(kKindSingle));
    EXPECT_EQ(editor.SwatchFill(kSingleSwatch), kDisabledSwatchColour);
    EXPECT_EQ(editor.SwatchFill(kFirstSlopeSwatch + 7), 0x254952u);

    editor.ChooseKind(kKindSingle);
    EXPECT_EQ(editor.SwatchFill(kSingleSwatch), 0x00FF00u);
    EXPECT_EQ(editor.SwatchFill(kFirstSlopeSwatch), kDisabledSwatchColour);
    editor.ChooseKind(3);
    EXPECT_EQ(editor.Kind(), kKindSingle);
}

TEST_F(ColourDialogs, APickedColourTakesTheSwatchAndStoresTheCustomColours)
{
    store.WriteSettingInt("USER_COLOR", "custom03", 0x123456);
    CUserColorLogic editor(store, messages, UserColorRequest{});
    EXPECT_FALSE(editor.PickerRequest(kLowSwatch)) << "the height group is disabled";

    const auto request = editor.PickerRequest(kFirstSlopeSwatch + 2);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->initial, 0x00DF70u);
    EXPECT_EQ(request->custom[0], 0xFFFFFFu);
    EXPECT_EQ(request->custom[3], 0x123456u);

    CustomColours custom = request->custom;
    custom[15] = 0x0000FF;
    editor.AcceptPickedColour(kFirstSlopeSwatch + 2, 0xABCDEF, custom);
    EXPECT_EQ(editor.SwatchColour(kFirstSlopeSwatch + 2), 0xABCDEFu);
    EXPECT_EQ(store.GetSettingInt("USER_COLOR", "custom15", 0), 0x0000FF);
    EXPECT_EQ(store.GetSettingInt("USER_COLOR", "custom00", 0), 0xFFFFFF);

    editor.SetName("p");
    ASSERT_TRUE(editor.Ok());
    EXPECT_EQ(Text(0), "p,2,8845319,6618980,11259375,50176,35840,5471880,3236975,2443602");
}

TEST(ColourSwatch, IsFilledAndRaisedAndFramedInBlackWithTheFocus)
{
    test::CPixelCanvas canvas(10, 8);
    DrawSwatch(canvas, {0, 0, 10, 8}, 0x0000FF, false);
    const std::vector<Colour> across = {0xFFFFFF, 0xFFFFFF, 0x0000FF, 0x0000FF, 0x0000FF,
                                        0x0000FF, 0x0000FF, 0x0000FF, 0x808080, 0x808080};
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(canvas.At(x, 4), across[static_cast<std::size_t>(x)]) << x;
    EXPECT_EQ(canvas.At(5, 1), 0xFFFFFFu);
    EXPECT_EQ(canvas.At(5, 6), 0x808080u);

    DrawSwatch(canvas, {0, 0, 10, 8}, kDisabledSwatchColour, true);
    for (auto [x, y] : {std::pair{0, 0}, {9, 7}, {5, 0}, {0, 4}, {9, 4}, {5, 7}})
        EXPECT_EQ(canvas.At(x, y), 0u) << x << "," << y;
    EXPECT_EQ(canvas.At(1, 4), 0xFFFFFFu);
    EXPECT_EQ(canvas.At(8, 4), 0x808080u);
    EXPECT_EQ(canvas.At(5, 4), 0xC0C0C0u);
}

} // namespace
} // namespace qb
