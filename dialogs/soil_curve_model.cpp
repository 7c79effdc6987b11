// The e-log p curves of the soil profile: slots of points as typed, the paste of clipboard
// lines, the check through the section's reader and the curve lines written back.
#include "dialogs/soil_curve_model.h"

#include <algorithm>
#include <cmath>

#include "base/c_locale.h"
#include "dialogs/numeric_entry.h"
#include "document/soil_profile_text.h"
#include "document/soil_section_lines.h"

namespace qel {

namespace {

// The fields of a pasted line: tabs, commas and blanks all separate.
std::vector<std::string> PastedFields(const std::string& line) {
  std::vector<std::string> fields;
  std::string field;
  for (char c : HalfWidthNumberList(line) + "\t") {
    if (c == '\t' || c == ',' || c == ' ' || c == ';') {
      if (!field.empty()) fields.push_back(field);
      field.clear();
    } else {
      field += c;
    }
  }
  return fields;
}

bool IsBlankPoint(const SoilCurvePoint& point) {
  return point.first.empty() && point.second.empty();
}

}  // namespace

SoilCurvePaste ParseSoilCurvePaste(const std::string& text) {
  SoilCurvePaste paste;
  std::size_t start = 0;
  int lineNumber = 0;
  bool first = true;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::vector<std::string> fields = PastedFields(line);
    if (fields.empty()) continue;
    const bool numbers =
        fields.size() == 2 && ParseRealNumber(fields[0]) && ParseRealNumber(fields[1]);
    if (!numbers) {
      if (first && !ParseRealNumber(fields[0])) {
        first = false;  // a heading such as "p  e"
        continue;
      }
      paste.error = std::to_string(lineNumber) + " 行目「" + TrimmedSoilText(line) +
                    "」は p と e の 2 つの数値ではありません";
      return paste;
    }
    first = false;
    paste.points.emplace_back(fields[0], fields[1]);
  }
  if (paste.points.empty()) paste.error = "貼り付ける p, e の行がありません";
  return paste;
}

std::vector<SoilCurveGraphPoint> SoilCurveGraphPoints(const SoilCurvePoints& points) {
  std::vector<SoilCurveGraphPoint> graph;
  for (const SoilCurvePoint& point : points) {
    const std::optional<double> p = ParseRealNumber(point.first);
    const std::optional<double> e = ParseRealNumber(point.second);
    if (p && e && *p > 0.0 && std::isfinite(*p) && std::isfinite(*e)) graph.push_back({*p, *e});
  }
  return graph;
}

SoilCurveModel::SoilCurveModel(const DocumentTables& tables)
    : section_(tables.soilLines), curves_(kSlots) {
  for (const std::string& line : section_) {
    if (SoilLineKey(line) != "curve") continue;
    const std::vector<std::string> fields = SoilLineFields(SoilLineValue(line));
    const std::optional<int> number = ParseWholeNumber(fields[0]);
    const int points = static_cast<int>(fields.size() - 1) / 2;
    if (!number || *number < 1 || *number > kSlots || !curves_[*number - 1].empty() ||
        fields.size() % 2 == 0 || points > kMostPoints) {
      keptLines_.push_back(line);
      continue;
    }
    for (int i = 0; i < points; ++i)
      curves_[*number - 1].emplace_back(fields[1 + 2 * i], fields[2 + 2 * i]);
  }
  heldCurves_ = curves_;
}

void SoilCurveModel::SetCell(int slot, int row, int column, const std::string& text) {
  if (slot < 0 || slot >= kSlots || row < 0 || row >= kMostPoints || column < 0 || column > 1)
    return;
  SoilCurvePoints& points = curves_[slot];
  if (static_cast<std::size_t>(row) >= points.size()) points.resize(row + 1);
  (column == 0 ? points[row].first : points[row].second) = HalfWidthNumber(text);
  while (!points.empty() && IsBlankPoint(points.back()))
    points.pop_back();
}

std::optional<std::string> SoilCurveModel::Paste(int slot, int row, const std::string& text) {
  if (slot < 0 || slot >= kSlots || row < 0) return "貼り付ける位置がありません";
  SoilCurvePaste paste = ParseSoilCurvePaste(text);
  if (paste.error) return paste.error;
  if (row + paste.points.size() > static_cast<std::size_t>(kMostPoints))
    return "点は " + std::to_string(kMostPoints) + " 個までです (" +
           std::to_string(row + paste.points.size()) + " 個になります)";
  SoilCurvePoints& points = curves_[slot];
  if (points.size() < row + paste.points.size()) points.resize(row + paste.points.size());
  std::copy(paste.points.begin(), paste.points.end(), points.begin() + row);
  return std::nullopt;
}

bool SoilCurveModel::UsedByLayer(int slot) const {
  const std::string number = std::to_string(slot + 1);
  return std::any_of(section_.begin(), section_.end(), [&number](const std::string& line) {
    if (SoilLineKey(line) != "layer") return false;
    const std::vector<std::string> fields = SoilLineFields(SoilLineValue(line));
    return fields.size() == 14 && fields[13] == number;
  });
}

std::vector<std::string> SoilCurveModel::CurveLines() const {
  std::vector<std::string> lines;
  for (int slot = 0; slot < kSlots; ++slot) {
    if (curves_[slot].empty()) continue;
    std::string line = "curve=" + std::to_string(slot + 1);
    for (const SoilCurvePoint& point : curves_[slot])
      line += "," + point.first + "," + point.second;
    lines.push_back(line);
  }
  lines.insert(lines.end(), keptLines_.begin(), keptLines_.end());
  return lines;
}

// Curve lines hold pressures and void ratios, whose ranges do not depend on the units; only the
// unit weights' do, and the curve lines have none.
constexpr int kCurveUnits = 1;

std::optional<ValidationError> SoilCurveModel::Validate() const {
  for (int slot = 0; slot < kSlots; ++slot)
    for (const SoilCurvePoint& point : curves_[slot])
      for (const std::string* cell : {&point.first, &point.second})
        if (cell->find(',') != std::string::npos)
          return ValidationError{"曲線 " + std::to_string(slot + 1) + ": 「,」は使えません",
                                 "points"};
  // Only the curves' own faults: the reader is given the curve lines alone.
  for (const SoilProfileError& error : ReadSoilProfile(CurveLines(), kCurveUnits).errors)
    if (error.line > 0) return ValidationError{error.text, "points"};
  return std::nullopt;
}

bool SoilCurveModel::HasChanged() const {
  return SectionLines() != section_;
}

std::vector<std::string> SoilCurveModel::SectionLines() const {
  if (curves_ == heldCurves_) return section_;
  return ReplaceSoilLines(section_, {"curve"}, CurveLines(), SoilLinesPlace::Back);
}

ApplyOutcome SoilCurveModel::Apply(DocumentTables& tables) const {
  // An OK without a change leaves the section's lines exactly as they were read.
  if (HasChanged()) tables.soilLines = SectionLines();
  return {};
}

}  // namespace qel
