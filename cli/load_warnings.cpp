// The warnings of qel-cli about a file's data that is not used as it stands: load rows and
// calculation points that do not enter the calculation as typed, and isobar levels beyond
// those a figure draws.
#include "cli/load_warnings.h"

#include <vector>

#include "analysis/exclusion_notes.h"
#include "analysis/isobar_levels.h"
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

void WarnAboutExcludedLoads(const Document& document, const std::string& path,
                            PromptService& prompts) {
  const StripProblem& strip = document.strip();
  const PlanProblem& plan = document.plan();
  std::string loadNotes;
  AddNotes(loadNotes, "帯状荷重 荷重1", LoadNotes(strip.set(1).exclusions));
  AddNotes(loadNotes, "帯状荷重 荷重2", LoadNotes(strip.set(2).exclusions));
  AddNotes(loadNotes, "長方形荷重", LoadNotes(plan.rectangles.exclusions));
  AddNotes(loadNotes, "円形荷重", LoadNotes(plan.circles.exclusions));
  if (!loadNotes.empty())
    prompts.Show(MessageText(MessageId::LoadsNotAsTyped, path, loadNotes), PromptButtons::Ok);

  std::string pointNotes;
  AddNotes(pointNotes, "帯状荷重", PointNotes(strip.pointExclusions));
  AddNotes(pointNotes, "長方形円形荷重", PointNotes(plan.pointExclusions));
  if (!pointNotes.empty())
    prompts.Show(MessageText(MessageId::PointsNotAsTyped, path, pointNotes), PromptButtons::Ok);
}

void WarnAboutCutIsobarLevels(const Document& document, const std::string& path,
                              PromptService& prompts, bool strip, bool plan) {
  std::string notes;
  auto add = [&notes](bool asked, const char* figure, const IsobarOptions& isobars) {
    const std::string cut = IsobarLevelsCutText(isobars.levels.size());
    if (!asked || cut.empty()) return;
    if (!notes.empty()) notes += "\n";
    notes += std::string(figure) + ": " + cut;
  };
  add(strip, "帯状荷重の図", document.strip().isobars);
  add(plan, "長方形円形荷重の図", document.plan().isobars);
  if (!notes.empty())
    prompts.Show(MessageText(MessageId::IsobarLevelsCut, path, notes), PromptButtons::Ok);
}

}  // namespace qel
