// The application: the process-wide state, the document, the view logic and the main window,
// started in the program's order.
#pragma once

#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "app/file_commands.h"
#include "dialogs/dialog_session.h"
#include "platform/qt/widgets/qt_application_printer.h"
#include "view/application_state.h"
#include "view/view_controller.h"

namespace qel {

class CMainFrame;
class ClipboardService;
class ColourChooser;
class FileChooser;
class FileOpener;
class FontChooser;
class Profile;
class PromptService;
class RecentFiles;
class SystemPaths;

// The services the application asks of the platform; tests pass scripted ones.
struct AppServices {
  PromptService& prompts;
  FileChooser& chooser;
  RecentFiles& recentFiles;
  const SystemPaths& paths;
  // False: print to PDF files even where the system has a printer.
  bool useSystemPrinter = true;
  // The font and colour dialogs and the opener of the help file; nullptr: the desktop's own.
  // CQelApp::services() always holds all three.
  FontChooser* fontChooser = nullptr;
  ColourChooser* colourChooser = nullptr;
  FileOpener* fileOpener = nullptr;
  // Where the view keeps its zoom between runs; none: for the run only.
  Profile* profile = nullptr;
  // Where "コピー" puts a table; nullptr: the desktop's clipboard (CQelApp::services() always
  // holds one).
  ClipboardService* clipboard = nullptr;
};

class CQelApp {
 public:
  // With the desktop's own services: message boxes, file dialogs, the profile's recent files
  // and the real folders.
  CQelApp();
  explicit CQelApp(const AppServices& services);
  ~CQelApp();
  CQelApp(const CQelApp&) = delete;
  CQelApp& operator=(const CQelApp&) = delete;

  // Starts the program: the main window, the data file named by the first argument (or an
  // empty document), the first update of the view, the window title (which follows the
  // document's name and modified mark from then on); then shows the window.
  // False when the named file cannot be opened: the program ends. An argument starting with "-"
  // is not opened (the program has no options of its own; Qt took its own out before), with a
  // message saying so, unless it comes after "--". `arguments` are the bytes as given.
  bool InitInstance(const std::vector<std::string>& arguments);
  bool InitInstance(const QStringList& arguments);

  // Opens `path` as a file chosen from the recent files or dropped onto the window, once the
  // changes of the document were asked about; a file that cannot be opened leaves the
  // recent-file list. False when nothing was opened.
  bool OpenDocumentFile(const std::string& path);
  // "ﾌﾟﾘﾝﾀの設定": the page set-up of the program's printer.
  void OnFilePrintSetup();
  // "新規作成": once the changes of the document were asked about, an empty, untitled document
  // with the settings a first start of the program gives it (NewDocumentTables), shown from its
  // start.
  void OnFileNew();
  // "開く": the open dialog; the file chosen is shown from its start.
  void OnFileOpen();
  // Reads the printer's page size for the layout of the pages, telling the user when the
  // printer gave none that can be used.
  void ReadPaper();

  ApplicationState& state() { return state_; }
  DialogSession& dialogSession() { return dialogSession_; }
  ViewController& controller() { return controller_; }
  CQelDoc& document() { return document_; }
  QtApplicationPrinter& printer() { return printer_; }
  const AppServices& services() const { return services_; }
  CMainFrame* mainFrame() const { return frame_.get(); }

 private:
  struct DesktopServices;
  struct DesktopChoosers;
  // The owned services are taken by reference so that they can be read before they move.
  explicit CQelApp(std::unique_ptr<DesktopServices>&& owned);
  CQelApp(std::unique_ptr<DesktopServices>&& owned, const AppServices& services);

  std::unique_ptr<DesktopServices> owned_;
  std::unique_ptr<DesktopChoosers> choosers_;
  AppServices services_;
  ApplicationState state_;
  DialogSession dialogSession_;
  QtApplicationPrinter printer_;
  ViewController controller_;
  CQelDoc document_;
  std::unique_ptr<CMainFrame> frame_;
};

}  // namespace qel
