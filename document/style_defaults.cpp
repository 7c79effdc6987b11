// The default titles, title positions and grid that a document takes from the system settings.
#include "document/style_defaults.h"

#include <utility>

#include "base/c_locale.h"
#include "settings/settings_files.h"

namespace qel {

namespace {

void CopyStyleDefaults(const StyleDefaults& style, Problem problem, DocumentTables& tables) {
  using namespace setting_line;
  const std::string texts[] = {style.gridFromY,   style.gridToY,   style.gridStepY,
                               style.gridFromX,   style.gridToX,   style.gridStepX,
                               style.figureTitle, style.dataTitle, style.resultTitle};
  for (int i = 0; i < 9; ++i)
    tables.settingLines[Style(problem, kGridFromY + i)] = texts[i];
  const int numbers[] = {style.figureTitleTop, style.dataTitleTop, style.resultTitleTop,
                         style.titleLeft, style.titleCentered};
  for (int i = 0; i < 5; ++i)
    tables.settingLines[Style(problem, kFigureTitleTop + i)] = FormatC("%d", numbers[i]);
}

// A grid that would reach the page width is cut to one metre less. In 64 bits, so that the
// smallest width a file can hold still gives a number.
void LimitGridToRange(std::string& gridToX, int rangeX) {
  if (ToInt(gridToX) >= rangeX) gridToX = FormatC("%lld", static_cast<long long>(rangeX) - 1);
}

}  // namespace

void ApplyStyleDefaults(const SystemSettings& settings, DocumentTables& tables) {
  using namespace setting_line;
  for (Problem problem : {Problem::Strip, Problem::RectCircle}) {
    CopyStyleDefaults(settings.style(problem), problem, tables);
    LimitGridToRange(tables.settingLines[Style(problem, kGridToX)],
                     settings.figureDefault(problem).rangeX);
  }
}

std::vector<SettingsLoadProblem> LoadSettingsWithStyleDefaults(SettingsFiles& files,
                                                               SystemSettings& settings,
                                                               FontSlots& fonts, Document& document,
                                                               const SystemPaths& paths) {
  const bool firstLoad = !files.loaded.systemFileRead;
  SettingsLoad load = LoadSystemSettings(files, settings, fonts, paths);
  if (firstLoad || load.asRead) {
    DocumentTables cells = document.cells();
    if (load.asRead) ApplyStyleDefaults(*load.asRead, cells);
    // The settings are clamped by now: the lines read back as they are.
    if (firstLoad)
      for (Problem problem : {Problem::Strip, Problem::RectCircle})
        WriteFigureRangeLines(cells, problem, settings.figureDefault(problem));
    document.Replace(std::move(cells));
  }
  return std::move(load.problems);
}

DocumentTables NewDocumentTables(const SystemPaths& paths,
                                 std::vector<SettingsLoadProblem>& problems) {
  SystemSettings firstStart;
  SettingsFiles firstFiles;
  firstFiles.loaded.fontsRead = true;  // a new document has no fonts of its own
  FontSlots unread;
  Document fresh;
  for (SettingsLoadProblem& problem :
       LoadSettingsWithStyleDefaults(firstFiles, firstStart, unread, fresh, paths))
    problems.push_back(std::move(problem));
  return fresh.cells();
}

}  // namespace qel
