// Texts that a data file would read back as a section marker ("$$"), found before a save.
#pragma once

#include <optional>
#include <string>

#include "document/document_tables.h"

namespace qel {

// The first field that a save would write holding "$$" (a setting line, or a cell of a row the
// file keeps), named as the user knows it: "タイトル・様式の 27 行目", "帯状荷重 荷重1 3 行目 X1",
// ... Nothing when every line written reads back as it was.
std::optional<std::string> FindSectionMarkerText(const DocumentTables& tables);

}  // namespace qel
