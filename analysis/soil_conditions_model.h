// The soil profile as entered, as a table model: the conditions of the settlement, the layers
// with every field and its unit, and the points of every e-log p curve.
#pragma once

#include <cstddef>

#include "analysis/table_model.h"
#include "document/soil_profile_text.h"
#include "settings/system_settings.h"

namespace qel {

// The columns of the table, in the order of TableModel::columns: each section uses a run of
// them, and the pages place each column by this index.
enum SoilTableColumn : std::size_t {
  // The conditions: what, its unit, its value.
  kSoilItem,
  kSoilItemUnit,
  kSoilItemValue,
  // The layers.
  kSoilLayerNo,
  kSoilLayerName,
  kSoilLayerTop,
  kSoilLayerBottom,
  kSoilLayerGammaT,
  kSoilLayerGammaSat,
  kSoilLayerMethod,
  kSoilLayerE0,
  kSoilLayerCc,
  kSoilLayerCs,
  kSoilLayerPc,
  kSoilLayerMv,
  kSoilLayerCv,
  kSoilLayerDrainage,
  kSoilLayerCurve,
  kSoilLayerCalpha,
  kSoilLayerCh,
  // The points of a curve.
  kSoilCurvePoint,
  kSoilCurveP,
  kSoilCurveE,
  kSoilTableColumns
};

// The section titles: the conditions, the layers, and each curve ("e-log p 曲線 2").
inline constexpr const char* kSoilConditionsTitle = "地盤の条件";
inline constexpr const char* kSoilLayersTitle = "土層";
std::string SoilCurveTitle(int number);

// The table of `reading` in the units of `settings`: its one key column names the section of
// each row for a file. A profile that does not read gives only the preamble, every fault by its
// line. Otherwise the conditions section (water table, γw, the largest slice, the times, the
// stages, the time rules, the residual period, the time columns and the drains when given), the
// layers section (the top of a layer is the bottom of the one above) and one section per curve
// in the order of the profile's curves. Every number is the shortest text that reads back as
// the value the calculation uses, so that a slice can be worked out again from the page; a cell
// that does not apply to a layer is empty.
TableModel SoilConditionsTable(const SoilProfileReading& reading, const SystemSettings& settings);

}  // namespace qel
