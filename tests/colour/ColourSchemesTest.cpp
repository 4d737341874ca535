#include "colour/ApplyColorScheme.h"
#include "colour/ColourStore.h"
#include "colour/PresetSchemes.h"
#include "colour/UserColorScheme.h"

#include "platform/MemorySettingsStore.h"
#include "tests/colour/StoredSchemes.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

std::array<Colour, 8> Slots(std::initializer_list<Colour> colours)
{
    std::array<Colour, 8> slots{};
    std::copy(colours.begin(), colours.end(), slots.begin());
    return slots;
}

TEST(PresetSchemes, EachNumberFillsItsModeAndColours)
{
    CMemorySettingsStore store;
    const std::vector<ColourBlock> expected = {
        {0, Slots({0x00FF00})},
        {0, Slots({0xFFFFFF})},
        {1, Slots({0x00FF00, 0xFFFFFF})},
        {1, Slots({0x00FF00, 0x00BFFF})},
        {1, Slots({0x00FFFF, 0xFFFFFF})},
        {2, Slots({0x86F807, 0x64FF64, 0x00DF70, 0x00C400, 0x008C00, 0x537E88, 0x31646F, 0x254952})},
        {2, Slots({0xFFFF80, 0xFFFFFF, 0xE3E3E3, 0xC8C8C8, 0xABABAB, 0x537E88, 0x31646F, 0x254952})},
    };
    for (int n = 0; n < 7; ++n) {
        ColourBlock block;
        ApplyColorScheme(store, block, n);
        EXPECT_EQ(block, expected[static_cast<std::size_t>(n)]) << "scheme " << n;
    }
}

TEST(PresetSchemes, NumbersOutsideTheEightLeaveTheBlockAlone)
{
    CMemorySettingsStore store;
    const ColourBlock before{1, Slots({1, 2, 3})};
    for (int n : {-1, 8, 100}) {
        ColourBlock block = before;
        ApplyColorScheme(store, block, n);
        EXPECT_EQ(block, before) << n;
    }
}

struct UserScheme : ::testing::Test {
    CMemorySettingsStore store;
    void Store(std::initializer_list<std::string_view> texts, int selected)
    {
        test::StoreSchemes(store, texts, selected);
    }
    ColourBlock Apply()
    {
        ColourBlock block{1, Slots({7, 7, 7, 7, 7, 7, 7, 7})};
        ApplyColorScheme(store, block, kUserScheme);
        return block;
    }
};

TEST_F(UserScheme, TheSelectedSchemeFillsTheBlockByItsKind)
{
    Store({"one,0,255", "height,1,100,200", "slope,2,1,2,3,4,5,6,7,8"}, 0);
    EXPECT_EQ(Apply(), (ColourBlock{0, Slots({255, 7, 7, 7, 7, 7, 7, 7})}))
        << "a single colour sets slot 0 only";
    WriteSelectedScheme(store, 1);
    EXPECT_EQ(Apply(), (ColourBlock{1, Slots({100, 200, 7, 7, 7, 7, 7, 7})}));
    WriteSelectedScheme(store, 2);
    EXPECT_EQ(Apply(), (ColourBlock{2, Slots({1, 2, 3, 4, 5, 6, 7, 8})}));
}

TEST_F(UserScheme, ASelectionOutsideTheCountedSchemesGetsTheDefaultsNotADeletedText)
{
    Store({"a,0,255", "b,0,16711680"}, 0);
    WriteSchemeCount(store, 1);  // "b" deleted: its key stays
    WriteSelectedScheme(store, 1);
    EXPECT_EQ(Apply(), (ColourBlock{2, kSummerSlopeColours}));
    WriteSelectedScheme(store, -1);
    EXPECT_EQ(Apply(), (ColourBlock{2, kSummerSlopeColours}));
}

TEST(SchemeText, FormatsEachKindWithItsColours)
{
    CUserColorScheme scheme = DefaultUserColorScheme(kKindHeight);
    scheme.name = "a";
    EXPECT_EQ(FormatColorScheme(scheme), "a,1,65280,16777215");
    scheme.ColorKind = kKindSingle;
    scheme.single = 0x0000FF;
    EXPECT_EQ(FormatColorScheme(scheme), "a,0,255");
    scheme.ColorKind = kKindSlope;
    EXPECT_EQ(FormatColorScheme(scheme), "a,2,8845319,6618980,57200,50176,35840,5471880,3236975,2443602");
}

TEST(SchemeText, ParsesBackWhatIsFormatted)
{
    CUserColorScheme scheme = DefaultUserColorScheme(kKindSlope);
    scheme.name = "山の色";
    scheme.slope = Slots({1, 22, 333, 4444, 55555, 666666, 7777777, 0xFFFFFF});
    EXPECT_EQ(ParseColorScheme(FormatColorScheme(scheme)), scheme);
}

TEST(SchemeText, MissingColoursKeepTheDefaultsAndExtraFieldsAreIgnored)
{
    const CUserColorScheme defaults = DefaultUserColorScheme(kKindSingle);
    CUserColorScheme parsed = ParseColorScheme("short,1,255", defaults);
    EXPECT_EQ(parsed.ColorKind, kKindHeight);
    EXPECT_EQ(parsed.low, 255u);
    EXPECT_EQ(parsed.high, 0xFFFFFFu);

    parsed = ParseColorScheme("long,0,1,2,3", defaults);
    EXPECT_EQ(parsed, (CUserColorScheme{"long", kKindSingle, 1, defaults.low, defaults.high, defaults.slope}));

    parsed = ParseColorScheme("only a name", defaults);
    EXPECT_EQ(parsed.name, "only a name");
    EXPECT_EQ(parsed.ColorKind, kKindSingle);
}

TEST(SchemeText, NumbersAreLeadingIntegersAndZeroWithoutDigits)
{
    const CUserColorScheme parsed = ParseColorScheme("n, 1 x,12abc,,");
    EXPECT_EQ(parsed.ColorKind, kKindHeight);
    EXPECT_EQ(parsed.low, 12u);
    EXPECT_EQ(parsed.high, 0u) << "an empty field is read as 0, not as a missing one";
    EXPECT_EQ(ParseColorScheme("n,,5").ColorKind, kKindSingle);
}

TEST(SchemeText, DamagedValuesStayWithinTheKindsAndTheColourRange)
{
    const CUserColorScheme defaults = DefaultUserColorScheme(kKindHeight);
    const CUserColorScheme odd = ParseColorScheme("n,7,1,2", defaults);
    EXPECT_EQ(odd, (CUserColorScheme{"n", kKindHeight, defaults.single, defaults.low, defaults.high, defaults.slope}));
    EXPECT_EQ(ParseColorScheme("n,0,-1").single, 0xFFFFFFu);
    EXPECT_EQ(ParseColorScheme("n,0,99999999999999999999").single, 0xFFFFFFu);
    EXPECT_EQ(ParseColorScheme("n,0,4278190335").single, 0xFFFFFFu);
    EXPECT_EQ(ParseColorScheme("n,0,-16776961").single, 0x0000FFu) << "0xFF0000FF loses its top byte";
}

TEST(SchemeText, NamesOfUpTo64BytesAreReadWholeAndLongerOnesCutAtACharacter)
{
    const std::string name64 = std::string(62, 'x') + "山";  // 64 bytes in code page 932
    EXPECT_EQ(ParseColorScheme(name64 + ",0,1").name, name64);
    const std::string name65 = std::string(63, 'x') + "山";
    EXPECT_EQ(ParseColorScheme(name65 + ",0,1").name, std::string(63, 'x'));
    EXPECT_EQ(SchemeNameOf(name65 + ",0,1"), name65) << "the list shows the stored name";
}

TEST(SchemeNumber, IsKeptUnderColorV20WithFiveForAFreshOrDamagedStore)
{
    CMemorySettingsStore store;
    EXPECT_EQ(ReadColorSchemeNumber(store), 5);
    WriteColorSchemeNumber(store, 7);
    EXPECT_EQ(store.GetSettingInt("Color", "ColorV20", 0), 7);
    EXPECT_EQ(ReadColorSchemeNumber(store), 7);
    store.WriteSettingInt("Color", "ColorV20", 8);
    EXPECT_EQ(ReadColorSchemeNumber(store), 5);
}

} // namespace
} // namespace qb
