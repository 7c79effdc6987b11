// The model of the drains dialog ("バーチカルドレーン..."): whether there are vertical drains,
// their grid and spacing, the drain as a sand drain's diameter or a band drain's width and
// thickness, smear, discharge capacity and depth, kept as typed, checked through the section's
// reader and written back as the section's drains line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialog_model.h"
#include "document/document_tables.h"

namespace qel {

struct SoilDrainFields {
  bool present = false;
  std::string pattern = "square";  // square or triangle
  // The drain given as a band's width and thickness, its equivalent diameter computed.
  bool band = false;
  std::string dw;                        // m, a sand drain's diameter
  std::string bandWidth, bandThickness;  // m, a band drain's a and b
  std::string spacing;                   // m, centre to centre
  std::string ds;                        // m, the smear zone's diameter; empty: no smear
  std::string khks;                      // kh/ks in the smear zone; empty: 1
  std::string qw;                        // m3/day; empty: no well resistance
  std::string bottom;                    // m, the depth the drains reach
  bool operator==(const SoilDrainFields&) const = default;
};

class SoilDrainsModel {
 public:
  SoilDrainsModel(const DocumentTables& tables, int unitSystem);

  const SoilDrainFields& fields() const { return fields_; }
  void SetPresent(bool present);
  void SetPattern(const std::string& code);  // "square" or "triangle"
  void SetBand(bool band);
  // Set a field as typed; full-width digits and points become ASCII.
  void SetDw(const std::string& text);
  void SetBandWidth(const std::string& text);
  void SetBandThickness(const std::string& text);
  void SetSpacing(const std::string& text);
  void SetDs(const std::string& text);
  void SetKhks(const std::string& text);
  void SetQw(const std::string& text);
  void SetBottom(const std::string& text);

  // A band drain's equivalent diameter 2 (a + b) / pi, when a and b are positive numbers.
  std::optional<double> BandDiameter() const;
  // "dw = 0.066 m" for a band drain whose a and b are numbers; empty otherwise.
  std::string BandDiameterText() const;
  // The drain's cell as typed so far, "de = 1.695 m  n = 25.6" (de the diameter of the area a
  // drain drains, n = de / dw); empty until the spacing and the diameter are positive numbers.
  std::string CellText() const;

  // The first fault, with the field that gets the focus: "bandWidth", "bandThickness",
  // "pattern", "spacing", "dw", "ds", "khks", "qw" or "bottom".
  std::optional<ValidationError> Validate() const;
  bool HasChanged() const { return fields_ != held_; }
  std::vector<std::string> SectionLines() const;
  // Writes the section when a field changed; nothing to tell.
  ApplyOutcome Apply(DocumentTables& tables) const;

 private:
  std::optional<double> Diameter() const;
  std::string DiameterText() const;
  std::vector<std::string> OwnLines() const;

  std::vector<std::string> section_;
  int unitSystem_;
  SoilDrainFields fields_, held_;
};

static_assert(DialogModel<SoilDrainsModel, DocumentTables>);

}  // namespace qel
