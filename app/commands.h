// The command ids of the menu and the tool bar, with their texts and prompts.
#pragma once

#include <vector>

namespace qel {

namespace command {
// File menu.
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kFileRecentFirst = 57616;  // 57616 .. 57621: the recent files
inline constexpr int kAppExit = 57665;
// Strip-load menu.
inline constexpr int kStripTitleStyle = 32794;
inline constexpr int kStripLoad1 = 32771;
inline constexpr int kStripLoad2 = 32772;
inline constexpr int kStripSpacer = 32773;  // the blank item; it never does anything
inline constexpr int kStripPoints = 32774;
inline constexpr int kStripPage = 32799;
// Rectangle/circle menu.
inline constexpr int kRectTitleStyle = 32795;
inline constexpr int kRectLoads = 32775;
inline constexpr int kCircleLoads = 32776;
inline constexpr int kLatticePoints = 32777;
inline constexpr int kRectPage = 32800;
// View menu (the six displays have their ids in view/view_controller.h).
inline constexpr int kViewToolBar = 59392;
inline constexpr int kViewStatusBar = 59393;
// Settings menu.
inline constexpr int kStripScale = 32778;
inline constexpr int kRectScale = 32788;
inline constexpr int kLineMarginDigits = 32779;
inline constexpr int kStripStandardValues = 32801;
inline constexpr int kRectStandardValues = 32802;
inline constexpr int kFontTitle = 32780;
inline constexpr int kFontStrip = 32781;
inline constexpr int kFontRectCircle = 32782;
inline constexpr int kFontPage = 32784;
inline constexpr int kKeyBehaviour = 32803;
// Help menu.
inline constexpr int kAppAbout = 57664;
inline constexpr int kHelp = 57670;
}  // namespace command

struct CommandText {
  int id;
  const char* menuText;  // with its mnemonic; nullptr for commands that only the tool bar has
  // The status-line prompt, then after "\n" the tool tip (the prompt alone when there is none).
  const char* prompt;
  const char* shortcut;  // "Ctrl+N", or nullptr
};

// Every command of the menu and the tool bar.
const std::vector<CommandText>& CommandTexts();
// The entry of `id`; nullptr for an unknown id.
const CommandText* FindCommandText(int id);

// The commands whose dialogs are not part of the program yet: present in the menu, disabled.
const std::vector<int>& CommandsAwaitingDialogs();

}  // namespace qel
