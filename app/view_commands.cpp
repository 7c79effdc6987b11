// The commands of the page view and its status in the status bar.
#include "app/view_commands.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QStatusBar>

#include "app/main_frame.h"
#include "app/qel_app.h"
#include "app/qel_view.h"
#include "app/table_csv_command.h"
#include "platform/messages.h"
#include "view/table_export.h"
#include "view/table_rows.h"

namespace qel {

namespace {

// How long the status bar shows where a PDF file went.
constexpr int kStatusNoteMilliseconds = 15000;

}  // namespace

void ConnectViewCommands(CQelApp& app) {
  CMainFrame& frame = *app.mainFrame();
  CQelView& view = *frame.view();
  view.UseProfile(app.services().profile);
  view.printing().SetDocumentPath([&app] { return app.document().GetPathName(); });

  frame.SetCommandHandler(CommandId::ZoomIn, [&view] { view.ZoomIn(); });
  frame.SetCommandHandler(CommandId::ZoomOut, [&view] { view.ZoomOut(); });
  frame.SetCommandHandler(CommandId::ZoomActualSize, [&view] { view.ZoomActualSize(); });
  frame.SetCommandHandler(CommandId::ZoomFitPage, [&view] { view.ZoomFitPage(); });
  frame.SetCommandHandler(CommandId::ZoomFitWidth, [&view] { view.ZoomFitWidth(); });
  frame.SetCommandHandler(CommandId::FileSaveReport,
                          [&view] { view.printing().OnFileSaveReport(); });
  frame.SetCommandHandler(CommandId::FilePrintAll, [&view] { view.printing().OnFilePrintAll(); });
  frame.SetCommandHandler(CommandId::FileSaveTableCsv, [&app, &view] {
    const AppServices& services = app.services();
    const std::optional<std::string> path = SaveTableAsCsv(
        app.state(), app.document().GetPathName(), services.chooser, services.prompts);
    if (path)
      emit view.statusMessage(QString::fromStdString(MessageText(MessageId::PdfSaved, *path)));
  });
  // Copying takes a table: it is offered while one is shown.
  QAction* copy = frame.CommandAction(CommandId::EditCopy);
  frame.SetCommandHandler(CommandId::EditCopy,
                          [&app] { CopyShownTable(app.state(), *app.services().clipboard); });
  // Ctrl++ is Ctrl+Shift+= on many keyboards: Ctrl+= zooms in as well.
  frame.CommandAction(CommandId::ZoomIn)
      ->setShortcuts({QKeySequence(QKeySequence::ZoomIn), QKeySequence("Ctrl+=")});
  QAction* fitPage = frame.CommandAction(CommandId::ZoomFitPage);
  QAction* fitWidth = frame.CommandAction(CommandId::ZoomFitWidth);
  fitPage->setCheckable(true);
  fitWidth->setCheckable(true);

  auto* zoomText = new QLabel(&frame);
  zoomText->setObjectName("zoomText");
  auto* pageText = new QLabel(&frame);
  pageText->setObjectName("pageText");
  frame.statusBar()->addPermanentWidget(zoomText);
  frame.statusBar()->addPermanentWidget(pageText);
  auto refresh = [&app, &view, zoomText, pageText, fitPage, fitWidth, copy] {
    copy->setEnabled(IsTableDisplay(app.state().view.displayMode));
    pageText->setText(view.PageText());
    zoomText->setText(view.ZoomText());
    fitPage->setChecked(view.shownZoom().mode == ZoomMode::FitPage);
    fitWidth->setChecked(view.shownZoom().mode == ZoomMode::FitWidth);
  };
  QObject::connect(&view, &CQelView::displayChanged, pageText, refresh);
  QObject::connect(&view, &CQelView::statusMessage, &frame, [&frame](const QString& text) {
    frame.statusBar()->showMessage(text, kStatusNoteMilliseconds);
  });
  refresh();
}

}  // namespace qel
