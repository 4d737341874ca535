#include "app/ViewTemplates.h"

#include "app/CommandIds.h"
#include "app/HelpTopics.h"
#include "app/ViewHandOver.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(ViewTemplates, EachKindHasItsMenuCommandCaptionIconAndHelpPage)
{
    const struct {
        ViewKind kind;
        int menu;
        int show;
        std::string_view caption;
        std::string_view icon;
        int topic;
    } kinds[] = {
        {ViewKind::TwoD, 131, 32782, "２次元等高線-", "view/131", 42},
        {ViewKind::Map, 129, 32772, "地図ビュー", "view/129", 44},
        {ViewKind::Rendering, 133, 32773, "レンダリング-", "view/133", 46},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.menu);
        const ViewTemplateInfo& info = TemplateInfoOf(k.kind);
        EXPECT_EQ(info.kind, k.kind);
        EXPECT_EQ(info.resourceId, k.menu);
        EXPECT_EQ(info.showCommand, k.show);
        EXPECT_EQ(info.caption, k.caption);
        EXPECT_EQ(info.icon, k.icon);
        EXPECT_EQ(info.HelpContext(), 0x20000 + k.menu);
        EXPECT_EQ(HelpTopicOf(info.HelpContext()), k.topic);
        EXPECT_EQ(ViewKindOfMenu(k.menu), k.kind);
        EXPECT_EQ(ViewKindOfShowCommand(k.show), k.kind);
    }
}

TEST(ViewTemplates, OtherMenusAndCommandsNameNoKind)
{
    EXPECT_EQ(ViewKindOfMenu(cmd::kMenuNoDocument), std::nullopt);
    EXPECT_EQ(ViewKindOfMenu(0), std::nullopt);
    EXPECT_EQ(ViewKindOfShowCommand(cmd::kMoveEast), std::nullopt);
    EXPECT_EQ(ViewKindOfShowCommand(cmd::kMenu2D), std::nullopt);
}

TEST(ViewHandOver, EachKindTakesItsRangeFromTheViewsThatShowOne)
{
    using K = ViewKind;
    const struct {
        K wanted;
        std::vector<K> present;
        std::optional<HandOverSource> source;
    } cases[] = {
        {K::TwoD, {K::Map, K::Rendering}, HandOverSource{K::Rendering, false}},
        {K::TwoD, {K::Map}, HandOverSource{K::Map, false}},
        {K::TwoD, {}, std::nullopt},
        {K::Map, {K::TwoD, K::Rendering}, std::nullopt},
        {K::Rendering, {K::TwoD, K::Map}, HandOverSource{K::Map, true}},
        {K::Rendering, {K::TwoD}, HandOverSource{K::TwoD, false}},
        {K::Rendering, {K::Rendering}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.wanted));
        EXPECT_EQ(HandOverSourceFor(c.wanted, c.present), c.source);
    }
}

} // namespace
} // namespace qb
