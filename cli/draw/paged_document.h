// A document opened for pages, laid out as a printer of the requested paper and resolution
// lays them out, and the Qt application that painting needs without a window.
#pragma once

#include <QGuiApplication>
#include <memory>
#include <string>

#include "cli/cli_args.h"
#include "cli/cli_session.h"
#include "cli/page_options.h"
#include "platform/printer_info.h"
#include "view/view_controller.h"

namespace qel {

// Opens the document and shows display `options.display` on page 1, on a printer whose page is
// the requested paper at the requested resolution.
struct PagedDocument {
  PagedDocument(const CliArgs& args, const PageOptions& options);

  // False, with a message on standard error, when the file cannot be read.
  bool Open(const std::string& path, const PageOptions& options);
  // Says on standard error when the figure of the display shown is paged only in part.
  void ShowFigureNotice();
  // Says once on standard error when the pages drawn could not make a text font.
  void ShowFontNotice();

  CliSession session;
  EnvironmentSystemPaths paths;
  FixedPrinterInfo printer;
  ViewController controller;
  int pages = 0;  // of the display shown
};

// A QGuiApplication for fonts and painting, always on the offscreen platform.
std::unique_ptr<QGuiApplication> MakeApplication();

}  // namespace qel
