// Whether a dialog model's Apply changed a cell of the document tables it was given.
#pragma once

#include "document/document_tables.h"

namespace qel::test {

template <typename Model>
bool AppliedAChange(Model& model, DocumentTables& tables) {
  const DocumentTables before = tables;
  model.Apply(tables);
  return !(tables == before);
}

}  // namespace qel::test
