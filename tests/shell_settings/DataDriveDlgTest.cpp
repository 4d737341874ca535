#include "shell/settings/DataDriveDlg.h"
#include "shell/settings/DataDriveEntries.h"
#include "shell/settings/SettingsCommands.h"

#include "tests/shell_settings/SettingsFixture.h"

#include <QCheckBox>
#include <QListWidget>

namespace qb {
namespace {

using test::OnModal;

std::vector<std::string> Items(const QListWidget* list)
{
    std::vector<std::string> items;
    for (int row = 0; row < list->count(); ++row)
        items.push_back(list->item(row)->text().toStdString());
    return items;
}

struct DataDriveCommand : test::SettingsFixture {
    void SetUp() override
    {
        // Lettered by mount root: A "/", B "/media/dvd", C "/media/usb", D "/mnt/nas".
        system.volumes = {{"/mnt/nas", "nfs4", "server:/x"},
                          {"/media/usb", "vfat", "/dev/sdb1", true},
                          {"/", "ext4", "/dev/sda1"},
                          {"/media/dvd", "iso9660", "/dev/sr0", true}};
    }
};

TEST_F(DataDriveCommand, DrivesAreLetteredByMountRootWithDiscAndRemovableDrivesApart)
{
    const std::vector<DataDriveEntry> entries = DataDriveEntriesOf(system.volumes);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].letter, 'A');
    EXPECT_EQ(entries[0].root, "/");
    EXPECT_FALSE(entries[0].removable);
    EXPECT_EQ(entries[1].letter, 'B');
    EXPECT_TRUE(entries[1].removable);  // a disc drive
    EXPECT_EQ(entries[2].root, "/media/usb");
    EXPECT_TRUE(entries[2].removable);
    EXPECT_FALSE(entries[3].removable);  // a network share
}

TEST_F(DataDriveCommand, ShowsBothListsWithTheCurrentDriveAndOkTakesTheCheckedList)
{
    app.m_chDataDrive = 'C';
    OnModal<CDataDriveDlg>([&](CDataDriveDlg& dialog) {
        auto* all = Child<QListWidget>(dialog, "allDrives");
        auto* removable = Child<QListWidget>(dialog, "removableDrives");
        EXPECT_EQ(Items(all), (std::vector<std::string>{"A:  /", "B:  /media/dvd", "C:  /media/usb", "D:  /mnt/nas"}));
        EXPECT_EQ(Items(removable), (std::vector<std::string>{"B:  /media/dvd", "C:  /media/usb"}));
        EXPECT_EQ(all->currentRow(), 2);
        EXPECT_EQ(removable->currentRow(), 1);
        EXPECT_FALSE(Child<QCheckBox>(dialog, "removableOnly")->isChecked());
        EXPECT_FALSE(removable->isEnabled());
        Child<QCheckBox>(dialog, "removableOnly")->click();
        EXPECT_TRUE(removable->isEnabled());
        EXPECT_FALSE(all->isEnabled());
        removable->setCurrentRow(0);
        all->setCurrentRow(3);
        dialog.accept();
    });
    EXPECT_TRUE(RunDataDriveCommand(app, nullptr));
    EXPECT_EQ(app.m_chDataDrive, 'B');
    EXPECT_EQ(store.GetSettingInt("Param", "AutoSelect", -1), 1);
}

TEST_F(DataDriveCommand, TheStoredCheckBoxOpensTheDialogAndCancelStoresNothing)
{
    store.WriteSettingInt("Param", "AutoSelect", 1);
    app.m_chDataDrive = 'b';
    OnModal<CDataDriveDlg>([&](CDataDriveDlg& dialog) {
        EXPECT_TRUE(Child<QCheckBox>(dialog, "removableOnly")->isChecked());
        EXPECT_EQ(Child<QListWidget>(dialog, "removableDrives")->currentRow(), 0);
        Child<QCheckBox>(dialog, "removableOnly")->click();
        Child<QListWidget>(dialog, "allDrives")->setCurrentRow(0);
        dialog.reject();
    });
    EXPECT_FALSE(RunDataDriveCommand(app, nullptr));
    EXPECT_EQ(app.m_chDataDrive, 'b');
    EXPECT_EQ(store.GetSettingInt("Param", "AutoSelect", -1), 1);
    EXPECT_EQ(store.WriteCount(), 1);
}

} // namespace
} // namespace qb
