#include "app/CommandTable.h"

#include "app/CommandIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace qb {
namespace {

constexpr int kMenus[] = {128, 131, 129, 133};
const std::vector<int> kAll = {128, 131, 129, 133};
const std::vector<int> kViews = {131, 129, 133};

struct Expected {
    int id;
    std::vector<int> menus;
    std::string text;
};

// The command table: every command, the menus that hold it and its text there.
const std::vector<Expected>& CommandTable()
{
    static const std::vector<Expected> table = {
        {32806, kAll, "地図から開く(&N)..."},
        {57601, kAll, "ﾌｧｲﾙから開く(&O)...\tCtrl+O"},
        {32817, kAll, "フォルダーから探す(&F)"},
        {57602, kViews, "閉じる(&C)"},
        {32813, kAll, "CD-ROM ドライブの選択(&C)..."},
        {32820, kViews, "地名データの保存(&S)\tCtrl+S"},
        {32835, {129}, "印刷(&P)...\tCtrl+P"},
        {57607, {131}, "印刷(&P)...\tCtrl+P"},
        {57609, {131}, "印刷ﾌﾟﾚﾋﾞｭｰ(&V)"},
        {57606, kAll, "ﾌﾟﾘﾝﾀの設定(&R)..."},
        {32794, kAll, "ﾏｰｼﾞﾝの設定(&G)..."},
        {57616, kAll, "最新のﾌｧｲﾙ"},
        {57665, kAll, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"},
        {32777, kViews, "ﾋﾞｯﾄﾏｯﾌﾟ形式でｺﾋﾟｰ(&C)\tCtrl+C"},
        {32778, {131}, "ﾋﾟｸﾁｬｰ形式でｺﾋﾟｰ(&P)"},
        {59392, kAll, "ﾂｰﾙ ﾊﾞｰ(&T)"},
        {59393, kAll, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)"},
        {32782, {129, 133}, "２次元等高線表示(&2)"},
        {32772, {131, 133}, "地図ビュー表示(&3)"},
        {32773, {129}, "レンダリング表示(&H)"},
        {32773, {131}, "レンダリング表示(&R)"},
        {32779, {133}, "右回転表示(&R)"},
        {32795, {133}, "左回転表示(&L)"},
        {32793, {133}, "拡大表示(&U)"},
        {32792, {133}, "縮小表示(&D)"},
        {32822, {133}, "名前の表示(&M)"},
        {32809, kViews, "東に移動(&E)"},
        {32808, kViews, "西に移動(&W)"},
        {32811, kViews, "南に移動(&O)"},
        {32810, kViews, "北に移動(&N)"},
        {32803, kAll, "地図情報(&I)..."},
        {32775, kAll, "ﾌｫﾝﾄの設定(&F)..."},
        {32776, kAll, "地名表示の設定(&L)..."},
        {32836, {129}, "ﾒﾓﾘのﾌｫﾝﾄの設定(&M)..."},
        {32785, {133}, "光源の位置(&P)..."},
        {32786, {133}, "縮小拡大(&T)..."},
        {32787, {133}, "細かさの設定(&R)..."},
        {143, {133}, "色の設定(&C)...."},
        {32797, kAll, "フォルダの設定(&D)..."},
        {32805, kAll, "高さの強調表示(&H)..."},
        {32815, {131}, "2次元図の表示方法(&M)..."},
        {57650, kViews, "重ねて表示(&C)"},
        {32774, kViews, "並べて表示(&T)"},
        {57649, kViews, "ｱｲｺﾝの整列(&A)"},
        {57667, kAll, "目次(&I)"},
        {57664, kAll, "ﾊﾞｰｼﾞｮﾝ情報(&A)..."},
    };
    return table;
}

std::vector<MenuCommand> AllItems(int menuId)
{
    std::vector<MenuCommand> items;
    for (const TopLevelMenu& menu : BuildMenu(menuId))
        items.insert(items.end(), menu.items.begin(), menu.items.end());
    return items;
}

std::vector<std::string> TopLevelTexts(int menuId)
{
    std::vector<std::string> texts;
    for (const TopLevelMenu& menu : BuildMenu(menuId))
        texts.push_back(menu.text);
    return texts;
}

bool Holds(const std::vector<int>& menus, int menuId)
{
    return std::find(menus.begin(), menus.end(), menuId) != menus.end();
}

TEST(CommandTable, EveryCommandIsInExactlyItsMenusWithItsText)
{
    for (const int menuId : kMenus) {
        std::multiset<std::pair<int, std::string>> actual;
        for (const MenuCommand& item : AllItems(menuId)) {
            if (item.id != 0)
                actual.insert({item.id, item.text});
        }
        std::multiset<std::pair<int, std::string>> expected;
        for (const Expected& command : CommandTable()) {
            if (Holds(command.menus, menuId))
                expected.insert({command.id, command.text});
        }
        EXPECT_EQ(actual, expected) << "menu " << menuId;
    }
}

TEST(CommandTable, TopLevelMenusOfTheBarsWithAndWithoutADocument)
{
    const std::vector<std::string> noDocument = {"ﾌｧｲﾙ(&F)", "表示(&V)", "設定(&S)", "ﾍﾙﾌﾟ(&H)"};
    const std::vector<std::string> views = {"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)",
                                            "設定(&S)", "ｳｨﾝﾄﾞｳ(&W)", "ﾍﾙﾌﾟ(&H)"};
    EXPECT_EQ(TopLevelTexts(cmd::kMenuNoDocument), noDocument);
    for (const int menuId : {cmd::kMenu2D, cmd::kMenuMap, cmd::kMenuRender})
        EXPECT_EQ(TopLevelTexts(menuId), views) << menuId;
    EXPECT_TRUE(BuildMenu(0).empty());
    EXPECT_TRUE(BuildMenu(130).empty());
}

TEST(CommandTable, SeparatorsOnlyDivideItems)
{
    for (const int menuId : kMenus) {
        for (const TopLevelMenu& menu : BuildMenu(menuId)) {
            ASSERT_FALSE(menu.items.empty()) << menu.text;
            EXPECT_NE(menu.items.front().id, 0) << menuId << " " << menu.text;
            EXPECT_NE(menu.items.back().id, 0) << menuId << " " << menu.text;
            for (std::size_t i = 1; i < menu.items.size(); ++i)
                EXPECT_FALSE(menu.items[i - 1].id == 0 && menu.items[i].id == 0)
                    << menuId << " " << menu.text << " at " << i;
        }
    }
}

TEST(CommandTable, FileMenuStartsWithOpeningAndEndsWithRecentFilesAndExit)
{
    for (const int menuId : kMenus) {
        const std::vector<MenuCommand> file = BuildMenu(menuId).front().items;
        ASSERT_GE(file.size(), 5u);
        EXPECT_EQ(file[0].id, cmd::kOpenFromMap);
        EXPECT_EQ(file[1].id, cmd::kFileOpen);
        EXPECT_EQ(file[2].id, cmd::kSearchFolder);
        const std::size_t n = file.size();
        EXPECT_EQ(file[n - 3].id, cmd::kRecentFile);
        EXPECT_EQ(file[n - 2].id, 0);
        EXPECT_EQ(file[n - 1].id, cmd::kAppExit);
    }
}

TEST(CommandTable, EveryMenuItemAndToolbarButtonHasAStatusTextAndATooltip)
{
    std::set<int> ids(ToolbarButtons().begin(), ToolbarButtons().end());
    for (const int menuId : kMenus) {
        for (const MenuCommand& item : AllItems(menuId))
            ids.insert(item.id);
    }
    ids.erase(0);
    for (const int id : ids) {
        const CommandPrompt prompt = PromptOf(id);
        EXPECT_FALSE(prompt.status.empty()) << id;
        EXPECT_FALSE(prompt.tooltip.empty()) << id;
        EXPECT_EQ(prompt.status.find('\n'), std::string::npos) << id;
    }
}

TEST(CommandTable, PromptSplitsAtTheLineBreak)
{
    const CommandPrompt east = PromptOf(cmd::kMoveEast);
    EXPECT_EQ(east.status, "表示位置を東に移動する");
    EXPECT_EQ(east.tooltip, "東に移動");
    const CommandPrompt none = PromptOf(12345);
    EXPECT_TRUE(none.status.empty());
    EXPECT_TRUE(none.tooltip.empty());
    EXPECT_EQ(IdlePrompt(), "レディ");
}

TEST(CommandTable, AcceleratorsInOrder)
{
    const std::vector<std::pair<int, std::string>> expected = {
        {32777, "Ctrl+C"},  {57600, "Ctrl+N"},        {57601, "Ctrl+O"},   {57607, "Ctrl+P"},
        {32820, "Ctrl+S"},  {32778, "Ctrl+Y"},        {57637, "Ctrl+V"},   {57637, "Shift+Ins"},
        {57635, "Ctrl+X"},  {57635, "Shift+Del"},     {57634, "Ctrl+Ins"}, {57643, "Ctrl+Z"},
        {57643, "Alt+Backspace"}, {57670, "F1"},      {57669, "Shift+F1"}, {57680, "F6"},
        {57681, "Shift+F6"},
    };
    std::vector<std::pair<int, std::string>> actual;
    for (const Accelerator& accelerator : Accelerators())
        actual.emplace_back(accelerator.id, std::string(accelerator.keys));
    EXPECT_EQ(actual, expected);
}

TEST(CommandTable, ToolbarButtonsWithGaps)
{
    const std::vector<int> expected = {32806, 57601, 32817, 0, 57607, 32820, 0, 32777, 32778, 0,
                                       32779, 32795, 0, 32793, 32792, 0, 143, 32822, 0,
                                       32808, 32809, 32810, 32811, 0, 57664, 57669};
    EXPECT_EQ(ToolbarButtons(), expected);
}

} // namespace
} // namespace qb
