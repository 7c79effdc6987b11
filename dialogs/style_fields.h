// The titles, title positions, centring and figure grid of one problem: the fields that the
// title/style dialog edits per document and the standard-value dialog edits as standard values.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialogs/validation.h"
#include "document/document_tables.h"
#include "settings/system_settings.h"

namespace qel {

// The three titles of a problem: of its figure, its data table and its results table.
enum class TitleKind { Figure, Data, Result };

// The fields as typed; the positions are whole millimetres from the paper's top and left edges.
struct StyleFields {
  std::string figureTitle, dataTitle, resultTitle;
  std::string figureTitleTop, dataTitleTop, resultTitleTop, titleLeft;
  bool titleCentered = false;
  std::string gridFromX, gridToX, gridStepX, gridFromY, gridToY, gridStepY;

  bool operator==(const StyleFields&) const = default;
};

// Positions lie from 0 to this many millimetres from the paper's edge.
inline constexpr int kLargestTitlePosition = 500;

// The standard values of a problem as fields ("%d" for the numbers) and back.
StyleFields StyleFieldsOf(const StyleDefaults& defaults);
void StoreStyleFields(const StyleFields& fields, StyleDefaults& defaults);

// Positions within 0..500, and titles and grid texts that the files can hold.
std::optional<ValidationError> CheckStyleFields(const StyleFields& fields);

// The title of `kind` and its object name in the dialogs.
std::string& TitleOf(StyleFields& fields, TitleKind kind);
const char* TitleFieldName(TitleKind kind);

// The suggestions of the title boxes of the title/style dialog of `problem`.
const std::vector<std::string>& TitleSuggestions(Problem problem, TitleKind kind);
// The lists of the standard-value dialog of `problem`: the second entry of each is the factory
// value, the last one ("　", an ideographic space) a blank title.
const std::vector<std::string>& StandardTitleList(Problem problem, TitleKind kind);

}  // namespace qel
