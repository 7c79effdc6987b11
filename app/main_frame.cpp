// The main window: menu, tool bar, status bar and the view, and documents dropped onto it.
#include "app/main_frame.h"

#include <QAction>
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
#include "app/qel_app.h"
#include "app/qel_view.h"
#include "app/svg_icons.h"
#include "document/file_commands.h"
#include "platform/messages.h"
#include "platform/recent_files.h"
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

QAction* CMainFrame::MakeAction(int id) {
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
  action->setData(id);
  actions_[id] = action;
  return action;
}

QAction* CMainFrame::AddCommand(QMenu* menu, int id) {
  QAction* action = MakeAction(id);
  menu->addAction(action);
  return action;
}

QAction* CMainFrame::CommandAction(int id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::SetCommandHandler(int id, std::function<void()> handler) {
  QAction* action = CommandAction(id);
  if (action == nullptr) return;
  connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
  action->setEnabled(true);
}

void CMainFrame::BuildMenus() {
  using namespace command;
  QMenuBar* bar = menuBar();

  fileMenu_ = bar->addMenu(Utf8("ﾌｧｲﾙ(&F)"));
  for (int id : {kFileNew, kFileOpen, kFileSave, kFileSaveAs})
    AddCommand(fileMenu_, id);
  fileMenu_->addSeparator();
  for (int id : {kFilePrint, kFilePrintPreview, kFilePrintSetup})
    AddCommand(fileMenu_, id);
  fileMenu_->addSeparator();
  recentFilesEnd_ = fileMenu_->addSeparator();
  AddCommand(fileMenu_, kAppExit);
  connect(fileMenu_, &QMenu::aboutToShow, this, &CMainFrame::UpdateRecentFileMenu);

  QMenu* strip = bar->addMenu(Utf8("帯状荷重(&A)"));
  for (int id : {kStripTitleStyle, kStripLoad1, kStripLoad2, kStripSpacer, kStripPoints})
    AddCommand(strip, id);
  strip->addSeparator();
  AddCommand(strip, kStripPage);

  QMenu* rect = bar->addMenu(Utf8("長方形円形荷重(&B)"));
  for (int id : {kRectTitleStyle, kRectLoads, kCircleLoads, kLatticePoints})
    AddCommand(rect, id);
  rect->addSeparator();
  AddCommand(rect, kRectPage);

  QMenu* view = bar->addMenu(Utf8("表示(&V)"));
  AddCommand(view, kViewToolBar)->setCheckable(true);
  AddCommand(view, kViewStatusBar)->setCheckable(true);
  view->addSeparator();
  for (int id : {kCommandStripFigure, kCommandStripData, kCommandStripResults})
    AddCommand(view, id)->setCheckable(true);
  view->addSeparator();
  for (int id : {kCommandRectCircleFigure, kCommandRectCircleData, kCommandRectCircleResults})
    AddCommand(view, id)->setCheckable(true);
  connect(view, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);

  QMenu* settings = bar->addMenu(Utf8("設定(&S)"));
  for (int id : {kStripScale, kRectScale})
    AddCommand(settings, id);
  settings->addSeparator();
  AddCommand(settings, kLineMarginDigits);
  settings->addSeparator();
  for (int id : {kStripStandardValues, kRectStandardValues})
    AddCommand(settings, id);
  settings->addSeparator();
  for (int id : {kFontTitle, kFontStrip, kFontRectCircle, kFontPage})
    AddCommand(settings, id);
  settings->addSeparator();
  AddCommand(settings, kKeyBehaviour);

  QMenu* help = bar->addMenu(Utf8("ﾍﾙﾌﾟ(&H)"));
  AddCommand(help, kAppAbout);
  AddCommand(help, kHelp);

  // The blank item never does anything; the others wait for their dialogs.
  CommandAction(kStripSpacer)->setEnabled(false);
  for (int id : CommandsAwaitingDialogs())
    CommandAction(id)->setEnabled(false);
}

void CMainFrame::BuildToolBar() {
  using namespace command;
  toolBar_ = addToolBar(Utf8("ﾂｰﾙ ﾊﾞｰ"));
  toolBar_->setObjectName("toolBar");
  toolBar_->setIconSize(QSize(16, 16));
  toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolBar_->setMovable(true);
  toolBar_->setFloatable(true);
  toolBar_->setAllowedAreas(Qt::AllToolBarAreas);

  const std::pair<int, const char*> buttons[] = {
      {kFileNew, "new"},
      {kFileOpen, "open"},
      {kFileSave, "save"},
      {0, nullptr},
      {kFilePrint, "print"},
      {kAppAbout, "about"},
      {0, nullptr},
      {kCommandToolbarFigure, "figure"},
      {kCommandToolbarData, "data"},
      {kCommandToolbarResults, "results"},
  };
  for (const auto& [id, icon] : buttons) {
    if (id == 0) {
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
  idleText_ = new QLabel(QString::fromStdString(MessageText(msg::kIdleStatus)), this);
  idleText_->setObjectName("idleText");
  // A normal widget: prompts shown for menu items and buttons cover it while they last.
  statusBar()->addWidget(idleText_, 1);
}

void CMainFrame::ConnectCommands() {
  using namespace command;
  CQelDoc& document = app_.document();
  auto on = [this](int id, auto handler) {
    connect(CommandAction(id), &QAction::triggered, this, handler);
  };
  on(kFileNew, [&document] { document.OnFileNew(); });
  on(kFileOpen, [&document] { document.OnFileOpen(); });
  on(kFileSave, [&document] { document.OnFileSave(); });
  on(kFileSaveAs, [&document] { document.OnFileSaveAs(); });
  on(kFilePrint, [this] { view_->OnFilePrint(); });
  on(kFilePrintPreview, [this] { view_->OnFilePrintPreview(); });
  on(kFilePrintSetup, [this] { app_.OnFilePrintSetup(); });
  on(kAppExit, [this] { close(); });
  on(kViewToolBar, [this](bool shown) { toolBar_->setVisible(shown); });
  on(kViewStatusBar, [this](bool shown) { statusBar()->setVisible(shown); });
  for (int id : {kCommandStripFigure, kCommandStripData, kCommandStripResults,
                 kCommandRectCircleFigure, kCommandRectCircleData, kCommandRectCircleResults})
    on(id, [this, id] { view_->OnDisplayCommand(id); });
  for (int id : {kCommandToolbarFigure, kCommandToolbarData, kCommandToolbarResults})
    on(id, [this, id] { view_->OnToolbarCommand(id); });
  on(kAppAbout, [this] { OnAppAbout(); });
  connect(toolBar_, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateCommandStates);
}

void CMainFrame::UpdateCommandStates() {
  using namespace command;
  for (int id : {kCommandStripFigure, kCommandStripData, kCommandStripResults,
                 kCommandRectCircleFigure, kCommandRectCircleData, kCommandRectCircleResults})
    CommandAction(id)->setChecked(view_->IsDisplayChecked(id));
  CommandAction(kViewToolBar)->setChecked(!toolBar_->isHidden());
  CommandAction(kViewStatusBar)->setChecked(!statusBar()->isHidden());
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
    action->setData(command::kFileRecentFirst + static_cast<int>(i));
    const std::string path = files[i];
    connect(action, &QAction::triggered, this, [this, path] { app_.OpenDocumentFile(path); });
    recentFileActions_.push_back(action);
  }
  fileMenu_->insertActions(recentFilesEnd_, {recentFileActions_.begin(), recentFileActions_.end()});
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
