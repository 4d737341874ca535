#include "app/OpenFromMapSource.h"

#include "tests/support/RecordingMessageSink.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(OpenFromMapSourceTest, EachMapKindOpensItsSourceKindSilently)
{
    test::CRecordingMessageSink messages;
    EXPECT_EQ(OpenFromMapSourceKind(1, -1, messages), 5);
    EXPECT_EQ(OpenFromMapSourceKind(3, -2, messages), 5);
    EXPECT_EQ(OpenFromMapSourceKind(2, 1, messages), 6);
    EXPECT_EQ(OpenFromMapSourceKind(4, -1, messages), 0);
    EXPECT_EQ(OpenFromMapSourceKind(5, 3, messages), 0);
    for (int code = 1; code <= 4; ++code)
        EXPECT_EQ(OpenFromMapSourceKind(0, code, messages), code);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(OpenFromMapSourceTest, AMissingDriveOrDiscIsToldAndNothingOpens)
{
    test::CRecordingMessageSink messages;
    EXPECT_EQ(OpenFromMapSourceKind(0, -1, messages), std::nullopt);
    EXPECT_EQ(OpenFromMapSourceKind(0, -2, messages), std::nullopt);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{std::string(kNoDiscDriveMessage),
                                                          std::string(kInsertDiscMessage)}));
    for (const auto& message : messages.Messages())
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    messages.Clear();
    EXPECT_EQ(OpenFromMapSourceKind(6, 1, messages), std::nullopt);
    EXPECT_EQ(OpenFromMapSourceKind(-1, 1, messages), std::nullopt);
    EXPECT_TRUE(messages.Messages().empty());
}

} // namespace
} // namespace qb
