#include "views/HeightScaleLogic.h"

#include "tests/support/RecordingMessageSink.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using Texts = std::vector<std::string>;

TEST(HeightScaleLogic, OpensWithTheStoredChoiceAndFactor)
{
    test::CRecordingMessageSink messages;
    const CHightTimeLogic fixed(messages, 2, 1.5);
    EXPECT_EQ(fixed.Choice(), 2);
    EXPECT_EQ(fixed.Text(), "1.5");
    EXPECT_FALSE(fixed.IsEditEnabled());

    const CHightTimeLogic free(messages, 4, 3.25);
    EXPECT_EQ(free.Text(), "3.25");
    EXPECT_TRUE(free.IsEditEnabled());
    EXPECT_EQ(CHightTimeLogic(messages, 1, 1.0).Text(), "1");

    // A damaged stored choice opens as the default choice.
    EXPECT_EQ(CHightTimeLogic(messages, 7, 1.0).Choice(), 1);
    EXPECT_EQ(CHightTimeLogic(messages, -1, 1.0).Choice(), 1);
}

TEST(HeightScaleLogic, FixedChoicesGiveTheirFactorsWhateverTheEditHolds)
{
    const double factors[] = {0.5, 1.0, 1.5, 2.0};
    for (int index = 0; index < 4; ++index) {
        test::CRecordingMessageSink messages;
        CHightTimeLogic logic(messages, 4, 0.0);
        logic.Choose(index);
        EXPECT_FALSE(logic.IsEditEnabled());
        ASSERT_TRUE(logic.Ok()) << index;
        EXPECT_EQ(logic.Index(), index);
        EXPECT_DOUBLE_EQ(logic.Factor(), factors[index]);
        EXPECT_TRUE(messages.Messages().empty());
    }
}

TEST(HeightScaleLogic, FreeChoiceTakesTheTypedFactor)
{
    test::CRecordingMessageSink messages;
    CHightTimeLogic logic(messages, 1, 1.0);
    logic.Choose(4);
    EXPECT_TRUE(logic.IsEditEnabled());
    logic.SetText("3.5");
    ASSERT_TRUE(logic.Ok());
    EXPECT_EQ(logic.Index(), 4);
    EXPECT_DOUBLE_EQ(logic.Factor(), 3.5);

    const char* accepted[] = {"0.1", "10", " 7 ", "+2", "1e1", "10.0"};
    for (const char* text : accepted) {
        logic.SetText(text);
        EXPECT_TRUE(logic.Ok()) << text;
    }
    EXPECT_DOUBLE_EQ(logic.Factor(), 10.0);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(HeightScaleLogic, FreeChoiceRefusesWhatIsNotANumberFromATenthToTen)
{
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"0", "0.1 から 10 までの数字を入力してください。"},
        {"0.09", "0.1 から 10 までの数字を入力してください。"},
        {"10.01", "0.1 から 10 までの数字を入力してください。"},
        {"nan", "0.1 から 10 までの数字を入力してください。"},
        {"", "数字を入力してください。"},
        {"3.5倍", "数字を入力してください。"},
        {"+-2", "数字を入力してください。"},
        {"1,5", "数字を入力してください。"},
    };
    for (const Case& c : cases) {
        test::CRecordingMessageSink messages;
        CHightTimeLogic logic(messages, 4, 2.5);
        logic.SetText(c.text);
        EXPECT_FALSE(logic.Ok()) << c.text;
        ASSERT_EQ(messages.Texts(), Texts{c.message}) << c.text;
        EXPECT_EQ(messages.Messages().front().icon, MessageIcon::Exclamation);
        // The refused value never becomes the factor.
        EXPECT_DOUBLE_EQ(logic.Factor(), 2.5) << c.text;
    }
}

} // namespace
} // namespace qb
