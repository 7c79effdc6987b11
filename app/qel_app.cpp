// The application: start-up in the program's order, documents opened by name, printer set-up.
#include "app/qel_app.h"

#include <QPageSetupDialog>

#include "app/main_frame.h"
#include "app/qel_view.h"
#include "document/style_defaults.h"
#include "platform/messages.h"
#include "platform/qt/qt_profile.h"
#include "platform/qt/qt_recent_files.h"
#include "platform/qt/widgets/qt_clipboard.h"
#include "platform/qt/widgets/qt_colour_chooser.h"
#include "platform/qt/widgets/qt_file_chooser.h"
#include "platform/qt/widgets/qt_file_opener.h"
#include "platform/qt/widgets/qt_font_chooser.h"
#include "platform/qt/widgets/qt_prompts.h"
#include "platform/system_paths.h"
#include "settings/settings_files.h"

namespace qel {

struct CQelApp::DesktopServices {
  QtPrompts prompts;
  QtFileChooser chooser;
  QtRecentFiles recentFiles;
  EnvironmentSystemPaths paths;
  QtProfile profile;

  AppServices services() {
    AppServices services{prompts, chooser, recentFiles, paths};
    services.profile = &profile;
    return services;
  }
};

// The font and colour dialogs, the opener of the help file and the clipboard, for whatever the
// caller did not provide.
struct CQelApp::DesktopChoosers {
  QtFontChooser fonts;
  QtColourChooser colours;
  QtFileOpener opener;
  QtClipboard clipboard;
};

namespace {

// The services with the desktop's own choosers filling the gaps.
AppServices WithChoosers(AppServices services, QtFontChooser& fonts, QtColourChooser& colours,
                         QtFileOpener& opener, QtClipboard& clipboard) {
  if (services.fontChooser == nullptr) services.fontChooser = &fonts;
  if (services.colourChooser == nullptr) services.colourChooser = &colours;
  if (services.fileOpener == nullptr) services.fileOpener = &opener;
  if (services.clipboard == nullptr) services.clipboard = &clipboard;
  return services;
}

}  // namespace

CQelApp::CQelApp() : CQelApp(std::make_unique<DesktopServices>()) {}

CQelApp::CQelApp(std::unique_ptr<DesktopServices>&& owned)
    : CQelApp(std::move(owned), owned->services()) {}

CQelApp::CQelApp(const AppServices& services)
    : CQelApp(std::unique_ptr<DesktopServices>(), services) {}

CQelApp::CQelApp(std::unique_ptr<DesktopServices>&& owned, const AppServices& services)
    : owned_(std::move(owned)),
      choosers_(std::make_unique<DesktopChoosers>()),
      services_(WithChoosers(services, choosers_->fonts, choosers_->colours, choosers_->opener,
                             choosers_->clipboard)),
      printer_(services.useSystemPrinter),
      controller_(state_, printer_),
      document_(state_.document, state_.results, state_.circleMethod, state_.settings,
                state_.settingsFiles,
                DocumentServices{services_.prompts, services_.chooser, services_.recentFiles}) {}

CQelApp::~CQelApp() = default;

bool CQelApp::InitInstance(const QStringList& arguments) {
  std::vector<std::string> words;
  for (const QString& argument : arguments)
    words.push_back(argument.toStdString());
  return InitInstance(words);
}

bool CQelApp::InitInstance(const std::vector<std::string>& arguments) {
  frame_ = std::make_unique<CMainFrame>(*this);
  if (owned_) {
    owned_->prompts.set_parent(frame_.get());
    owned_->chooser.set_parent(frame_.get());
  }
  choosers_->fonts.set_parent(frame_.get());
  choosers_->colours.set_parent(frame_.get());
  // The view keeps its zooms and the circle method in the profile, and names its PDF files
  // after the document.
  frame_->view()->UseProfile(services_.profile);
  frame_->view()->printing().SetDocumentPath([this] { return document_.GetPathName(); });

  // The settings, once for the run: the data folder, Sys.ndx and the fonts. They give the empty
  // document its titles, grid, scales and print ranges; a file named below replaces it.
  ShowEach(services_.prompts, SettingsLoadProblemTexts(LoadSettingsWithStyleDefaults(
                                  state_.settingsFiles, state_.settings, state_.fonts,
                                  state_.document, services_.paths)));

  // The command line: an empty document, or the data file it names.
  bool optionsEnded = false;
  for (const std::string& argument : arguments) {
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
      continue;
    }
    if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
      services_.prompts.Show(MessageText(MessageId::UnknownOption, argument), PromptButtons::Ok);
      continue;
    }
    // A file that cannot be opened or is refused unread ends the program, after its message.
    ReadStatus status = document_.OnOpenDocument(argument);
    if (status != ReadStatus::Ok && status != ReadStatus::NotADataFile) return false;
    break;
  }

  CQelView* view = frame_->view();
  // The document is replaced only by new and open: it is shown from its start.
  document_.SetUpdateAllViews([view] { view->ShowDocumentStart(); });
  view->OnInitialUpdate();

  frame_->UpdateWindowTitle();
  document_.SetTitleChanged([frame = frame_.get()] { frame->UpdateWindowTitle(); });
  frame_->show();
  frame_->setAcceptDrops(true);
  return true;
}

bool CQelApp::OpenDocumentFile(const std::string& path) {
  if (!document_.SaveModified()) return false;
  if (document_.OnOpenDocument(path) == ReadStatus::Ok) {
    frame_->UpdateRecentFileMenu();
    return true;
  }
  services_.recentFiles.Remove(path);
  frame_->UpdateRecentFileMenu();
  return false;
}

void CQelApp::OnFilePrintSetup() {
  QPageSetupDialog dialog(&printer_.printer(), frame_.get());
  if (dialog.exec() != QDialog::Accepted) return;
  // The paper may have changed: the pages are laid out for the new one from now on.
  ReadPaper();
  frame_->view()->Refresh();
}

void CQelApp::OnFileNew() {
  // Asked first, so that the settings of a new document are taken only once it is made; the
  // changes the user let go are not asked about again.
  if (!document_.SaveModified()) return;
  std::vector<SettingsLoadProblem> problems;
  const DocumentTables fresh = NewDocumentTables(services_.paths, problems);
  document_.MakeNew(fresh);
  ShowEach(services_.prompts, SettingsLoadProblemTexts(problems));
}

void CQelApp::OnFileOpen() {
  document_.OnFileOpen();
}

void CQelApp::ReadPaper() {
  if (!controller_.ReadDeviceGeometry())
    services_.prompts.Show(kDeviceInfoErrorText, PromptButtons::Ok);
}

}  // namespace qel
