// The undo and redo steps of a document.
#include "document/edit_history.h"

#include <utility>

namespace qel {

void EditHistory::Record(std::string name, CellsSnapshot before) {
  redo_.clear();
  undo_.push_back({std::move(name), std::move(before)});
  while (undo_.size() > kMostSteps)
    undo_.pop_front();
}

std::string EditHistory::UndoName() const {
  return undo_.empty() ? std::string() : undo_.back().name;
}

std::string EditHistory::RedoName() const {
  return redo_.empty() ? std::string() : redo_.back().name;
}

CellsSnapshot EditHistory::Undo(CellsSnapshot current) {
  if (undo_.empty()) return nullptr;
  Step step = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back({step.name, std::move(current)});
  return std::move(step.cells);
}

CellsSnapshot EditHistory::Redo(CellsSnapshot current) {
  if (redo_.empty()) return nullptr;
  Step step = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back({step.name, std::move(current)});
  return std::move(step.cells);
}

void EditHistory::Clear() {
  undo_.clear();
  redo_.clear();
}

}  // namespace qel
