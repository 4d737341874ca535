#include "app/MoveRules.h"

#include "app/CommandIds.h"
#include "views/Viewer2D.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

// The 2-D engine's own numbering, which the commands must share.
constexpr int kEast = kMoveEast;
constexpr int kWest = kMoveWest;
constexpr int kNorth = kMoveNorth;
constexpr int kSouth = kMoveSouth;
constexpr bool kSingle3dm = true;
constexpr bool kJoinedArea = false;

// A 100 x 80 grid; the view shows columns 0..49 and rows 40..79, so it is
// at the west and south edges only.
const ViewExtent kSouthWest{{0, 40, 49, 79}, 100, 80};
// The whole grid: at every edge.
const ViewExtent kWhole{{0, 0, 99, 79}, 100, 80};

TEST(MoveRules, CommandsMapToTheEngineDirections)
{
    EXPECT_EQ(MoveDirectionOfCommand(cmd::kMoveEast), 1);
    EXPECT_EQ(MoveDirectionOfCommand(cmd::kMoveWest), 2);
    EXPECT_EQ(MoveDirectionOfCommand(cmd::kMoveNorth), 3);
    EXPECT_EQ(MoveDirectionOfCommand(cmd::kMoveSouth), 4);
    EXPECT_EQ(MoveDirectionOfCommand(cmd::kZoomIn), 0);
}

TEST(MoveRules, EachDirectionTestsItsOwnEdgeOfASingleFile)
{
    EXPECT_TRUE(IsMoveEnabled(kEast, {kSouthWest}, true, kSingle3dm));
    EXPECT_FALSE(IsMoveEnabled(kWest, {kSouthWest}, true, kSingle3dm));
    EXPECT_TRUE(IsMoveEnabled(kNorth, {kSouthWest}, true, kSingle3dm));
    EXPECT_FALSE(IsMoveEnabled(kSouth, {kSouthWest}, true, kSingle3dm));
    for (const int direction : {kEast, kWest, kNorth, kSouth})
        EXPECT_FALSE(IsMoveEnabled(direction, {kWhole}, true, kSingle3dm)) << direction;
}

TEST(MoveRules, AnyViewAwayFromTheEdgeKeepsTheMoveEnabled)
{
    EXPECT_TRUE(IsMoveEnabled(kEast, {kWhole, kSouthWest}, true, kSingle3dm));
    EXPECT_FALSE(IsMoveEnabled(kWest, {kWhole, kSouthWest}, true, kSingle3dm));
}

TEST(MoveRules, AJoinedAreaCanMovePastItsEdgeButNoDocumentCannot)
{
    EXPECT_TRUE(IsMoveEnabled(kWest, {kWhole}, true, kJoinedArea));
    EXPECT_FALSE(IsMoveEnabled(kWest, {kWhole}, false, kJoinedArea));
    EXPECT_FALSE(IsMoveEnabled(kWest, {}, false, kJoinedArea));
    EXPECT_TRUE(IsMoveEnabled(kWest, {}, true, kJoinedArea));
}

TEST(MoveRules, UnknownDirectionIsNeverEnabled)
{
    EXPECT_FALSE(IsMoveEnabled(0, {kSouthWest}, true, kJoinedArea));
    EXPECT_FALSE(IsMoveEnabled(5, {kSouthWest}, true, kJoinedArea));
}

} // namespace
} // namespace qb
