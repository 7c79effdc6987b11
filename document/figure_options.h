// What the figures of a document show beyond its loads and points: notes, isobars and the
// vertical section, stored with the document in a section of its own.
#pragma once

#include <cstddef>
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
  // The section's lines that did not read (an unknown key, a value that is not one the option
  // takes), as the file held them, in its order: saved back unchanged, before the lines of the
  // options, so that an option set here is the one a later reading of the file keeps even if
  // that reader makes sense of the old line.
  std::vector<std::string> unreadLines;
  friend bool operator==(const FigureOptions&, const FigureOptions&) = default;
};

// The most isobar levels a figure draws, and a typed list may hold: beyond a few dozen the lines
// merge on paper, and each level costs tracing time. A file that holds more keeps them all; its
// figures draw the first this many and say so.
inline constexpr std::size_t kMostIsobarLevels = 200;

// Whether a value occurs more than once in `levels` (in n log n).
bool HasRepeatedLevel(const std::vector<double>& levels);

// Levels as "L1,L2,...", each in the shortest form that reads back as the same value.
std::string IsobarLevelsText(const std::vector<double>& levels);

// The section's lines (without "$$" marker and line ends): the lines that did not read, then one
// for each option that differs from its default; none when there are neither.
std::vector<std::string> FigureOptionLines(const FigureOptions& options);

// Applies one line of the section to `options`; false, leaving the options as they were, for an
// unknown key or a value that does not read (a file written by a later version still opens).
// A blank line reads as nothing, and true.
bool ApplyFigureOptionLine(std::string_view line, FigureOptions& options);

// Reads one line of the section into `options`: applies it, or keeps it in `unreadLines` when it
// does not read. False for a line kept.
bool ReadFigureOptionLine(std::string_view line, FigureOptions& options);

}  // namespace qel
