// The model of the layer dialog ("土層..."): the soil profile's layers as a table of cells kept
// as typed, the cells each layer's method does not use, the check of the table through the
// section's reader, and the layer lines written back into the section.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialog_model.h"
#include "document/document_tables.h"
#include "document/soil_section_lines.h"

namespace qel {

using SoilLayerRow = std::array<std::string, kSoilColumnCount>;

// The table's heading of a column (with its unit where it has one).
std::string SoilLayerColumnTitle(int column, int unitSystem);
// The choices of the method and drainage columns as the table shows them, in the order of the
// lists, and their file forms ("none", "elogp", "cc", "mv"; "both", "top", "bottom").
const std::vector<std::string>& SoilMethodTexts();
const std::vector<std::string>& SoilMethodCodes();
const std::vector<std::string>& SoilDrainTexts();
const std::vector<std::string>& SoilDrainCodes();
// Whether a layer with method `methodCode` uses `column` (the others are greyed). Number, name,
// bottom, the unit weights and the method are used by every layer; cv, drainage, Cα and ch by
// every settling one; an unknown or empty method uses every column, so nothing typed is hidden.
bool SoilColumnUsed(const std::string& methodCode, int column);

// What the column sketch needs: the layers whose bottoms read, the water table and the slice.
struct SoilSketchLayer {
  std::string name;
  double top = 0, bottom = 0;
  bool settles = false;
};
struct SoilSketchInput {
  std::vector<SoilSketchLayer> layers;
  std::optional<double> water;
  double slice = 1.0;
};

// What OK tells about a section that reads: each Cc layer whose p'c lies below the overburden
// of one of its slices (those slices settle as normally consolidated), and each settling layer
// without cv (it has no time course), naming the layer.
std::vector<std::string> SoilLayerWarnings(const std::vector<std::string>& section, int unitSystem);

class SoilLayerModel {
 public:
  static constexpr int kMostRows = 50;

  SoilLayerModel(const DocumentTables& tables, int unitSystem);

  int unitSystem() const { return unitSystem_; }
  const std::vector<SoilLayerRow>& rows() const { return rows_; }
  // A cell as typed: full-width digits, signs and points become ASCII in the numeric columns.
  // The method and drainage columns take their file forms. A row beyond the last is added (up
  // to kMostRows); a row whose number is empty gets its place as its number when it is typed
  // into.
  void SetCell(int row, int column, const std::string& text);

  // The first fault of the table, named by its row of the table and the field, or none. Rows
  // all blank are left out. Checked with the section's other lines (water table, γw, curves),
  // as the settlement calculation will read them.
  std::optional<ValidationError> Validate() const;
  bool HasChanged() const;
  // The section's lines with the layer lines of the table (blank rows left out).
  std::vector<std::string> SectionLines() const;
  // Writes the section when a field changed, and tells SoilLayerWarnings of what it wrote.
  ApplyOutcome Apply(DocumentTables& tables) const;

  // The layers, water table and slice for the sketch, from what reads of the cells.
  SoilSketchInput Sketch() const;

 private:
  std::vector<std::string> LayerLines() const;

  std::vector<std::string> section_;  // the section as the dialog opened
  std::vector<SoilLayerRow> rows_, heldRows_;
  int unitSystem_ = 0;
};

static_assert(DialogModel<SoilLayerModel, DocumentTables>);

}  // namespace qel
