// The soil profile as entered, as a table: its sections and units, the time rules and drains,
// the numbers read back exactly, and a slice of each example worked out again from the table's
// texts alone to the value of the calculation table.
#include "analysis/soil_conditions_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <tuple>

#include "analysis/settlement_table_model.h"
#include "document/data_file.h"
#include "document/document.h"
#include "engine/slice_settlement.h"
#include "support/example_document.h"

namespace qel {
namespace {

Document Example(const char* file) {
  return test::ExampleDocument(file);
}

SystemSettings Units(int unitSystem) {
  SystemSettings settings;
  settings.unitSystem = unitSystem;
  return settings;
}

const TableSection& SectionTitled(const TableModel& table, const std::string& title) {
  for (const TableSection& section : table.sections)
    if (section.title == title) return section;
  ADD_FAILURE() << "no section " << title;
  static const TableSection none;
  return none;
}

// The cell of `column` in `row` of `section`.
std::string Cell(const TableSection& section, std::size_t row, SoilTableColumn column) {
  for (std::size_t i = 0; i < section.columns.size(); ++i)
    if (section.columns[i] == column) return section.rows.at(row).cells.at(i);
  ADD_FAILURE() << "no column " << column;
  return {};
}

// The value of a conditions item, by its label.
std::string Item(const TableModel& table, const std::string& label) {
  const TableSection& section = SectionTitled(table, kSoilConditionsTitle);
  for (std::size_t row = 0; row < section.rows.size(); ++row)
    if (Cell(section, row, kSoilItem) == label) return Cell(section, row, kSoilItemValue);
  ADD_FAILURE() << "no item " << label;
  return {};
}

// A number read back whole: the text must be nothing but the number.
double Read(const std::string& text) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  EXPECT_TRUE(!text.empty() && *end == '\0') << "\"" << text << "\"";
  return value;
}

// The examples' sections, the units of either system, and cells as typed: a field that does
// not apply is empty, and a small value is no exponent.
TEST(SoilConditionsTable, SectionsUnitsAndCellsAsTyped) {
  const TableModel embankment = SoilConditionsTable(Example("embankment.qdw").soil(1), Units(1));
  std::vector<std::string> titles;
  for (const TableSection& section : embankment.sections)
    titles.push_back(section.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"地盤の条件", "土層", "e-log p 曲線 1"}));
  const TableModel building = SoilConditionsTable(Example("building.qdw").soil(1), Units(1));
  const TableModel tf = SoilConditionsTable(
      ReadSoilProfile({"layer=1,粘土,5,1.6,1.7,mv,,,,,0.002,100,both,"}, 0), Units(0));
  // Row, column, text: a number as typed, an empty field that does not apply, a word.
  const std::tuple<std::size_t, SoilTableColumn, const char*> cells[] = {
      {1, kSoilLayerTop, "1.5"}, {1, kSoilLayerE0, ""}, {1, kSoilLayerCurve, "1"},
      {2, kSoilLayerPc, "90"},   {2, kSoilLayerMv, ""}, {2, kSoilLayerDrainage, "下面"}};
  for (const auto& [row, column, text] : cells)
    EXPECT_EQ(Cell(SectionTitled(embankment, kSoilLayersTitle), row, column), text) << column;
  EXPECT_EQ(Cell(SectionTitled(building, kSoilLayersTitle), 1, kSoilLayerMv), "0.0002");
  EXPECT_EQ(embankment.columns[kSoilLayerGammaT].unit, "kN/m³");
  EXPECT_EQ(embankment.columns[kSoilCurveP].unit, "kN/㎡");
  EXPECT_EQ(tf.columns[kSoilLayerMv].unit, "㎡/tf");
  EXPECT_EQ(Item(embankment, "時間"), "10, 30, 100, 300, 1000, 3000");
  const TableSection& curve = SectionTitled(embankment, SoilCurveTitle(1));
  ASSERT_EQ(curve.rows.size(), 7u);
  EXPECT_EQ(Cell(curve, 6, kSoilCurveP) + " " + Cell(curve, 6, kSoilCurveE), "640 1.46");
}

// Stages, the time rules, the paving day and drains are listed when given; a drain value not
// given is an empty cell.
TEST(SoilConditionsTable, StagesRulesAndDrains) {
  const std::vector<std::string> lines = {"layer=1,粘土,10,16,17,cc,1.2,0.4,0.04,,,150,both,",
                                          "stage=1,0,60,0.5",
                                          "timeload=terzaghi",
                                          "consolidation=equivalent",
                                          "residual=200,7300",
                                          "timecols=2,5",
                                          "drains=triangle,1.2,0.0662,,2,,15"};
  const TableModel table = SoilConditionsTable(ReadSoilProfile(lines, 1), Units(1));
  const std::map<std::string, std::string> items = {{"載荷段階 1 開始～終了", "0～60"},
                                                    {"載荷段階 1 終了時の荷重の割合", "0.5"},
                                                    {"漸増載荷の計算", "Terzaghi の修正"},
                                                    {"圧密の計算", "換算層厚"},
                                                    {"舗装の日", "200"},
                                                    {"時間－沈下曲線の列", "2, 5"},
                                                    {"鉛直ドレーンの配置", "正三角形"},
                                                    {"スミア域の直径 ds", ""},
                                                    {"透水係数比 kh/ks", "2"},
                                                    {"ドレーンの下端深度", "15"}};
  for (const auto& [label, value] : items)
    EXPECT_EQ(Item(table, label), value) << label;
  // p'c not given: normally consolidated, an empty cell and a note that says so.
  const TableSection& layers = SectionTitled(table, kSoilLayersTitle);
  EXPECT_EQ(Cell(layers, 0, kSoilLayerPc), "");
  EXPECT_EQ(layers.notes.size(), 2u);
}

// A band drain's width and thickness are listed after the diameter they give, and only for a
// band drain.
TEST(SoilConditionsTable, ListsABandDrainsSizesAfterItsDiameter) {
  const std::string layer = "layer=1,粘土,10,16,17,cc,1.2,0.4,0.04,,,150,both,";
  struct Case {
    const char* drains;
    std::vector<std::pair<std::string, std::string>> items;  // from dw on, in order
  };
  const Case cases[] = {
      {"drains=square,1.5,0.06621,,,,10,0.1,0.004",
       {{"ドレーンの換算直径 dw", "0.06621"},
        {"バンドドレーンの幅 a", "0.1"},
        {"バンドドレーンの厚さ b", "0.004"},
        {"スミア域の直径 ds", ""}}},
      {"drains=square,1.5,,,,,10,0.1,0.004",
       {{"ドレーンの換算直径 dw", "0.0662085（2(a + b)/π）"}, {"バンドドレーンの幅 a", "0.1"}}},
      {"drains=square,1.5,0.05,,,,10",
       {{"ドレーンの換算直径 dw", "0.05"}, {"スミア域の直径 ds", ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.drains);
    const TableModel table = SoilConditionsTable(ReadSoilProfile({layer, c.drains}, 1), Units(1));
    const TableSection& section = SectionTitled(table, kSoilConditionsTitle);
    std::size_t row = 0;
    while (row < section.rows.size() && Cell(section, row, kSoilItem) != c.items[0].first)
      ++row;
    ASSERT_LE(row + c.items.size(), section.rows.size());
    for (const auto& [label, value] : c.items) {
      EXPECT_EQ(Cell(section, row, kSoilItem), label);
      EXPECT_EQ(Cell(section, row, kSoilItemValue), value) << label;
      ++row;
    }
  }
}

// A profile that does not read gives no sections, every fault by its line; none: one line.
TEST(SoilConditionsTable, ProfileThatDoesNotReadSaysWhy) {
  const TableModel bad =
      SoilConditionsTable(ReadSoilProfile({"gammaw=9.81", "layer=1,x,abc"}, 1), Units(1));
  EXPECT_TRUE(bad.sections.empty());
  ASSERT_EQ(bad.preamble.size(), 3u);  // the heading, the section's fault, the line's
  EXPECT_EQ(bad.preamble[2].rfind("  土層データの 2 行目: ", 0), 0u) << bad.preamble[2];
  const TableModel none = SoilConditionsTable(SoilProfileReading{}, Units(1));
  EXPECT_EQ(none.preamble, std::vector<std::string>{"地盤の土層がありません"});
}

SettlementMethod MethodOf(const std::string& text) {
  if (text == "Cc") return SettlementMethod::kCc;
  if (text == "e-logp") return SettlementMethod::kElogP;
  if (text == "mv") return SettlementMethod::kMv;
  return SettlementMethod::kNone;
}

std::optional<double> ReadOptional(const std::string& text) {
  if (text.empty()) return std::nullopt;
  return Read(text);
}

// A checker's audit: for one slice of every settling layer of each example, the overburden and
// the settlement worked out from the input table's texts (and the slice's depth and dP printed
// in the calculation table) agree with the calculation table's σ'v0 and S.
TEST(SoilConditionsTable, ASliceIsWorkedOutAgainFromTheInputTableAlone) {
  for (const auto& [file, problem] : {std::pair{"embankment.qdw", Problem::Strip},
                                      std::pair{"building.qdw", Problem::RectCircle}}) {
    SCOPED_TRACE(file);
    const Document document = Example(file);
    const SystemSettings settings = Units(1);
    const TableModel input = SoilConditionsTable(document.soil(1), settings);
    const TableModel calculation = SettlementTableModel(
        ComputeDocumentSettlement(document, 1, CircleMethod::kExact), problem, settings);
    ASSERT_FALSE(calculation.sections.empty());
    const TableSection& layers = SectionTitled(input, kSoilLayersTitle);
    const std::optional<double> water = Item(input, "地下水位 GL－") == "なし"
                                            ? std::nullopt
                                            : std::optional(Read(Item(input, "地下水位 GL－")));
    const double gammaW = Read(Item(input, "水の単位体積重量 γw"));
    // σ'v0 at depth z from the layers' unit weights as printed.
    const auto overburden = [&](double z) {
      double sigma = 0;
      for (std::size_t row = 0; row < layers.rows.size(); ++row) {
        const double top = Read(Cell(layers, row, kSoilLayerTop));
        const double bottom = std::min(z, Read(Cell(layers, row, kSoilLayerBottom)));
        const double dry = water ? std::clamp(*water, top, bottom) : bottom;
        if (bottom > top)
          sigma += Read(Cell(layers, row, kSoilLayerGammaT)) * (dry - top) +
                   Read(Cell(layers, row, kSoilLayerGammaSat)) * (bottom - dry);
      }
      return sigma - (water && z > *water ? gammaW * (z - *water) : 0.0);
    };
    const TableSection& column = calculation.sections.front();
    std::set<std::string> checkedLayers;
    for (const TableModelRow& slice : column.rows) {
      const std::string number = slice.cells[0];
      if (checkedLayers.count(number)) continue;
      std::size_t row = 0;
      while (row < layers.rows.size() && Cell(layers, row, kSoilLayerNo) != number)
        ++row;
      ASSERT_LT(row, layers.rows.size());
      SoilLayer layer;
      layer.method = MethodOf(Cell(layers, row, kSoilLayerMethod));
      if (layer.method == SettlementMethod::kNone) continue;
      checkedLayers.insert(number);
      SCOPED_TRACE("layer " + number);
      layer.e0 = ReadOptional(Cell(layers, row, kSoilLayerE0)).value_or(0);
      layer.cc = ReadOptional(Cell(layers, row, kSoilLayerCc)).value_or(0);
      layer.cs = ReadOptional(Cell(layers, row, kSoilLayerCs));
      layer.pc = ReadOptional(Cell(layers, row, kSoilLayerPc));
      layer.mv = ReadOptional(Cell(layers, row, kSoilLayerMv)).value_or(0);
      ElogPCurve curve;
      if (layer.method == SettlementMethod::kElogP) {
        const std::string number = Cell(layers, row, kSoilLayerCurve);
        const TableSection& points =
            SectionTitled(input, SoilCurveTitle(std::atoi(number.c_str())));
        for (std::size_t i = 0; i < points.rows.size(); ++i) {
          curve.p.push_back(Read(Cell(points, i, kSoilCurveP)));
          curve.e.push_back(Read(Cell(points, i, kSoilCurveE)));
        }
      }
      // The slice's depth range, thickness and dP as the calculation table prints them.
      const std::string range = slice.cells[2];
      const std::size_t tilde = range.find("～");
      const double top = Read(range.substr(0, tilde));
      const double bottom = Read(range.substr(tilde + std::string("～").size()));
      const double sigma0 = overburden((top + bottom) / 2);
      EXPECT_NEAR(sigma0, Read(slice.cells[4]), 0.005 + 1e-9);
      const SliceSettlement redone =
          SettleSlice(layer, &curve, sigma0, Read(slice.cells[5]), Read(slice.cells[3]));
      ASSERT_TRUE(redone.settlement);
      // dP is printed to 0.01: S agrees to the last printed digit of its cm.
      EXPECT_NEAR(*redone.settlement * 100, Read(slice.cells[10]), 0.006);
    }
    EXPECT_FALSE(checkedLayers.empty());
  }
}

}  // namespace
}  // namespace qel
