// The model of the settlement plates dialog ("沈下板の実測値..."): the plates, each plate's
// readings and fits as cells kept as typed, the paste of readings, the check through the
// section's reader and the plate, reading and fit lines written back in their places.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialog_model.h"
#include "document/document_tables.h"
#include "document/measurements_text.h"
#include "document/readings_import.h"

namespace qel {

enum PlateColumn { kPlateNo, kPlateName, kPlateX, kPlateY, kPlateT0, kPlateColumnCount };
enum PlateReadingColumn { kReadingDay, kReadingSettlement, kReadingColumnCount };
enum PlateFitColumn { kFitMethod, kFitFrom, kFitTo, kFitDt, kFitColumnCount };

using PlateRow = std::array<std::string, kPlateColumnCount>;
// The day (a number of days) and the settlement in metres, as typed.
using PlateReadingRow = std::array<std::string, kReadingColumnCount>;
// The method's file form ("hyperbolic", "asaoka", "sqrt"), the window and Asaoka's step.
using PlateFitRow = std::array<std::string, kFitColumnCount>;

struct PlateEntry {
  PlateRow cells;
  std::vector<PlateReadingRow> readings;
  std::vector<PlateFitRow> fits;
  friend bool operator==(const PlateEntry&, const PlateEntry&) = default;
};

// The tables' column headings.
std::string PlateColumnTitle(int column);
std::string PlateFitColumnTitle(int column);
// The settlement column's heading in `unit` ("沈下量 cm").
std::string PlateReadingColumnTitle(int column, ReadingUnit unit);
// The fit methods as the table shows them, and their file forms, in the order of the list.
const std::vector<std::string>& PlateFitMethodTexts();
const std::vector<std::string>& PlateFitMethodCodes();
// Whether a fit of method `code` uses `column`: Asaoka's step only Asaoka's (a fit without a
// method yet uses every column, so nothing typed is hidden).
bool PlateFitColumnUsed(const std::string& code, int column);

// The first fault of the tables: what to show, the table to focus ("plates", "readings",
// "fits" or "day0"), the plate's row, and the row and column of the cell within that table.
struct PlateFault {
  ValidationError error;
  int plate = 0;
  int row = 0;
  int column = 0;
};

class PlateModel {
 public:
  static constexpr int kMostPlates = kMaxPlates;
  static constexpr int kMostReadings = kMaxPlateReadings;
  static constexpr int kMostFits = kMaxPlateFits;

  explicit PlateModel(const DocumentTables& tables);

  const std::vector<PlateEntry>& plates() const { return plates_; }

  // A plate's cell as typed (numbers' full-width digits as ASCII). A row one beyond the last
  // is added (up to kMostPlates); a plate whose number is empty gets the next free number when
  // another of its cells is typed into.
  void SetPlateCell(int plate, int column, const std::string& text);
  // Adds a plate with the next free number (none beyond kMostPlates); its row, or none.
  std::optional<int> AddPlate();
  void RemovePlate(int plate);

  // The unit the settlement column shows and takes (the section keeps metres).
  ReadingUnit unit() const { return unit_; }
  void SetUnit(ReadingUnit unit) { unit_ = unit; }
  // The date that day 0 stands for (YYYY-MM-DD): a date typed or pasted as a day is counted
  // from it.
  const std::string& day0() const { return day0_; }
  void SetDay0(const std::string& text);
  // Leaving day 0: the dates typed into the day column before day 0 was a date become their
  // day numbers from it.
  void LeaveDay0();

  // A reading's cell as the table shows it: the settlement in the chosen unit (as typed when
  // the unit is metres, a text that is no number as it is).
  std::string ReadingCell(int plate, int row, int column) const;
  // Stores a typed cell: a settlement in the chosen unit is kept in metres, a date of the day
  // column becomes its day number from day 0 when day 0 is a date. A row one beyond the last is
  // added (up to kMostReadings).
  void SetReadingCell(int plate, int row, int column, const std::string& text);
  void RemoveReading(int plate, int row);
  // Replaces the plate's readings by pasted rows read in the chosen unit and day 0; when a row
  // does not read, nothing is replaced and the message names the rows.
  std::optional<std::string> PasteReadings(int plate, const std::string& text);

  // A fit's cell; the method column takes the file form or the shown text.
  void SetFitCell(int plate, int row, int column, const std::string& text);
  void RemoveFit(int plate, int row);

  std::optional<PlateFault> FirstFault() const;
  std::optional<ValidationError> Validate() const;
  bool HasChanged() const;
  // The section with the dialog's lines in place of the plate, reading and fit lines it read;
  // the section as it was when nothing changed.
  std::vector<std::string> SectionLines() const;
  // Writes the section when a cell changed; nothing to tell.
  ApplyOutcome Apply(DocumentTables& tables) const;

 private:
  bool HasPlate(int plate) const;

  std::vector<std::string> section_;
  // Which lines of the section the dialog holds (plate, reading and fit lines of a plate it
  // shows); the others are kept as they were, in their places.
  std::vector<bool> held_;
  std::vector<PlateEntry> plates_, heldPlates_;
  ReadingUnit unit_ = ReadingUnit::kMetre;
  std::string day0_;
};

static_assert(DialogModel<PlateModel, DocumentTables>);

}  // namespace qel
