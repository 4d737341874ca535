#include "app/ViewTemplates.h"

#include "app/CommandIds.h"
#include "app/HelpTopics.h"

#include <algorithm>
#include <array>

namespace qb {
namespace {

// In the order of ViewKind.
constexpr std::array<ViewTemplateInfo, 3> kTemplates = {{
    {ViewKind::TwoD, cmd::kMenu2D, cmd::kShow2D, "２次元等高線-", "view/131"},
    {ViewKind::Map, cmd::kMenuMap, cmd::kShowMap, "地図ビュー", "view/129"},
    {ViewKind::Rendering, cmd::kMenuRender, cmd::kShowRender, "レンダリング-", "view/133"},
}};

template <typename Match>
std::optional<ViewKind> FindKind(Match match)
{
    const auto* found = std::find_if(kTemplates.begin(), kTemplates.end(), match);
    return found == kTemplates.end() ? std::nullopt : std::optional<ViewKind>(found->kind);
}

} // namespace

int ViewTemplateInfo::HelpContext() const
{
    return HelpContextOfFrame(resourceId);
}

const ViewTemplateInfo& TemplateInfoOf(ViewKind kind)
{
    return kTemplates[static_cast<std::size_t>(kind)];
}

std::optional<ViewKind> ViewKindOfMenu(int resourceId)
{
    return FindKind([resourceId](const ViewTemplateInfo& info) { return info.resourceId == resourceId; });
}

std::optional<ViewKind> ViewKindOfShowCommand(int commandId)
{
    return FindKind([commandId](const ViewTemplateInfo& info) { return info.showCommand == commandId; });
}

} // namespace qb
