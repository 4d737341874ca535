#include "terrain/AreaAssembly.h"

#include "terrain/MeshNaming.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScriptedProgress.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace qb {
namespace {

// Lines of the grid as coordinates: secondary and tenth latitude and
// longitude indices, and primary lines.
double LatOfSecondary(int index) { return index / 12.0; }
double LonOfSecondary(int index) { return 100.0 + index / 8.0; }

class AreaAssembly : public ::testing::Test {
protected:
    AreaAssembly()
    {
        context.databaseFolder = temp.File("db");
        context.discRoot = temp.File("disc");
        context.messages = &messages;
        for (const char* sub : {"db/10m", "db/5m", "db/1m", "disc/Data/250m"})
            std::filesystem::create_directories(temp.File(sub));
    }

    // Creates the empty file of the kind's cell and returns its path.
    std::string Touch(int kind, const CellCode& cell)
    {
        const std::string path = DataSourcePath(kind, cell, context.databaseFolder, context.discRoot);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        test::WriteFileBytes(path, "");
        return path;
    }
    std::string TouchSecondary(int row, int column) { return Touch(kSource10m, CellOfSecondaryIndex(row, column)); }

    // Secondary rows south .. north-1 and columns west .. east-1, longitudes negated.
    bool AssembleSecondary(int kind, int south, int north, int west, int east, IProgress* progress = nullptr)
    {
        return AssembleArea(records, kind, -LonOfSecondary(west), -LonOfSecondary(east), LatOfSecondary(south),
                            LatOfSecondary(north), context, progress);
    }

    test::CTempDir temp;
    test::CRecordingMessageSink messages;
    CAssemblyContext context;
    CAreaRecords records;
};

void ExpectRecord(const CAreaRecord& record, const std::string& base, int across, int down, int column, int row)
{
    EXPECT_EQ(record.BaseFile(), base);
    EXPECT_EQ(record.Across(), across);
    EXPECT_EQ(record.OldAcross(), across);
    EXPECT_EQ(record.Down(), down);
    EXPECT_EQ(record.OldDown(), down);
    EXPECT_EQ(record.BaseColumn(), column);
    EXPECT_EQ(record.BaseRow(), row);
}

TEST(MeshSetting, EverySettingNamesTheKindItIsAssembledFromFirst)
{
    EXPECT_EQ(SourceKindOfMeshSetting(kMesh10m), kSource10m);
    EXPECT_EQ(SourceKindOfMeshSetting(kMesh5m), kSource5m);
    EXPECT_EQ(SourceKindOfMeshSetting(kMeshHybrid5m10m), kSourceHybrid10m);
    EXPECT_EQ(SourceKindOfMeshSetting(kMesh1m), kSource1m);
    EXPECT_EQ(SourceKindOfMeshSetting(kMeshHybrid1m5m10m), kSourceHybrid10m);
    EXPECT_EQ(SourceKindOfMeshSetting(kMeshDisc, kSourceDisc250m), kSourceDisc250m);
    EXPECT_EQ(SourceKindOfMeshSetting(kMeshDisc), 0) << "no disc found";
    EXPECT_EQ(SourceKindOfMeshSetting(kMeshDisc, kSource10m), 0) << "not a disc kind";
    EXPECT_EQ(SourceKindOfMeshSetting(6), 0);
}

TEST_F(AreaAssembly, ASnappedRectangleTakesExactlyTheTilesInside)
{
    const std::string first = TouchSecondary(425, 317);
    TouchSecondary(426, 316);
    TouchSecondary(427, 318);
    TouchSecondary(428, 317);   // north of the north line
    TouchSecondary(426, 319);   // east of the east line
    TouchSecondary(424, 317);   // south of the south line
    TouchSecondary(426, 315);   // west of the west line

    ASSERT_TRUE(AssembleSecondary(kSource10m, 425, 428, 316, 319));
    EXPECT_EQ(first, temp.File("db/10m/5339-15.3dm"));
    // The first tile found is the south-west-most in walk order; its row is
    // counted from the north, its column from the west.
    ExpectRecord(records.base, first, 3, 3, 1, 2);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(AreaAssembly, EdgesOnPrimaryLinesEndWithCellSevenOfThePreviousPrimaryCell)
{
    const std::string inside = TouchSecondary(431, 319);   // 5339-77
    TouchSecondary(432, 319);                              // 5439-07
    TouchSecondary(431, 320);                              // 5340-70
    ASSERT_TRUE(AssembleSecondary(kSource10m, 430, 432, 318, 320));
    EXPECT_EQ(inside, temp.File("db/10m/5339-77.3dm"));
    ExpectRecord(records.base, inside, 1, 1, 0, 0);
}

TEST_F(AreaAssembly, EdgesInAnyOrderAndSlightlyOffTheLinesGiveTheSameArea)
{
    const std::string tile = TouchSecondary(426, 317);
    TouchSecondary(427, 318);
    TouchSecondary(425, 317);   // south of the south line
    TouchSecondary(426, 316);   // west of the west line
    // Every edge a little south or west of its line, as float rounding leaves it.
    const double eps = 1e-9;
    ASSERT_TRUE(AssembleArea(records, kSource10m, -LonOfSecondary(319) + eps, -LonOfSecondary(317) + eps,
                             LatOfSecondary(428) - eps, LatOfSecondary(426) - eps, context, nullptr));
    ExpectRecord(records.base, tile, 2, 2, 0, 1);
}

TEST_F(AreaAssembly, TenthKindsCoverWholeSecondaryCellsAndFillTheirOwnRecord)
{
    const CellCode sw = CellOfTenthIndex(4261, 3172), ne = CellOfTenthIndex(4268, 3179);
    const std::string first = Touch(kSource5m, sw);
    Touch(kSource5m, ne);
    Touch(kSource5m, CellOfTenthIndex(4270, 3175));   // next secondary cell north
    EXPECT_EQ(first, temp.File("db/5m/5339-25-12.3dm"));

    ASSERT_TRUE(AssembleSecondary(kSource5m, 426, 427, 317, 318));
    ExpectRecord(records.base, first, 8, 8, 0, 7);

    ASSERT_TRUE(AssembleSecondary(kSourceHybrid5m, 426, 427, 317, 318));
    ExpectRecord(records.fiveMetre, first, 8, 8, 0, 7);

    const std::string oneMetre = Touch(kSource1m, ne);
    EXPECT_EQ(oneMetre, temp.File("db/1m/5339-25-89-DEM1A.3dm"));
    ASSERT_TRUE(AssembleSecondary(kSourceHybrid1m, 426, 427, 317, 318));
    ExpectRecord(records.oneMetre, oneMetre, 1, 1, 0, 0);
    EXPECT_EQ(records.base.BaseFile(), first) << "kind 10 leaves the base record";
}

TEST_F(AreaAssembly, DiscFilesAreFoundAndThe250mDiscRoundsEachEdgeToTheNearestLine)
{
    auto primary = [](int P, int Q) { CellCode c; c.P = P; c.Q = Q; return c; };
    const std::string first = Touch(kSourceDisc250m, primary(56, 39));
    Touch(kSourceDisc250m, primary(57, 40));
    Touch(kSourceDisc250m, primary(58, 40));   // beyond the north line
    Touch(kSourceDisc250m, primary(56, 41));   // beyond the east line
    Touch(kSourceDisc250m, primary(58, 39));
    EXPECT_EQ(first, temp.File("disc/Data/250m/5639.sem"));

    // Edges 0.4 of a cell off their lines, each on a different side.
    ASSERT_TRUE(AssembleArea(records, kSourceDisc250m, -138.6, -141.4, (56 + 0.4) / 1.5, (58 - 0.4) / 1.5,
                             context, nullptr));
    ExpectRecord(records.base, first, 2, 2, 0, 1);
    // Past half a cell the edge goes to the next line.
    ASSERT_TRUE(AssembleArea(records, kSourceDisc250m, -138.6, -140.6, (56 + 0.6) / 1.5, (58 + 0.6) / 1.5,
                             context, nullptr));
    ExpectRecord(records.base, temp.File("disc/Data/250m/5740.sem"), 2, 2, 1, 1);
    EXPECT_FALSE(AssembleArea(records, kSourceDisc250m, -139.1, -139.4, 56.0 / 1.5, 57.0 / 1.5, context, nullptr))
        << "edges that round to the same line leave no cell";

    const std::string mem = Touch(kSourceDisc50mII, CellOfSecondaryIndex(426, 304));
    EXPECT_EQ(mem, temp.File("disc/Data/5338/533820.mem"));
    ASSERT_TRUE(AssembleSecondary(kSourceDisc50mII, 426, 427, 304, 305));
    ExpectRecord(records.base, mem, 1, 1, 0, 0);
}

TEST_F(AreaAssembly, TooManyCandidateCellsAreRefusedBeforeAnyFileIsTested)
{
    TouchSecondary(426, 317);
    records.base.SetBaseFile("kept");
    test::CScriptedProgress progress;
    EXPECT_FALSE(AssembleSecondary(kSource10m, 300, 600, 200, 500, &progress));
    EXPECT_TRUE(progress.Reports().empty());
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"オープンできるファイルの数は 65536 個までです。"});
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(records.base.BaseFile(), "kept");

    // The same 26 x 26 secondary cells are 676 candidates at 10 m but 67600 at 5 m.
    messages.Clear();
    EXPECT_TRUE(AssembleSecondary(kSource10m, 410, 436, 310, 336));
    EXPECT_FALSE(AssembleSecondary(kSourceHybrid5m, 410, 436, 310, 336));
    EXPECT_EQ(messages.Messages().size(), 1u);
}

TEST_F(AreaAssembly, ExactlyTheLimitOfCandidateCellsIsWalked)
{
    TouchSecondary(426, 317);
    test::CScriptedProgress progress;
    EXPECT_TRUE(AssembleSecondary(kSource10m, 300, 556, 200, 456, &progress));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(progress.Reports().size(), 20u);
    EXPECT_EQ(progress.Reports().back(), std::make_pair(std::int64_t{20 * 3276}, std::int64_t{65536}));
}

TEST_F(AreaAssembly, CancellingStopsTheWalkAndLeavesTheRecord)
{
    TouchSecondary(420, 310);
    records.base.SetBaseFile("kept");
    test::CScriptedProgress progress(2);
    EXPECT_FALSE(AssembleSecondary(kSource10m, 420, 430, 310, 320, &progress));
    const std::vector<std::pair<std::int64_t, std::int64_t>> expected{{5, 100}, {10, 100}};
    EXPECT_EQ(progress.Reports(), expected);
    EXPECT_EQ(records.base.BaseFile(), "kept");

    test::CScriptedProgress small;
    EXPECT_TRUE(AssembleSecondary(kSource10m, 420, 422, 310, 312, &small));
    EXPECT_EQ(small.Reports().size(), 4u) << "fewer than 20 cells report at every cell";
}

TEST_F(AreaAssembly, OnlyThe5mKindSaysThatNothingWasFound)
{
    records.base.SetBaseFile("kept");
    EXPECT_FALSE(AssembleSecondary(kSource5m, 426, 427, 317, 318));
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"選択した範囲にファイルは見つかりませんでした。"});
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);

    messages.Clear();
    for (const int kind : {1, 2, 3, 4, 5, 7, 8, 9, 10})
        EXPECT_FALSE(AssembleSecondary(kind, 426, 427, 317, 318)) << kind;
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(records.base.BaseFile(), "kept");
}

TEST_F(AreaAssembly, UnusableInputIsRefusedQuietly)
{
    TouchSecondary(426, 317);
    EXPECT_FALSE(AssembleArea(records, kSource10m, NAN, -140.0, 35.5, 35.6, context, nullptr));
    EXPECT_FALSE(AssembleArea(records, kSource10m, -139.0, -INFINITY, 35.5, 35.6, context, nullptr));
    EXPECT_FALSE(AssembleArea(records, kSource10m, -139.0, -140.0, -1e300, 35.6, context, nullptr));
    EXPECT_TRUE(messages.Messages().empty());

    // A base path that does not fit the record's 255 bytes is not stored cut.
    const std::string deep = temp.File(std::string(150, 'd') + "/" + std::string(150, 'e'));
    context.databaseFolder = deep;
    Touch(kSource10m, CellOfSecondaryIndex(426, 317));
    records.base.SetBaseFile("kept");
    EXPECT_FALSE(AssembleSecondary(kSource10m, 426, 427, 317, 318));
    EXPECT_EQ(records.base.BaseFile(), "kept");
}

TEST_F(AreaAssembly, HybridsProbeTheirOverlaysAfterTheBase)
{
    const std::string base = TouchSecondary(426, 317);
    const std::string fine = Touch(kSource5m, CellOfTenthIndex(4265, 3175));
    const std::string finest = Touch(kSource1m, CellOfTenthIndex(4266, 3174));
    const double w = -LonOfSecondary(317), e = -LonOfSecondary(318), s = LatOfSecondary(426), n = LatOfSecondary(427);

    CHybridResult result = AssembleHybrid(records, kMeshHybrid5m10m, w, e, s, n, context, nullptr);
    EXPECT_TRUE(result.assembled);
    EXPECT_TRUE(result.found5m);
    EXPECT_FALSE(result.found1m) << "the 5 m hybrid does not look for 1 m tiles";
    EXPECT_EQ(records.base.BaseFile(), base);
    EXPECT_EQ(records.fiveMetre.BaseFile(), fine);
    EXPECT_TRUE(records.oneMetre.BaseFile().empty());

    result = AssembleHybrid(records, kMeshHybrid1m5m10m, w, e, s, n, context, nullptr);
    EXPECT_TRUE(result.assembled && result.found5m && result.found1m);
    EXPECT_EQ(records.oneMetre.BaseFile(), finest);

    std::filesystem::remove(fine);
    result = AssembleHybrid(records, kMeshHybrid1m5m10m, w, e, s, n, context, nullptr);
    EXPECT_TRUE(result.assembled && !result.found5m && result.found1m);

    std::filesystem::remove(base);
    result = AssembleHybrid(records, kMeshHybrid1m5m10m, w, e, s, n, context, nullptr);
    EXPECT_FALSE(result.assembled || result.found5m || result.found1m);
    EXPECT_TRUE(messages.Messages().empty());
}

} // namespace
} // namespace qb
