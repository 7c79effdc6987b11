// The screen and paper of the largest document (40 rectangles, 40 circles, a 12 x 12 x 12
// lattice, 20 + 20 strip pieces, calculation course off): repainting the window after a zoom
// and after a page turn, as the view paints with Qt, and writing the full PDF report. The
// targets are 30 ms for a repaint and 2 s for the report; the counters give the figures.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <chrono>
#include <memory>

#include "document/problem_common.h"
#include "platform/paper_units.h"
#include "platform/printer_info.h"
#include "platform/qt/font_faces.h"
#include "platform/qt/qt_device_context.h"
#include "platform/qt/qt_page_sequence.h"
#include "settings/number_format.h"
#include "support/worst_document.h"
#include "view/figure_pages.h"
#include "view/page_view.h"
#include "view/report.h"
#include "view/view_controller.h"

namespace qel {
namespace {

constexpr int kWindowWidth = 1200, kWindowHeight = 900;
constexpr int kScreenDpi = 96;
constexpr int kReportDpi = kPaperDpi;

// The largest document with the figure settings of a fresh installation, laid out on A4.
struct WorstView {
  WorstView() : printer(FixedPrinterInfo::A4(kReportDpi)) {
    FillWorstDocument(state, false);
    UseStandardSettings(state);
    SystemSettings& s = state.settings;
    state.settingsFiles.loaded = {true, true, true};
    s.figureLineWidth = 2;
    s.axisLineWidth = 1;
    s.pointMarkWidth = 2;
    s.pointMarkSize = 4;
    s.gridLineWidth = 1;
    s.gridMarkSize = 2;
    s.axisColour = "0x808080";
    s.pointColour = "0x404040";
    s.gridColour = "0xc0c0c0";
    controller.ReadDeviceGeometry();
    // Scales of 1/500, each range what one page of the paper holds.
    FigureRange range;
    range.scaleX = range.scaleY = 500;
    range.rangeX = PrintableRangeX(500, state.geometry.paperWidthMm, s.marginLeft);
    range.rangeY = PrintableRangeY(500, state.geometry.paperHeightMm, s.marginTop);
    range.topY = 5.0;
    DocumentTables cells = state.document.cells();
    for (Problem problem : {Problem::Strip, Problem::RectCircle})
      WriteFigureRangeLines(cells, problem, range);
    state.document.Replace(std::move(cells));
  }
  ApplicationState state;
  FixedPrinterInfo printer;
  ViewController controller{state, printer};
};

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// One repaint of the window as the view does it: the page at its zoom placed in the window,
// its edge, then the display drawn through the Qt device.
void PaintWindow(WorstView& view, QImage& window) {
  window.fill(Qt::white);
  QPainter painter(&window);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const ViewState& shown = view.state.view;
  const double factor = ZoomOf(shown, shown.displayMode).factor;
  const DeviceGeometry& g = view.state.geometry;
  const PageView page = PageViewOf(g.paperWidthMm, g.paperHeightMm, ZoomedDpi(kScreenDpi, factor),
                                   ZoomedDpi(kScreenDpi, factor), 8, kWindowWidth, kWindowHeight);
  painter.drawRect(page.PageLeft(0) - 1, page.PageTop(0) - 1, page.pageWidth + 1,
                   page.pageHeight + 1);
  painter.translate(page.PageLeft(0), page.PageTop(0));
  QtDeviceContext dc(painter, kScreenDpi, kScreenDpi);
  view.controller.OnDraw(dc);
}

// The display shown with its results computed and its layout made, as after its first paint.
WorstView& ShownDisplay(int display) {
  static std::unique_ptr<WorstView> view;
  if (!view) view = std::make_unique<WorstView>();
  view->state.view.displayMode = *DisplayModeFromNumber(display);
  view->state.view.currentPage = 1;
  const Problem problem = ProblemOf(view->state.view.displayMode);
  view->state.view.screenLeftX = ReadFigureRange(view->state.document.cells(), problem).leftX;
  view->state.view.screenRow = 0;
  QImage window(kWindowWidth, kWindowHeight, QImage::Format_ARGB32_Premultiplied);
  PaintWindow(*view, window);
  return *view;
}

// Zooms the display shown one step further through 100, 125, 150, 200 and 67 %; `step` counts
// the steps taken.
void StepZoom(WorstView& view, std::size_t& step) {
  constexpr double kZooms[] = {1.0, 1.25, 1.5, 2.0, 0.67};
  ZoomOf(view.state.view, view.state.view.displayMode) = {ZoomMode::Fixed,
                                                          kZooms[step++ % std::size(kZooms)]};
}

// Each iteration zooms one step and repaints.
void BM_ZoomRepaint(benchmark::State& benchState) {
  WorstView& view = ShownDisplay(static_cast<int>(benchState.range(0)));
  QImage window(kWindowWidth, kWindowHeight, QImage::Format_ARGB32_Premultiplied);
  std::size_t step = 0;
  double slowest = 0;
  for (auto _ : benchState) {
    StepZoom(view, step);
    const auto start = std::chrono::steady_clock::now();
    PaintWindow(view, window);
    slowest = std::max(slowest, MillisecondsSince(start));
  }
  ZoomOf(view.state.view, view.state.view.displayMode) = {};
  benchState.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_ZoomRepaint)->DenseRange(1, kDisplayNumbers)->Unit(benchmark::kMillisecond);

// Each iteration turns to the next page (round again after the last) and repaints.
void BM_PageTurnRepaint(benchmark::State& benchState) {
  WorstView& view = ShownDisplay(static_cast<int>(benchState.range(0)));
  QImage window(kWindowWidth, kWindowHeight, QImage::Format_ARGB32_Premultiplied);
  const int pages = view.controller.CountPages();
  double slowest = 0;
  for (auto _ : benchState) {
    const auto start = std::chrono::steady_clock::now();
    if (!view.controller.OnKeyDown(ViewKey::NextPage) || view.state.view.currentPage == pages)
      view.controller.OnKeyDown(ViewKey::Home);
    PaintWindow(view, window);
    slowest = std::max(slowest, MillisecondsSince(start));
  }
  benchState.counters["pages"] = pages;
  benchState.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_PageTurnRepaint)->DenseRange(1, kDisplayNumbers)->Unit(benchmark::kMillisecond);

// The figure (display 1 or 4) with its isobars on, filled between the levels with the third
// argument 1. "first" paints with no isobar kept (the trace of the page window with two
// threads, then the paint); "cached" repaints after a zoom step, the trace taken from the
// cache. The targets are 300 ms and 30 ms.
void BM_IsobarFigure(benchmark::State& benchState) {
  const int display = static_cast<int>(benchState.range(0));
  const bool fromNothing = benchState.range(1) == 0;
  WorstView& view = ShownDisplay(display);
  view.state.document.Change("等圧線", [&benchState](DocumentTables& cells) {
    FigureOptions& figures = cells.figures;
    figures.stripIsobars.shown = figures.planIsobars.shown = true;
    figures.stripIsobars.fill = figures.planIsobars.fill = benchState.range(2) == 1;
  });
  QImage window(kWindowWidth, kWindowHeight, QImage::Format_ARGB32_Premultiplied);
  PaintWindow(view, window);
  std::size_t step = 0;
  double slowest = 0;
  for (auto _ : benchState) {
    if (fromNothing)
      view.state.caches.isobars = IsobarCache{};
    else
      StepZoom(view, step);
    const auto start = std::chrono::steady_clock::now();
    PaintWindow(view, window);
    slowest = std::max(slowest, MillisecondsSince(start));
  }
  ZoomOf(view.state.view, view.state.view.displayMode) = {};
  view.state.document.Change("等圧線", [](DocumentTables& cells) {
    cells.figures.stripIsobars = cells.figures.planIsobars = IsobarOptions{};
  });
  benchState.SetLabel(std::string(fromNothing ? "first" : "cached") +
                      (benchState.range(2) == 1 ? ", filled" : ""));
  benchState.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_IsobarFigure)
    ->Args({1, 0, 0})
    ->Args({1, 1, 0})
    ->Args({1, 0, 1})
    ->Args({1, 1, 1})
    ->Args({4, 0, 0})
    ->Args({4, 1, 0})
    ->Args({4, 0, 1})
    ->Args({4, 1, 1})
    ->Unit(benchmark::kMillisecond);

// Each page of a depth display (7 or 8) painted from nothing kept: the curves are sampled on
// every paint, and the section's window is surveyed and its isobars traced afresh. The target
// is 100 ms.
void BM_DepthPage(benchmark::State& benchState) {
  WorstView& view = ShownDisplay(static_cast<int>(benchState.range(0)));
  QImage window(kWindowWidth, kWindowHeight, QImage::Format_ARGB32_Premultiplied);
  const int pages = view.controller.CountPages();
  double slowest = 0;
  for (auto _ : benchState) {
    view.state.caches.isobars = IsobarCache{};
    view.state.caches.section = SectionWindowCache{};
    const auto start = std::chrono::steady_clock::now();
    PaintWindow(view, window);
    slowest = std::max(slowest, MillisecondsSince(start));
    view.state.view.currentPage = view.state.view.currentPage % pages + 1;
  }
  view.state.view.currentPage = 1;
  benchState.counters["pages"] = pages;
  benchState.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_DepthPage)->DenseRange(7, 8)->Unit(benchmark::kMillisecond);

// Each page of a settlement display (9, 10 or 11; the strip problem with the second argument 0,
// the lattice with 1) of the document under the 30 m profile of the speed check. "cold" paints
// with nothing kept, the settlement of every column computed first; "cached" turns to the next
// page and repaints. The targets are 500 ms and 100 ms.
void BM_SettlementPage(benchmark::State& benchState) {
  WorstView& view = ShownDisplay(1);
  view.state.document.Change("土層",
                             [](DocumentTables& cells) { cells.soilLines = kSpeedCheckProfile; });
  const Problem problem = benchState.range(1) == 0 ? Problem::Strip : Problem::RectCircle;
  const bool cold = benchState.range(2) == 1;
  view.state.view.displayMode =
      *DisplayModeFromNumber(static_cast<int>(benchState.range(0)), problem);
  view.state.view.currentPage = 1;
  QImage window(kWindowWidth, kWindowHeight, QImage::Format_ARGB32_Premultiplied);
  PaintWindow(view, window);
  const int pages = view.controller.CountPages();
  double slowest = 0;
  for (auto _ : benchState) {
    if (cold)
      view.state.caches = RenderCaches{};
    else
      view.state.view.currentPage = view.state.view.currentPage % pages + 1;
    const auto start = std::chrono::steady_clock::now();
    PaintWindow(view, window);
    slowest = std::max(slowest, MillisecondsSince(start));
  }
  view.state.view.currentPage = 1;
  view.state.document.Change("土層", [](DocumentTables& cells) { cells.soilLines.clear(); });
  benchState.SetLabel(cold ? "cold" : "cached");
  benchState.counters["pages"] = pages;
  benchState.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_SettlementPage)
    ->ArgsProduct({{9, 10, 11}, {0, 1}, {1, 0}})
    ->Unit(benchmark::kMillisecond);

// The whole report of the document, computed from nothing kept, written as a 600 dpi PDF.
// Draws `report` into an A4 PDF file at `path`; false when the file could not be written.
bool WriteReportPdf(ViewController& controller, const std::vector<ReportPage>& report,
                    const QString& path) {
  QPdfWriter writer(path);
  writer.setResolution(kReportDpi);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  QtPageSequence sequence(writer, kReportDpi);
  DrawPages(controller, report, [&] { return sequence.NextPage(); });
  return sequence.Finish();
}

void BM_FullReport(benchmark::State& benchState) {
  QTemporaryDir folder;
  int pages = 0;
  for (auto _ : benchState) {
    benchState.PauseTiming();
    auto view = std::make_unique<WorstView>();
    benchState.ResumeTiming();
    const std::vector<ReportPage> report = ReportPages(view->controller, kReportDpi, kReportDpi);
    if (!WriteReportPdf(view->controller, report, folder.filePath("report.pdf")))
      benchState.SkipWithError("the report could not be written");
    pages = static_cast<int>(report.size());
    benchState.PauseTiming();
    view.reset();
    benchState.ResumeTiming();
  }
  benchState.counters["pages"] = pages;
}
BENCHMARK(BM_FullReport)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same report with every page worked out first, as printing and the PDF files do: the
// counters split the time between working the pages out and writing them.
void BM_PreparedReport(benchmark::State& benchState) {
  QTemporaryDir folder;
  double prepareMs = 0, writeMs = 0;
  for (auto _ : benchState) {
    benchState.PauseTiming();
    auto view = std::make_unique<WorstView>();
    benchState.ResumeTiming();
    auto start = std::chrono::steady_clock::now();
    const std::vector<ReportPage> report = ReportPages(view->controller, kReportDpi, kReportDpi);
    PreparePages(view->controller, report, kReportDpi, kReportDpi);
    prepareMs = MillisecondsSince(start);
    start = std::chrono::steady_clock::now();
    if (!WriteReportPdf(view->controller, report, folder.filePath("report.pdf")))
      benchState.SkipWithError("the report could not be written");
    writeMs = MillisecondsSince(start);
    benchState.PauseTiming();
    view.reset();
    benchState.ResumeTiming();
  }
  benchState.counters["prepare_ms"] = prepareMs;
  benchState.counters["write_ms"] = writeMs;
}
BENCHMARK(BM_PreparedReport)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace qel

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  qel::InstallFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
