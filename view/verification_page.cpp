// The verification table as text rows, as lines of text and as printed pages.
#include "view/verification_page.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <iterator>

#include "base/c_locale.h"
#include "platform/paper_units.h"
#include "view/program_version.h"

namespace qel {

const char* const kSamplesCaption = "比較の例（最初、中ほど、誤差が最大の比較に「最大」）";
const char* const kVerificationNotes[2] = {
    "誤差は、影響値では荷重強度あたりの値、沈下と圧密では各比較の単位（m など）による。",
    "参照値は閉形式、公表表、点荷重解の数値積分、手計算と教科書の例題による。"};

namespace {

constexpr const char* kTitle = "計算の検証";
// A4 portrait, in millimetres: where the title, the stamp and the lines go.
constexpr double kLeftMm = 20, kTitleTopMm = 15, kStampTopMm = 24, kPageNumberMm = 170;
constexpr double kFirstLineMm = 33, kLastLineMm = 280, kLineStepMm = 5;
constexpr int kLinesPerPage = static_cast<int>((kLastLineMm - kFirstLineMm) / kLineStepMm) + 1;
// Left edges of the columns of the table and of the samples.
constexpr double kTableColumnsMm[6] = {20, 92, 115, 129, 152, 172};
constexpr double kSampleColumnsMm[6] = {22, 37, 44, 117, 146, 175};

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

// A number of a comparison; one that is no number is said in words, never "nan" or "inf".
std::string Number(const char* format, double value) {
  if (!std::isfinite(value)) return "数値でない";
  return FormatC(format, value);
}

std::string InputsText(const std::vector<VerificationInput>& inputs) {
  std::string text;
  for (const VerificationInput& input : inputs) {
    if (!text.empty()) text += ' ';
    text += input.name + "=" + ShortestRealText(input.value);
  }
  return text;
}

// One line of a page: texts at millimetres from the paper's left edge, and whether the line
// starts a group of lines kept on one page (`group` lines long).
struct PageLine {
  std::vector<std::pair<double, std::string>> texts;
  int group = 1;
};

std::vector<PageLine> PageLines(const std::vector<VerificationFamily>& families) {
  std::vector<PageLine> lines;
  auto tableLine = [&](const VerificationRow& row) {
    const std::string* cells[6] = {&row.family,       &row.unit,      &row.count,
                                   &row.largestError, &row.tolerance, &row.result};
    PageLine line;
    for (int column = 0; column < 6; ++column)
      line.texts.push_back({kTableColumnsMm[column], *cells[column]});
    lines.push_back(line);
  };
  auto sampleLine = [&](const VerificationSampleRow& row) {
    const std::string* cells[6] = {&row.which,     &row.largest, &row.inputs,
                                   &row.reference, &row.value,   &row.difference};
    PageLine line;
    for (int column = 0; column < 6; ++column)
      line.texts.push_back({kSampleColumnsMm[column], *cells[column]});
    lines.push_back(line);
  };
  auto textLine = [&](double mm, const std::string& text) {
    lines.push_back(PageLine{{{mm, text}}});
  };
  tableLine(VerificationHeadings());
  for (const VerificationFamily& family : families)
    tableLine(FormatVerificationRow(family));
  lines.push_back({});
  textLine(kLeftMm, VerificationVerdict(families));
  for (const char* note : kVerificationNotes)
    textLine(kLeftMm, note);
  lines.push_back({});
  textLine(kLeftMm, kSamplesCaption);
  sampleLine(SampleHeadings());
  for (const VerificationFamily& family : families) {
    const std::vector<VerificationSampleRow> samples = FormatSampleRows(family);
    textLine(kLeftMm, family.name + "（誤差の単位: " + ErrorUnitText(family.unit) + "）");
    lines.back().group = 1 + static_cast<int>(samples.size());
    for (const VerificationSampleRow& sample : samples)
      sampleLine(sample);
  }
  return lines;
}

// The first line of every page, and the end of the last.
std::vector<std::size_t> PageStarts(const std::vector<PageLine>& lines) {
  std::vector<std::size_t> starts{0};
  int used = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int group = std::min(lines[i].group, kLinesPerPage);
    if (used > 0 && used + group > kLinesPerPage) {
      starts.push_back(i);
      used = 0;
    }
    ++used;
  }
  starts.push_back(lines.size());
  return starts;
}

}  // namespace

VerificationStamp StampOf(std::time_t now) {
  std::tm local{};
  localtime_r(&now, &local);
  return {ProgramVersion(),
          FormatC("%04d-%02d-%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)};
}

std::string StampText(const VerificationStamp& stamp) {
  return "Qel " + stamp.version + "　実行日 " + stamp.date;
}

std::string ErrorUnitText(ErrorUnit unit) {
  switch (unit) {
    case ErrorUnit::kPerLoadIntensity:
      return "荷重強度あたり";
    case ErrorUnit::kMetre:
      return "m";
    case ErrorUnit::kStress:
      return "kN/㎡";
    case ErrorUnit::kNone:
      break;
  }
  return "—";
}

VerificationRow FormatVerificationRow(const VerificationFamily& family) {
  return {family.name,
          ErrorUnitText(family.unit),
          FormatC("%d", family.count),
          Number("%.2e", family.largestError),
          FormatC("%.0e", family.tolerance),
          family.passed() ? "合格" : "不合格"};
}

VerificationRow VerificationHeadings() {
  return {"比較", "誤差の単位", "件数", "最大誤差", "許容値", "結果"};
}

std::vector<VerificationSampleRow> FormatSampleRows(const VerificationFamily& family) {
  std::vector<VerificationSampleRow> rows;
  for (const VerificationSample& sample : family.samples) {
    rows.push_back({family.name, FormatC("%d / %d", sample.index, family.count),
                    sample.largest ? "最大" : "", InputsText(sample.inputs),
                    Number("%.14g", sample.reference), Number("%.14g", sample.value),
                    Number("%.2e", sample.error)});
  }
  return rows;
}

VerificationSampleRow SampleHeadings() {
  return {"比較", "No.", "", "入力", "参照値", "計算値", "差"};
}

std::string VerificationVerdict(const std::vector<VerificationFamily>& families) {
  return AllPassed(families) ? "すべての比較が許容値内です。" : "許容値を超えた比較があります。";
}

std::vector<std::string> VerificationTableLines(const std::vector<VerificationFamily>& families,
                                                const VerificationStamp& stamp) {
  std::vector<VerificationRow> rows{VerificationHeadings()};
  for (const VerificationFamily& family : families)
    rows.push_back(FormatVerificationRow(family));
  std::size_t widths[5] = {};
  for (const VerificationRow& row : rows) {
    const std::string* cells[5] = {&row.family, &row.unit, &row.count, &row.largestError,
                                   &row.tolerance};
    for (int column = 0; column < 5; ++column)
      widths[column] = std::max(widths[column], DisplayWidth(*cells[column]));
  }
  std::vector<std::string> lines{std::string(kTitle) + "　" + StampText(stamp), ""};
  for (const VerificationRow& row : rows) {
    lines.push_back(Padded(row.family, widths[0]) + "  " + Padded(row.unit, widths[1]) + "  " +
                    Padded(row.count, widths[2]) + "  " + Padded(row.largestError, widths[3]) +
                    "  " + Padded(row.tolerance, widths[4]) + "  " + row.result);
  }
  lines.push_back("");
  lines.insert(lines.end(), std::begin(kVerificationNotes), std::end(kVerificationNotes));
  lines.push_back("");
  const VerificationSampleRow headings = SampleHeadings();
  lines.push_back(std::string(kSamplesCaption) + ": " + headings.which + "  " + headings.inputs +
                  "  " + headings.reference + "  " + headings.value + "  " + headings.difference);
  for (const VerificationFamily& family : families) {
    lines.push_back(family.name + "（誤差の単位: " + ErrorUnitText(family.unit) + "）");
    for (const VerificationSampleRow& sample : FormatSampleRows(family)) {
      lines.push_back("  " + sample.which + (sample.largest.empty() ? "" : " " + sample.largest) +
                      "  " + sample.inputs + "  " + sample.reference + "  " + sample.value + "  " +
                      sample.difference);
    }
  }
  return lines;
}

int VerificationPageCount(const std::vector<VerificationFamily>& families) {
  return static_cast<int>(PageStarts(PageLines(families)).size()) - 1;
}

void DrawVerificationPage(DeviceContext& dc, const std::vector<VerificationFamily>& families,
                          const VerificationStamp& stamp, int page) {
  const std::vector<PageLine> lines = PageLines(families);
  const std::vector<std::size_t> starts = PageStarts(lines);
  const int pages = static_cast<int>(starts.size()) - 1;
  if (page < 1 || page > pages) return;
  const double pixelsPerMmX = dc.LogPixelsX() / kMillimetresPerInch;
  const double pixelsPerMmY = dc.LogPixelsY() / kMillimetresPerInch;
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
  dc.TextOut(x(kLeftMm), y(kTitleTopMm), kTitle);
  font(8);
  dc.TextOut(x(kLeftMm), y(kStampTopMm), StampText(stamp));
  dc.TextOut(x(kPageNumberMm), y(kStampTopMm), FormatC("%d / %d", page, pages));
  double top = kFirstLineMm;
  for (std::size_t i = starts[page - 1]; i < starts[page]; ++i) {
    for (const auto& [mm, text] : lines[i].texts)
      dc.TextOut(x(mm), y(top), text);
    top += kLineStepMm;
  }
}

bool DrawVerificationPages(const std::function<DeviceContext*()>& next,
                           const std::vector<VerificationFamily>& families,
                           const VerificationStamp& stamp) {
  const int pages = VerificationPageCount(families);
  for (int page = 1; page <= pages; ++page) {
    DeviceContext* dc = next();
    if (dc == nullptr) return false;
    DrawVerificationPage(*dc, families, stamp, page);
  }
  return true;
}

FileDialogRequest VerificationPdfRequest(const std::string& documentPath) {
  FileDialogRequest request;
  request.kind = FileDialogKind::Save;
  request.title = "PDFで保存";
  request.filters = {{"PDF", {"pdf"}}};
  request.defaultExtension = "pdf";
  request.initialName = std::string(kTitle) + ".pdf";
  if (!documentPath.empty())
    request.startFolder = std::filesystem::path(documentPath).parent_path().string();
  return request;
}

std::string WithPdfExtension(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".pdf" ? path : path + ".pdf";
}

}  // namespace qel
