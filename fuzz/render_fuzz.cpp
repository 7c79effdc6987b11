// Fuzz target: any bytes as a data file, shown in every display on paper and on screen with the
// shipped settings. Each input is a finding when it takes longer than its time budget, when a
// figure has more pages than its limit, or when one page asks more of the device than a page
// can show.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

#include "document/data_file.h"
#include "fuzz/fuzz_support.h"
#include "settings/settings_files.h"
#include "support/display_walk.h"
#include "support/loaded_settings_files.h"
#include "test_support/fixed_system_paths.h"
#include "view/figure_pages.h"
#include "view/grid_strokes.h"

namespace {

using namespace qel;

// The shipped settings and fonts, read once before the first input and only copied after.
struct Shipped {
  SystemSettings settings;
  FontSlots fonts;
};

const Shipped& ShippedSettings() {
  static const Shipped shipped = [] {
    Shipped s;
    SettingsFiles files = SettingsFiles::In(QEL_SOURCE_DATA_DIR);
    FixedSystemPaths paths;
    LoadSystemSettings(files, s.settings, s.fonts, paths);
    return s;
  }();
  return shipped;
}

// Generous for a build with the address and undefined-behaviour sanitizers: a page of the grid
// budget with all its furniture, and every display in seconds.
constexpr std::size_t kMostCallsPerPage = 2 * kMostGridStrokes + 20000;
constexpr std::size_t kMostCharactersPerText = 4 * 7016 + 64 + 4 * 7016;  // A4 at 600 dpi
constexpr auto kTimeBudget = std::chrono::seconds(5);

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ShippedSettings();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto start = std::chrono::steady_clock::now();
  ApplicationState state;
  state.settings = ShippedSettings().settings;
  state.fonts = ShippedSettings().fonts;
  state.settingsFiles = test::LoadedSettingsFiles(QEL_SOURCE_DATA_DIR);
  DocumentTables read;
  if (ReadDataBytes(bytes, read) != ReadStatus::Ok) return 0;
  // As an opened file: the ranges as a save writes them.
  NormaliseFigureRangeLines(read);
  state.document.Replace(std::move(read));

  for (const test::DisplayWork& work : test::ShowEveryDisplay(state, FixedPrinterInfo::A4(600))) {
    fuzz::Require(work.pages >= 1, "every display has a page");
    if (work.mode == DisplayMode::StripFigure || work.mode == DisplayMode::RectCircleFigure)
      fuzz::Require(work.pages <= kMostFigurePages, "a figure has at most its most pages");
    fuzz::Require(work.mostCalls <= kMostCallsPerPage, "a page asks a bounded amount of drawing");
    fuzz::Require(work.longestText <= kMostCharactersPerText, "a text is cut to the paper");
  }
  fuzz::Require(std::chrono::steady_clock::now() - start < kTimeBudget,
                "a document shows within its time budget");
  return 0;
}
