#include "app/HelpTopics.h"

#include "app/CommandIds.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(HelpTopics, ContextsOfCommandsAndFramesKeepTheirOffsets)
{
    EXPECT_EQ(HelpContextOfCommand(cmd::kFileOpen), 0x10000 + 57601);
    EXPECT_EQ(HelpContextOfFrame(cmd::kMenu2D), 0x20000 + 131);
}

TEST(HelpTopics, CommandsAndFramesFindTheirTopics)
{
    const struct { int context; int topic; } cases[] = {
        {HelpContextOfCommand(32806), 16},  {HelpContextOfCommand(32790), 20},
        {HelpContextOfCommand(57603), 24},  {HelpContextOfCommand(32810), 52},
        {HelpContextOfCommand(32811), 54},  {HelpContextOfCommand(32822), 64},
        {HelpContextOfCommand(32781), 74},  {HelpContextOfCommand(143), 84},
        {HelpContextOfCommand(57667), 94},  {HelpContextOfCommand(57669), 108},
        {HelpContextOfFrame(131), 42},      {HelpContextOfFrame(129), 44},
        {HelpContextOfFrame(133), 46},      {HelpContextOfCommand(cmd::kMemoryFont), 44},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HelpTopicOf(c.context), c.topic) << std::hex << c.context;
}

TEST(HelpTopics, ContentsAndUnknownContextsShowTheContentsTopic)
{
    EXPECT_EQ(HelpTopicOf(0), 4);
    EXPECT_EQ(HelpTopicOf(HelpContextOfFrame(128)), 4);
    EXPECT_EQ(HelpTopicOf(HelpContextOfCommand(cmd::kPrintMap)), 4);
    // A frame id is not a command id: frame 143 is not the colour command.
    EXPECT_EQ(HelpTopicOf(HelpContextOfFrame(143)), 4);
    EXPECT_EQ(HelpTopicOf(131), 4);
}

} // namespace
} // namespace qb
