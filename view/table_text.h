// A table's rows as the text of a CSV file and as tab-separated text for the clipboard.
#pragma once

#include <string>

#include "view/table_rows.h"

namespace qel {

// The UTF-8 byte-order mark: spreadsheet programs read a CSV file that starts with it as UTF-8,
// Japanese headings included.
inline constexpr const char* kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The table as a CSV file: the byte-order mark, the headings, one line per row, then one line
// per note (the note in the first field, the others empty), each line ended by CR LF. A field
// holding a comma, a double quote or a line break is quoted, its quotes doubled.
std::string TableCsv(const TableRows& table);

// The table as tab-separated lines for pasting into a spreadsheet cell by cell: no byte-order
// mark, lines ended by LF, the notes as in TableCsv. A tab or line break inside a field
// becomes a blank.
std::string TableTabText(const TableRows& table);

// The name proposed for the CSV file of a table: "<document name>_<table name>.csv", the
// document's name without its extension, or the untitled name.
std::string ProposedTableFileName(const std::string& documentPath, const TableRows& table);

}  // namespace qel
