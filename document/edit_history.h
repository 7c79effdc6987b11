// The undo and redo steps of a document: the cells before each step (to undo it) and after each
// undone step (to redo it), each step named as the menu shows it.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "document/document_tables.h"

namespace qel {

// The cells of a document at one moment. Never changed once made, so that the history, the
// document and its saved state can share them.
using CellsSnapshot = std::shared_ptr<const DocumentTables>;

class EditHistory {
 public:
  // The most steps kept; recording one more forgets the oldest.
  static constexpr std::size_t kMostSteps = 200;

  // Records a step named `name` that left the cells `before`. The steps undone so far can no
  // longer be redone.
  void Record(std::string name, CellsSnapshot before);

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  // The name of the step Undo or Redo would take; empty when there is none.
  std::string UndoName() const;
  std::string RedoName() const;

  // Takes the last step back: returns the cells before it, and keeps `current` to redo it.
  // Nothing when there is no step to undo.
  CellsSnapshot Undo(CellsSnapshot current);
  // Takes the last undone step again: returns the cells after it, and keeps `current` to undo
  // it. Nothing when there is no step to redo.
  CellsSnapshot Redo(CellsSnapshot current);

  void Clear();
  std::size_t undoSteps() const { return undo_.size(); }
  std::size_t redoSteps() const { return redo_.size(); }

 private:
  struct Step {
    std::string name;
    CellsSnapshot cells;  // before the step (undo), or after it (redo)
  };
  std::deque<Step> undo_;   // oldest first
  std::vector<Step> redo_;  // the step undone last at the back
};

}  // namespace qel
