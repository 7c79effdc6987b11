// The main window: menu, tool bar, status bar and the view, and documents dropped onto it.
#pragma once

#include <QMainWindow>
#include <map>
#include <vector>

#include "app/command_ids.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace qel {

struct CommandRow;
class CQelApp;
class CQelView;

inline constexpr const char* kWindowTitle = "地中の鉛直増加応力 Qel Ver.6";

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  // Creates the window at 86 % of the primary screen's width and 80 % of its height, and
  // records the screen's width for the view.
  explicit CMainFrame(CQelApp& app);

  CQelView* view() const { return view_; }
  QToolBar* toolBar() const { return toolBar_; }
  // The action of a menu or tool bar command (the tool bar's own buttons for 8001 ...); nullptr
  // for an unknown id.
  QAction* CommandAction(CommandId id) const;
  // The width of the primary screen in device pixels when the window was made.
  int screenWidth() const { return screenWidth_; }
  // Rebuilds the recent-file items of the file menu from the profile.
  void UpdateRecentFileMenu();
  // Every command's state as the command table says it is now (enabled, checked, its text),
  // and the status bar's texts. Follows every refresh of the view, and the opening of a menu.
  void UpdateCommandStates();
  // "<file name>[*] - <program title>", with the modified mark of the document.
  void UpdateWindowTitle();

 protected:
  // Closing the window ends the program: the document's changes are asked about first.
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // The action of a command row, triggering its handler.
  QAction* MakeAction(const CommandRow& row);
  void BuildMenus();
  void BuildToolBar();
  void BuildStatusBar();
  // The idle text, or a notice about the current display in its place.
  void UpdateStatusText();

  CQelApp& app_;
  int screenWidth_ = 0;
  CQelView* view_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QLabel* idleText_ = nullptr;
  QLabel* zoomText_ = nullptr;
  QLabel* pageText_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QAction* recentFilesEnd_ = nullptr;  // the separator after the recent files
  std::vector<QAction*> recentFileActions_;
  std::map<CommandId, QAction*> actions_;
  // The action of every command row, in the order of the table.
  std::vector<std::pair<const CommandRow*, QAction*>> rowActions_;
};

}  // namespace qel
