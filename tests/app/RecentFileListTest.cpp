#include "app/RecentFileList.h"

#include "platform/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(RecentFileList, NewestFirstWithoutDuplicatesAndAtMostTen)
{
    CRecentFileList list;
    for (int i = 1; i <= 12; ++i)
        list.Add("/d/" + std::to_string(i) + ".3dm");
    list.Add("/d/5.3dm");
    list.Add("");
    ASSERT_EQ(list.Entries().size(), 10u);
    EXPECT_EQ(list.Entries()[0], "/d/5.3dm");
    EXPECT_EQ(list.Entries()[1], "/d/12.3dm");
    EXPECT_EQ(list.Entries()[9], "/d/3.3dm");
    list.Remove(1);
    list.Remove(42);
    EXPECT_EQ(list.Entries()[1], "/d/11.3dm");
    EXPECT_EQ(list.Entries().size(), 9u);
}

TEST(RecentFileList, SavedListReadsBackAndEmptySlotsAreCleared)
{
    CMemorySettingsStore store;
    store.WriteSettingString("Recent File List", "File10", "/old.3dm");
    CRecentFileList list;
    list.Add("/b.3dm");
    list.Add("/a.3dm");
    list.Save(store);
    EXPECT_EQ(store.GetSettingString("Recent File List", "File1", ""), "/a.3dm");
    EXPECT_EQ(store.GetSettingString("Recent File List", "File10", "?"), "");

    CRecentFileList loaded;
    loaded.Load(store);
    EXPECT_EQ(loaded.Entries(), list.Entries());
}

TEST(RecentFileList, DisplayNamesAreShortenedToThirtyCharacters)
{
    EXPECT_EQ(AbbreviatePath("/home/u/N35E138.3dm", 30), "/home/u/N35E138.3dm");
    EXPECT_EQ(AbbreviatePath("/home/user/terrain/tiles/10m/N35E138.3dm", 30),
              "/home/.../10m/N35E138.3dm");
    EXPECT_EQ(AbbreviatePath("/home/user/terrain/tiles/a-very-long-file-name.3dm", 30),
              "a-very-long-file-name.3dm");
    EXPECT_EQ(AbbreviatePath("/a/b/c/d/e/f/g/an-even-longer-name-than-thirty.3dm", 30),
              "an-even-longer-name-than-thirty.3dm");
    // Characters, not bytes: 28 Japanese characters fit although they take 84 bytes.
    const std::string japanese = "/地形/あいうえおかきくけこさしすせそたちつて.3dm";
    EXPECT_EQ(AbbreviatePath(japanese, 30), japanese);

    CRecentFileList list;
    list.Add("/home/user/terrain/tiles/10m/N35E138.3dm");
    EXPECT_EQ(list.DisplayName(0), "/home/.../10m/N35E138.3dm");
    EXPECT_EQ(list.DisplayName(1), "");
}

} // namespace
} // namespace qb
