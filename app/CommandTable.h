#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// One item of a drop-down menu; id 0 is a separator.
struct MenuCommand {
    int id;
    std::string text;
};

struct TopLevelMenu {
    std::string text;
    std::vector<MenuCommand> items;
};

// The menu bar of a menu resource (cmd::kMenuNoDocument, kMenu2D, kMenuMap,
// kMenuRender): its top-level menus in order, each with its items in order.
// Texts keep their "&" mnemonics and "\t" shortcut parts. The recent-file
// item is a single placeholder that the window expands into the list.
// Separators never lead, trail or follow each other. Unknown id: empty.
std::vector<TopLevelMenu> BuildMenu(int menuId);

// The prompt of a command: the status-bar text shown while it is highlighted
// and its tooltip. Both empty for a command without a prompt.
struct CommandPrompt {
    std::string status;
    std::string tooltip;
};
CommandPrompt PromptOf(int id);

// The status text shown while no command is highlighted.
std::string_view IdlePrompt();

// A keyboard shortcut in Qt's portable text ("Ctrl+O", "Shift+Ins", "F1").
struct Accelerator {
    int id;
    std::string_view keys;
};
const std::vector<Accelerator>& Accelerators();

// The toolbar's buttons from left to right; 0 marks a gap.
const std::vector<int>& ToolbarButtons();

} // namespace qb
