// The main window: menu, tool bar, status bar and the view, and documents dropped onto it.
#include "app/main_frame.h"

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
#include <algorithm>

#include "app/command_table.h"
#include "app/file_commands.h"
#include "app/qel_app.h"
#include "app/qel_view.h"
#include "app/svg_icons.h"
#include "document/excluded_loads.h"
#include "platform/messages.h"
#include "platform/recent_files.h"

namespace qel {

namespace {

const char* const kNoRecentFilesText = "最近使ったﾌｧｲﾙ";
const char* const kRecentFilePrompt = "指定のﾌｧｲﾙを開く";
// Longer paths show their first folder, "..." and their file name in the menu.
constexpr int kLongestRecentFileText = 60;
// How long the status bar shows a note such as where a PDF file went.
constexpr int kStatusNoteMilliseconds = 15000;

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

// The mnemonic of a menu text ("(&U)"), or nothing.
std::string MnemonicOf(const char* text) {
  const std::string whole = text != nullptr ? text : "";
  const std::size_t mnemonic = whole.find("(&");
  return mnemonic == std::string::npos ? std::string() : whole.substr(mnemonic);
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
  // The states follow every refresh of the view; the first comes as the application starts.
  connect(view_, &CQelView::displayChanged, this, &CMainFrame::UpdateCommandStates);
  connect(toolBar_, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateCommandStates);
  UpdateRecentFileMenu();
  view_->setFocus();
}

QAction* CMainFrame::MakeAction(const CommandRow& row) {
  auto* action = new QAction(this);
  if (row.text != nullptr) action->setText(Utf8(row.text));
  const QString prompt = Utf8(row.prompt);
  const int newline = prompt.indexOf('\n');
  action->setStatusTip(newline < 0 ? prompt : prompt.left(newline));
  if (newline >= 0) action->setToolTip(prompt.mid(newline + 1));
  if (row.keys != nullptr) action->setShortcuts(QKeySequence::listFromString(Utf8(row.keys)));
  action->setCheckable(row.indicator != CommandRow::Indicator::None);
  if (row.name != nullptr) action->setObjectName(row.name);
  if (row.id) {
    action->setData(static_cast<int>(*row.id));
    actions_[*row.id] = action;
  }
  connect(action, &QAction::triggered, this, [this, &row] {
    row.run(app_);
    if (!row.refreshes) return;
    app_.document().ModifiedMayHaveChanged();
    view_->Refresh();
  });
  rowActions_.emplace_back(&row, action);
  return action;
}

QAction* CMainFrame::CommandAction(CommandId id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::BuildMenus() {
  QMenu* menu = nullptr;         // the menu of the rows of level 1
  QMenu* submenu = nullptr;      // the menu of the rows of level 2
  QActionGroup* radios[3] = {};  // the exclusive group of each level's menu
  for (const CommandRow& row : CommandTable()) {
    if (row.entry == CommandRow::Entry::Menu) {
      QMenu* made =
          row.level == 0 ? menuBar()->addMenu(Utf8(row.text)) : menu->addMenu(Utf8(row.text));
      if (row.name != nullptr) made->setObjectName(row.name);
      // The check marks and names follow what is shown, whichever way it was chosen.
      connect(made, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
      (row.level == 0 ? menu : submenu) = made;
      radios[row.level + 1] = nullptr;
      continue;
    }
    QMenu* into = row.level == 2 ? submenu : menu;
    switch (row.entry) {
      case CommandRow::Entry::Separator:
        into->addSeparator();
        break;
      case CommandRow::Entry::RecentFiles:
        fileMenu_ = into;
        recentFilesEnd_ = into->addSeparator();
        connect(into, &QMenu::aboutToShow, this, &CMainFrame::UpdateRecentFileMenu);
        break;
      default: {
        if (row.text == nullptr) break;  // a command of the tool bar alone
        QAction* action = MakeAction(row);
        into->addAction(action);
        if (row.indicator == CommandRow::Indicator::Radio) {
          QActionGroup*& group = radios[row.level];
          if (group == nullptr) {
            group = new QActionGroup(into);
            group->setExclusive(true);
          }
          group->addAction(action);
        }
        break;
      }
    }
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

  std::vector<const CommandRow*> buttons;
  for (const CommandRow& row : CommandTable())
    if (row.toolbar != 0) buttons.push_back(&row);
  std::stable_sort(buttons.begin(), buttons.end(), [](const CommandRow* a, const CommandRow* b) {
    return a->toolbar < b->toolbar;
  });
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const CommandRow& row = *buttons[i];
    if (i > 0 && buttons[i - 1]->toolbar / 10 != row.toolbar / 10) toolBar_->addSeparator();
    QAction* action = row.id ? CommandAction(*row.id) : nullptr;
    if (action == nullptr) action = MakeAction(row);
    action->setIcon(SvgIcon(Utf8(row.icon)));
    toolBar_->addAction(action);
  }
}

void CMainFrame::BuildStatusBar() {
  idleText_ = new QLabel(QString::fromStdString(MessageText(MessageId::IdleStatus)), this);
  idleText_->setObjectName("idleText");
  // A normal widget: prompts shown for menu items and buttons cover it while they last.
  statusBar()->addWidget(idleText_, 1);
  // The zoom and "ページ n / N" of the display shown.
  zoomText_ = new QLabel(this);
  zoomText_->setObjectName("zoomText");
  pageText_ = new QLabel(this);
  pageText_->setObjectName("pageText");
  statusBar()->addPermanentWidget(zoomText_);
  statusBar()->addPermanentWidget(pageText_);
  connect(view_, &CQelView::statusMessage, this,
          [this](const QString& text) { statusBar()->showMessage(text, kStatusNoteMilliseconds); });
}

void CMainFrame::UpdateCommandStates() {
  for (const auto& [row, action] : rowActions_) {
    action->setEnabled(!row->enabledWhen || row->enabledWhen(app_));
    if (row->checkedWhen) action->setChecked(row->checkedWhen(app_));
    if (row->textWhen)
      action->setText(QString::fromStdString(row->textWhen(app_) + MnemonicOf(row->text)));
  }
  UpdateStatusText();
  pageText_->setText(view_->PageText());
  zoomText_->setText(view_->ZoomText());
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
