#include "platform/qt/QtSystemServices.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace qb {
namespace {

namespace fs = std::filesystem;

TEST(QtSystemServices, FoldersAndTheWorkingFolder)
{
    test::CTempDir temp;
    CQtSystemServices system;
    const std::string nested = temp.File("データ/a/b");
    EXPECT_FALSE(system.FolderExists(nested));
    EXPECT_TRUE(system.CreateFolder(nested));
    EXPECT_TRUE(system.FolderExists(nested));
    EXPECT_FALSE(system.FileExists(nested));
    EXPECT_FALSE(system.CreateFolder(""));
    EXPECT_FALSE(system.FolderExists(""));

    test::WriteFileBytes(temp.File("japan.GLL"), "x");
    EXPECT_TRUE(system.FileExists(temp.File("japan.GLL")));
    EXPECT_FALSE(system.FolderExists(temp.File("japan.GLL")));

    const std::string before = system.CurrentFolder();
    EXPECT_TRUE(system.SetCurrentFolder(nested));
    EXPECT_EQ(fs::canonical(system.CurrentFolder()), fs::canonical(nested));
    EXPECT_TRUE(system.FileExists("../../../japan.GLL"));
    EXPECT_FALSE(system.SetCurrentFolder(temp.File("missing")));
    EXPECT_TRUE(system.SetCurrentFolder(before));
}

TEST(QtSystemServices, MountedVolumesIncludeTheRootFolder)
{
    CQtSystemServices system;
    const auto volumes = system.MountedVolumes();
    const auto root = std::find_if(volumes.begin(), volumes.end(),
                                   [](const VolumeInfo& v) { return v.rootPath == "/"; });
    ASSERT_NE(root, volumes.end());
    EXPECT_FALSE(root->fileSystem.empty());
    EXPECT_TRUE(root->ready);
}

TEST(QtSystemServices, RemovableFlagComesFromTheDiskOrItsPartition)
{
    test::CTempDir sys;
    fs::create_directories(sys.File("class/block/sr0"));
    test::WriteFileBytes(sys.File("class/block/sr0/removable"), "1\n");
    fs::create_directories(sys.File("devices/sdb/sdb1"));
    test::WriteFileBytes(sys.File("devices/sdb/removable"), "1\n");
    fs::create_symlink(sys.File("devices/sdb/sdb1"), sys.File("class/block/sdb1"));
    fs::create_directories(sys.File("class/block/sda"));
    test::WriteFileBytes(sys.File("class/block/sda/removable"), "0\n");

    EXPECT_TRUE(IsRemovableDevice("/dev/sr0", sys.Path()));
    EXPECT_TRUE(IsRemovableDevice("/dev/sdb1", sys.Path()));
    EXPECT_FALSE(IsRemovableDevice("/dev/sda", sys.Path()));
    EXPECT_FALSE(IsRemovableDevice("/dev/nvme0n1", sys.Path()));
    EXPECT_FALSE(IsRemovableDevice("tmpfs", sys.Path()));
}

} // namespace
} // namespace qb
