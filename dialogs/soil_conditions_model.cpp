// The water table, γw, the largest slice, the times and the time curves' columns of the soil
// profile.
#include "dialogs/soil_conditions_model.h"

#include <iterator>

#include "dialogs/numeric_entry.h"
#include "document/soil_profile_text.h"
#include "document/soil_section_lines.h"

namespace qel {

namespace {

constexpr const char* kKeys[] = {"water", "gammaw", "slice", "times", "timecols"};
constexpr const char* kFieldNames[] = {"water", "gammaW", "slice", "times", "timeColumns"};
constexpr int kFieldCount = static_cast<int>(std::size(kKeys));

}  // namespace

SoilConditionsModel::SoilConditionsModel(const DocumentTables& tables, int unitSystem)
    : section_(tables.soilLines), unitSystem_(unitSystem) {
  if (section_.empty()) {
    fields_.gammaW = unitSystem != 0 ? "9.81" : "1.0";
    fields_.slice = "1.0";
  }
  for (const std::string& line : section_) {
    const std::string key = SoilLineKey(line);
    const std::string value = TrimmedSoilText(SoilLineValue(line));
    if (key == "water") fields_.water = value;
    if (key == "gammaw") fields_.gammaW = value;
    if (key == "slice") fields_.slice = value;
    if (key == "times") fields_.times = value;
    if (key == "timecols") fields_.timeColumns = value;
  }
  held_ = fields_;
}

void SoilConditionsModel::SetWater(const std::string& text) {
  fields_.water = TrimmedSoilText(HalfWidthNumber(text));
}
void SoilConditionsModel::SetGammaW(const std::string& text) {
  fields_.gammaW = TrimmedSoilText(HalfWidthNumber(text));
}
void SoilConditionsModel::SetSlice(const std::string& text) {
  fields_.slice = TrimmedSoilText(HalfWidthNumber(text));
}
void SoilConditionsModel::SetTimes(const std::string& text) {
  fields_.times = TrimmedSoilText(HalfWidthNumberList(text));
}
void SoilConditionsModel::SetTimeColumns(const std::string& text) {
  fields_.timeColumns = TrimmedSoilText(HalfWidthNumberList(text));
}

std::vector<std::string> SoilConditionsModel::SettingLines() const {
  const std::string* values[] = {&fields_.water, &fields_.gammaW, &fields_.slice, &fields_.times,
                                 &fields_.timeColumns};
  std::vector<std::string> lines;
  for (int i = 0; i < kFieldCount; ++i)
    if (!values[i]->empty()) lines.push_back(std::string(kKeys[i]) + "=" + *values[i]);
  return lines;
}

std::optional<ValidationError> SoilConditionsModel::Validate() const {
  // The setting lines alone: faults of the layers and curves are their dialogs' business.
  const std::vector<std::string> lines = SettingLines();
  for (const SoilProfileError& error : ReadSoilProfile(lines, unitSystem_).errors) {
    if (error.line < 1) continue;
    const std::string key = SoilLineKey(lines[error.line - 1]);
    for (int i = 0; i < kFieldCount; ++i)
      if (key == kKeys[i]) return ValidationError{error.text, kFieldNames[i]};
  }
  return std::nullopt;
}

std::vector<std::string> SoilConditionsModel::SectionLines() const {
  if (!HasChanged()) return section_;
  return ReplaceSoilLines(section_, {std::begin(kKeys), std::end(kKeys)}, SettingLines(),
                          SoilLinesPlace::Front);
}

ApplyOutcome SoilConditionsModel::Apply(DocumentTables& tables) const {
  // An OK without a change leaves the section's lines exactly as they were read.
  if (HasChanged()) tables.soilLines = SectionLines();
  return {};
}

}  // namespace qel
