// The soil section's lines of the settlement in time: construction stages, the loading and
// consolidation rules, the start of secondary compression, the residual period, vertical drains
// and the columns of the time-settlement curves; read into a profile and checked against its
// layers.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/soil_field_checks.h"
#include "engine/soil_profile.h"

namespace qel::soil_text {

class TimeLines {
 public:
  explicit TimeLines(FieldChecks& checks) : checks_(checks) {}

  // The name messages give a key of a line that appears at most once (timeload, consolidation,
  // secondary, residual, drains, timecols); null for any other key.
  static const char* SettingLabel(std::string_view key);

  // A "stage=No,start,end,fraction" line.
  void ReadStage(int line, std::string_view value);
  // A line of a key SettingLabel names, its value trimmed and not empty, into `profile`.
  void ReadSetting(int line, std::string_view key, std::string_view value, SoilProfile& profile);

  // Where a layer's line is and how messages name the layer.
  struct LayerLine {
    int line = 0;
    std::string label;
  };
  // The checks that need the whole section (the stages against each other, drainage none and
  // the groups against the consolidation rule, gamma w for the drains' discharge capacity), and
  // the stages into `profile`, whose layers are those of `layers`.
  void Finish(SoilProfile& profile, const std::vector<LayerLine>& layers, bool gammaWTyped);

 private:
  struct StageLine {
    int line = 0;
    std::string label;  // 段階 2
    std::optional<int> number;
    std::optional<double> start, end, fraction;
    std::string startText, endText, fractionText;
  };
  void ReadDrains(int line, std::string_view value, SoilProfile& profile);
  void ReadResidual(int line, std::string_view value, SoilProfile& profile);
  void ReadTimeColumns(int line, std::string_view value, SoilProfile& profile);
  void CheckStages(SoilProfile& profile);
  void CheckGroups(const SoilProfile& profile, const std::vector<LayerLine>& layers);

  FieldChecks& checks_;
  std::vector<StageLine> stages_;
  int extraStages_ = 0;
  int drainsLine_ = 0;  // the line of the drains, 0 without
};

}  // namespace qel::soil_text
