// A table's rows as CSV and as tab-separated text.
#include "view/table_text.h"

#include <filesystem>

#include "base/c_locale.h"
#include "document/data_file_names.h"

namespace qel {

namespace {

// A cell a spreadsheet would take for a formula (one that begins with "=", "+", "-", "@", a tab
// or a carriage return and is no number, such as a layer named "=HYPERLINK(...)") gets a
// leading apostrophe, which spreadsheets read as "this is text". Numbers stay numbers.
std::string AsSpreadsheetText(const std::string& text) {
  if (text.empty() || std::string_view("=+-@\t\r").find(text.front()) == std::string_view::npos)
    return text;
  if (ParseRealNumber(text)) return text;
  return "'" + text;
}

std::string CsvField(const std::string& cell) {
  const std::string text = AsSpreadsheetText(cell);
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string TabField(const std::string& cell) {
  std::string text = AsSpreadsheetText(cell);
  for (char& c : text)
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  return text;
}

// Every line of the table, headings first, notes last, each as many fields as the headings.
template <typename Field>
std::string Lines(const TableRows& table, Field field, char separator, const char* lineEnd) {
  std::string text;
  auto addLine = [&](const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < table.headings.size(); ++i) {
      if (i > 0) text += separator;
      if (i < cells.size()) text += field(cells[i]);
    }
    text += lineEnd;
  };
  addLine(table.headings);
  for (const std::vector<std::string>& row : table.rows)
    addLine(row);
  for (const std::string& note : table.notes)
    addLine({note});
  return text;
}

}  // namespace

std::string TableCsv(const TableRows& table) {
  return kUtf8ByteOrderMark + Lines(table, CsvField, ',', "\r\n");
}

std::string TableTabText(const TableRows& table) {
  return Lines(table, TabField, '\t', "\n");
}

std::string ProposedTableFileName(const std::string& documentPath, const TableRows& table) {
  const std::string stem = documentPath.empty()
                               ? std::string(kUntitledName)
                               : std::filesystem::path(documentPath).stem().string();
  return stem + "_" + table.name + ".csv";
}

}  // namespace qel
