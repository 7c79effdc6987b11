// The main window: menu, tool bar, status bar and the view, and documents dropped onto it.
#include "app/main_frame.h"
#include "app/verification_dialog.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "app/about_box.h"
#include "app/commands.h"
#include "app/file_commands.h"
#include "app/menu_definition.h"
#include "app/qel_app.h"
#include "app/qel_view.h"
#include "app/svg_icons.h"
#include "document/excluded_loads.h"
#include "platform/messages.h"
#include "platform/recent_files.h"
#include "view/display_table.h"
#include "view/view_controller.h"

namespace qel {

namespace {

const char* const kNoRecentFilesText = "最近使ったﾌｧｲﾙ";
const char* const kRecentFilePrompt = "指定のﾌｧｲﾙを開く";
// Longer paths show their first folder, "..." and their file name in the menu.
constexpr int kLongestRecentFileText = 60;

QString Utf8(const char* text) {
  return QString::fromUtf8(text);
}

QString RecentFileText(int number, const std::string& path) {
  QString shown = QString::fromStdString(path);
  if (shown.size() > kLongestRecentFileText) {
    const int firstSlash = shown.indexOf('/', 1);
    const int lastSlash = shown.lastIndexOf('/');
    if (firstSlash > 0 && lastSlash > firstSlash)
      shown = shown.left(firstSlash + 1) + "..." + shown.mid(lastSlash);
  }
  shown.replace("&", "&&");  // an "&" in a path is no mnemonic
  return QString("&%1 %2").arg(number).arg(shown);
}

// The local file of a drag, or an empty text when it carries none.
QString DroppedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}

}  // namespace

CMainFrame::CMainFrame(CQelApp& app) : app_(app) {
  InitIconResources();
  setWindowIcon(SvgIcon("qel"));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    screenWidth_ = static_cast<int>(area.width() * screen->devicePixelRatio());
    resize(static_cast<int>(area.width() * 0.86), static_cast<int>(area.height() * 0.8));
  }
  view_ = new CQelView(app.controller(), app.printer(), app.services().chooser,
                       app.services().prompts, screenWidth_, this);
  setCentralWidget(view_);
  BuildMenus();
  BuildToolBar();
  BuildStatusBar();
  ConnectCommands();
  connect(view_, &CQelView::displayChanged, this, &CMainFrame::UpdateCommandStates);
  UpdateRecentFileMenu();
  UpdateCommandStates();
  view_->setFocus();
}

QAction* CMainFrame::MakeAction(CommandId id) {
  const CommandText* text = FindCommandText(id);
  auto* action = new QAction(this);
  if (text != nullptr) {
    if (text->menuText != nullptr) action->setText(Utf8(text->menuText));
    const QString prompt = Utf8(text->prompt);
    const int newline = prompt.indexOf('\n');
    action->setStatusTip(newline < 0 ? prompt : prompt.left(newline));
    if (newline >= 0) action->setToolTip(prompt.mid(newline + 1));
    if (text->shortcut != nullptr) action->setShortcut(QKeySequence(Utf8(text->shortcut)));
  }
  action->setData(static_cast<int>(id));
  // Enabled once its handler is connected: no item of the menu or the tool bar is dead.
  action->setEnabled(false);
  actions_[id] = action;
  return action;
}

QAction* CMainFrame::AddCommand(QMenu* menu, CommandId id) {
  QAction* action = MakeAction(id);
  menu->addAction(action);
  return action;
}

QAction* CMainFrame::CommandAction(CommandId id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::SetCommandHandler(CommandId id, std::function<void()> handler) {
  QAction* action = CommandAction(id);
  if (action == nullptr) return;
  connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
  action->setEnabled(true);
}

void CMainFrame::BuildMenus() {
  auto* displays = new QActionGroup(this);
  displays->setExclusive(true);
  for (const MenuDefinition& definition : MainMenus()) {
    QMenu* menu = menuBar()->addMenu(Utf8(definition.title));
    for (const MenuItem& item : definition.items) {
      switch (item.kind) {
        case MenuItem::Kind::Command:
          AddCommand(menu, item.command);
          break;
        case MenuItem::Kind::ToggleCommand:
          AddCommand(menu, item.command)->setCheckable(true);
          break;
        case MenuItem::Kind::DisplayCommand: {
          QAction* action = AddCommand(menu, item.command);
          action->setCheckable(true);
          displays->addAction(action);
          // The check marks follow what is shown, whichever way it was chosen.
          connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates,
                  Qt::UniqueConnection);
          break;
        }
        case MenuItem::Kind::Separator:
          menu->addSeparator();
          break;
        case MenuItem::Kind::RecentFiles:
          fileMenu_ = menu;
          recentFilesEnd_ = menu->addSeparator();
          connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateRecentFileMenu);
          break;
        case MenuItem::Kind::CircleMethod:
          AddCircleMethodMenu(menu);
          break;
        case MenuItem::Kind::Verification: {
          QAction* verify = menu->addAction(Utf8("計算の検証..."));
          verify->setObjectName("verifyCalculation");
          connect(verify, &QAction::triggered, this, [this] {
            VerificationDialog(this, app_.services().chooser, app_.services().prompts,
                               app_.document().GetPathName())
                .exec();
          });
          break;
        }
      }
    }
  }
}

void CMainFrame::AddCircleMethodMenu(QMenu* settings) {
  QMenu* menu = settings->addMenu(Utf8("円形荷重の計算方法"));
  menu->setObjectName("circleMethodMenu");
  auto* group = new QActionGroup(menu);
  for (CircleMethod method : {CircleMethod::kExact, CircleMethod::kCompatible}) {
    QAction* action = menu->addAction(Utf8(method == CircleMethod::kExact ? "厳密解" : "旧版互換"));
    action->setObjectName(QString("circleMethod_") + CircleMethodName(method));
    action->setCheckable(true);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, method] { view_->SetCircleMethod(method); });
    connect(menu, &QMenu::aboutToShow, action,
            [this, action, method] { action->setChecked(view_->circleMethod() == method); });
  }
}

void CMainFrame::BuildToolBar() {
  toolBar_ = addToolBar(Utf8("ﾂｰﾙ ﾊﾞｰ"));
  toolBar_->setObjectName("toolBar");
  toolBar_->setIconSize(QSize(16, 16));
  toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolBar_->setMovable(true);
  toolBar_->setFloatable(true);
  toolBar_->setAllowedAreas(Qt::AllToolBarAreas);

  // The buttons in order; a null icon name stands for a separator.
  struct Button {
    CommandId id;
    const char* icon;
  };
  constexpr Button kSeparator{CommandId::FileNew, nullptr};
  std::vector<Button> buttons = {
      {CommandId::FileNew, "new"},
      {CommandId::FileOpen, "open"},
      {CommandId::FileSave, "save"},
      kSeparator,
      {CommandId::FilePrint, "print"},
      {CommandId::AppAbout, "about"},
      kSeparator,
  };
  // A button for each kind of display, from the table of displays.
  for (const DisplayKindRow& kind : kDisplayKinds)
    buttons.push_back({kind.toolbarCommand, kind.icon});
  for (const Button& button :
       {kSeparator, Button{CommandId::ZoomOut, "zoom-out"}, Button{CommandId::ZoomIn, "zoom-in"},
        Button{CommandId::ZoomFitPage, "fit-page"}, Button{CommandId::ZoomFitWidth, "fit-width"}})
    buttons.push_back(button);
  for (const auto& [id, icon] : buttons) {
    if (icon == nullptr) {
      toolBar_->addSeparator();
      continue;
    }
    QAction* action = CommandAction(id);
    if (action == nullptr) action = MakeAction(id);
    action->setIcon(SvgIcon(Utf8(icon)));
    toolBar_->addAction(action);
  }
}

void CMainFrame::BuildStatusBar() {
  idleText_ = new QLabel(QString::fromStdString(MessageText(MessageId::IdleStatus)), this);
  idleText_->setObjectName("idleText");
  // A normal widget: prompts shown for menu items and buttons cover it while they last.
  statusBar()->addWidget(idleText_, 1);
}

void CMainFrame::ConnectCommands() {
  CQelDoc& document = app_.document();
  auto on = [this](CommandId id, std::function<void()> handler) {
    SetCommandHandler(id, std::move(handler));
  };
  on(CommandId::FileNew, [this] { app_.OnFileNew(); });
  on(CommandId::FileOpen, [this] { app_.OnFileOpen(); });
  on(CommandId::FileSave, [&document] { document.OnFileSave(); });
  on(CommandId::FileSaveAs, [&document] { document.OnFileSaveAs(); });
  on(CommandId::FilePrint, [this] { view_->printing().OnFilePrint(); });
  on(CommandId::FilePrintPreview, [this] { view_->printing().OnFilePrintPreview(); });
  on(CommandId::FilePrintSetup, [this] { app_.OnFilePrintSetup(); });
  on(CommandId::AppExit, [this] { close(); });
  on(CommandId::ViewToolBar,
     [this] { toolBar_->setVisible(CommandAction(CommandId::ViewToolBar)->isChecked()); });
  on(CommandId::ViewStatusBar,
     [this] { statusBar()->setVisible(CommandAction(CommandId::ViewStatusBar)->isChecked()); });
  for (const DisplayRow& row : kDisplays)
    on(row.command, [this, id = row.command] { view_->OnDisplayCommand(id); });
  for (const DisplayKindRow& kind : kDisplayKinds)
    on(kind.toolbarCommand, [this, id = kind.toolbarCommand] { view_->OnToolbarCommand(id); });
  on(CommandId::AppAbout, [this] { OnAppAbout(); });
  connect(toolBar_, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateCommandStates);
}

void CMainFrame::UpdateCommandStates() {
  for (const DisplayRow& row : kDisplays)
    CommandAction(row.command)->setChecked(view_->IsDisplayChecked(row.command));
  CommandAction(CommandId::ViewToolBar)->setChecked(!toolBar_->isHidden());
  CommandAction(CommandId::ViewStatusBar)->setChecked(!statusBar()->isHidden());
  UpdateStatusText();
}

void CMainFrame::UpdateStatusText() {
  // A figure cut short at its page limit says so where the paging keys are explained.
  const std::string notice = app_.controller().FigureNotice();
  std::string text = notice.empty() ? MessageText(MessageId::IdleStatus) : notice;
  // Loads and points that the calculation leaves out are never silent.
  const std::string leftOut = LeftOutSummary(app_.state().document.cells());
  if (!leftOut.empty()) text = leftOut + "　" + text;
  idleText_->setText(QString::fromStdString(text));
}

void CMainFrame::UpdateRecentFileMenu() {
  for (QAction* action : recentFileActions_) {
    fileMenu_->removeAction(action);
    action->deleteLater();
  }
  recentFileActions_.clear();
  const std::vector<std::string> files = app_.services().recentFiles.Files();
  if (files.empty()) {
    auto* placeholder = new QAction(Utf8(kNoRecentFilesText), this);
    placeholder->setEnabled(false);
    recentFileActions_.push_back(placeholder);
  }
  for (std::size_t i = 0; i < files.size() && i < kRecentFileCount; ++i) {
    auto* action = new QAction(RecentFileText(static_cast<int>(i) + 1, files[i]), this);
    action->setStatusTip(Utf8(kRecentFilePrompt));
    action->setData(static_cast<int>(CommandId::FileRecentFirst) + static_cast<int>(i));
    const std::string path = files[i];
    connect(action, &QAction::triggered, this, [this, path] { app_.OpenDocumentFile(path); });
    recentFileActions_.push_back(action);
  }
  fileMenu_->insertActions(recentFilesEnd_, {recentFileActions_.begin(), recentFileActions_.end()});
}

void CMainFrame::UpdateWindowTitle() {
  const QString name = QString::fromStdString(app_.document().GetTitle());
  setWindowTitle(name + "[*] - " + Utf8(kWindowTitle));
  setWindowModified(app_.document().IsModified());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (app_.document().SaveModified())
    event->accept();
  else
    event->ignore();
}

void CMainFrame::OnAppAbout() {
  CAboutDlg about(this);
  about.exec();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const QString path = DroppedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  activateWindow();
  // Opened once the drop is over, so that a message about the file does not hold up the
  // program the file was dragged from.
  const std::string file = path.toStdString();
  QMetaObject::invokeMethod(
      this, [this, file] { app_.OpenDocumentFile(file); }, Qt::QueuedConnection);
}

}  // namespace qel
