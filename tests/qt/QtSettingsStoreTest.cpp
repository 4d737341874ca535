#include "platform/qt/QtSettingsStore.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

class QtSettingsStoreTest : public ::testing::Test {
protected:
    test::CTempDir m_temp;
    const QString m_ini = QString::fromStdString(m_temp.File("Quarrenby.ini"));
};

TEST_F(QtSettingsStoreTest, ValuesReachTheFileAtOnceAndReadBack)
{
    CQtSettingsStore store(m_ini);
    EXPECT_TRUE(store.WriteSettingString("Param", "Database", "/home/利用者/Quarrenby"));
    EXPECT_TRUE(store.WriteSettingInt("Param", "MapKind", -42));
    EXPECT_TRUE(store.WriteSettingString("Recent File List", "File1", "/d/a, b.3dm"));
    EXPECT_TRUE(store.WriteSettingInt("Peak1", "FontColor", 0x800080));
    WriteSettingReal(store, "HightTime", "HightTime", 1.5);

    CQtSettingsStore other(m_ini);
    EXPECT_EQ(other.GetSettingString("Param", "Database", ""), "/home/利用者/Quarrenby");
    EXPECT_EQ(other.GetSettingInt("Param", "MapKind", 0), -42);
    EXPECT_EQ(other.GetSettingString("Recent File List", "File1", ""), "/d/a, b.3dm");
    EXPECT_EQ(other.GetSettingInt("Peak1", "FontColor", 0), 0x800080);
    EXPECT_EQ(other.GetSettingString("HightTime", "HightTime", ""), "1.500000");
    EXPECT_DOUBLE_EQ(GetSettingReal(other, "HightTime", "HightTime", "1.0"), 1.5);
    EXPECT_EQ(other.GetSettingString("Param", "MapKind", ""), "-42");
}

TEST_F(QtSettingsStoreTest, MissingOrMalformedValuesGiveTheDefault)
{
    test::WriteFileBytes(m_temp.File("Quarrenby.ini"),
                         "[HightTime]\nHightTime=abc\nHightTimeFlg=x1\n"
                         "[Recent%20File%20List]\nFile2=/a,/b\n");
    CQtSettingsStore store(m_ini);
    EXPECT_EQ(store.GetSettingInt("Param", "MapKind", 3), 3);
    EXPECT_EQ(store.GetSettingString("Nowhere", "Key", "既定"), "既定");
    EXPECT_EQ(store.GetSettingInt("HightTime", "HightTimeFlg", 1), 1);
    EXPECT_DOUBLE_EQ(GetSettingReal(store, "HightTime", "HightTime", "1.0"), 0.0);
    EXPECT_EQ(store.GetSettingString("Recent File List", "File2", ""), "/a,/b");
}

TEST(QtSettingsStore, UserStoreIsRootedAtTheApplicationsNames)
{
    const QString path = CQtSettingsStore().FileName();
    EXPECT_TRUE(path.endsWith(QStringLiteral("/Quarrenby 5_0/Quarrenby.ini"))) << path.toStdString();
}

} // namespace
} // namespace qb
