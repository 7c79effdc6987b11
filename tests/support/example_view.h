// A view controller over the shipped examples with the standard settings in kN-m, as the view
// tests drive it without a window, its computations counted.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/printer_info.h"
#include "support/computation_count.h"
#include "view/view_controller.h"

namespace qel::test {

class ExampleView : public ::testing::Test {
 protected:
  ExampleView();
  // Reads examples/`file` into the document.
  void Open(const std::string& file);
  // The texts of printed page `page` of `display` at `dpi`.
  std::vector<std::string> PrintedTexts(DisplayMode display, int page, int dpi);

  // What the state's results and caches compute (CountIn again after they were made anew).
  CountedComputations computations;
  ApplicationState state;
  FixedPrinterInfo printer;
  ViewController controller{state, printer};
};

}  // namespace qel::test
