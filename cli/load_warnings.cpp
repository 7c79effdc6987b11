// The warnings of qel-cli about a file's data that is not used as it stands: load rows and
// calculation points that do not enter the calculation as typed, and isobar levels beyond
// those a figure draws.
#include "cli/load_warnings.h"

#include <vector>

#include "analysis/exclusion_notes.h"
#include "analysis/isobar_levels.h"
#include "document/excluded_loads.h"
#include "platform/messages.h"
#include "platform/prompts.h"

namespace qel {

namespace {

// Joins `more` notes to `notes`, each after the name of its list.
void AddNotes(std::string& notes, const char* list, const std::vector<std::string>& more) {
  for (const std::string& note : more) {
    if (!notes.empty()) notes += " / ";
    notes += std::string(list) + ": " + note;
  }
}

}  // namespace

void WarnAboutExcludedLoads(const DocumentTables& tables, const std::string& path,
                            PromptService& prompts) {
  struct List {
    LoadKind kind;
    int set;
    const char* name;
  };
  static const List kLists[] = {{LoadKind::Strip, 1, "帯状荷重 荷重1"},
                                {LoadKind::Strip, 2, "帯状荷重 荷重2"},
                                {LoadKind::Rectangle, 0, "長方形荷重"},
                                {LoadKind::Circle, 0, "円形荷重"}};
  const std::vector<ExcludedLoad> excluded = FindExcludedLoads(tables);
  std::string loadNotes;
  for (const List& list : kLists)
    AddNotes(loadNotes, list.name, LoadNotes(ExclusionsOf(excluded, list.kind, list.set)));
  if (!loadNotes.empty())
    prompts.Show(MessageText(MessageId::LoadsNotAsTyped, path, loadNotes), PromptButtons::Ok);

  std::string pointNotes;
  AddNotes(pointNotes, "帯状荷重", PointNotes(FindExcludedPoints(tables, false)));
  AddNotes(pointNotes, "長方形円形荷重", PointNotes(FindExcludedPoints(tables, true)));
  if (!pointNotes.empty())
    prompts.Show(MessageText(MessageId::PointsNotAsTyped, path, pointNotes), PromptButtons::Ok);
}

void WarnAboutCutIsobarLevels(const DocumentTables& tables, const std::string& path,
                              PromptService& prompts, bool strip, bool plan) {
  std::string notes;
  auto add = [&notes](bool asked, const char* figure, const IsobarOptions& isobars) {
    const std::string cut = IsobarLevelsCutText(isobars.levels.size());
    if (!asked || cut.empty()) return;
    if (!notes.empty()) notes += "\n";
    notes += std::string(figure) + ": " + cut;
  };
  add(strip, "帯状荷重の図", tables.figures.stripIsobars);
  add(plan, "長方形円形荷重の図", tables.figures.planIsobars);
  if (!notes.empty())
    prompts.Show(MessageText(MessageId::IsobarLevelsCut, path, notes), PromptButtons::Ok);
}

}  // namespace qel
