// What the figures of a document show beyond its loads and points: notes, isobars and the
// vertical section, stored with the document in a section of its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qel {

// The isobars drawn over one figure.
struct IsobarOptions {
  bool shown = false;          // files that do not say show none
  std::vector<double> levels;  // in the problem's stress unit; empty: the default round levels
  bool fill = false;           // colour between levels, with a legend
  friend bool operator==(const IsobarOptions&, const IsobarOptions&) = default;
};

// The vertical line of the rectangle/circle plan the section is taken along.
enum class SectionAxis { kAtY, kAtX };  // y = const (u along x), x = const (u along y)

struct SectionLine {
  SectionAxis axis = SectionAxis::kAtY;
  std::optional<double> at;  // none: through the first lattice y (or x)
  friend bool operator==(const SectionLine&, const SectionLine&) = default;
};

struct FigureOptions {
  // Axis values, scale note, load labels and point values on the figures of each problem.
  bool stripNotes = true;
  bool rectNotes = true;
  IsobarOptions stripIsobars;       // the strip cross-section
  IsobarOptions planIsobars;        // the rectangle/circle plan
  std::optional<double> planDepth;  // the plan's depth z; none: the first lattice depth
  SectionLine section;              // the rectangle/circle section and depth graphs
  friend bool operator==(const FigureOptions&, const FigureOptions&) = default;
};

// Levels as "L1,L2,...", each in the shortest form that reads back as the same value.
std::string IsobarLevelsText(const std::vector<double>& levels);

// The section's lines (without "$$" marker and line ends) for the options that differ from
// their defaults; none when every option is at its default.
std::vector<std::string> FigureOptionLines(const FigureOptions& options);

// Applies one line of the section to `options`. Unknown keys and values that do not read are
// skipped, leaving the option as it was: a file written by a later version still opens.
void ApplyFigureOptionLine(std::string_view line, FigureOptions& options);

}  // namespace qel
