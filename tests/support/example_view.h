// A view controller over the shipped examples with the standard settings in kN-m, as the view
// tests drive it without a window.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/printer_info.h"
#include "test_support/fixed_system_paths.h"
#include "test_support/scripted_prompts.h"
#include "view/view_controller.h"

namespace qel::test {

class ExampleView : public ::testing::Test {
 protected:
  ExampleView();
  // Reads examples/`file` into the document.
  void Open(const std::string& file);
  // The texts of printed page `page` of `display` at `dpi`.
  std::vector<std::string> PrintedTexts(DisplayMode display, int page, int dpi);

  ApplicationState state;
  ScriptedPrompts prompts;
  FixedPrinterInfo printer;
  FixedSystemPaths paths;
  ViewController controller{state, prompts, printer, paths};
};

}  // namespace qel::test
