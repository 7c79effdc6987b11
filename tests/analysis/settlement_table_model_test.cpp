// The settlement calculation table as a model: a section per column of the problem, a row per
// slice with S to the last digit, the layers' subtotals, the column's total and notes; or why
// there is no settlement.
#include "analysis/settlement_table_model.h"

#include <gtest/gtest.h>

#include "base/c_locale.h"

#include <cstdlib>
#include <set>

#include "analysis/settlement_rows.h"
#include "document/data_file.h"
#include "document/document.h"
#include "support/example_document.h"
#include "support/worst_soil_profile.h"

namespace qel {
namespace {

Document Example(const char* file) {
  return test::ExampleDocument(file);
}

TEST(SettlementTableModel, EveryColumnOfTheProblemWithItsSlicesInOrder) {
  SystemSettings settings;
  settings.unitSystem = 1;
  for (const auto& [file, problem] : {std::pair{"embankment.qdw", Problem::Strip},
                                      std::pair{"building.qdw", Problem::RectCircle}}) {
    SCOPED_TRACE(file);
    const DocumentSettlement settlement =
        ComputeDocumentSettlement(Example(file), settings.unitSystem, CircleMethod::kExact);
    ASSERT_EQ(settlement.status, DocumentSettlement::Status::kComputed);
    const TableModel table = SettlementTableModel(settlement, problem, settings);
    ASSERT_FALSE(table.preamble.empty());
    EXPECT_EQ(table.preamble.front(), ConditionsText(*settlement.model));
    const std::vector<const SettlementColumnResult*> columns = ColumnsOf(settlement, problem);
    ASSERT_EQ(table.sections.size(), columns.size());
    ASSERT_FALSE(columns.empty());
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const SettlementColumnResult& column = *columns[c];
      const TableSection& section = table.sections[c];
      // Numbered from 1 in the problem's order.
      EXPECT_EQ(section.title.find(FormatC(" (%d) x = ", static_cast<int>(c) + 1)),
                section.title.find(' '));
      EXPECT_DOUBLE_EQ(std::strtod(section.key[0].c_str(), nullptr), column.site.x);
      EXPECT_DOUBLE_EQ(std::strtod(section.key[1].c_str(), nullptr), column.site.y);
      ASSERT_EQ(section.rows.size(), column.values.slices.size());
      std::set<int> layers;
      int closed = 0;
      for (std::size_t i = 0; i < section.rows.size(); ++i) {
        const TableModelRow& row = section.rows[i];
        const SoilSlice& slice = settlement.model->slices()[i];
        layers.insert(slice.layer);
        EXPECT_EQ(row.cells[0],
                  std::to_string(settlement.model->profile().layers[slice.layer].number));
        const std::optional<double>& s = column.values.slices[i].settlement;
        ASSERT_TRUE(s);
        EXPECT_EQ(std::strtod(row.exact[0].c_str(), nullptr), *s);
        closed += !row.closingLine.empty();
      }
      EXPECT_EQ(closed, static_cast<int>(layers.size()));  // one subtotal a layer
      EXPECT_EQ(section.rows.back().closingLine.rfind("小計 ", 0), 0u);
      ASSERT_FALSE(section.notes.empty());
      EXPECT_EQ(section.notes[0].rfind("合計 S = ", 0), 0u);
    }
    const TableRows rows = ExportedRows(table);
    EXPECT_EQ(rows.headings.front(), "x (m)");
    EXPECT_EQ(rows.headings[6], "σ'v0 (kN/㎡)");
    EXPECT_EQ(rows.headings.back(), "S (m)");
  }
}

// Under the largest profile each layer whose slices are marked ⚠ has one note under that mark,
// naming the layer and its slices, on the page and in the file alike.
TEST(SettlementTableModel, TheLargestProfileHasOneNotePerMarkedLayer) {
  DocumentTables t;
  ASSERT_EQ(ReadDataFile(std::string(QEL_SOURCE_DIR "/examples/embankment.qdw"), t),
            ReadStatus::Ok);
  t.soilLines = WorstSoilProfileLines();
  SystemSettings settings;
  settings.unitSystem = 1;
  const DocumentSettlement settlement =
      ComputeDocumentSettlement(Document(t), settings.unitSystem, CircleMethod::kExact);
  ASSERT_EQ(settlement.status, DocumentSettlement::Status::kComputed);
  for (const auto& [use, layerCell] :
       {std::pair{TableUse::Page, 0}, std::pair{TableUse::File, 1}}) {
    SCOPED_TRACE(layerCell);
    const TableModel table = SettlementTableModel(settlement, Problem::Strip, settings, use);
    ASSERT_FALSE(table.sections.empty());
    for (const TableSection& section : table.sections) {
      std::set<std::string> marked, noted;
      for (const TableModelRow& row : section.rows)
        if (row.mark == kPcBelowMark) marked.insert(row.cells[layerCell]);
      for (const std::string& note : section.notes) {
        if (note.rfind(kPcBelowMark, 0) != 0) continue;
        const std::size_t number = note.find("土層 ") + std::string("土層 ").size();
        EXPECT_TRUE(noted.insert(note.substr(number, note.find(' ', number) - number)).second)
            << note;
        EXPECT_NE(note.find(" の 1～2 番目の分割: "), std::string::npos) << note;
      }
      EXPECT_FALSE(marked.empty());
      EXPECT_EQ(noted, marked);
    }
  }
}

// A profile that does not read leaves a table without columns that says why, line by line.
TEST(SettlementTableModel, AProfileThatDoesNotReadSaysWhy) {
  DocumentTables t;
  t.soilLines = {"layer=9,bad"};
  const DocumentSettlement settlement =
      ComputeDocumentSettlement(Document(t), 0, CircleMethod::kExact);
  const TableModel table = SettlementTableModel(settlement, Problem::Strip, SystemSettings());
  EXPECT_TRUE(table.sections.empty());
  ASSERT_GE(table.preamble.size(), 2u);
  EXPECT_EQ(table.preamble[0], "地盤の土層を読めないため、沈下量を計算できません");
  EXPECT_TRUE(std::any_of(
      table.preamble.begin() + 1, table.preamble.end(),
      [](const std::string& line) { return line.rfind("  土層データの 1 行目: ", 0) == 0; }));
  EXPECT_EQ(SettlementTableModel(ComputeDocumentSettlement(Document(), 0, CircleMethod::kExact),
                                 Problem::RectCircle, SystemSettings())
                .preamble,
            std::vector<std::string>{"地盤の土層がありません"});
}

}  // namespace
}  // namespace qel
