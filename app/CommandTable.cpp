#include "app/CommandTable.h"

#include "app/CommandIds.h"

namespace qb {
namespace {

using namespace cmd;

// Which menu bars hold an entry, one bit per bar.
enum MenuMask : unsigned {
    kInNoDocument = 1u,
    kIn2D = 2u,
    kInMap = 4u,
    kInRender = 8u,
    kInViews = kIn2D | kInMap | kInRender,
    kInAll = kInNoDocument | kInViews,
};

struct Entry {
    int id;
    unsigned menus;
    std::string_view text;
};

struct MenuTemplate {
    std::string_view text;
    std::vector<Entry> entries;
};

constexpr Entry kSeparator{0, kInAll, ""};

// Every menu bar is cut from these templates: an entry appears in the bars
// its mask names. Where a command has a different text or id per bar, the
// alternatives stand side by side with disjoint masks.
const std::vector<MenuTemplate>& MenuTemplates()
{
    static const std::vector<MenuTemplate> templates = {
        {"ﾌｧｲﾙ(&F)",
         {{kOpenFromMap, kInAll, "地図から開く(&N)..."},
          {kFileOpen, kInAll, "ﾌｧｲﾙから開く(&O)...\tCtrl+O"},
          {kSearchFolder, kInAll, "フォルダーから探す(&F)"},
          {kFileClose, kInViews, "閉じる(&C)"},
          kSeparator,
          {kSavePlaces, kInViews, "地名データの保存(&S)\tCtrl+S"},
          kSeparator,
          {kPrintMap, kInMap, "印刷(&P)...\tCtrl+P"},
          {kFilePrint, kIn2D, "印刷(&P)...\tCtrl+P"},
          {kPrintPreview, kIn2D, "印刷ﾌﾟﾚﾋﾞｭｰ(&V)"},
          {kPrintSetup, kInAll, "ﾌﾟﾘﾝﾀの設定(&R)..."},
          {kMargins, kInAll, "ﾏｰｼﾞﾝの設定(&G)..."},
          kSeparator,
          {kRecentFile, kInAll, "最新のﾌｧｲﾙ"},
          kSeparator,
          {kAppExit, kInAll, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"}}},
        {"編集(&E)",
         {{kCopyBitmap, kInViews, "ﾋﾞｯﾄﾏｯﾌﾟ形式でｺﾋﾟｰ(&C)\tCtrl+C"},
          {kCopyPicture, kIn2D, "ﾋﾟｸﾁｬｰ形式でｺﾋﾟｰ(&P)"}}},
        {"表示(&V)",
         {{kViewToolbar, kInAll, "ﾂｰﾙ ﾊﾞｰ(&T)"},
          {kViewStatusBar, kInAll, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)"},
          kSeparator,
          {kShow2D, kInMap | kInRender, "２次元等高線表示(&2)"},
          {kShowMap, kIn2D | kInRender, "地図ビュー表示(&3)"},
          {kShowRender, kInMap, "レンダリング表示(&H)"},
          {kShowRender, kIn2D, "レンダリング表示(&R)"},
          kSeparator,
          {kRotateRight, kInRender, "右回転表示(&R)"},
          {kRotateLeft, kInRender, "左回転表示(&L)"},
          kSeparator,
          {kZoomIn, kInRender, "拡大表示(&U)"},
          {kZoomOut, kInRender, "縮小表示(&D)"},
          kSeparator,
          {kShowNames, kInRender, "名前の表示(&M)"},
          kSeparator,
          {kMoveEast, kInViews, "東に移動(&E)"},
          {kMoveWest, kInViews, "西に移動(&W)"},
          {kMoveSouth, kInViews, "南に移動(&O)"},
          {kMoveNorth, kInViews, "北に移動(&N)"},
          kSeparator,
          {kMapInfo, kInAll, "地図情報(&I)..."}}},
        {"設定(&S)",
         {{kFonts, kInAll, "ﾌｫﾝﾄの設定(&F)..."},
          {kPlaceDisplay, kInAll, "地名表示の設定(&L)..."},
          {kMemoryFont, kInMap, "ﾒﾓﾘのﾌｫﾝﾄの設定(&M)..."},
          kSeparator,
          {kLightPosition, kInRender, "光源の位置(&P)..."},
          {kZoomDialog, kInRender, "縮小拡大(&T)..."},
          {kResolution, kInRender, "細かさの設定(&R)..."},
          {kColours, kInRender, "色の設定(&C)...."},
          kSeparator,
          {kDataDrive, kInAll, "CD-ROM ドライブの選択(&C)..."},
          {kFolderSettings, kInAll, "フォルダの設定(&D)..."},
          kSeparator,
          {kHeightScale, kInAll, "高さの強調表示(&H)..."},
          {k2DMethod, kIn2D, "2次元図の表示方法(&M)..."}}},
        {"ｳｨﾝﾄﾞｳ(&W)",
         {{kCascade, kInViews, "重ねて表示(&C)"},
          {kTile, kInViews, "並べて表示(&T)"},
          {kArrangeIcons, kInViews, "ｱｲｺﾝの整列(&A)"}}},
        {"ﾍﾙﾌﾟ(&H)",
         {{kHelpIndex, kInAll, "目次(&I)"},
          kSeparator,
          {kAbout, kInAll, "ﾊﾞｰｼﾞｮﾝ情報(&A)..."}}},
    };
    return templates;
}

unsigned MaskOfMenu(int menuId)
{
    switch (menuId) {
    case kMenuNoDocument: return kInNoDocument;
    case kMenu2D: return kIn2D;
    case kMenuMap: return kInMap;
    case kMenuRender: return kInRender;
    default: return 0;
    }
}

// Appends an item; a separator only where it divides two items.
void AppendItem(std::vector<MenuCommand>& items, const Entry& entry)
{
    if (entry.id == 0 && (items.empty() || items.back().id == 0))
        return;
    items.push_back({entry.id, std::string(entry.text)});
}

std::vector<MenuCommand> ItemsFor(const MenuTemplate& menu, unsigned mask)
{
    std::vector<MenuCommand> items;
    for (const Entry& entry : menu.entries) {
        if (entry.menus & mask)
            AppendItem(items, entry);
    }
    if (!items.empty() && items.back().id == 0)
        items.pop_back();
    return items;
}

} // namespace

std::vector<TopLevelMenu> BuildMenu(int menuId)
{
    const unsigned mask = MaskOfMenu(menuId);
    std::vector<TopLevelMenu> bar;
    if (mask == 0)
        return bar;
    for (const MenuTemplate& menu : MenuTemplates()) {
        std::vector<MenuCommand> items = ItemsFor(menu, mask);
        if (!items.empty())
            bar.push_back({std::string(menu.text), std::move(items)});
    }
    return bar;
}

const std::vector<Accelerator>& Accelerators()
{
    static const std::vector<Accelerator> accelerators = {
        {kCopyBitmap, "Ctrl+C"},    {kFileNew, "Ctrl+N"},       {kFileOpen, "Ctrl+O"},
        {kFilePrint, "Ctrl+P"},     {kSavePlaces, "Ctrl+S"},    {kCopyPicture, "Ctrl+Y"},
        {kEditPaste, "Ctrl+V"},     {kEditPaste, "Shift+Ins"},  {kEditCut, "Ctrl+X"},
        {kEditCut, "Shift+Del"},    {kEditCopy, "Ctrl+Ins"},    {kEditUndo, "Ctrl+Z"},
        {kEditUndo, "Alt+Backspace"}, {kHelp, "F1"},            {kContextHelp, "Shift+F1"},
        {kNextPane, "F6"},          {kPrevPane, "Shift+F6"},
    };
    return accelerators;
}

const std::vector<int>& ToolbarButtons()
{
    static const std::vector<int> buttons = {
        kOpenFromMap, kFileOpen, kSearchFolder, 0,
        kFilePrint, kSavePlaces, 0,
        kCopyBitmap, kCopyPicture, 0,
        kRotateRight, kRotateLeft, 0,
        kZoomIn, kZoomOut, 0,
        kColours, kShowNames, 0,
        kMoveWest, kMoveEast, kMoveNorth, kMoveSouth, 0,
        kAbout, kContextHelp,
    };
    return buttons;
}

} // namespace qb
