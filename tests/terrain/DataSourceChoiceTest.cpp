#include "terrain/DataSourceChoice.h"

#include "platform/MemorySettingsStore.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qb {
namespace {

void TouchFile(const test::CTempDir& temp, const std::string& relative)
{
    const std::string path = temp.File(relative);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    test::WriteFileBytes(path, "");
}

std::vector<int> Enabled(const CMapSelectLogic& logic)
{
    std::vector<int> settings;
    for (int setting = -1; setting <= kMeshSettingCount; ++setting) {
        if (logic.IsEnabled(setting))
            settings.push_back(setting);
    }
    return settings;
}

TEST(DataDiscCode, TheFirstProbeFileFoundNamesTheDisc)
{
    test::CTempDir temp;
    EXPECT_EQ(DataDiscCode(""), -1);
    EXPECT_EQ(DataDiscCode(temp.Path()), -2);
    TouchFile(temp, "Data/5338/533800.mem");
    EXPECT_EQ(DataDiscCode(temp.Path()), 2);
    TouchFile(temp, "Data/250m/5639.sem");
    EXPECT_EQ(DataDiscCode(temp.Path()), 4);
    TouchFile(temp, "Data/6442/644200.mem");
    EXPECT_EQ(DataDiscCode(temp.Path()), 1);
    TouchFile(temp, "Data/4931/493100.mem");
    EXPECT_EQ(DataDiscCode(temp.Path()), 3);
}

TEST(MapSelectLogic, SettingsAreEnabledByTheDataTheyNeed)
{
    struct Case {
        std::vector<std::string> files;
        std::vector<int> enabled;
    };
    const Case cases[] = {
        {{"10m/5339-06.3dm"}, {1}},
        {{"5m/5339-06-00.3DM"}, {2}},
        {{"10m/a.3dm", "5m/b.3dm"}, {1, 2, 3}},
        {{"1m/c-DEM1A.3dm"}, {4}},
        {{"1m/c.3dm", "5m/b.3dm"}, {2, 4}},
        {{"1m/c.3dm", "10m/a.3dm"}, {1, 4}},
        {{"1m/c.3dm", "5m/b.3dm", "10m/a.3dm"}, {1, 2, 3, 4, 5}},
        // Neither other names nor a folder that looks like a tile count.
        {{"10m/notes.txt", "10m/x.3dm/inner", "5m/.3dm", "1m/a.3dmx"}, {}},
    };
    for (const auto& c : cases) {
        test::CTempDir temp;
        for (const auto& file : c.files)
            TouchFile(temp, "db/" + file);
        const CMapSelectLogic logic(temp.File("db"), "");
        EXPECT_EQ(Enabled(logic), c.enabled) << c.files[0];
        EXPECT_EQ(logic.Caption(0), "");
    }
}

TEST(MapSelectLogic, ADiscEnablesTheDiscSettingUnderItsName)
{
    const std::pair<const char*, const char*> discs[] = {
        {"Data/6442/644200.mem", "数値地図50ｍﾒｯｼｭ日本Ⅰ"},
        {"Data/5338/533800.mem", "数値地図50ｍﾒｯｼｭ日本Ⅱ"},
        {"Data/4931/493100.mem", "数値地図50ｍﾒｯｼｭ日本Ⅲ"},
        {"Data/250m/5639.sem", "数値地図２５０ｍメッシュ"},
    };
    for (const auto& [probe, caption] : discs) {
        test::CTempDir temp;
        TouchFile(temp, std::string("disc/") + probe);
        const CMapSelectLogic logic(temp.File("db"), temp.File("disc"));
        EXPECT_EQ(Enabled(logic), std::vector<int>{0});
        EXPECT_EQ(logic.Caption(0), caption);
        EXPECT_EQ(logic.Preselection(1), 0);
    }
}

TEST(MapSelectLogic, TheStoredSettingIsPreselectedOnlyWhenItHasData)
{
    test::CTempDir temp;
    TouchFile(temp, "db/5m/b.3dm");
    TouchFile(temp, "db/1m/c.3dm");
    const CMapSelectLogic logic(temp.File("db"), temp.File("nodisc"));
    EXPECT_EQ(logic.DiscCode(), -2);
    EXPECT_EQ(logic.Preselection(4), 4);
    EXPECT_EQ(logic.Preselection(1), 2) << "a stored setting without data gives way to the first with data";
    EXPECT_EQ(logic.Preselection(17), 2);
    test::CRecordingMessageSink messages;
    EXPECT_TRUE(logic.WarnWhenEmpty(messages));
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(MapSelectLogic, NothingToChooseIsSaid)
{
    test::CTempDir temp;
    const CMapSelectLogic logic(temp.File("missing"), "");
    EXPECT_FALSE(logic.AnyEnabled());
    EXPECT_EQ(logic.Preselection(1), -1);
    test::CRecordingMessageSink messages;
    EXPECT_FALSE(logic.WarnWhenEmpty(messages));
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"データベースフォルダにデータが見つかりません。"});
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);
}

std::vector<DataDriveEntry> SomeDrives()
{
    return {{'A', "/", false}, {'B', "/media/usb", true}, {'c', "/media/cdrom", true}, {'D', "/home", false}};
}

TEST(DataDriveChoiceLogic, BothListsSelectTheCurrentDrive)
{
    CMemorySettingsStore settings;
    const CDataDriveChoiceLogic logic(SomeDrives(), 'C', settings);
    ASSERT_EQ(logic.AllDrives().size(), 4u);
    ASSERT_EQ(logic.RemovableDrives().size(), 2u);
    EXPECT_EQ(logic.RemovableDrives()[0].letter, 'B');
    EXPECT_EQ(logic.AllSelection(), 2);
    EXPECT_EQ(logic.RemovableSelection(), 1);
    EXPECT_FALSE(logic.RemovableOnly());

    const CDataDriveChoiceLogic fixedCurrent(SomeDrives(), 'd', settings);
    EXPECT_EQ(fixedCurrent.AllSelection(), 3);
    EXPECT_EQ(fixedCurrent.RemovableSelection(), -1);
}

TEST(DataDriveChoiceLogic, OkReadsTheListOfTheCheckBoxAndStoresIt)
{
    CMemorySettingsStore settings;
    settings.WriteSettingInt("Param", "AutoSelect", 1);
    CDataDriveChoiceLogic logic(SomeDrives(), 'B', settings);
    EXPECT_TRUE(logic.RemovableOnly());
    logic.SelectInRemovable(1);
    logic.SelectInAll(3);
    EXPECT_EQ(logic.Accept(), 'C') << "the removable list, in upper case";
    EXPECT_EQ(settings.GetSettingInt("Param", "AutoSelect", -1), 1);

    logic.SetRemovableOnly(false);
    EXPECT_EQ(logic.Accept(), 'D');
    EXPECT_EQ(settings.GetSettingInt("Param", "AutoSelect", -1), 0);

    // A list without a selection keeps the current drive.
    CDataDriveChoiceLogic fixedCurrent(SomeDrives(), 'd', settings);
    fixedCurrent.SetRemovableOnly(true);
    EXPECT_EQ(fixedCurrent.Accept(), 'D');
}

} // namespace
} // namespace qb
