#include "platform/PathText.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(PathText, ExtensionsOfTheLastPartOnly)
{
    EXPECT_EQ(LowerExtension("a/B.3DM"), "3dm");
    EXPECT_EQ(LowerExtension("C:\\data\\533800.Mem"), "mem");
    EXPECT_EQ(LowerExtension("folder.v2/notes"), "") << "a dot in a folder name is no extension";
    EXPECT_EQ(LowerExtension("日高山脈"), "");
    EXPECT_EQ(LowerExtension("archive."), "");
    EXPECT_TRUE(HasExtension("FG-GML-6443-20.ZIP", ".zip"));
    EXPECT_FALSE(HasExtension("zip", ".zip"));
    EXPECT_FALSE(HasExtension("a.xml.bak", ".xml"));
}

} // namespace
} // namespace qb
