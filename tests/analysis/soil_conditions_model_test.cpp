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

#include "analysis/settlement_table_model.h"
#include "document/data_file.h"
#include "document/document.h"
#include "engine/slice_settlement.h"

namespace qel {
namespace {

Document Example(const char* file) {
  DocumentTables t;
  EXPECT_EQ(ReadDataFile(std::string(QEL_SOURCE_DIR "/examples/") + file, t), ReadStatus::Ok);
  return Document(t);
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

// The sections, and the units of the headings in either unit system.
TEST(SoilConditionsTable, ExamplesGiveConditionsLayersAndCurvesInTheirUnits) {
  struct Case {
    const char* file;
    int unitSystem;
    std::vector<std::string> titles;
    std::size_t layers;
    const char* weight;
    const char* stress;
  } cases[] = {
      {"embankment.qdw", 1, {"地盤の条件", "土層", "e-log p 曲線 1"}, 4, "kN/m³", "kN/㎡"},
      {"building.qdw", 1, {"地盤の条件", "土層"}, 3, "kN/m³", "kN/㎡"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + std::to_string(c.unitSystem));
    const Document document = Example(c.file);
    const TableModel table = SoilConditionsTable(document.soil(c.unitSystem), Units(c.unitSystem));
    std::vector<std::string> titles;
    for (const TableSection& section : table.sections)
      titles.push_back(section.title);
    EXPECT_EQ(titles, c.titles);
    EXPECT_EQ(SectionTitled(table, kSoilLayersTitle).rows.size(), c.layers);
    EXPECT_EQ(table.columns[kSoilLayerGammaT].unit, c.weight);
    EXPECT_EQ(table.columns[kSoilLayerPc].unit, c.stress);
    EXPECT_EQ(table.columns[kSoilCurveP].unit, c.stress);
    EXPECT_EQ(table.columns[kSoilLayerTop].unit, "m");
    EXPECT_EQ(table.columns[kSoilLayerCv].unit, "cm²/日");
  }
  // The tf-m system names its own units (the examples' weights are kN/m3: a line of its own).
  SoilProfileReading reading =
      ReadSoilProfile({"layer=1,粘土,5,1.6,1.7,mv,,,,,0.002,100,both,"}, 0);
  ASSERT_TRUE(reading.profile);
  const TableModel tf = SoilConditionsTable(reading, Units(0));
  EXPECT_EQ(tf.columns[kSoilLayerGammaSat].unit, "tf/m³");
  EXPECT_EQ(tf.columns[kSoilLayerMv].unit, "㎡/tf");
  EXPECT_EQ(Cell(SectionTitled(tf, kSoilLayersTitle), 0, kSoilLayerMv), "0.002");
}

// Every field of the embankment's layers as typed, a field that does not apply left empty, and
// its curve point by point.
TEST(SoilConditionsTable, LayersAndCurveReadAsTyped) {
  const TableModel table = SoilConditionsTable(Example("embankment.qdw").soil(1), Units(1));
  const TableSection& layers = SectionTitled(table, kSoilLayersTitle);
  struct Expect {
    std::size_t row;
    SoilTableColumn column;
    const char* text;
  } expected[] = {
      {0, kSoilLayerName, "表土"},     {0, kSoilLayerTop, "0"},
      {0, kSoilLayerBottom, "1.5"},    {0, kSoilLayerMethod, "なし"},
      {0, kSoilLayerCv, ""},           {0, kSoilLayerDrainage, ""},
      {1, kSoilLayerTop, "1.5"},       {1, kSoilLayerMethod, "e-logp"},
      {1, kSoilLayerE0, ""},           {1, kSoilLayerCs, "0.05"},
      {1, kSoilLayerCurve, "1"},       {1, kSoilLayerCv, "120"},
      {2, kSoilLayerTop, "6"},         {2, kSoilLayerGammaT, "16"},
      {2, kSoilLayerGammaSat, "16.5"}, {2, kSoilLayerE0, "1.6"},
      {2, kSoilLayerCc, "0.5"},        {2, kSoilLayerPc, "90"},
      {2, kSoilLayerDrainage, "下面"}, {2, kSoilLayerMv, ""},
      {3, kSoilLayerBottom, "20"},
  };
  for (const Expect& e : expected) {
    SCOPED_TRACE(std::to_string(e.row) + " " + std::to_string(e.column));
    EXPECT_EQ(Cell(layers, e.row, e.column), e.text);
  }
  const TableSection& curve = SectionTitled(table, SoilCurveTitle(1));
  const double p[] = {10, 20, 40, 80, 160, 320, 640};
  const double e[] = {2.30, 2.25, 2.16, 2.00, 1.82, 1.64, 1.46};
  ASSERT_EQ(curve.rows.size(), std::size(p));
  for (std::size_t i = 0; i < std::size(p); ++i) {
    EXPECT_EQ(Read(Cell(curve, i, kSoilCurveP)), p[i]);
    EXPECT_EQ(Read(Cell(curve, i, kSoilCurveE)), e[i]);
  }
  EXPECT_EQ(Item(table, "地下水位 GL－"), "1");
  EXPECT_EQ(Item(table, "水の単位体積重量 γw"), "9.81");
  EXPECT_EQ(Item(table, "最大分割厚"), "0.5");
  EXPECT_EQ(Item(table, "時間"), "10, 30, 100, 300, 1000, 3000");
  // Its Cc layer gives p'c: no note of normal consolidation.
  EXPECT_EQ(layers.notes.size(), 1u);
}

// Stages, the time rules, the paving day and drains are listed when given; without drains no
// drain line appears, and a drain value not given is an empty cell.
TEST(SoilConditionsTable, StagesRulesAndDrains) {
  const std::vector<std::string> base = {"water=2", "gammaw=9.81",
                                         "layer=1,粘土,10,16,17,cc,1.2,0.4,0.04,,,150,both,"};
  std::vector<std::string> lines = base;
  lines.insert(lines.end(), {"stage=1,0,60,0.5", "stage=2,120,150,1.0", "timeload=terzaghi",
                             "consolidation=equivalent", "secondary=0.9", "residual=200,7300",
                             "timecols=2,5", "drains=triangle,1.2,0.0662,,2,,15"});
  const TableModel table = SoilConditionsTable(ReadSoilProfile(lines, 1), Units(1));
  const std::map<std::string, std::string> items = {
      {"載荷段階 1 開始～終了", "0～60"},
      {"載荷段階 1 終了時の荷重の割合", "0.5"},
      {"載荷段階 2 開始～終了", "120～150"},
      {"漸増載荷の計算", "Terzaghi の修正"},
      {"圧密の計算", "換算層厚"},
      {"二次圧密の開始（一次圧密沈下量に対する割合）", "0.9"},
      {"舗装の日", "200"},
      {"供用期間", "7300"},
      {"時間–沈下曲線の列", "2, 5"},
      {"鉛直ドレーンの配置", "正三角形"},
      {"ドレーンの換算直径 dw", "0.0662"},
      {"スミア域の直径 ds", ""},
      {"透水係数比 kh/ks", "2"},
      {"通水能力 qw", ""},
      {"ドレーンの下端深度", "15"}};
  for (const auto& [label, value] : items)
    EXPECT_EQ(Item(table, label), value) << label;
  // p'c not given: normally consolidated, an empty cell and a note that says so.
  const TableSection& layers = SectionTitled(table, kSoilLayersTitle);
  EXPECT_EQ(Cell(layers, 0, kSoilLayerPc), "");
  EXPECT_TRUE(std::any_of(layers.notes.begin(), layers.notes.end(), [](const std::string& note) {
    return note.find("正規圧密") != std::string::npos;
  }));

  const TableModel plain = SoilConditionsTable(ReadSoilProfile(base, 1), Units(1));
  for (const TableModelRow& row : SectionTitled(plain, kSoilConditionsTitle).rows) {
    EXPECT_EQ(row.cells[0].find("ドレーン"), std::string::npos) << row.cells[0];
    EXPECT_EQ(row.cells[0].find("載荷段階"), std::string::npos) << row.cells[0];
  }
  EXPECT_EQ(Item(plain, "時間–沈下曲線の列"), "沈下量の大きい 6 列");
}

// A profile that does not read gives no sections, every fault by its line; none: one line.
TEST(SoilConditionsTable, ProfileThatDoesNotReadSaysWhy) {
  const TableModel bad =
      SoilConditionsTable(ReadSoilProfile({"gammaw=9.81", "layer=1,x,abc"}, 1), Units(1));
  EXPECT_TRUE(bad.sections.empty());
  EXPECT_EQ(bad.preamble.front(), "地盤の土層を読めません");
  EXPECT_TRUE(std::any_of(bad.preamble.begin(), bad.preamble.end(), [](const std::string& line) {
    return line.find("土層データの 2 行目: ") != std::string::npos;
  }));
  const TableModel none = SoilConditionsTable(SoilProfileReading{}, Units(1));
  EXPECT_EQ(none.preamble, std::vector<std::string>{"地盤の土層がありません"});
}

// A file of the table: numeric depths in two columns, empty cells where a field does not apply,
// the section of every row in its key column.
TEST(SoilConditionsTable, FileRowsAreNumericWhereTheyAreNumbers) {
  const TableRows rows =
      ExportedRows(SoilConditionsTable(Example("embankment.qdw").soil(1), Units(1)));
  ASSERT_FALSE(rows.headings.empty());
  EXPECT_EQ(rows.headings[0], "区分");
  const auto heading = [&](const std::string& text) {
    for (std::size_t i = 0; i < rows.headings.size(); ++i)
      if (rows.headings[i] == text) return i;
    ADD_FAILURE() << "no heading " << text;
    return std::size_t{0};
  };
  const std::size_t top = heading("上端 (m)"), bottom = heading("下端 (m)");
  const std::size_t e0 = heading("e0"), gammaT = heading("γt (kN/m³)");
  int layers = 0;
  for (const std::vector<std::string>& row : rows.rows) {
    ASSERT_EQ(row.size(), rows.headings.size());
    if (row[0] != kSoilLayersTitle) continue;
    ++layers;
    EXPECT_LT(Read(row[top]), Read(row[bottom]));
    EXPECT_GT(Read(row[gammaT]), 0);
    EXPECT_TRUE(row[e0].empty() || Read(row[e0]) > 0);
    for (const std::string& cell : row)
      EXPECT_EQ(cell.find("－"), std::string::npos);
  }
  EXPECT_EQ(layers, 4);
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
