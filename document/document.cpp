// The document: its cells, their changes, undo and redo, and the modified mark.
#include "document/document.h"

#include <memory>
#include <optional>
#include <utility>

#include "document/problem_cells.h"

namespace qel {

Document::Document() : Document(DocumentTables{}) {}

Document::Document(DocumentTables cells)
    : cells_(std::make_shared<const DocumentTables>(std::move(cells))),
      saved_(cells_),
      strip_(*cells_),
      plan_(*cells_) {}

const ProblemCommon& Document::problem(Problem problem) const {
  if (problem == Problem::Strip) return strip_;
  return plan_;
}

std::uint64_t Document::revision(Problem problem) const {
  return problem == Problem::Strip ? stripRevision_ : planRevision_;
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
  // The typed values are worked out before anything is taken over, so that a failure leaves
  // the cells and their typed values in step.
  std::optional<StripProblem> strip;
  std::optional<PlanProblem> plan;
  if (stripChanged) strip.emplace(*next);
  if (planChanged) plan.emplace(*next);
  cells_ = std::move(next);
  ++revision_;
  if (strip) {
    strip_ = std::move(*strip);
    ++stripRevision_;
  }
  if (plan) {
    plan_ = std::move(*plan);
    ++planRevision_;
  }
  modified_ = cells_ != saved_ && *cells_ != *saved_;
}

}  // namespace qel
