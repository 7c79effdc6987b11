// The single view: painting the page, zoom, scrolling, paging keys and display commands.
#include "app/qel_view.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include "app/main_frame.h"
#include "platform/messages.h"
#include "platform/profile.h"
#include "platform/prompts.h"
#include "platform/qt/qt_device_context.h"
#include "settings/settings_files.h"

namespace qel {

namespace {

// Blank pixels around the page in the window.
constexpr int kPageMargin = 8;
// A Page Down moves nine tenths of the window, so a line at its edge is seen twice.
constexpr int kPageStepTenths = 9;
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

}  // namespace

CQelView::CQelView(ViewController& controller, QtApplicationPrinter& printer, FileChooser& chooser,
                   PromptService& prompts, int screenWidth, QWidget* parent)
    : QAbstractScrollArea(parent),
      controller_(controller),
      prompts_(prompts),
      screenWidth_(screenWidth),
      printing_(controller, printer, chooser, prompts,
                {this, [this] { Refresh(); },
                 [this](const QString& text) { emit statusMessage(text); }}) {
  // The window is white, like the paper whose edge is drawn on it. The paint fills it itself,
  // so that a paint skipped while a page is prepared leaves the page on the screen.
  QPalette palette = viewport()->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::Base, Qt::white);
  viewport()->setPalette(palette);
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::NoFrame);
}

void CQelView::OnInitialUpdate() {
  lineStep_ = ViewController::ScrollSizesFor(screenWidth_).line;
  ShowDocumentStart();
}

void CQelView::Refresh() {
  // Asked for while a preparation serves the window (a resize): done once that one is over,
  // since the preparation's thread reads the document and fills the caches meanwhile.
  if (preparing_) {
    refreshAgain_ = true;
    return;
  }
  do {
    refreshAgain_ = false;
    PrepareShownPage();
    UpdateScrollBars();
    viewport()->update();
    emit displayChanged();
  } while (refreshAgain_);
}

void CQelView::PrepareShownPage() {
  // Counted once here: the status bar's page text reads this count, as every change ends here.
  // The page shown is worked out here too, never in the paint, and only when its key changed.
  // Meanwhile the window goes on painting and taking its geometry, showing the page as last
  // painted; what the user types or clicks waits for the page, and the busy cursor shows once
  // the wait is long enough to notice.
  const int dpiX = logicalDpiX(), dpiY = logicalDpiY();
  preparing_ = true;
  struct Over {
    bool& preparing;
    ~Over() { preparing = false; }
  } over{preparing_};
  preparer_.Run(
      [this, dpiX, dpiY] {
        shownPages_ = controller_.CountPages();
        controller_.PrepareShownPage(dpiX, dpiY);
      },
      [](bool busy) {
        if (busy)
          QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
          QGuiApplication::restoreOverrideCursor();
      },
      [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
}

void CQelView::ShowDocumentStart() {
  if (!controller_.OnUpdate()) prompts_.Show(kDeviceInfoErrorText, PromptButtons::Ok);
  controller_.ShowDocumentStart();
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
  Refresh();
}

void CQelView::SetCircleMethod(CircleMethod method) {
  controller_.state().circleMethod = method;
  if (profile_ != nullptr)
    profile_->SetValue(kProfileSection, kCircleMethodKey, CircleMethodName(method));
  Refresh();
}

CircleMethod CQelView::circleMethod() const {
  return controller_.state().circleMethod;
}

void CQelView::UseProfile(Profile* profile) {
  profile_ = profile;
  if (profile_ == nullptr) return;
  for (const DisplayRow& row : kDisplays) {
    std::optional<DisplayZoom> kept =
        ZoomFromProfileText(profile_->Value(kProfileSection, ZoomKey(row.mode)));
    if (kept) ZoomOf(controller_.state().view, row.mode) = *kept;
  }
  const std::optional<CircleMethod> method =
      ParseCircleMethod(profile_->Value(kProfileSection, kCircleMethodKey));
  controller_.state().circleMethod = method.value_or(CircleMethod::kExact);
  UpdateScrollBars();
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
  // A page fitted to the window takes another zoom, which the status bar shows.
  Refresh();
}

void CQelView::scrollContentsBy(int, int) {
  viewport()->update();
}

void CQelView::paintEvent(QPaintEvent*) {
  // While the page is prepared the window keeps the pixels last painted (the viewport paints
  // opaquely, so nothing erases them); only an area it has not painted yet, after a resize,
  // is made white.
  if (preparing_) {
    if (viewport()->size() != paintedSize_)
      QPainter(viewport()).fillRect(viewport()->rect(), Qt::white);
    return;
  }
  paintedSize_ = viewport()->size();
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), Qt::white);
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
  dc.DrawSmallTextTrueShape(true);
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
  if (result.repaint) Refresh();
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
  Refresh();
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

QString CQelView::PageText() const {
  return QString::fromStdString(MessageText(MessageId::PageOfPages,
                                            std::to_string(controller_.state().view.currentPage),
                                            std::to_string(shownPages_)));
}

QString CQelView::ZoomText() const {
  return QString::fromStdString(ZoomPercentText(shownZoom().factor));
}

void CQelView::ShowDisplayNumber(int number) {
  controller_.ShowDisplayNumber(number);
  Refresh();
}

void CQelView::ShowKind(DisplayKind kind) {
  controller_.ShowKind(kind);
  Refresh();
}

}  // namespace qel
