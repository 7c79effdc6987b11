// The construction stages, the loading and consolidation rules, the start of secondary
// compression and the residual period of the soil profile.
#include "dialogs/soil_stages_model.h"

#include <algorithm>

#include "dialogs/numeric_entry.h"
#include "document/soil_section_lines.h"

namespace qel {

namespace {

const std::vector<std::string> kKeys = {"stage", "timeload", "consolidation", "secondary",
                                        "residual"};

bool IsBlank(const SoilStageRow& row) {
  return row.start.empty() && row.end.empty() && row.fraction.empty();
}

std::string Number(const std::string& text) {
  return TrimmedSoilText(HalfWidthNumber(text));
}

// The field a residual line's fault names: the service life when the message speaks of it.
std::string ResidualField(const std::string& text) {
  return text.find("供用期間") != std::string::npos ? "service" : "paving";
}

}  // namespace

SoilStagesModel::SoilStagesModel(const DocumentTables& tables, int unitSystem)
    : section_(tables.soilLines), unitSystem_(unitSystem) {
  for (const std::string& line : section_) {
    const std::string key = SoilLineKey(line);
    const std::string value = TrimmedSoilText(SoilLineValue(line));
    const std::vector<std::string> items = SoilLineFields(value);
    const auto item = [&items](std::size_t i) { return i < items.size() ? items[i] : ""; };
    if (key == "stage" && fields_.stages.size() < static_cast<std::size_t>(kMostStages))
      fields_.stages.push_back({item(1), item(2), item(3)});
    if (key == "timeload") fields_.timeLoad = value;
    if (key == "consolidation") fields_.consolidation = value;
    if (key == "secondary") fields_.secondary = value;
    if (key == "residual") {
      fields_.paving = item(0);
      fields_.service = item(1);
    }
  }
  held_ = fields_;
}

bool SoilStagesModel::AddStage() {
  if (fields_.stages.size() >= static_cast<std::size_t>(kMostStages)) return false;
  fields_.stages.push_back({});
  return true;
}

void SoilStagesModel::RemoveStage(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= fields_.stages.size()) return;
  fields_.stages.erase(fields_.stages.begin() + row);
}

void SoilStagesModel::SetStageCell(int row, SoilStageColumn column, const std::string& text) {
  if (row < 0 || static_cast<std::size_t>(row) >= fields_.stages.size()) return;
  SoilStageRow& stage = fields_.stages[row];
  std::string& cell = column == SoilStageColumn::kStart ? stage.start
                      : column == SoilStageColumn::kEnd ? stage.end
                                                        : stage.fraction;
  cell = Number(text);
}

std::string SoilStagesModel::StageNumber(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= fields_.stages.size() ||
      IsBlank(fields_.stages[row]))
    return {};
  const auto end = fields_.stages.begin() + row;
  const auto blanks = std::count_if(fields_.stages.begin(), end, IsBlank);
  return std::to_string(row - blanks + 1);
}

const std::vector<std::string>& SoilStagesModel::TimeLoadCodes() {
  static const std::vector<std::string> codes = {"exact", "terzaghi"};
  return codes;
}

const std::vector<std::string>& SoilStagesModel::ConsolidationCodes() {
  static const std::vector<std::string> codes = {"layers", "equivalent", "coupled"};
  return codes;
}

std::string SoilStagesModel::TimeLoad() const {
  return fields_.timeLoad.empty() ? TimeLoadCodes().front() : fields_.timeLoad;
}

std::string SoilStagesModel::Consolidation() const {
  return fields_.consolidation.empty() ? ConsolidationCodes().front() : fields_.consolidation;
}

// Choosing the default where the section had no line keeps the line absent, so that looking at
// the choice is no change.
void SoilStagesModel::SetTimeLoad(const std::string& code) {
  fields_.timeLoad =
      held_.timeLoad.empty() && code == TimeLoadCodes().front() ? std::string() : code;
}

void SoilStagesModel::SetConsolidation(const std::string& code) {
  fields_.consolidation =
      held_.consolidation.empty() && code == ConsolidationCodes().front() ? std::string() : code;
}

void SoilStagesModel::SetSecondary(const std::string& text) {
  fields_.secondary = Number(text);
}
void SoilStagesModel::SetPaving(const std::string& text) {
  fields_.paving = Number(text);
}
void SoilStagesModel::SetService(const std::string& text) {
  fields_.service = Number(text);
}

std::vector<std::string> SoilStagesModel::OwnLines() const {
  // The lines of each key, in the order of kKeys.
  std::vector<std::vector<std::string>> byKey(kKeys.size());
  int number = 0;
  for (const SoilStageRow& stage : fields_.stages) {
    if (IsBlank(stage)) continue;
    byKey[0].push_back("stage=" + std::to_string(++number) + "," + stage.start + "," + stage.end +
                       "," + stage.fraction);
  }
  if (!fields_.timeLoad.empty()) byKey[1].push_back("timeload=" + fields_.timeLoad);
  if (!fields_.consolidation.empty()) byKey[2].push_back("consolidation=" + fields_.consolidation);
  if (!fields_.secondary.empty()) byKey[3].push_back("secondary=" + fields_.secondary);
  if (!fields_.paving.empty() || !fields_.service.empty())
    byKey[4].push_back("residual=" + fields_.paving +
                       (fields_.service.empty() ? "" : "," + fields_.service));
  // The keys in the order the section first has them (the others after, in kKeys' order), so
  // that a line the dialog rewrites stays where it was among its fellows.
  std::vector<std::size_t> order(kKeys.size());
  std::vector<std::size_t> firstAt(kKeys.size(), section_.size());
  for (std::size_t k = 0; k < kKeys.size(); ++k) {
    order[k] = k;
    for (std::size_t at = 0; at < section_.size() && firstAt[k] == section_.size(); ++at)
      if (SoilLineKey(section_[at]) == kKeys[k]) firstAt[k] = at;
  }
  std::stable_sort(order.begin(), order.end(),
                   [&firstAt](std::size_t a, std::size_t b) { return firstAt[a] < firstAt[b]; });
  std::vector<std::string> lines;
  for (const std::size_t k : order)
    lines.insert(lines.end(), byKey[k].begin(), byKey[k].end());
  return lines;
}

std::optional<SoilLineFault> SoilStagesModel::FirstFault() const {
  return FirstFaultOfSoilLines(section_, SectionLines(), kKeys, unitSystem_);
}

int SoilStagesModel::RowOfStage(int ordinal) const {
  int row = 0;
  for (int filled = -1; row < static_cast<int>(fields_.stages.size()); ++row)
    if (!IsBlank(fields_.stages[row]) && ++filled == ordinal) break;
  return row;
}

std::optional<int> SoilStagesModel::FaultRow() const {
  const std::optional<SoilLineFault> fault = FirstFault();
  if (!fault || fault->key != "stage") return std::nullopt;
  return RowOfStage(fault->ordinal);
}

std::optional<ValidationError> SoilStagesModel::Validate() const {
  const std::optional<SoilLineFault> fault = FirstFault();
  if (!fault) return std::nullopt;
  if (fault->key == "stage")
    return ValidationError{std::to_string(RowOfStage(fault->ordinal) + 1) + " 行目: " + fault->text,
                           "stages"};
  if (fault->key == "timeload") return ValidationError{fault->text, "timeLoad"};
  if (fault->key == "secondary") return ValidationError{fault->text, "secondary"};
  if (fault->key == "residual") return ValidationError{fault->text, ResidualField(fault->text)};
  // The consolidation line, or a layer whose drainage the rule chosen refuses.
  return ValidationError{fault->text, "consolidation"};
}

std::vector<std::string> SoilStagesModel::SectionLines() const {
  if (!HasChanged()) return section_;
  return ReplaceSoilLines(section_, kKeys, OwnLines(), SoilLinesPlace::Back);
}

ApplyOutcome SoilStagesModel::Apply(DocumentTables& tables) const {
  // An OK without a change leaves the section's lines exactly as they were read.
  if (HasChanged()) tables.soilLines = SectionLines();
  return {};
}

}  // namespace qel
