// The verification table as text rows and as a printed page.
#include "view/verification_page.h"

#include <algorithm>

#include "settings/c_locale.h"

namespace qel {

namespace {

constexpr double kMmPerInch = 25.4;
// Left edges of the five columns and the first line, in millimetres on the paper.
constexpr double kColumnsMm[5] = {20, 105, 125, 150, 175};
constexpr double kTitleTopMm = 20, kTableTopMm = 35, kLineStepMm = 7;

// Characters as a terminal shows them: a character beyond ASCII is two columns wide.
std::size_t DisplayWidth(const std::string& text) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if ((c & 0xC0) == 0x80) continue;
    width += c < 0x80 ? 1 : 2;
  }
  return width;
}

std::string Padded(const std::string& text, std::size_t width) {
  return text + std::string(width - std::min(width, DisplayWidth(text)), ' ');
}

}  // namespace

VerificationRow FormatVerificationRow(const VerificationFamily& family) {
  return {family.name, FormatC("%d", family.count), FormatC("%.2e", family.largestError),
          FormatC("%.0e", family.tolerance), family.passed() ? "合格" : "不合格"};
}

VerificationRow VerificationHeadings() {
  return {"比較", "件数", "最大誤差", "許容値", "結果"};
}

std::vector<std::string> VerificationTableLines(const std::vector<VerificationFamily>& families) {
  std::vector<VerificationRow> rows{VerificationHeadings()};
  for (const VerificationFamily& family : families)
    rows.push_back(FormatVerificationRow(family));
  std::size_t widths[4] = {};
  for (const VerificationRow& row : rows) {
    widths[0] = std::max(widths[0], DisplayWidth(row.family));
    widths[1] = std::max(widths[1], DisplayWidth(row.count));
    widths[2] = std::max(widths[2], DisplayWidth(row.largestError));
    widths[3] = std::max(widths[3], DisplayWidth(row.tolerance));
  }
  std::vector<std::string> lines;
  for (const VerificationRow& row : rows) {
    lines.push_back(Padded(row.family, widths[0]) + "  " + Padded(row.count, widths[1]) + "  " +
                    Padded(row.largestError, widths[2]) + "  " + Padded(row.tolerance, widths[3]) +
                    "  " + row.result);
  }
  return lines;
}

void DrawVerificationPage(DeviceContext& dc, const std::vector<VerificationFamily>& families) {
  const double pixelsPerMmX = dc.LogPixelsX() / kMmPerInch;
  const double pixelsPerMmY = dc.LogPixelsY() / kMmPerInch;
  auto x = [&](double mm) { return static_cast<int>(mm * pixelsPerMmX); };
  auto y = [&](double mm) { return static_cast<int>(mm * pixelsPerMmY); };
  auto font = [&](double points) {
    FontSpec request;
    request.height = static_cast<int>(dc.LogPixelsY() * points / 72.0);
    request.faceName = "ＭＳ ゴシック";
    dc.SelectFont(request);
  };
  dc.SetTransparentBackground();
  dc.SetTextColour(0);
  dc.SetTextAlign(TextAlign::LeftTop);
  font(14);
  dc.TextOut(x(kColumnsMm[0]), y(kTitleTopMm), "計算の検証");
  font(9);
  std::vector<VerificationRow> rows{VerificationHeadings()};
  for (const VerificationFamily& family : families)
    rows.push_back(FormatVerificationRow(family));
  double top = kTableTopMm;
  for (const VerificationRow& row : rows) {
    const std::string* cells[5] = {&row.family, &row.count, &row.largestError, &row.tolerance,
                                   &row.result};
    for (int column = 0; column < 5; ++column)
      dc.TextOut(x(kColumnsMm[column]), y(top), *cells[column]);
    top += kLineStepMm;
  }
  top += kLineStepMm;
  dc.TextOut(
      x(kColumnsMm[0]), y(top),
      AllPassed(families) ? "すべての比較が許容値内です。" : "許容値を超えた比較があります。");
  top += kLineStepMm;
  dc.TextOut(x(kColumnsMm[0]), y(top),
             "誤差は荷重強度あたりの値。参照値は閉形式、公表表、点荷重解の数値積分による。");
}

}  // namespace qel
