#include "platform/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qb {
namespace {

TEST(SettingsStore, MissingKeysGiveTheCallersDefault)
{
    CMemorySettingsStore store;
    EXPECT_EQ(store.GetSettingInt("Param", "MapKind", 7), 7);
    EXPECT_EQ(store.GetSettingString("Param", "DataFolder", "/home/u"), "/home/u");
    store.WriteSettingInt("Param", "MapKind", 3);
    EXPECT_EQ(store.GetSettingInt("Param", "MapKind", 7), 3);
    EXPECT_EQ(store.GetSettingInt("Other", "MapKind", 7), 7);
}

TEST(SettingsStore, RealsAreSixDecimalTextReadLikeAtof)
{
    CMemorySettingsStore store;
    WriteSettingReal(store, "HightTime", "HightTime", 1.5);
    EXPECT_EQ(store.GetSettingString("HightTime", "HightTime", ""), "1.500000");
    EXPECT_DOUBLE_EQ(GetSettingReal(store, "HightTime", "HightTime", "1.0"), 1.5);
    EXPECT_DOUBLE_EQ(GetSettingReal(store, "HightTime", "Missing", "1.0"), 1.0);

    store.WriteSettingString("HightTime", "HightTime", "abc");
    EXPECT_DOUBLE_EQ(GetSettingReal(store, "HightTime", "HightTime", "1.0"), 0.0);
    EXPECT_DOUBLE_EQ(TextToDouble("  2.25xyz"), 2.25);
    EXPECT_DOUBLE_EQ(TextToDouble("-0.5"), -0.5);
    EXPECT_DOUBLE_EQ(TextToDouble("+3"), 3.0);
    // Beyond a double's range: overflow is infinite, underflow as good as zero.
    EXPECT_EQ(TextToDouble("1e400"), HUGE_VAL);
    EXPECT_EQ(TextToDouble("-1e400x"), -HUGE_VAL);
    EXPECT_LT(std::fabs(TextToDouble("1e-400")), 1e-300);
    EXPECT_LT(std::fabs(TextToDouble("-4e-320")), 1e-300);
    EXPECT_EQ(FormatFixed6(-35.0), "-35.000000");
    EXPECT_EQ(FormatFixed6(1.0 / 3.0), "0.333333");
}

} // namespace
} // namespace qb
