// Every input a fuzz target once crashed on, replayed through the same
// reader: each must now be refused cleanly or read whole.
#include "tests/fuzz/ReaderReplay.h"

#include "app/AreaFiles.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qb::fuzz {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::SourcePath;

std::vector<std::string> RegressionInputs(const std::string& target)
{
    std::vector<std::string> paths;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(SourcePath("tests/data/fuzz/" + target), error))
        if (entry.is_regular_file())
            paths.push_back(entry.path().string());
    return paths;
}

TEST(FuzzRegression, EveryRegressionInputIsRefusedOrReadWithoutFault)
{
    for (const ReplayTarget& target : kReplayTargets) {
        for (const std::string& path : RegressionInputs(target.name)) {
            SCOPED_TRACE(path);
            EXPECT_EQ(target.replay(ReadFileBytes(path)).fault, "");
        }
    }
}

TEST(FuzzRegression, EmptyAndShortForeignBytesAreRefusedByEveryReader)
{
    const std::string foreign(300, 'x');
    for (const ReplayTarget& target : kReplayTargets) {
        SCOPED_TRACE(target.name);
        for (const std::string& bytes : {std::string(), foreign}) {
            const ReplayResult result = target.replay(bytes);
            EXPECT_FALSE(result.accepted);
            EXPECT_EQ(result.fault, "");
        }
    }
}

// The replays reach the readers: real files of every kind are read whole.
TEST(FuzzRegression, RealFilesAreAcceptedByTheirReplays)
{
    const struct {
        Replay replay;
        std::string path;
    } files[] = {
        {ReplayTile, SourcePath("data/sample/FG-GML-5238-74-00-DEM5A-20161001.3dm")},
        {ReplayTextMesh, SourcePath("data/sample/tokachi-644320.mem")},
        {ReplayXml, SourcePath("data/sample/FG-GML-3926-76-DEM10B-20161001.xml")},
        {ReplayZip, std::string(QB_SHARED_DATA_DIR) + "/dem/FG-GML-3624-30-DEM5B.zip"},
        {ReplayPlaces, SourcePath("data/place/tessim2.pln")},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.path);
        const ReplayResult result = file.replay(ReadFileBytes(file.path));
        EXPECT_TRUE(result.accepted);
        EXPECT_EQ(result.fault, "");
    }
    CAreaRecord area;
    area.SetAreaName("area");
    area.SetBaseFile("/db/10m/5339-06.3dm");
    area.SetCounts(3, 2);
    const CAreaRecord written = AreaFileRecord(area);
    const ReplayResult result =
        ReplayArea(std::string(reinterpret_cast<const char*>(written.RawBytes().data()), kAreaRecordSize));
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(result.fault, "");
}

} // namespace
} // namespace qb::fuzz

namespace qb::fuzz {
namespace {

// The message replay reaches the web map: a load and the boxes are taken up
// without fault, and a hostile layer never reaches the page.
TEST(FuzzRegression, MapMessagesAreTakenUpByTheirReplay)
{
    const ReplayResult result =
        ReplayWebMessage("MapLoaded\nLayerChanged,x');alert(1)//\nMapLoaded\nboxzoom,36,140,35.25,139.25\npinpoint,35.5,139\n");
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(result.fault, "");
}

} // namespace
} // namespace qb::fuzz
