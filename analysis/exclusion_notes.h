// Marks and note lines that the tables print for the loads the calculation leaves out or reads
// differently, so that no listed row looks as if it had been calculated as typed.
#pragma once

#include <string>
#include <vector>

#include "document/excluded_loads.h"

namespace qel {

// The mark printed at the end of a listed row that does not enter the calculation as typed.
inline constexpr const char* kExclusionMark = "※";

// Whether `row` of the list whose exclusions are `list` is marked.
bool IsMarkedRow(const std::vector<ExcludedLoad>& list, int row);

// The note lines of one list, one per cause, each starting with the mark.
std::vector<std::string> LoadNotes(const std::vector<ExcludedLoad>& list);

// The text a data table prints for cell `column` of a load row: "－" where the cell is out of
// range (bit `column` of `outOfRange`), else `value` as "%4.2f".
std::string LoadCellText(unsigned outOfRange, int column, double value);

}  // namespace qel
