// The document: its cells, the only way to change them, the typed values of each problem
// worked out once per change, the revisions that caches key on, undo and redo, and the
// modified mark.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "document/document_tables.h"
#include "document/edit_history.h"
#include "document/measurements_text.h"
#include "document/plan_problem.h"
#include "document/soil_profile_text.h"
#include "document/strip_problem.h"
#include "settings/problem.h"

namespace qel {

class Document {
 public:
  // An empty document (every cell empty, the figure options at their defaults), not modified.
  Document();
  explicit Document(DocumentTables cells);

  // The cells as text: what the file reader fills, the writer saves and the editors show.
  const DocumentTables& cells() const { return *cells_; }

  // The typed values of each problem. Worked out when the cells of that problem change, so a
  // read costs nothing; the reference stays valid until the next change of the document.
  const StripProblem& strip() const { return strip_; }
  const PlanProblem& plan() const { return plan_; }
  // What code written once for both problems reads.
  const ProblemCommon& problem(Problem problem) const;
  // The soil section read as numbers, its unit weights checked in the units of `unitSystem`
  // (0 tf-m, 1 kN-m): the profile, or every fault by line and field. Worked out when the
  // section's lines change; an empty section reads as no profile and no fault.
  const SoilProfileReading& soil(int unitSystem) const;
  // Whether the document has a soil section at all (lines that may or may not read).
  bool hasSoil() const { return !cells_->soilLines.empty(); }
  // The settlement plates' section read as numbers: the plates with their readings and fits,
  // or every fault by line and field. Worked out when the section's lines change; an empty
  // section reads as no plates and no fault.
  const MeasurementsReading& measurements() const { return measurements_; }
  // Whether the document has a section of settlement plates at all.
  bool hasMeasurements() const { return !cells_->obsLines.empty(); }

  // Edits a copy of the cells with `edit`. When the content differs afterwards it becomes the
  // document's, as one undo step named `stepName` ("荷重1の入力"), the steps undone so far are
  // forgotten, and true is returned; an edit that changes nothing records nothing and returns
  // false. An edit that throws leaves the document as it was.
  bool Change(std::string stepName, const std::function<void(DocumentTables&)>& edit);
  // Makes `cells` the document's (a file opened, a new document): forgets the history and
  // takes the new content as saved.
  void Replace(DocumentTables cells);

  // Grows with every change of the content (Change, Replace, Undo, Redo). Revisions are
  // numbered across all documents of the process: two documents (or a document and a copy made
  // of it since) never share a number unless they hold the same content, so caches key on
  // revisions alone.
  std::uint64_t revision() const { return revision_; }
  // Grows only when the cells of `problem` change (SameProblemCells), and with every Replace.
  std::uint64_t revision(Problem problem) const;
  // Grows only when the loads or calculation points of `problem` change (SameLoadCells), and
  // with every Replace: what its data tables list.
  std::uint64_t loadsRevision(Problem problem) const;
  // Grows only when what the dP of `problem` is computed from changes (SameStressCells: its
  // loads and points, but not where a strip piece is drawn), and with every Replace: what its
  // results, isobars and settlement columns key on.
  std::uint64_t stressRevision(Problem problem) const;
  // Grows only when the soil section's lines change, and with every Replace.
  std::uint64_t soilRevision() const { return soilRevision_; }
  // Grows only when the settlement plates' lines change, and with every Replace.
  std::uint64_t measurementsRevision() const { return measurementsRevision_; }

  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  // The name of the step Undo or Redo would take; empty when there is none.
  std::string UndoName() const { return history_.UndoName(); }
  std::string RedoName() const { return history_.RedoName(); }
  // Each takes one step; false when there is none to take.
  bool Undo();
  bool Redo();
  std::size_t undoSteps() const { return history_.undoSteps(); }
  std::size_t redoSteps() const { return history_.redoSteps(); }

  // Remembers the content as saved. The document is modified exactly while its content differs
  // from it, whatever steps led there.
  void MarkSaved();
  bool IsModified() const { return modified_; }

 private:
  // Makes `next` the cells and works out again what changed with them.
  void Become(CellsSnapshot next, bool everything);

  CellsSnapshot cells_;
  CellsSnapshot saved_;
  EditHistory history_;
  StripProblem strip_;
  PlanProblem plan_;
  SoilProfileReading soil_[2];  // [unitSystem]
  MeasurementsReading measurements_;
  std::uint64_t revision_ = 0, stripRevision_ = 0, planRevision_ = 0;
  std::uint64_t stripLoadsRevision_ = 0, planLoadsRevision_ = 0, soilRevision_ = 0;
  std::uint64_t stripStressRevision_ = 0, planStressRevision_ = 0;
  std::uint64_t measurementsRevision_ = 0;
  bool modified_ = false;
};

}  // namespace qel
