// The single view: painting the page, zoom, scrolling, paging keys, display commands, printing
// and the PDF report.
#include "app/qel_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <filesystem>

#include "app/main_frame.h"
#include "document/file_commands.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "platform/profile.h"
#include "platform/prompts.h"
#include "platform/qt/qt_device_context.h"
#include "platform/qt/qt_page_sequence.h"
#include "platform/qt/safe_output_device.h"
#include "platform/qt/widgets/qt_application_printer.h"
#include "settings/settings_files.h"
#include "settings/text_file.h"

namespace qel {

namespace {

// Blank pixels around the page in the window.
constexpr int kPageMargin = 8;
// A Page Down moves nine tenths of the window, so a line at its edge is seen twice.
constexpr int kPageStepTenths = 9;
// The resolution of the report written as PDF, the same as the PDF printer's.
constexpr int kReportDpi = 600;
// One notch of a mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;
const char* const kProfileSection = "View";
const char* const kCircleMethodKey = "CircleMethod";

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
    case Qt::Key_Home:
      return ViewKey::Home;  // with or without Ctrl
    case Qt::Key_End:
      return ViewKey::End;
    default:
      return ViewKey::Other;
  }
}

std::string ZoomKey(DisplayMode mode) {
  return "Zoom" + std::to_string(DisplayNumber(mode));
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
  // The window is white, like the paper whose edge is drawn on it.
  QPalette palette = viewport()->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::Base, Qt::white);
  viewport()->setPalette(palette);
  viewport()->setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::NoFrame);
  // Commands elsewhere (the settings dialogs) may show another display or change the paper:
  // the page is sized for whatever is shown now.
  connect(this, &CQelView::displayChanged, this, &CQelView::UpdateScrollBars);
}

void CQelView::OnInitialUpdate() {
  lineStep_ = ViewController::ScrollSizesFor(screenWidth_).line;
  OnUpdate();
}

void CQelView::OnUpdate() {
  ShowSettingsLoadProblems(controller_.OnUpdate(), prompts_);
  UpdateScrollBars();
  viewport()->update();
  emit displayChanged();
}

void CQelView::OnPaperChanged() {
  UpdateScrollBars();
  viewport()->update();
  emit displayChanged();
}

void CQelView::SetCircleMethod(CircleMethod method) {
  controller_.state().results.SetCircleMethod(method);
  if (profile_ != nullptr)
    profile_->SetValue(kProfileSection, kCircleMethodKey, CircleMethodName(method));
  OnUpdate();
}

CircleMethod CQelView::circleMethod() const {
  return controller_.state().results.circleMethod();
}

void CQelView::UseProfile(Profile* profile) {
  profile_ = profile;
  if (profile_ == nullptr) return;
  for (int number = 1; number <= 6; ++number) {
    const DisplayMode mode = *DisplayModeFromNumber(number);
    std::optional<DisplayZoom> kept =
        ZoomFromProfileText(profile_->Value(kProfileSection, ZoomKey(mode)));
    if (kept) ZoomOf(controller_.state().view, mode) = *kept;
  }
  const std::optional<CircleMethod> method =
      ParseCircleMethod(profile_->Value(kProfileSection, kCircleMethodKey));
  controller_.state().results.SetCircleMethod(method.value_or(CircleMethod::kExact));
  UpdateScrollBars();
}

void CQelView::SetDocumentPath(std::function<std::string()> documentPath) {
  documentPath_ = std::move(documentPath);
}

DisplayZoom& CQelView::ShownZoom() {
  ViewState& view = controller_.state().view;
  return ZoomOf(view, view.displayMode);
}

const DisplayZoom& CQelView::shownZoom() const {
  const ViewState& view = controller_.state().view;
  return ZoomOf(view, view.displayMode);
}

PageView CQelView::pageView() const {
  const DeviceGeometry& g = controller_.state().geometry;
  const double factor = shownZoom().factor;
  return PageViewOf(g.paperWidthMm, g.paperHeightMm, ZoomedDpi(logicalDpiX(), factor),
                    ZoomedDpi(logicalDpiY(), factor), kPageMargin, viewport()->width(),
                    viewport()->height());
}

void CQelView::UpdateScrollBars() {
  // Showing or hiding a scroll bar resizes the window, which calls this again.
  if (updatingScrollBars_) return;
  updatingScrollBars_ = true;
  DisplayZoom& zoom = ShownZoom();
  if (zoom.mode != ZoomMode::Fixed) {
    const DeviceGeometry& g = controller_.state().geometry;
    FitInputs in;
    in.paperWidthMm = g.paperWidthMm;
    in.paperHeightMm = g.paperHeightMm;
    in.logicalDpiX = logicalDpiX();
    in.logicalDpiY = logicalDpiY();
    const QSize area = maximumViewportSize();
    in.areaWidth = area.width();
    in.areaHeight = area.height();
    in.scrollBarExtent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    in.margin = kPageMargin;
    zoom.factor = FitZoomFactor(zoom.mode, in, zoom.factor);
  }
  const PageView page = pageView();
  horizontalScrollBar()->setRange(0, page.MaxScrollX());
  verticalScrollBar()->setRange(0, page.MaxScrollY());
  horizontalScrollBar()->setPageStep(std::max(1, viewport()->width() * kPageStepTenths / 10));
  verticalScrollBar()->setPageStep(std::max(1, viewport()->height() * kPageStepTenths / 10));
  for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
    bar->setSingleStep(std::max(1, lineStep_));
  updatingScrollBars_ = false;
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
  const PageView page = pageView();
  const int left = page.PageLeft(horizontalScrollBar()->value());
  const int top = page.PageTop(verticalScrollBar()->value());
  // The paper's edge, one pixel outside the page.
  painter.setPen(QPen(QColor(0xa0, 0xa0, 0xa0), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(left - 0.5, top - 0.5, page.pageWidth + 1, page.pageHeight + 1));
  painter.translate(left, top);
  // The page is laid out at the screen's logical resolution and drawn at that resolution times
  // the zoom, so text is made at its zoomed size.
  QtDeviceContext dc(painter, logicalDpiX(), logicalDpiY());
  // Told from the event loop once the paint is over: a message box opened inside the paint
  // would paint the window again beneath it.
  if (controller_.OnDraw(dc)) QTimer::singleShot(0, this, [this] { TellFontNotMade(); });
}

void CQelView::TellFontNotMade() {
  prompts_.Show(kCannotCreateFontText, PromptButtons::Ok);
}

void CQelView::keyPressEvent(QKeyEvent* event) {
  const ViewKey key = ViewKeyOf(event->key());
  if (key == ViewKey::Other) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  QScrollBar* bar = verticalScrollBar();
  const PagingKeyResult result =
      PressPagingKey(controller_, key, {bar->value(), bar->maximum(), bar->pageStep()});
  bar->setValue(result.scroll);
  if (result.repaint) {
    viewport()->update();
    emit displayChanged();
  }
  event->accept();
}

void CQelView::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  wheelZoom_ += event->angleDelta().y();
  for (; wheelZoom_ >= kWheelNotch; wheelZoom_ -= kWheelNotch)
    ZoomIn();
  for (; wheelZoom_ <= -kWheelNotch; wheelZoom_ += kWheelNotch)
    ZoomOut();
  event->accept();
}

void CQelView::SetZoom(const DisplayZoom& zoom) {
  const PageView before = pageView();
  const ScrollPosition scroll{horizontalScrollBar()->value(), verticalScrollBar()->value()};
  ShownZoom() = zoom;
  UpdateScrollBars();
  const ScrollPosition centred = ScrollKeepingCentre(before, scroll, pageView());
  horizontalScrollBar()->setValue(centred.x);
  verticalScrollBar()->setValue(centred.y);
  SaveZoom();
  viewport()->update();
  emit displayChanged();
}

void CQelView::ZoomIn() {
  SetZoom({ZoomMode::Fixed, ZoomInStep(shownZoom().factor)});
}

void CQelView::ZoomOut() {
  SetZoom({ZoomMode::Fixed, ZoomOutStep(shownZoom().factor)});
}

void CQelView::ZoomActualSize() {
  SetZoom({ZoomMode::Fixed, 1.0});
}

void CQelView::ZoomFitPage() {
  SetZoom({ZoomMode::FitPage, shownZoom().factor});
}

void CQelView::ZoomFitWidth() {
  SetZoom({ZoomMode::FitWidth, shownZoom().factor});
}

void CQelView::SaveZoom() {
  if (profile_ == nullptr) return;
  const DisplayMode mode = controller_.state().view.displayMode;
  profile_->SetValue(kProfileSection, ZoomKey(mode), ZoomProfileText(shownZoom()));
}

QString CQelView::PageText() {
  const int pages = controller_.CountPages();
  return QString::fromStdString(MessageText(MessageId::PageOfPages,
                                            std::to_string(controller_.state().view.currentPage),
                                            std::to_string(pages)));
}

QString CQelView::ZoomText() const {
  return QString::fromStdString(ZoomPercentText(shownZoom().factor));
}

void CQelView::OnDisplayCommand(CommandId command) {
  controller_.OnDisplayCommand(command);
  UpdateScrollBars();
  viewport()->update();
  emit displayChanged();
}

void CQelView::OnToolbarCommand(CommandId command) {
  controller_.OnToolbarCommand(command);
  UpdateScrollBars();
  viewport()->update();
  emit displayChanged();
}

int CQelView::CountPrintedPages(const QPrinter& printer) {
  const int resolution = printer.resolution();
  return controller_.CountPrintedPages(resolution, resolution);
}

bool CQelView::PrintPageList(QPrinter& printer, const std::vector<ReportPage>& pages) {
  if (pages.empty()) return true;
  WaitCursor wait;
  QtPageSequence sequence(printer, printer.resolution());
  const bool drawn = DrawPages(controller_, pages, [&] { return sequence.NextPage(); });
  return sequence.Finish() && drawn;
}

WriteOutcome CQelView::WritePdf(const std::string& path, const QPageLayout& layout, int dpi,
                                const std::vector<ReportPage>& pages, const std::string& title) {
  WaitCursor wait;
  return WriteOutputFile(path, [&](QIODevice& device) {
    QPdfWriter writer(&device);
    writer.setResolution(dpi);
    writer.setPageLayout(layout);
    writer.setCreator("Qel");
    if (!title.empty()) writer.setTitle(QString::fromStdString(title));
    QtPageSequence sequence(writer, dpi);
    const bool drawn = DrawPages(controller_, pages, [&] { return sequence.NextPage(); });
    return sequence.Finish() && drawn;
  });
}

bool CQelView::PrintPages(QPrinter& printer, int first, int last) {
  return PrintPageList(printer, ShownDisplayPages(controller_, first, last));
}

void CQelView::OnEndPrinting() {
  if (controller_.TakePaperFontFailures() > 0) TellFontNotMade();
  viewport()->update();
  emit displayChanged();
}

std::optional<std::string> CQelView::ChoosePdfFile(const std::string& title) {
  const std::string document = documentPath_ ? documentPath_() : std::string();
  FileDialogRequest request;
  request.kind = FileDialogKind::Save;
  request.title = title;
  request.filters = {{"PDF", {"pdf"}}};
  request.defaultExtension = "pdf";
  if (document.empty()) {
    // An untitled document proposes the name its window title shows.
    request.initialName = std::string(kUntitledName) + ".pdf";
  } else {
    const std::filesystem::path path(document);
    request.startFolder = path.parent_path().string();
    request.initialName = path.stem().string() + ".pdf";
  }
  std::optional<std::string> chosen = chooser_.Choose(request);
  if (chosen && std::filesystem::path(*chosen).extension().empty()) *chosen += ".pdf";
  return chosen;
}

void CQelView::ReportWritten(const std::string& path) {
  lastPdfPath_ = path;
  emit statusMessage(QString::fromStdString(MessageText(MessageId::PdfSaved, path)));
}

bool CQelView::PrintToPdf(bool allDisplays) {
  QPrinter& printer = printer_.printer();
  const int resolution = printer.resolution();
  const std::vector<ReportPage> pages =
      allDisplays ? ReportPages(controller_, resolution, resolution)
                  : ShownDisplayPages(controller_, 1, CountPrintedPages(printer));
  if (pages.empty()) {
    prompts_.Show(MessageText(MessageId::NothingToReport), PromptButtons::Ok);
    return false;
  }
  std::optional<std::string> path = ChoosePdfFile(MessageText(MessageId::PrintToPdfNoPrinter));
  if (!path) return false;
  // The printer's paper and resolution, written as a PDF file is: complete, or not at all.
  const WriteOutcome outcome = WritePdf(*path, printer.pageLayout(), resolution, pages, "");
  OnEndPrinting();
  if (!outcome.ok) {
    prompts_.Show(SaveFailureText(outcome, *path), PromptButtons::Ok);
    return false;
  }
  ReportWritten(*path);
  return true;
}

bool CQelView::RunPrintDialog(int pages, int& first, int& last) {
  QPrinter& printer = printer_.printer();
  QPrintDialog dialog(&printer, this);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setMinMax(1, std::max(1, pages));
  if (dialog.exec() != QDialog::Accepted) return false;
  // Another printer or paper may have been chosen in the dialog.
  controller_.ReadDeviceGeometry();
  UpdateScrollBars();
  first = 1;
  last = std::numeric_limits<int>::max();
  if (printer.printRange() == QPrinter::PageRange) {
    if (printer.fromPage() > 0) first = printer.fromPage();
    if (printer.toPage() > 0) last = printer.toPage();
  }
  return true;
}

void CQelView::OnFilePrint() {
  if (!printer_.IsRealPrinter()) {
    PrintToPdf(false);
    return;
  }
  QPrinter& printer = printer_.printer();
  // The range offered is that of the layout the printer will get, not the screen's.
  int first = 1, last = 1;
  if (!RunPrintDialog(CountPrintedPages(printer), first, last)) {
    OnEndPrinting();
    return;
  }
  last = std::min(last, CountPrintedPages(printer));
  if (first <= last && !PrintPages(printer, first, last))
    prompts_.Show(MessageText(MessageId::CannotRun), PromptButtons::Ok);
  OnEndPrinting();
}

void CQelView::OnFilePrintAll() {
  if (!printer_.IsRealPrinter()) {
    PrintToPdf(true);
    return;
  }
  QPrinter& printer = printer_.printer();
  const int resolution = printer.resolution();
  const std::size_t offered = ReportPages(controller_, resolution, resolution).size();
  if (offered == 0) {
    prompts_.Show(MessageText(MessageId::NothingToReport), PromptButtons::Ok);
    return;
  }
  int first = 1, last = 1;
  if (!RunPrintDialog(static_cast<int>(offered), first, last)) {
    OnEndPrinting();
    return;
  }
  // The range is bounded by the pages the printer chosen in the dialog will get.
  const int chosenResolution = printer.resolution();
  const std::vector<ReportPage> all = ReportPages(controller_, chosenResolution, chosenResolution);
  last = std::min<long long>(last, static_cast<long long>(all.size()));
  if (first <= last) {
    const std::vector<ReportPage> range(all.begin() + (first - 1), all.begin() + last);
    if (!PrintPageList(printer, range))
      prompts_.Show(MessageText(MessageId::CannotRun), PromptButtons::Ok);
  }
  OnEndPrinting();
}

void CQelView::OnFilePrintPreview() {
  QPrintPreviewDialog preview(&printer_.printer(), this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* printer) { PrintPages(*printer, 1, CountPrintedPages(*printer)); });
  preview.exec();
  OnEndPrinting();
}

void CQelView::OnFileSaveReport() {
  const std::vector<ReportPage> pages = ReportPages(controller_, kReportDpi, kReportDpi);
  if (pages.empty()) {
    prompts_.Show(MessageText(MessageId::NothingToReport), PromptButtons::Ok);
    return;
  }
  std::optional<std::string> path = ChoosePdfFile(MessageText(MessageId::SaveReportTitle));
  if (!path) return;
  const DeviceGeometry& g = controller_.state().geometry;
  const QPageLayout layout(
      QPageSize(QSizeF(g.paperWidthMm, g.paperHeightMm), QPageSize::Millimeter),
      QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
  const WriteOutcome outcome =
      WritePdf(*path, layout, kReportDpi, pages, std::filesystem::path(*path).stem().string());
  if (controller_.TakePaperFontFailures() > 0) TellFontNotMade();
  if (!outcome.ok) {
    prompts_.Show(SaveFailureText(outcome, *path), PromptButtons::Ok);
    return;
  }
  ReportWritten(*path);
}

}  // namespace qel
