// The document: its cells, their changes, undo and redo, and the modified mark.
#include "document/document.h"

#include <atomic>
#include <memory>
#include <optional>
#include <utility>

#include "document/problem_cells.h"

namespace qel {

namespace {

// Revisions are numbered across every document of the process: a number stands for one content
// of one document (and of the copies made of it while they hold that content), so that a cache
// keyed on revisions alone never takes one document's values for another's.
std::uint64_t NextRevision() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

SoilProfileReading ReadSection(const DocumentTables& cells, int unitSystem) {
  if (cells.soilLines.empty()) return {};
  return ReadSoilProfile(cells.soilLines, unitSystem);
}

MeasurementsReading ReadPlates(const DocumentTables& cells) {
  if (cells.obsLines.empty()) return {};
  return ReadMeasurements(cells.obsLines);
}

}  // namespace

Document::Document() : Document(DocumentTables{}) {}

Document::Document(DocumentTables cells)
    : cells_(std::make_shared<const DocumentTables>(std::move(cells))),
      saved_(cells_),
      strip_(*cells_),
      plan_(*cells_),
      soil_{ReadSection(*cells_, 0), ReadSection(*cells_, 1)},
      measurements_(ReadPlates(*cells_)) {
  revision_ = stripRevision_ = planRevision_ = stripLoadsRevision_ = planLoadsRevision_ =
      stripStressRevision_ = planStressRevision_ = soilRevision_ = measurementsRevision_ =
          NextRevision();
}

const ProblemCommon& Document::problem(Problem problem) const {
  if (problem == Problem::Strip) return strip_;
  return plan_;
}

std::uint64_t Document::revision(Problem problem) const {
  return problem == Problem::Strip ? stripRevision_ : planRevision_;
}

std::uint64_t Document::loadsRevision(Problem problem) const {
  return problem == Problem::Strip ? stripLoadsRevision_ : planLoadsRevision_;
}

std::uint64_t Document::stressRevision(Problem problem) const {
  return problem == Problem::Strip ? stripStressRevision_ : planStressRevision_;
}

const SoilProfileReading& Document::soil(int unitSystem) const {
  return soil_[unitSystem != 0 ? 1 : 0];
}

bool Document::Change(std::string stepName, const std::function<void(DocumentTables&)>& edit) {
  auto edited = std::make_shared<DocumentTables>(*cells_);
  edit(*edited);
  if (*edited == *cells_) return false;
  CellsSnapshot before = cells_;
  Become(std::move(edited), false);
  history_.Record(std::move(stepName), std::move(before));
  return true;
}

void Document::Replace(DocumentTables cells) {
  history_.Clear();
  Become(std::make_shared<const DocumentTables>(std::move(cells)), true);
  MarkSaved();
}

bool Document::Undo() {
  CellsSnapshot before = history_.Undo(cells_);
  if (!before) return false;
  Become(std::move(before), false);
  return true;
}

bool Document::Redo() {
  CellsSnapshot after = history_.Redo(cells_);
  if (!after) return false;
  Become(std::move(after), false);
  return true;
}

void Document::MarkSaved() {
  saved_ = cells_;
  modified_ = false;
}

void Document::Become(CellsSnapshot next, bool everything) {
  const bool stripChanged = everything || !SameProblemCells(*cells_, *next, Problem::Strip);
  const bool planChanged = everything || !SameProblemCells(*cells_, *next, Problem::RectCircle);
  const bool stripLoadsChanged = everything || !SameLoadCells(*cells_, *next, Problem::Strip);
  const bool planLoadsChanged = everything || !SameLoadCells(*cells_, *next, Problem::RectCircle);
  const bool stripStressChanged = everything || !SameStressCells(*cells_, *next, Problem::Strip);
  const bool soilChanged = everything || !(cells_->soilLines == next->soilLines);
  const bool measurementsChanged = everything || !(cells_->obsLines == next->obsLines);
  // The typed values are worked out before anything is taken over, so that a failure leaves
  // the cells and their typed values in step.
  std::optional<StripProblem> strip;
  std::optional<PlanProblem> plan;
  std::optional<SoilProfileReading> soil[2];
  if (stripChanged) strip.emplace(*next);
  if (planChanged) plan.emplace(*next);
  if (soilChanged)
    for (int units : {0, 1})
      soil[units] = ReadSection(*next, units);
  std::optional<MeasurementsReading> measurements;
  if (measurementsChanged) measurements = ReadPlates(*next);
  cells_ = std::move(next);
  const std::uint64_t now = NextRevision();
  revision_ = now;
  if (stripLoadsChanged) stripLoadsRevision_ = now;
  if (planLoadsChanged) planLoadsRevision_ = planStressRevision_ = now;
  if (stripStressChanged) stripStressRevision_ = now;
  if (soilChanged) {
    soil_[0] = std::move(*soil[0]);
    soil_[1] = std::move(*soil[1]);
    soilRevision_ = now;
  }
  if (measurements) {
    measurements_ = std::move(*measurements);
    measurementsRevision_ = now;
  }
  if (strip) {
    strip_ = std::move(*strip);
    stripRevision_ = now;
  }
  if (plan) {
    plan_ = std::move(*plan);
    planRevision_ = now;
  }
  modified_ = cells_ != saved_ && *cells_ != *saved_;
}

}  // namespace qel
