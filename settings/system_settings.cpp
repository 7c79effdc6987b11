// The line layout of the settings file and the clamps applied after loading.
#include "settings/system_settings.h"

#include <cmath>

namespace qel {

static SettingField Int(int& value) {
  SettingField field;
  field.kind = SettingField::Kind::Int;
  field.intValue = &value;
  return field;
}

static SettingField Double(double& value) {
  SettingField field;
  field.kind = SettingField::Kind::Double;
  field.doubleValue = &value;
  return field;
}

static SettingField Text(std::string& value) {
  SettingField field;
  field.kind = SettingField::Kind::Text;
  field.textValue = &value;
  return field;
}

// The eight lines of one figure's scale and print range, in the file's order.
static SettingField FigureField(FigureRange& range, int index) {
  switch (index) {
    case 0:
      return Int(range.scaleX);
    case 1:
      return Int(range.scaleY);
    case 2:
      return Int(range.leftX);
    case 3:
      return Int(range.rangeX);
    case 4:
      return Int(range.pageOverlap);
    case 5:
      return Double(range.topY);
    case 6:
      return Int(range.rangeY);
    case 7:
      return Int(range.spare);
    default:
      return {};
  }
}

static SettingField StyleField(StyleDefaults& style, int index) {
  switch (index) {
    case 0:
      return Text(style.gridFromY);
    case 1:
      return Text(style.gridToY);
    case 2:
      return Text(style.gridStepY);
    case 3:
      return Text(style.gridFromX);
    case 4:
      return Text(style.gridToX);
    case 5:
      return Text(style.gridStepX);
    case 6:
      return Text(style.figureTitle);
    case 7:
      return Text(style.dataTitle);
    case 8:
      return Text(style.resultTitle);
    case 9:
      return Int(style.figureTitleTop);
    case 10:
      return Int(style.dataTitleTop);
    case 11:
      return Int(style.resultTitleTop);
    case 12:
      return Int(style.titleLeft);
    case 13:
      return Int(style.titleCentered);
    default:
      return {};
  }
}

SettingField SettingAtLine(SystemSettings& s, int k) {
  switch (k) {
    case 50:
      return Int(s.axisLineWidth);
    case 51:
      return Int(s.axisDashOn);
    case 52:
      return Int(s.axisDashOff);
    case 53:
      return Int(s.figureLineWidth);
    case 54:
      return Int(s.pointMarkWidth);
    case 55:
      return Int(s.pointMarkSize);
    case 56:
      return Int(s.gridLineWidth);
    case 57:
      return Int(s.gridMarkSize);
    case 58:
      return Int(s.influenceDigits);
    case 59:
      return Int(s.stressDigits);
    case 60:
      return Int(s.stripResultColumns);
    case 61:
      return Int(s.marginTop);
    case 62:
      return Int(s.marginLeft);
    case 63:
      return Int(s.unitSystem);
    case 64:
      return Int(s.colourMode);
    case 65:
      return Text(s.axisColour);
    case 66:
      return Text(s.pointColour);
    case 67:
      return Text(s.gridColour);
    case 68:
      return Text(s.organisationName);
    case 69:
      return Text(s.contactText);
    case 70:
      return Int(s.enterKeyMode);
    default:
      break;
  }
  if (k >= 0 && k <= 7) return FigureField(s.stripFigureDefault, k);
  if (k >= 10 && k <= 17) return FigureField(s.rectFigureDefault, k - 10);
  if (k >= 20 && k <= 33) return StyleField(s.stripStyle, k - 20);
  if (k >= 35 && k <= 48) return StyleField(s.rectStyle, k - 35);
  return {};
}

void ClampSettings(SystemSettings& s) {
  for (FigureRange* range : {&s.stripFigureDefault, &s.rectFigureDefault}) {
    if (range->scaleX < 1) range->scaleX = 500;
    if (range->scaleY < 1) range->scaleY = 500;
    if (range->rangeX < 1) range->rangeX = 80;
    if (!std::isfinite(range->topY) || range->topY < -100) range->topY = kStandardTopY;
    if (range->rangeY < 1) range->rangeY = 100;
  }
  if (s.enterKeyMode < 0 || s.enterKeyMode > 2) s.enterKeyMode = 1;
  if (s.marginLeft < 0) s.marginLeft = 10;
  if (s.marginTop < 0) s.marginTop = 10;
}

}  // namespace qel
