// The vertical drains of the soil profile: the fields, the band drain's equivalent diameter, the
// drain's cell, and the drains line checked and written back.
#include "dialogs/soil_drains_model.h"

#include "base/c_locale.h"
#include "dialogs/numeric_entry.h"
#include "dialogs/soil_line_faults.h"
#include "document/soil_section_lines.h"
#include "engine/vertical_drains.h"

namespace qel {

namespace {

const std::vector<std::string> kKeys = {"drains"};
constexpr const char* kLabel = "バーチカルドレーン";

std::string Number(const std::string& text) {
  return TrimmedSoilText(HalfWidthNumber(text));
}

std::optional<double> Positive(const std::string& text) {
  const std::optional<double> value = ParseRealNumber(text);
  if (!value || !(*value > 0)) return std::nullopt;
  return value;
}

// A band's size, checked before the line is read: with both left empty the reader would ask
// for the diameter instead of the width.
std::optional<std::string> BandFault(const char* name, const std::string& text) {
  const std::string subject = std::string(kLabel) + ": " + name;
  if (text.empty()) return subject + " がありません";
  const std::optional<double> value = ParseRealNumber(text);
  if (!value) return subject + "「" + text + "」が数値ではありません";
  if (!(*value > 0) || *value > 100) return subject + " は 0 より大きく 100 以下にしてください";
  return std::nullopt;
}

}  // namespace

SoilDrainsModel::SoilDrainsModel(const DocumentTables& tables, int unitSystem)
    : section_(tables.soilLines), unitSystem_(unitSystem) {
  for (const std::string& line : section_) {
    if (SoilLineKey(line) != "drains") continue;
    const std::vector<std::string> items = SoilLineFields(SoilLineValue(line));
    const auto item = [&items](std::size_t i) { return i < items.size() ? items[i] : ""; };
    fields_.present = true;
    fields_.pattern = item(0);
    fields_.spacing = item(1);
    fields_.dw = item(2);
    fields_.ds = item(3);
    fields_.khks = item(4);
    fields_.qw = item(5);
    fields_.bottom = item(6);
    fields_.bandWidth = item(7);
    fields_.bandThickness = item(8);
    fields_.band = !fields_.bandWidth.empty() || !fields_.bandThickness.empty();
  }
  held_ = fields_;
}

void SoilDrainsModel::SetPresent(bool present) {
  fields_.present = present;
}
void SoilDrainsModel::SetPattern(const std::string& code) {
  fields_.pattern = code;
}
void SoilDrainsModel::SetBand(bool band) {
  fields_.band = band;
}
void SoilDrainsModel::SetDw(const std::string& text) {
  fields_.dw = Number(text);
}
void SoilDrainsModel::SetBandWidth(const std::string& text) {
  fields_.bandWidth = Number(text);
}
void SoilDrainsModel::SetBandThickness(const std::string& text) {
  fields_.bandThickness = Number(text);
}
void SoilDrainsModel::SetSpacing(const std::string& text) {
  fields_.spacing = Number(text);
}
void SoilDrainsModel::SetDs(const std::string& text) {
  fields_.ds = Number(text);
}
void SoilDrainsModel::SetKhks(const std::string& text) {
  fields_.khks = Number(text);
}
void SoilDrainsModel::SetQw(const std::string& text) {
  fields_.qw = Number(text);
}
void SoilDrainsModel::SetBottom(const std::string& text) {
  fields_.bottom = Number(text);
}

std::optional<double> SoilDrainsModel::BandDiameter() const {
  const std::optional<double> a = Positive(fields_.bandWidth), b = Positive(fields_.bandThickness);
  if (!a || !b) return std::nullopt;
  return BandDrainDiameter({*a, *b});
}

std::string SoilDrainsModel::BandDiameterText() const {
  const std::optional<double> dw = fields_.band ? BandDiameter() : std::nullopt;
  return dw ? FormatC("dw = %.3f m", *dw) : std::string();
}

std::optional<double> SoilDrainsModel::Diameter() const {
  return fields_.band ? BandDiameter() : Positive(fields_.dw);
}

// The diameter the line keeps: a band drain's to four figures, a sand drain's as typed.
std::string SoilDrainsModel::DiameterText() const {
  if (!fields_.band) return fields_.dw;
  const std::optional<double> dw = BandDiameter();
  return dw ? FormatC("%.4g", *dw) : std::string();
}

std::string SoilDrainsModel::CellText() const {
  const std::optional<double> spacing = Positive(fields_.spacing), dw = Diameter();
  if (!spacing || !dw || (fields_.pattern != "square" && fields_.pattern != "triangle")) return {};
  const double de = EquivalentDiameter(
      fields_.pattern == "square" ? DrainPattern::kSquare : DrainPattern::kTriangle, *spacing);
  return FormatC("de = %.3f m  n = %.1f", de, de / *dw);
}

std::vector<std::string> SoilDrainsModel::OwnLines() const {
  if (!fields_.present) return {};
  std::string line = "drains=" + fields_.pattern + "," + fields_.spacing + "," + DiameterText() +
                     "," + fields_.ds + "," + fields_.khks + "," + fields_.qw + "," +
                     fields_.bottom;
  // A band drain keeps its width and thickness after the diameter they give.
  if (fields_.band) line += "," + fields_.bandWidth + "," + fields_.bandThickness;
  return {line};
}

std::optional<ValidationError> SoilDrainsModel::Validate() const {
  if (fields_.present && fields_.band) {
    if (std::optional<std::string> fault = BandFault("幅 a", fields_.bandWidth))
      return ValidationError{*fault, "bandWidth"};
    if (std::optional<std::string> fault = BandFault("厚さ b", fields_.bandThickness))
      return ValidationError{*fault, "bandThickness"};
  }
  const std::optional<SoilLineFault> fault =
      FirstFaultOfSoilLines(section_, SectionLines(), kKeys, unitSystem_);
  if (!fault) return std::nullopt;
  // The reader names the field first: "バーチカルドレーン: 間隔 …".
  const std::string prefix = std::string(kLabel) + ": ";
  const std::string named =
      fault->text.rfind(prefix, 0) == 0 ? fault->text.substr(prefix.size()) : fault->text;
  const std::pair<const char*, const char*> fields[] = {
      {"配置", "pattern"},
      {"間隔", "spacing"},
      {"直径 dw", fields_.band ? "bandWidth" : "dw"},
      {"スミア径 ds", "ds"},
      {"kh/ks", "khks"},
      {"通水能力 qw", "qw"},
      {"下端深さ", "bottom"},
      {"幅 a", "bandWidth"},
      {"厚さ b", "bandThickness"},
      {"ドレーンの通水能力 qw", "qw"}};
  for (const auto& [name, field] : fields)
    if (named.rfind(name, 0) == 0) return ValidationError{fault->text, field};
  return ValidationError{fault->text, "spacing"};
}

std::vector<std::string> SoilDrainsModel::SectionLines() const {
  if (!HasChanged()) return section_;
  return ReplaceSoilLines(section_, kKeys, OwnLines(), SoilLinesPlace::Back);
}

ApplyOutcome SoilDrainsModel::Apply(DocumentTables& tables) const {
  // An OK without a change leaves the section's lines exactly as they were read.
  if (HasChanged()) tables.soilLines = SectionLines();
  return {};
}

}  // namespace qel
