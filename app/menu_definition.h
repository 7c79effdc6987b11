// The menus of the main window as data, in order: the frame builds its menus from it.
#pragma once

#include <vector>

#include "view/command_ids.h"

namespace qel {

struct MenuItem {
  enum class Kind {
    Command,         // the command's action
    ToggleCommand,   // a command with a check mark of its own (the tool bar, the status bar)
    DisplayCommand,  // one of the displays, of which exactly one is checked
    Separator,
    RecentFiles,   // the recent files (or the note that there are none), then a separator
    CircleMethod,  // the submenu of the circle methods
    Verification,  // the dialog that checks the calculation
  };
  Kind kind = Kind::Separator;
  CommandId command = CommandId::FileNew;  // for the three kinds of command
};

struct MenuDefinition {
  const char* title;  // with its mnemonic
  std::vector<MenuItem> items;
};

// The menu bar's menus, left to right.
const std::vector<MenuDefinition>& MainMenus();

}  // namespace qel
