// The single view: painting, scrolling, paging keys, display commands and printing.
#include "app/qel_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QScrollBar>
#include <filesystem>

#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "platform/prompts.h"
#include "platform/qt/qt_device_context.h"
#include "platform/qt/widgets/qt_application_printer.h"

namespace qel {

namespace {

ViewKey ViewKeyOf(int key) {
  switch (key) {
    case Qt::Key_Left:
      return ViewKey::Left;
    case Qt::Key_Right:
      return ViewKey::Right;
    case Qt::Key_Up:
      return ViewKey::Up;
    case Qt::Key_Down:
      return ViewKey::Down;
    case Qt::Key_PageUp:
      return ViewKey::PageUp;
    case Qt::Key_PageDown:
      return ViewKey::PageDown;
    default:
      return ViewKey::Other;
  }
}

// The wait cursor for as long as the object lives.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

CQelView::CQelView(ViewController& controller, QtApplicationPrinter& printer, FileChooser& chooser,
                   PromptService& prompts, int screenWidth, QWidget* parent)
    : QAbstractScrollArea(parent),
      controller_(controller),
      printer_(printer),
      chooser_(chooser),
      prompts_(prompts),
      screenWidth_(screenWidth) {
  // The page is white, like the paper it stands for.
  QPalette palette = viewport()->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::Base, Qt::white);
  viewport()->setPalette(palette);
  viewport()->setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::NoFrame);
}

void CQelView::OnInitialUpdate() {
  OnUpdate();
  scrollSizes_ = ViewController::ScrollSizesFor(screenWidth_);
  UpdateScrollBars();
}

void CQelView::OnUpdate() {
  controller_.OnUpdate();
  viewport()->update();
  emit displayChanged();
}

void CQelView::UpdateScrollBars() {
  const QSize shown = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, scrollSizes_.total - shown.width()));
  verticalScrollBar()->setRange(0, std::max(0, scrollSizes_.total - shown.height()));
  for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
    bar->setPageStep(scrollSizes_.page);
    bar->setSingleStep(scrollSizes_.line);
  }
}

void CQelView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void CQelView::scrollContentsBy(int, int) {
  viewport()->update();
}

void CQelView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
  // Millimetres on the page become pixels at the screen's logical resolution, so the page is
  // shown at its printed size.
  QtDeviceContext dc(painter, logicalDpiX(), logicalDpiY());
  controller_.OnDraw(dc);
}

void CQelView::keyPressEvent(QKeyEvent* event) {
  const ViewKey key = ViewKeyOf(event->key());
  if (key == ViewKey::Other) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  // The paging keys turn pages; they do not scroll the area as well.
  if (controller_.OnKeyDown(key)) {
    viewport()->update();
    emit displayChanged();
  }
  event->accept();
}

void CQelView::OnDisplayCommand(CommandId command) {
  controller_.OnDisplayCommand(command);
  viewport()->update();
  emit displayChanged();
}

void CQelView::OnToolbarCommand(CommandId command) {
  controller_.OnToolbarCommand(command);
  viewport()->update();
  emit displayChanged();
}

int CQelView::CountPrintedPages(const QPrinter& printer) {
  const int resolution = printer.resolution();
  return controller_.CountPrintedPages(resolution, resolution);
}

bool CQelView::PrintPages(QPrinter& printer, int first, int last) {
  if (last < first) return true;
  WaitCursor wait;
  QPainter painter;
  bool printed = painter.begin(&printer);
  const int resolution = printer.resolution();
  for (int page = first; printed && page <= last; ++page) {
    if (page > first && !printer.newPage()) {
      printed = false;
      break;
    }
    QtDeviceContext dc(painter, resolution, resolution);
    controller_.PrintPage(dc, page);
  }
  if (painter.isActive()) printed = painter.end() && printed;
  return printed;
}

void CQelView::OnEndPrinting() {
  viewport()->update();
  emit displayChanged();
}

bool CQelView::PrintToPdf() {
  FileDialogRequest request;
  request.kind = FileDialogKind::Save;
  request.filters = {{"PDF", {"pdf"}}};
  request.defaultExtension = "pdf";
  std::optional<std::string> chosen = chooser_.Choose(request);
  if (!chosen) return false;
  std::string path = *chosen;
  if (std::filesystem::path(path).extension().empty()) path += ".pdf";

  QPrinter& printer = printer_.printer();
  printer.setOutputFileName(QString::fromStdString(path));
  const int pages = CountPrintedPages(printer);
  const bool written = PrintPages(printer, 1, pages);
  OnEndPrinting();
  if (!written) {
    prompts_.Show(MessageText(MessageId::CannotSave), PromptButtons::Ok);
    return false;
  }
  lastPdfPath_ = path;
  return true;
}

void CQelView::OnFilePrint() {
  if (!printer_.IsRealPrinter()) {
    PrintToPdf();
    return;
  }
  QPrinter& printer = printer_.printer();
  // The range offered is that of the layout the printer will get, not the screen's.
  int pages = CountPrintedPages(printer);
  QPrintDialog dialog(&printer, this);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setMinMax(1, std::max(1, pages));
  if (dialog.exec() != QDialog::Accepted) {
    OnEndPrinting();
    return;
  }
  // Another printer or paper may have been chosen in the dialog.
  controller_.ReadDeviceGeometry();
  pages = CountPrintedPages(printer);
  int first = 1, last = pages;
  if (printer.printRange() == QPrinter::PageRange) {
    if (printer.fromPage() > 0) first = printer.fromPage();
    if (printer.toPage() > 0) last = std::min(printer.toPage(), pages);
  }
  if (first <= last && !PrintPages(printer, first, last))
    prompts_.Show(MessageText(MessageId::CannotRun), PromptButtons::Ok);
  OnEndPrinting();
}

void CQelView::OnFilePrintPreview() {
  QPrintPreviewDialog preview(&printer_.printer(), this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* printer) { PrintPages(*printer, 1, CountPrintedPages(*printer)); });
  preview.exec();
  OnEndPrinting();
}

}  // namespace qel
