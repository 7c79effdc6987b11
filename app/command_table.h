// The one table of the program's commands: a row per command with its id, texts, keys, place in
// the menus and on the tool bar, handler, and when it is enabled, checked or named otherwise.
// The main window builds its menus, tool bar, shortcuts and dispatch from it and nothing else.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"

namespace qel {

class CQelApp;

struct CommandRow {
  enum class Entry {
    Menu,         // a menu: of the menu bar at level 0, a submenu of the menu above at level 1
    Command,      // an item of its menu when it has a text, a button when it has a tool bar place
    Separator,    // a line between the items of a menu
    RecentFiles,  // the recent files (or the note that there are none), then a separator
  };
  // How the item shows its state: not at all, with a check mark of its own, or as one of the
  // items of its menu of which exactly one is checked.
  enum class Indicator { None, Check, Radio };

  // The rows of a menu follow its Menu row: level 1 for its items, level 2 for those of a
  // submenu (a Menu row of level 1).
  int level = 1;
  Entry entry = Entry::Command;
  // The id the command has always had; none for the few items that never had one.
  std::optional<CommandId> id = std::nullopt;
  const char* text = nullptr;  // the menu text with its mnemonic; nullptr: on no menu
  // The status-line prompt, then after "\n" the tool tip (the prompt alone when there is none).
  const char* prompt = "";
  // The shortcuts, the first the one the menu shows, separated by "; " ("Ctrl+Y; Ctrl+Shift+Z").
  const char* keys = nullptr;
  Indicator indicator = Indicator::None;
  std::function<void(CQelApp&)> run = nullptr;
  // After `run`: the window's modified mark follows the document, and the view refreshes
  // (whatever its dialog changed: the document, the settings, the display).
  bool refreshes = false;
  // The state as things stand, read after every refresh of the view and before a menu opens;
  // none: always enabled, never checked, always named `text`.
  std::function<bool(CQelApp&)> enabledWhen = nullptr;
  std::function<bool(CQelApp&)> checkedWhen = nullptr;
  // The menu text without mnemonic, which `text`'s mnemonic is added to.
  std::function<std::string(CQelApp&)> textWhen = nullptr;
  // The place on the tool bar: the tens the group (groups are parted by a separator), the units
  // the order within it; 0: not on the tool bar. `icon` names its SVG icon.
  int toolbar = 0;
  const char* icon = nullptr;
  // The object name of an item without an id, by which tests and accessibility tools find it.
  const char* name = nullptr;
};

// Every row in menu order: the menus left to right with their items (the view menu's displays
// made from the table of displays), then the commands that only the tool bar has.
const std::vector<CommandRow>& CommandTable();
// The row of command `id`; nullptr for an unknown id.
const CommandRow* FindCommand(CommandId id);
// The menu text of `id` as an undo step is named: without its mnemonic ("(&A)") and trailing
// "...". Empty for a command without menu text.
std::string CommandStepName(CommandId id);

}  // namespace qel
