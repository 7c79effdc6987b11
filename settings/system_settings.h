// The settings that hold for every document (system settings) and the five text fonts.
#pragma once

#include <string>

#include "settings/figure_range.h"
#include "settings/problem.h"

namespace qel {

// Default titles, title positions and grid copied into new documents, one block per problem.
struct StyleDefaults {
  std::string gridFromY, gridToY, gridStepY, gridFromX, gridToX, gridStepX;
  std::string figureTitle, dataTitle, resultTitle;
  int figureTitleTop = 0, dataTitleTop = 0, resultTitleTop = 0, titleLeft = 0, titleCentered = 0;
};

struct SystemSettings {
  // The scales and print ranges a new document starts from, of the strip figure and of the
  // rectangle/circle plan figure. A document holds its own (its setting lines 1..14), which the
  // figures are drawn with.
  FigureRange stripFigureDefault, rectFigureDefault;
  FigureRange& figureDefault(Problem problem) {
    return problem == Problem::Strip ? stripFigureDefault : rectFigureDefault;
  }
  const FigureRange& figureDefault(Problem problem) const {
    return problem == Problem::Strip ? stripFigureDefault : rectFigureDefault;
  }

  StyleDefaults stripStyle, rectStyle;
  StyleDefaults& style(Problem problem) {
    return problem == Problem::Strip ? stripStyle : rectStyle;
  }
  const StyleDefaults& style(Problem problem) const {
    return problem == Problem::Strip ? stripStyle : rectStyle;
  }

  // Lines, marks and colours of the figures (widths and sizes in device pixels).
  int axisLineWidth = 0, axisDashOn = 0, axisDashOff = 0, figureLineWidth = 0;
  int pointMarkWidth = 0, pointMarkSize = 0, gridLineWidth = 0, gridMarkSize = 0;
  // Tables.
  int influenceDigits = 0, stressDigits = 0, stripResultColumns = 0;
  // Paper margins in millimetres.
  int marginTop = 0, marginLeft = 0;
  int unitSystem = 0;  // 0 tf-m, 1 kN-m: only the unit labels change
  int colourMode = 0;  // 0 colour, 1 monochrome
  std::string axisColour, pointColour, gridColour;
  std::string organisationName, contactText;
  int enterKeyMode = 0;  // 0 default button, 1 next control, 2 confirm only
};

// The unit of stress the pages write: "kN/㎡" in the kN-m system, "tf/㎡" in the tf-m system.
inline const char* StressUnitText(const SystemSettings& settings) {
  return settings.unitSystem != 0 ? "kN/㎡" : "tf/㎡";
}

// One text font: size in points, face, colour as a 0x00BBGGRR value, underline flag.
struct FontSlot {
  double size = 0.0;
  std::string faceName;
  long colour = 0;
  int underline = 0;
};

// Font slots 1..5 (index 0 unused): 1 titles, 2 strip tables, 3 rectangle/circle tables,
// 4 page numbers, 5 spare.
struct FontSlots {
  static constexpr int kCount = 5;
  FontSlot slot[kCount + 1];
  FontSlot& operator[](int index) { return slot[index]; }
  const FontSlot& operator[](int index) const { return slot[index]; }
};

inline constexpr int kTitleFont = 1;
inline constexpr int kStripFont = 2;
inline constexpr int kRectCircleFont = 3;
inline constexpr int kPageFont = 4;

// The settings-file line k (counted from 0 after the version line) and what it holds.
struct SettingField {
  enum class Kind { None, Int, Double, Text };
  Kind kind = Kind::None;
  int* intValue = nullptr;
  double* doubleValue = nullptr;
  std::string* textValue = nullptr;
};
SettingField SettingAtLine(SystemSettings& settings, int k);
inline constexpr int kLastSettingLine = 70;
inline constexpr int kEnterKeyModeLine = 70;

// The clamps applied after every settings load: scales below 1 become 500, ranges below 1
// become 80 (X) and 100 (Y), a top Y below -100 becomes 100, negative margins 10, an Enter-key
// mode outside 0..2 becomes 1.
void ClampSettings(SystemSettings& settings);

}  // namespace qel
