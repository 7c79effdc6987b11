// The model of the line, margin and digits dialog.
#include "dialogs/line_margin_model.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "base/c_locale.h"
#include "dialogs/field_checks.h"
#include "document/problem_common.h"
#include "platform/messages.h"
#include "settings/number_format.h"

namespace qel {

namespace {

constexpr int kSmallestDigits = 2, kLargestDigits = 8;
constexpr int kLargestLineValue = 100;

int DigitPosition(int value) {
  return value >= kSmallestDigits && value <= kLargestDigits ? value - kSmallestDigits : -1;
}

int DigitValue(int position, int original) {
  return position >= 0 ? position + kSmallestDigits : original;
}

// The whole-number fields with their object names; all lie within 0..100.
struct LineField {
  std::string LineMarginFields::*text;
  int SystemSettings::*setting;
  const char* name;
};
constexpr LineField kLineFields[] = {
    {&LineMarginFields::figureLineWidth, &SystemSettings::figureLineWidth, "figureLineWidth"},
    {&LineMarginFields::axisLineWidth, &SystemSettings::axisLineWidth, "axisLineWidth"},
    {&LineMarginFields::axisDashOn, &SystemSettings::axisDashOn, "axisDashOn"},
    {&LineMarginFields::axisDashOff, &SystemSettings::axisDashOff, "axisDashOff"},
    {&LineMarginFields::pointMarkWidth, &SystemSettings::pointMarkWidth, "pointMarkWidth"},
    {&LineMarginFields::pointMarkSize, &SystemSettings::pointMarkSize, "pointMarkSize"},
    {&LineMarginFields::gridLineWidth, &SystemSettings::gridLineWidth, "gridLineWidth"},
    {&LineMarginFields::gridMarkSize, &SystemSettings::gridMarkSize, "gridMarkSize"},
};

struct TextField {
  std::string LineMarginFields::*text;
  std::string SystemSettings::*setting;
  const char* name;
};
constexpr TextField kColourFields[] = {
    {&LineMarginFields::axisColour, &SystemSettings::axisColour, "axisColour"},
    {&LineMarginFields::pointColour, &SystemSettings::pointColour, "pointColour"},
    {&LineMarginFields::gridColour, &SystemSettings::gridColour, "gridColour"},
};
constexpr TextField kFreeTexts[] = {
    {&LineMarginFields::organisationName, &SystemSettings::organisationName, "organisationName"},
    {&LineMarginFields::contactText, &SystemSettings::contactText, "contactText"},
};

// A colour text must be a number from 0 to 0xffffff (hexadecimal after 0x, as the files hold
// it); anything else would silently draw in black.
std::optional<ValidationError> CheckColour(const std::string& text, const char* field) {
  const char* start = text.c_str();
  while (*start == ' ')
    ++start;
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(start, &end, 0);
  while (end != nullptr && *end == ' ')
    ++end;
  if (end == start || *end != '\0' || errno != 0 || value < 0 || value > 0xFFFFFF)
    return ValidationError{MessageText(MessageId::NotAColour), field};
  return std::nullopt;
}

}  // namespace

LineMarginModel::LineMarginModel(const SystemSettings& s) {
  LineMarginFields& f = original_;
  f.colourMode = s.colourMode == 1 ? 1 : 0;
  for (const LineField& l : kLineFields)
    f.*l.text = FormatC("%d", s.*l.setting);
  for (const TextField& t : kColourFields)
    f.*t.text = s.*t.setting;
  for (const TextField& t : kFreeTexts)
    f.*t.text = s.*t.setting;
  f.influenceDigits = DigitPosition(s.influenceDigits);
  f.stressDigits = DigitPosition(s.stressDigits);
  f.stripResultColumns = DigitPosition(s.stripResultColumns);
  originalDigits_[0] = s.influenceDigits;
  originalDigits_[1] = s.stressDigits;
  originalDigits_[2] = s.stripResultColumns;
  f.unitSystem = s.unitSystem == 1 ? 1 : 0;
  f.marginTop = FormatC("%d", s.marginTop);
  f.marginLeft = FormatC("%d", s.marginLeft);
  fields_ = original_;
  SetColourMode(fields_.colourMode);
}

const std::vector<std::string>& LineMarginModel::DigitChoices() {
  static const std::vector<std::string> choices = {"2", "3", "4", "5", "6", "7", "8"};
  return choices;
}

Colour LineMarginModel::ColourOf(const std::string& text) {
  return ParseColourText(text);
}

std::string LineMarginModel::ColourText(Colour colour) {
  return FormatC("0x%06x", static_cast<unsigned>(colour & 0xFFFFFFu));
}

void LineMarginModel::SetColourMode(int mode) {
  fields_.colourMode = mode == 1 ? 1 : 0;
  if (fields_.colourMode == 0) fields_.axisDashOff = "0";
}

void LineMarginModel::ApplyStandardValues() {
  LineMarginFields& f = fields_;
  f.figureLineWidth = "2";
  f.axisLineWidth = "1";
  f.axisDashOn = "3";
  f.axisDashOff = "6";
  f.pointMarkWidth = "2";
  f.pointMarkSize = "4";
  f.gridLineWidth = "1";
  f.gridMarkSize = "2";
  f.marginTop = "20";
  f.marginLeft = "10";
  f.influenceDigits = DigitPosition(3);
  f.stressDigits = DigitPosition(3);
  f.stripResultColumns = DigitPosition(6);
  f.axisColour = "0x808080";
  f.pointColour = "0x404040";
  f.gridColour = "0xc0c0c0";
  SetColourMode(0);
}

std::optional<ValidationError> LineMarginModel::Validate() const {
  for (const LineField& l : kLineFields)
    if (auto e = CheckWholeNumber(fields_.*l.text, 0, kLargestLineValue, l.name)) return e;
  for (const TextField& t : kColourFields)
    if (auto e = CheckColour(fields_.*t.text, t.name)) return e;
  if (auto e = FirstFailure(CheckWholeNumber(fields_.marginTop, 0, kLargestMargin, "marginTop"),
                            CheckWholeNumber(fields_.marginLeft, 0, kLargestMargin, "marginLeft")))
    return e;
  for (const TextField& t : kFreeTexts)
    if (auto e = CheckStoredText(fields_.*t.text, t.name)) return e;
  return std::nullopt;
}

ApplyOutcome LineMarginModel::Apply(SystemSettings& s) const {
  const LineMarginFields& f = fields_;
  s.colourMode = f.colourMode;
  for (const LineField& l : kLineFields)
    s.*l.setting = ToInt(f.*l.text);
  for (const TextField& t : kColourFields)
    s.*t.setting = f.*t.text;
  for (const TextField& t : kFreeTexts)
    s.*t.setting = f.*t.text;
  s.influenceDigits = DigitValue(f.influenceDigits, originalDigits_[0]);
  s.stressDigits = DigitValue(f.stressDigits, originalDigits_[1]);
  s.stripResultColumns = DigitValue(f.stripResultColumns, originalDigits_[2]);
  s.unitSystem = f.unitSystem;
  s.marginTop = ToInt(f.marginTop);
  s.marginLeft = ToInt(f.marginLeft);
  return {};
}

namespace {

void LowerRangeToPage(FigureRange& range, const SystemSettings& s, const DeviceGeometry& paper) {
  auto lower = [](int& metres, int page) { metres = std::min(metres, std::max(1, page)); };
  lower(range.rangeY, PrintableRangeY(range.scaleY, paper.paperHeightMm, s.marginTop));
  lower(range.rangeX, PrintableRangeX(range.scaleX, paper.paperWidthMm, s.marginLeft));
}

}  // namespace

void LowerRangesToPage(SystemSettings& s, const DeviceGeometry& paper) {
  for (Problem problem : {Problem::Strip, Problem::RectCircle})
    LowerRangeToPage(s.figureDefault(problem), s, paper);
}

void LowerRangesToPage(DocumentTables& cells, const SystemSettings& s,
                       const DeviceGeometry& paper) {
  for (Problem problem : {Problem::Strip, Problem::RectCircle}) {
    FigureRange range = ReadFigureRange(cells, problem);
    const FigureRange read = range;
    LowerRangeToPage(range, s, paper);
    // Lines that stay are left as typed.
    if (range.rangeX != read.rangeX || range.rangeY != read.rangeY)
      WriteFigureRangeLines(cells, problem, range);
  }
}

void FitRangesToMargins(const DeviceGeometry& paper, SystemSettings& settings, Document& document,
                        const std::string& stepName, ViewState& view) {
  LowerRangesToPage(settings, paper);
  document.Change(stepName,
                  [&](DocumentTables& cells) { LowerRangesToPage(cells, settings, paper); });
  if (KindOf(view.displayMode) != DisplayKind::Figure) view.currentPage = 1;
}

}  // namespace qel
