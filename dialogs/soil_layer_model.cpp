// The layer table of the soil profile: cells as typed, greyed cells, the check through the
// section's reader and the layer lines written back.
#include "dialogs/soil_layer_model.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "base/c_locale.h"
#include "dialogs/field_checks.h"
#include "dialogs/numeric_entry.h"
#include "document/soil_profile_text.h"
#include "engine/settlement_column.h"
#include "engine/soil_profile.h"

namespace qel {

namespace {

bool IsNumericColumn(int column) {
  return column != kSoilName && column != kSoilMethod && column != kSoilDrain;
}

bool IsBlank(const SoilLayerRow& row) {
  return std::all_of(row.begin(), row.end(), [](const std::string& cell) { return cell.empty(); });
}

std::string CodeOf(const std::string& text, const std::vector<std::string>& texts,
                   const std::vector<std::string>& codes) {
  for (std::size_t i = 0; i < texts.size(); ++i)
    if (text == texts[i]) return codes[i];
  return text;
}

// The section's line of a row of the table: the optional fields Cα and ch only up to the last
// one typed, so that a layer without them keeps the line it has always had.
std::string LayerLine(const SoilLayerRow& row) {
  int fields = kSoilCalpha;
  for (int column = kSoilCalpha; column < kSoilColumnCount; ++column)
    if (!row[column].empty()) fields = column + 1;
  std::string line = "layer=";
  for (int column = 0; column < fields; ++column)
    line += (column ? "," : "") + row[column];
  return line;
}

}  // namespace

std::string SoilLayerColumnTitle(int column, int unitSystem) {
  const std::string force = unitSystem != 0 ? "kN" : "tf";
  switch (column) {
    case kSoilNo:
      return "No.";
    case kSoilName:
      return "土層名";
    case kSoilBottom:
      return "下端深度 m";
    case kSoilGammaT:
      return "γt " + force + "/m³";
    case kSoilGammaSat:
      return "γsat " + force + "/m³";
    case kSoilMethod:
      return "計算方法";
    case kSoilE0:
      return "e0";
    case kSoilCc:
      return "Cc";
    case kSoilCs:
      return "Cs";
    case kSoilPc:
      return "p'c " + force + "/㎡";
    case kSoilMv:
      return "mv ㎡/" + force;
    case kSoilCv:
      return "cv cm²/日";
    case kSoilDrain:
      return "排水";
    case kSoilCurve:
      return "曲線 No.";
    case kSoilCalpha:
      return "Cα";
    case kSoilCh:
      return "ch cm²/日";
    default:
      return {};
  }
}

const std::vector<std::string>& SoilMethodTexts() {
  static const std::vector<std::string> texts = {"なし", "e-logp", "Cc", "mv"};
  return texts;
}
const std::vector<std::string>& SoilMethodCodes() {
  static const std::vector<std::string> codes = {"none", "elogp", "cc", "mv"};
  return codes;
}
const std::vector<std::string>& SoilDrainTexts() {
  static const std::vector<std::string> texts = {"両面", "上面", "下面", "なし"};
  return texts;
}
const std::vector<std::string>& SoilDrainCodes() {
  static const std::vector<std::string> codes = {"both", "top", "bottom", "none"};
  return codes;
}

bool SoilColumnUsed(const std::string& methodCode, int column) {
  if (column <= kSoilMethod) return true;
  if (methodCode == "none") return false;
  if (column == kSoilCv || column == kSoilDrain || column == kSoilCalpha || column == kSoilCh)
    return true;
  if (methodCode == "cc")
    return column == kSoilE0 || column == kSoilCc || column == kSoilCs || column == kSoilPc;
  if (methodCode == "elogp") return column == kSoilCs || column == kSoilCurve;
  if (methodCode == "mv") return column == kSoilMv;
  return true;
}

SoilLayerModel::SoilLayerModel(const DocumentTables& tables, int unitSystem)
    : section_(tables.soilLines), unitSystem_(unitSystem) {
  for (const std::string& line : section_) {
    if (SoilLineKey(line) != "layer") continue;
    const std::vector<std::string> fields = SoilLineFields(SoilLineValue(line));
    SoilLayerRow row;
    // A line of the wrong length keeps its first fields; the check then names what is missing.
    for (std::size_t i = 0; i < row.size() && i < fields.size(); ++i)
      row[i] = fields[i];
    rows_.push_back(row);
  }
  heldRows_ = rows_;
}

void SoilLayerModel::SetCell(int row, int column, const std::string& text) {
  if (row < 0 || row >= kMostRows || column < 0 || column >= kSoilColumnCount) return;
  if (static_cast<std::size_t>(row) >= rows_.size()) rows_.resize(row + 1);
  SoilLayerRow& cells = rows_[row];
  if (column == kSoilMethod)
    cells[column] = CodeOf(TrimmedSoilText(text), SoilMethodTexts(), SoilMethodCodes());
  else if (column == kSoilDrain)
    cells[column] = CodeOf(TrimmedSoilText(text), SoilDrainTexts(), SoilDrainCodes());
  else
    cells[column] = IsNumericColumn(column) ? HalfWidthNumber(text) : text;
  if (column != kSoilNo && cells[kSoilNo].empty() && !cells[column].empty())
    cells[kSoilNo] = std::to_string(row + 1);
}

std::vector<std::string> SoilLayerModel::LayerLines() const {
  std::vector<std::string> lines;
  for (const SoilLayerRow& row : rows_) {
    if (!IsBlank(row)) lines.push_back(LayerLine(row));
  }
  return lines;
}

std::optional<ValidationError> SoilLayerModel::Validate() const {
  const std::string field = "layers";
  // Cells that the section's line could not hold as typed.
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    const std::string where = std::to_string(r + 1) + " 行目の";
    for (int column = 0; column < kSoilColumnCount; ++column) {
      const std::string& cell = rows_[r][column];
      if (cell.find(',') != std::string::npos)
        return ValidationError{
            where + SoilLayerColumnTitle(column, unitSystem_) + "に「,」は使えません", field};
      if (auto refused = CheckStoredText(cell, field)) {
        refused->message =
            where + SoilLayerColumnTitle(column, unitSystem_) + ": " + refused->message;
        return refused;
      }
    }
  }
  // The table's rows are the first lines (a blank row an empty line, which the reader skips), so
  // that the reader's line numbers are the table's rows; the rest of the section follows.
  std::vector<std::string> lines;
  for (const SoilLayerRow& row : rows_)
    lines.push_back(IsBlank(row) ? std::string() : LayerLine(row));
  const int layerLines = static_cast<int>(lines.size());
  for (const std::string& line : section_)
    if (SoilLineKey(line) != "layer") lines.push_back(line);
  for (const SoilProfileError& error : ReadSoilProfile(lines, unitSystem_).errors) {
    // Faults of the other lines, and of a section without layers, are not this table's.
    if (error.line < 1 || error.line > layerLines) continue;
    const std::string row = std::to_string(error.line) + " 行目";
    if (error.text.rfind(row, 0) == 0) return ValidationError{error.text, field};
    return ValidationError{row + ": " + error.text, field};
  }
  return std::nullopt;
}

bool SoilLayerModel::HasChanged() const {
  return SectionLines() != section_;
}

std::vector<std::string> SoilLayerModel::SectionLines() const {
  if (rows_ == heldRows_) return section_;
  return ReplaceSoilLines(section_, {"layer"}, LayerLines(), SoilLinesPlace::BeforeCurves);
}

std::vector<std::string> SoilLayerWarnings(const std::vector<std::string>& section,
                                           int unitSystem) {
  const SoilProfileReading reading = ReadSoilProfile(section, unitSystem);
  if (!reading.profile) return {};
  std::vector<std::string> warnings;
  const std::vector<SoilLayer>& layers = reading.profile->layers;
  auto named = [&layers](std::size_t i) {
    return "土層 " + std::to_string(layers[i].number) + " (" + layers[i].name + ")";
  };
  std::vector<double> largestOverburden(layers.size(), 0.0);
  try {
    const SettlementModel model(*reading.profile);
    for (const SoilSlice& slice : model.slices()) {
      double& largest = largestOverburden[static_cast<std::size_t>(slice.layer)];
      largest = std::max(largest, slice.sigma0);
    }
  } catch (const std::exception&) {
    return {};  // a profile the calculation refuses says so on its displays
  }
  for (std::size_t i = 0; i < layers.size(); ++i) {
    const SoilLayer& layer = layers[i];
    if (layer.method == SettlementMethod::kNone) continue;
    if (layer.method == SettlementMethod::kCc && layer.pc && *layer.pc < largestOverburden[i])
      warnings.push_back(named(i) + ": p'c = " + FormatC("%g", *layer.pc) +
                         " が土かぶり圧 σ'v0 (最大 " + FormatC("%.2f", largestOverburden[i]) +
                         ") を下回ります。その分割は正規圧密として計算します");
    if (!layer.cv)
      warnings.push_back(named(i) + ": 圧密係数 cv がないため、時間による沈下は計算されません");
  }
  return warnings;
}

ApplyOutcome SoilLayerModel::Apply(DocumentTables& tables) const {
  // An OK without a change leaves the section's lines exactly as they were read.
  if (!HasChanged()) return {};
  tables.soilLines = SectionLines();
  return {SoilLayerWarnings(tables.soilLines.ToVector(), unitSystem_)};
}

SoilSketchInput SoilLayerModel::Sketch() const {
  SoilSketchInput input;
  for (const std::string& line : section_) {
    const std::string key = SoilLineKey(line);
    const std::optional<double> value = ParseRealNumber(TrimmedSoilText(SoilLineValue(line)));
    if (key == "water" && value) input.water = value;
    if (key == "slice" && value && *value > 0.0) input.slice = *value;
  }
  double top = 0.0;
  for (const SoilLayerRow& row : rows_) {
    const std::optional<double> bottom = ParseRealNumber(row[kSoilBottom]);
    if (!bottom || !(*bottom > top) || !std::isfinite(*bottom)) continue;
    const std::string& method = row[kSoilMethod];
    input.layers.push_back({row[kSoilName], top, *bottom, !method.empty() && method != "none"});
    top = *bottom;
  }
  return input;
}

}  // namespace qel
