// Fuzz target: any bytes read as the lines of a soil section. A reading gives a profile or
// errors, never both; each error names a line of the section and quotes at most 80 characters of
// it; and a profile that reads is one the document settles under a strip load and a rectangle:
// every column has a settlement for every slice it can give one, t50 no later than t90, U within
// [0, 1], and no output (the three CSV tables of qel-cli settlement and the calculation table's
// rows) holds a number that is not finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/settlement_analysis.h"
#include "analysis/settlement_csv.h"
#include "document/document.h"
#include "document/document_results.h"
#include "document/soil_profile_text.h"
#include "fuzz/fuzz_support.h"
#include "settings/system_settings.h"
#include "view/table_rows.h"

namespace {

using namespace qel;

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// A strip load of intensity `load` over x 0..4 with two calculation points, and a rectangle of
// the same intensity with a lattice of two columns.
DocumentTables LoadedDocument(double load, std::vector<std::string> soil) {
  DocumentTables cells;
  const std::string height = std::to_string(load / 20.0);
  const char* strip[] = {"", "1", "0", "1", "3", "4", height.c_str(), "20", "0"};
  for (int column = 1; column <= kStripColumns; ++column)
    cells.stripLoads[1][1][column] = strip[column];
  cells.stripPoints[1][point_col::kX] = "2";
  cells.stripPoints[2][point_col::kX] = "8";
  cells.stripPoints[1][point_col::kZ] = "1";
  const std::string q = std::to_string(load);
  const char* rect[] = {"", "1", "0", "0", "2", "2", q.c_str()};
  for (int column = 1; column <= kRectColumns; ++column)
    cells.rectLoads[1][column] = rect[column];
  cells.gridPoints[1][point_col::kGridX] = "1";
  cells.gridPoints[2][point_col::kGridX] = "5";
  cells.gridPoints[1][point_col::kGridY] = "1";
  cells.gridPoints[1][point_col::kGridZ] = "1";
  cells.soilLines = soil;
  return cells;
}

// Whether `field` reads whole as a number that is not finite ("nan", "-inf", "1e999").
bool NotFinite(const std::string& field) {
  if (field.empty()) return false;
  char* end = nullptr;
  const double value = std::strtod(field.c_str(), &end);
  return end == field.c_str() + field.size() && !std::isfinite(value);
}

// Every field of every CSV line after the first (the problem's name) is finite or empty.
void RequireFiniteCsv(const std::string& csv) {
  std::size_t begin = 0;
  while (begin < csv.size()) {
    const std::size_t end = csv.find('\n', begin);
    const std::string line = csv.substr(begin, end - begin);
    std::size_t field = line.find(',');
    while (field != std::string::npos) {
      const std::size_t next = line.find(',', field + 1);
      fuzz::Require(!NotFinite(line.substr(field + 1, next - field - 1)),
                    "a settlement CSV holds finite numbers");
      field = next;
    }
    begin = end == std::string::npos ? csv.size() : end + 1;
  }
}

void RequireSettles(const std::vector<std::string>& lines, int unitSystem, double load) {
  const Document document(LoadedDocument(load, lines));
  const DocumentSettlement settlement =
      ComputeDocumentSettlement(document, unitSystem, CircleMethod::kExact, 1);
  fuzz::Require(settlement.status == DocumentSettlement::Status::kComputed,
                "a profile that reads is settled");
  fuzz::Require(settlement.courseModel.has_value(), "a settled profile has its courses");
  const SettlementModel& model = *settlement.model;
  for (const SettlementColumnResult& result : settlement.columns) {
    const SettlementColumn& column = result.values;
    fuzz::Require(column.slices.size() == model.slices().size(), "one result per slice");
    bool whole = true;
    for (const SliceSettlement& slice : column.slices) {
      fuzz::Require(std::isfinite(slice.sigma0) && std::isfinite(slice.p1), "finite stresses");
      if (slice.settlement)
        fuzz::Require(std::isfinite(*slice.settlement), "a settlement is finite");
      else
        whole = false;
    }
    fuzz::Require(column.total.has_value() == whole, "a total exactly when every slice has S");
    if (column.t50 && column.t90) fuzz::Require(*column.t50 <= *column.t90, "t50 before t90");
    for (const double t : model.profile().times) {
      if (const std::optional<double> u = model.DegreeAt(column, t))
        fuzz::Require(*u >= 0.0 && *u <= 1.0, "U lies within [0, 1]");
    }
    if (const std::optional<double> u = model.DegreeAt(column, 0.0))
      fuzz::Require(*u == 0.0, "U is 0 at t = 0");
  }
  for (const SettlementCsvTable table : {SettlementCsvTable::kColumns, SettlementCsvTable::kSlices,
                                         SettlementCsvTable::kTime, SettlementCsvTable::kStages})
    RequireFiniteCsv(
        SettlementCsv(table, *settlement.courseModel, settlement.columns, settlement.courses));
  SystemSettings settings;
  settings.unitSystem = unitSystem;
  const DocumentResults results;
  for (const DisplayMode display :
       {DisplayMode::StripSettlementTable, DisplayMode::RectCircleSettlementTable}) {
    const std::optional<TableRows> rows =
        BuildTableRows(display, document, results, CircleMethod::kExact, settings);
    fuzz::Require(rows.has_value(), "the calculation table is made");
    // Column 3 is the layer's name, which may read as anything.
    for (const std::vector<std::string>& row : rows->rows)
      for (std::size_t cell = 0; cell < row.size(); ++cell)
        fuzz::Require(
            cell == 3 || (!NotFinite(row[cell]) && row[cell].find("nan") == std::string::npos &&
                          row[cell].find("inf") == std::string::npos),
            "the calculation table shows finite numbers");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The load at the surface follows from the input's length, from -200 (unloading, down to no
  // effective stress) to 400; the units from its parity.
  const double load = static_cast<double>(static_cast<int>(size % 601) - 200);
  const int unitSystem = static_cast<int>(size % 2);
  const std::vector<std::string> lines =
      Lines(std::string_view(reinterpret_cast<const char*>(data), size));
  const SoilProfileReading reading = ReadSoilProfile(lines, unitSystem);
  fuzz::Require(reading.profile.has_value() == reading.errors.empty(),
                "a profile exactly when there is no error");
  for (const SoilProfileError& error : reading.errors) {
    fuzz::Require(error.line >= 0 && static_cast<std::size_t>(error.line) <= lines.size(),
                  "an error names a line of the section");
    fuzz::Require(!error.text.empty(), "an error says what is wrong");
    fuzz::Require(error.text.size() < 2000, "an error quotes a bounded part of its line");
  }
  if (reading.profile) RequireSettles(lines, unitSystem, load);
  return 0;
}
