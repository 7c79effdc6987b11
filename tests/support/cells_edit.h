// The cells of a test's document, written in the test's set-up: they become the document's
// content, as an opened file's do, when the edit ends.
#pragma once

#include <utility>

#include "view/application_state.h"

namespace qel::test {

class CellsEdit {
 public:
  explicit CellsEdit(Document& document) : document_(document), cells_(document.cells()) {}
  ~CellsEdit() { document_.Replace(std::move(cells_)); }
  CellsEdit(const CellsEdit&) = delete;
  CellsEdit& operator=(const CellsEdit&) = delete;

  DocumentTables* operator->() { return &cells_; }
  DocumentTables& operator*() { return cells_; }

 private:
  Document& document_;
  DocumentTables cells_;
};

// For one statement: Edit(state)->stripPoints[1][1] = "2";
inline CellsEdit Edit(ApplicationState& state) {
  return CellsEdit(state.document);
}

}  // namespace qel::test
