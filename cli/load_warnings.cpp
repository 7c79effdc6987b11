// The warnings of qel-cli about load rows and calculation points of a file that do not enter
// the calculation as typed.
#include "cli/load_warnings.h"

#include <vector>

#include "document/excluded_loads.h"
#include "platform/messages.h"
#include "platform/prompts.h"
#include "view/exclusion_notes.h"

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
    AddNotes(loadNotes, list.name, LoadNotes(ExclusionsOf(excluded, list.kind, list.set), tables));
  if (!loadNotes.empty())
    prompts.Show(MessageText(MessageId::LoadsNotAsTyped, path, loadNotes), PromptButtons::Ok);

  std::string pointNotes;
  AddNotes(pointNotes, "帯状荷重", PointNotes(FindExcludedPoints(tables, false)));
  AddNotes(pointNotes, "長方形円形荷重", PointNotes(FindExcludedPoints(tables, true)));
  if (!pointNotes.empty())
    prompts.Show(MessageText(MessageId::PointsNotAsTyped, path, pointNotes), PromptButtons::Ok);
}

}  // namespace qel
