// The main window: menu, tool bar, status bar and the view, and documents dropped onto it.
#pragma once

#include <QMainWindow>
#include <functional>
#include <map>

#include "view/command_ids.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace qel {

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
  // The action of a menu or tool bar command (the tool bar's own buttons for 8001 .. 8003);
  // nullptr for an unknown id.
  QAction* CommandAction(CommandId id) const;
  // Connects a command whose dialog is built later and enables it.
  void SetCommandHandler(CommandId id, std::function<void()> handler);
  // The width of the primary screen in device pixels when the window was made.
  int screenWidth() const { return screenWidth_; }
  // The text the status bar shows when no prompt is shown.
  QLabel* idleText() const { return idleText_; }
  // Rebuilds the recent-file items of the file menu from the profile.
  void UpdateRecentFileMenu();
  // Check marks of the display commands and of the tool bar and status bar items, and the
  // status bar's text.
  void UpdateCommandStates();
  // "<file name>[*] - <program title>", with the modified mark of the document.
  void UpdateWindowTitle();

 protected:
  // Closing the window ends the program: the document's changes are asked about first.
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QAction* AddCommand(QMenu* menu, CommandId id);
  QAction* MakeAction(CommandId id);
  void BuildMenus();
  void BuildToolBar();
  // 設定 > 円形荷重の計算方法: the exact method or the compatible one, one of them checked.
  void AddCircleMethodMenu(QMenu* settings);
  void BuildStatusBar();
  void ConnectCommands();
  void OnAppAbout();
  // The idle text, or a notice about the current display in its place.
  void UpdateStatusText();

  CQelApp& app_;
  int screenWidth_ = 0;
  CQelView* view_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QLabel* idleText_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QAction* recentFilesEnd_ = nullptr;  // the separator after the recent files
  std::vector<QAction*> recentFileActions_;
  std::map<CommandId, QAction*> actions_;
};

}  // namespace qel
