// The model of the scale dialog and the scale command's rules.
#include "dialogs/scale_model.h"

#include <algorithm>

#include "base/c_locale.h"
#include "dialogs/field_checks.h"
#include "document/problem_common.h"
#include "platform/messages.h"
#include "platform/prompts.h"
#include "settings/number_format.h"

namespace qel {

namespace {

constexpr int kSmallestScale = 10, kLargestScale = 5000, kStandardScale = 500;

}  // namespace

ScaleModel::ScaleModel(const DocumentTables& cells, const SystemSettings& settings, Problem problem,
                       const DeviceGeometry& paper)
    : problem_(problem),
      paperWidthMm_(paper.paperWidthMm),
      paperHeightMm_(paper.paperHeightMm),
      marginLeft_(settings.marginLeft),
      marginTop_(settings.marginTop) {
  const FigureRange s = ReadFigureRange(cells, problem);
  original_.scaleY = FormatC("%d", s.scaleY);
  original_.scaleX = FormatC("%d", s.scaleX);
  original_.topY = FormatC("%.15g", s.topY);
  original_.rangeY = FormatC("%d", s.rangeY);
  original_.leftX = FormatC("%d", s.leftX);
  original_.rangeX = FormatC("%d", s.rangeX);
  original_.pageOverlap = FormatC("%d", s.pageOverlap);
  fields_ = original_;
}

std::string ScaleModel::WindowTitle() const {
  return problem_ == Problem::Strip ? "縮尺　帯状荷重" : "縮尺-長方形円形荷重";
}

int ScaleModel::PrintableX(const std::string& scale) const {
  return PrintableRangeX(ToInt(scale), paperWidthMm_, marginLeft_);
}

int ScaleModel::PrintableY(const std::string& scale) const {
  return PrintableRangeY(ToInt(scale), paperHeightMm_, marginTop_);
}

int ScaleModel::PageMetresX() const {
  return std::max(0, PrintableX(fields_.scaleX));
}

int ScaleModel::PageMetresY() const {
  return std::max(0, PrintableY(fields_.scaleY));
}

std::string ScaleModel::BottomY() const {
  return FormatC("%.1f", ToDouble(fields_.topY) - ToInt(fields_.rangeY));
}

namespace {

// Says that one page holds no whole metre at `scale`; false for the caller to return.
bool TellNoDrawingLength(const std::string& scale, PromptService& prompts) {
  prompts.Show(MessageText(MessageId::NoDrawingLength) + "\n縮尺 1/" + scale +
                   " では 1 ページに 1 m も入りません",
               PromptButtons::Ok);
  return false;
}

}  // namespace

bool ScaleModel::LeaveScaleX(PromptService& prompts) {
  if (PrintableX(fields_.scaleX) <= 0) return TellNoDrawingLength(fields_.scaleX, prompts);
  fields_.rangeX = FormatC("%d", PageMetresX());
  return true;
}

bool ScaleModel::LeaveScaleY(PromptService& prompts) {
  if (PrintableY(fields_.scaleY) <= 0) return TellNoDrawingLength(fields_.scaleY, prompts);
  fields_.rangeY = FormatC("%d", PageMetresY());
  return true;
}

std::string ScaleModel::ScaleGroupLabel() {
  return FormatC("縮尺 1/?   %d～%d", kSmallestScale, kLargestScale);
}

void ScaleModel::ApplyStandardValues() {
  for (std::string* scale : {&fields_.scaleY, &fields_.scaleX}) {
    int value = ToInt(*scale);
    if (value < kSmallestScale || value > kLargestScale) value = kStandardScale;
    *scale = FormatC("%d", value);
  }
  const int pageHeight = PageMetresY();
  fields_.rangeY = FormatC("%d", pageHeight);
  fields_.rangeX = FormatC("%d", PageMetresX());
  if (problem_ == Problem::Strip) {
    const int top = ToInt(fields_.topY);
    fields_.topY = FormatC("%d", top >= 1 ? top : 100);
    fields_.leftX = "0";
  } else {
    // The page shows the plan from 80 % of its height down; a page too short for that keeps the
    // top Y typed.
    const int top = static_cast<int>(0.8 * pageHeight);
    if (top >= 1) fields_.topY = FormatC("%d", top);
    fields_.leftX = "-1";
  }
  fields_.pageOverlap = "0";
}

std::optional<ValidationError> ScaleModel::Validate() const {
  return FirstFailure(CheckWholeNumber(fields_.scaleY, kSmallestScale, kLargestScale, "scaleY"),
                      CheckWholeNumber(fields_.scaleX, kSmallestScale, kLargestScale, "scaleX"),
                      CheckRealNumber(fields_.topY, "topY"),
                      CheckWholeNumber(fields_.rangeY, 1, 10000, "rangeY"),
                      CheckWholeNumber(fields_.leftX, -1000, 10000, "leftX"),
                      CheckWholeNumber(fields_.rangeX, 1, 10000, "rangeX"),
                      CheckWholeNumber(fields_.pageOverlap, 0, 1000, "pageOverlap"));
}

ScaleValues ScaleModel::Values() const {
  ScaleValues v;
  v.scaleX = ToInt(fields_.scaleX);
  v.scaleY = ToInt(fields_.scaleY);
  v.topY = ParseRealNumber(fields_.topY).value_or(ToDouble(fields_.topY));
  v.rangeY = ToInt(fields_.rangeY);
  v.leftX = ToInt(fields_.leftX);
  v.rangeX = ToInt(fields_.rangeX);
  v.pageOverlap = ToInt(fields_.pageOverlap);
  return v;
}

ApplyOutcome ScaleModel::Apply(DocumentTables& cells) const {
  ScaleValues v = Values();
  const int across = PrintableRangeX(v.scaleX, paperWidthMm_, marginLeft_);
  const int down = PrintableRangeY(v.scaleY, paperHeightMm_, marginTop_);
  ApplyOutcome outcome;
  if (v.pageOverlap >= v.rangeX) {
    // Said before the dialog opens again, so that the 0 it then shows is no surprise.
    outcome.notices.push_back(MessageText(MessageId::OverlapReset, std::to_string(v.pageOverlap),
                                          std::to_string(v.rangeX)));
    v.pageOverlap = 0;
    outcome.reopen = true;
  }
  // A range is cut to what one page holds plus 2 m, but never below 1 m.
  if (v.rangeX > across + 2) {
    outcome.notices.push_back(MessageText(MessageId::PrintableWidth, std::to_string(across)));
    v.rangeX = std::max(1, across + 2);
  }
  if (v.rangeY > down + 2) {
    outcome.notices.push_back(MessageText(MessageId::PrintableHeight, std::to_string(down)));
    v.rangeY = std::max(1, down + 2);
  }
  FigureRange s;
  s.scaleX = v.scaleX;
  s.scaleY = v.scaleY;
  s.leftX = v.leftX;
  s.topY = v.topY;
  s.rangeX = v.rangeX;
  s.rangeY = v.rangeY;
  s.pageOverlap = v.pageOverlap;
  WriteFigureRangeLines(cells, problem_, s);
  return outcome;
}

}  // namespace qel
