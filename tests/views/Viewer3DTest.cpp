#include "views/Viewer3D.h"

#include "platform/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(Viewer3D, AnglesStartFromTheStoreWithDefaultsForMissingOrOutOfRangeValues)
{
    CMemorySettingsStore store;
    {
        CViewer3D viewer(store);
        EXPECT_EQ(viewer.GetRotate(), 30.0);
        EXPECT_EQ(viewer.GetTilt(), 15.0);
        EXPECT_DOUBLE_EQ(viewer.m_dRotate, 30 * kPi / 180);
        EXPECT_DOUBLE_EQ(viewer.m_dTilt, 15 * kPi / 180);
    }
    struct Case { int rotate, tilt; double expectRotate, expectTilt; };
    for (const Case c : {Case{400, -200, 30, 15}, Case{-360, 180, -360, 180}, Case{361, -181, 30, 15}}) {
        store.WriteSettingInt("Viewer3D", "Rotate", c.rotate);
        store.WriteSettingInt("Viewer3D", "Tilt", c.tilt);
        CViewer3D viewer(store);
        EXPECT_EQ(viewer.GetRotate(), c.expectRotate) << c.rotate;
        EXPECT_EQ(viewer.GetTilt(), c.expectTilt) << c.tilt;
    }
}

TEST(Viewer3D, LeavingStoresWholeDegreesTruncatedWithoutLosingWholeAngles)
{
    CMemorySettingsStore store;
    {
        CViewer3D viewer(store);
        viewer.SetAngles(29.9, -0.5);
        viewer.m_memoryFont.faceName = "Noto Sans CJK JP";
        viewer.m_memoryFont.colour = 0x00FF00;
    }
    EXPECT_EQ(store.GetSettingInt("Viewer3D", "Rotate", 0), 29);
    EXPECT_EQ(store.GetSettingInt("Viewer3D", "Tilt", 99), 0);
    CViewer3D reread(store);
    EXPECT_EQ(reread.m_memoryFont.faceName, "Noto Sans CJK JP");
    EXPECT_EQ(reread.m_memoryFont.colour, 0x00FF00u);
    // Some whole angles come back from radians a hair below themselves.
    for (int degrees = -360; degrees <= 360; ++degrees) {
        EXPECT_EQ(StoredDegrees(degrees * kPi / 180.0, 0), degrees);
        EXPECT_EQ(StoredDegrees((degrees + 0.999) * kPi / 180.0, 0), degrees + (degrees < 0 ? 1 : 0));
    }
}

} // namespace
} // namespace qb
