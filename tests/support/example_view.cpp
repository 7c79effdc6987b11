// The example view fixture: standard settings, the example read, pages printed on a recording.
#include "support/example_view.h"

#include "document/data_file.h"
#include "support/render_world.h"
#include "test_support/recording_device_context.h"

namespace qel::test {

ExampleView::ExampleView() : printer(FixedPrinterInfo::A4(600)) {
  ApplyStandardSettings(state.settings, state.fonts);
  state.settingsFiles.loaded = {true, true, true};
  state.settings.unitSystem = 1;  // kN-m
  computations.CountIn(state);
}

void ExampleView::Open(const std::string& file) {
  OpenDataFile(std::string(QEL_SOURCE_DIR) + "/examples/" + file, state.document);
}

std::vector<std::string> ExampleView::PrintedTexts(DisplayMode display, int page, int dpi) {
  RecordingDeviceContext dc(dpi, dpi);
  controller.PrintPage(dc, display, page);
  return dc.Texts();
}

}  // namespace qel::test
