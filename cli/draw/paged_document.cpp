// A document opened for pages, and the Qt application that painting needs.
#include "cli/draw/paged_document.h"

#include "platform/messages.h"
#include "platform/qt/font_faces.h"

namespace qel {

PagedDocument::PagedDocument(const CliArgs& args, const PageOptions& options)
    : session(args.Option("--data-folder")),
      printer(FixedPrinterInfo::Paper(options.paperWidthMm, options.paperHeightMm, options.dpi)),
      controller(session.state(), printer) {
  // Callers have checked the option; pages is the only user without one, and counts pages the
  // same either way.
  std::string ignored;
  session.state().circleMethod = ReadCircleMethod(args, ignored).value_or(CircleMethod::kExact);
}

bool PagedDocument::Open(const std::string& path, const PageOptions& options) {
  session.Start();
  if (!session.Open(path)) return false;
  // The paper is the fixed one of the options: it always has a resolution.
  controller.OnUpdate();
  session.state().view.displayMode =
      ChooseDisplay(DisplayNumber(options.display), options.problem, session.state().document);
  session.state().view.currentPage = 1;
  pages = controller.CountPrintedPages(options.dpi, options.dpi);
  return true;
}

void PagedDocument::ShowFigureNotice() {
  const std::string notice = controller.FigureNotice();
  if (!notice.empty()) session.prompts().Show(notice, PromptButtons::Ok);
}

void PagedDocument::ShowFontNotice() {
  if (controller.TakePaperFontFailures() > 0)
    session.prompts().Show(kCannotCreateFontText, PromptButtons::Ok);
}

std::unique_ptr<QGuiApplication> MakeApplication() {
  // Pages are drawn into files, never on a screen: whatever platform the environment names (an
  // X server or compositor that may not be there), the offscreen one needs nothing.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "qel-cli";
  static char* argv[] = {name, nullptr};
  auto app = std::make_unique<QGuiApplication>(argc, argv);
  InstallFontSubstitutions();
  return app;
}

}  // namespace qel
