#include "app/DataDisc.h"
#include "app/Folders.h"

#include "tests/app/FakeSystemServices.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qb {
namespace {

TEST(Folders, CheckFolderDropsOneTrailingSeparatorAndReportsMissingFolders)
{
    test::CTempDir temp;
    test::CFakeSystemServices system;
    test::CRecordingMessageSink messages;
    for (const std::string suffix : {"", "/", "\\"}) {
        std::string path = temp.Path() + suffix;
        EXPECT_TRUE(CheckFolder(system, messages, path)) << suffix;
        EXPECT_EQ(path, temp.Path());
    }
    std::string root = "/";
    EXPECT_TRUE(CheckFolder(system, messages, root));
    EXPECT_EQ(root, "/");
    EXPECT_TRUE(messages.Messages().empty());

    std::string missing = temp.File("missing") + "//";
    EXPECT_FALSE(CheckFolder(system, messages, missing));
    EXPECT_EQ(missing, temp.File("missing") + "/");
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, kFolderNotFoundMessage);
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);
}

TEST(Folders, EnsureFolderCreatesMissingFoldersOnly)
{
    test::CTempDir temp;
    test::CFakeSystemServices system;
    system.currentFolder = temp.Path();
    EXPECT_TRUE(EnsureFolder(system, temp.File("a/b")));
    EXPECT_TRUE(std::filesystem::is_directory(temp.File("a/b")));
    EXPECT_TRUE(EnsureFolder(system, "a"));
    EXPECT_EQ(system.createdFolders.size(), 1u);
    EXPECT_FALSE(EnsureFolder(system, ""));
    test::WriteFileBytes(temp.File("file"), "x");
    EXPECT_FALSE(EnsureFolder(system, temp.File("file")));
}

TEST(DataDisc, VolumesAreClassifiedIntoDriveTypes)
{
    struct Case { VolumeInfo volume; int type; };
    const Case cases[] = {
        {{"/media/a", "iso9660", "/dev/sdc"}, kDriveCdrom},
        {{"/media/b", "udf", "/dev/sdc"}, kDriveCdrom},
        {{"/media/c", "auto", "/dev/sr1"}, kDriveCdrom},
        {{"/net/d", "nfs4", "srv:/x"}, kDriveRemote},
        {{"/net/e", "fuse.sshfs", "u@h:"}, kDriveRemote},
        {{"/net/f", "cifs", "//srv/x"}, kDriveRemote},
        {{"/run/g", "tmpfs", "tmpfs"}, kDriveRamDisk},
        {{"/media/h", "vfat", "/dev/sdb1", true}, kDriveRemovable},
        {{"/mnt/i", "ext4", "/dev/sdd1", false, false}, kDriveNoRoot},
        {{"/", "ext4", "/dev/sda1"}, kDriveFixed},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DriveTypeOf(c.volume), c.type) << c.volume.rootPath;
}

TEST(DataDisc, LettersFollowTheOrderOfRootPaths)
{
    const std::vector<VolumeInfo> volumes = {
        {"/media/disc", "iso9660", "/dev/sr0"}, {"/", "ext4", "/dev/sda1"},
        {"/home", "ext4", "/dev/sda2"}, {"/", "ext4", "/dev/sda1"}};
    DriveTypeTable types;
    types.fill(9);
    EXPECT_EQ(FindFirstCdromDrive(volumes, types), 'C');
    EXPECT_EQ(types[0], kDriveUnknown);
    EXPECT_EQ(types[3], kDriveCdrom);
    EXPECT_EQ(types[4], kDriveUnknown);
    EXPECT_EQ(DriveRootPath(volumes, 'A'), "/");
    EXPECT_EQ(DriveRootPath(volumes, 'b'), "/home");
    EXPECT_EQ(DriveRootPath(volumes, 'D'), "");
    EXPECT_EQ(DriveRootPath(volumes, 0), "");
    EXPECT_EQ(DriveRootPath(volumes, 'Z'), "");
}

} // namespace
} // namespace qb
