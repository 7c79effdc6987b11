// The verification as text and as pages: the units, the samples of every family, the stamp,
// pages that keep a family's samples together, and the name of its PDF file.
#include "view/verification_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "test_support/recording_device_context.h"
#include "view/program_version.h"

namespace qel {
namespace {

const VerificationStamp kStamp{"9.8.7", "2024-05-06"};

const std::vector<VerificationFamily>& Families() {
  static const std::vector<VerificationFamily> families = RunVerification();
  return families;
}

// The stamp names this program's version and the local date of the moment given.
TEST(VerificationPage, StampIsTheVersionAndTheLocalDate) {
  std::tm noon{};
  noon.tm_year = 2024 - 1900;
  noon.tm_mon = 4;
  noon.tm_mday = 6;
  noon.tm_hour = 12;
  noon.tm_isdst = -1;
  const VerificationStamp stamp = StampOf(std::mktime(&noon));
  EXPECT_EQ(stamp.version, ProgramVersion());
  EXPECT_EQ(stamp.date, "2024-05-06");
  EXPECT_EQ(StampText(kStamp), "Qel 9.8.7　実行日 2024-05-06");
}

// A row says its unit; an error or a value that is no number is said in words.
TEST(VerificationPage, RowsSayTheUnitAndNeverPrintNan) {
  struct Case {
    ErrorUnit unit;
    double error, value;
    const char *unitText, *errorText, *valueText;
  };
  const Case cases[] = {
      {ErrorUnit::kPerLoadIntensity, 1.5e-12, 0.25, "荷重強度あたり", "1.50e-12", "0.25"},
      {ErrorUnit::kMetre, 0.0, 0.0451545, "m", "0.00e+00", "0.0451545"},
      {ErrorUnit::kStress, INFINITY, INFINITY, "kN/㎡", "数値でない", "数値でない"},
      {ErrorUnit::kNone, INFINITY, NAN, "—", "数値でない", "数値でない"},
  };
  for (const Case& c : cases) {
    VerificationFamily family;
    family.name = "f";
    family.unit = c.unit;
    family.count = 4;
    family.largestError = c.error;
    family.tolerance = 1e-9;
    family.samples = {{3, {{"z", 0.5}, {"x/b", 0.9999999}}, 0.25, c.value, c.error, true}};
    const VerificationRow row = FormatVerificationRow(family);
    EXPECT_EQ(row.unit, c.unitText);
    EXPECT_EQ(row.largestError, c.errorText);
    const std::vector<VerificationSampleRow> samples = FormatSampleRows(family);
    ASSERT_EQ(samples.size(), 1u);
    EXPECT_EQ(samples[0].which, "3 / 4");
    EXPECT_EQ(samples[0].largest, "最大");
    EXPECT_EQ(samples[0].inputs, "z=0.5 x/b=0.9999999");
    EXPECT_EQ(samples[0].value, c.valueText);
    EXPECT_EQ(samples[0].difference, c.errorText);
  }
}

// The text output: the stamp first, a line per family, the notes, then every family again with
// its samples.
TEST(VerificationPage, TextLinesHoldTheStampTheTableAndTheSamples) {
  const std::vector<std::string> lines = VerificationTableLines(Families(), kStamp);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "計算の検証　Qel 9.8.7　実行日 2024-05-06");
  for (const VerificationFamily& family : Families()) {
    int named = 0;
    for (const std::string& line : lines)
      named += line.rfind(family.name, 0) == 0;
    EXPECT_EQ(named, 2) << family.name;
    for (const VerificationSampleRow& sample : FormatSampleRows(family)) {
      const bool shown = std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(sample.which) != std::string::npos &&
               line.find(sample.inputs) != std::string::npos;
      });
      EXPECT_TRUE(shown) << family.name << " " << sample.which;
    }
  }
  EXPECT_NE(std::find(lines.begin(), lines.end(), kVerificationNotes[0]), lines.end());
}

// Every page carries the title, the stamp and "n / N"; every text lies above the bottom
// margin; a family's heading and its samples share a page.
TEST(VerificationPage, PagesKeepEachFamilysSamplesTogether) {
  const int pages = VerificationPageCount(Families());
  ASSERT_GE(pages, 2);
  const int dpi = 254;  // 10 pixels a millimetre
  // Every text drawn after the page's title, stamp and number, in order, with its page.
  std::vector<std::pair<std::string, int>> body;
  for (int page = 1; page <= pages; ++page) {
    RecordingDeviceContext dc(dpi, dpi);
    DrawVerificationPage(dc, Families(), kStamp, page);
    const std::vector<std::string> texts = dc.Texts();
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[0], "計算の検証");
    EXPECT_EQ(texts[1], "Qel 9.8.7　実行日 2024-05-06");
    EXPECT_EQ(texts[2], std::to_string(page) + " / " + std::to_string(pages));
    for (const std::string& line : dc.Lines("text")) {
      int x = 0, y = 0;
      ASSERT_EQ(std::sscanf(line.c_str(), "text %d %d", &x, &y), 2);
      EXPECT_LE(y, 2800) << line;
    }
    for (std::size_t i = 3; i < texts.size(); ++i)
      body.push_back({texts[i], page});
  }
  for (const VerificationFamily& family : Families()) {
    SCOPED_TRACE(family.name);
    const std::string heading = family.name + "（誤差の単位: " + ErrorUnitText(family.unit) + "）";
    const auto at = std::find_if(body.begin(), body.end(),
                                 [&](const auto& text) { return text.first == heading; });
    ASSERT_NE(at, body.end());
    const std::size_t first = static_cast<std::size_t>(at - body.begin()) + 1;
    const std::vector<VerificationSampleRow> samples = FormatSampleRows(family);
    // Six texts a sample: which, the mark, inputs, reference, value, difference.
    ASSERT_LE(first + 6 * samples.size(), body.size());
    for (std::size_t k = 0; k < samples.size(); ++k) {
      EXPECT_EQ(body[first + 6 * k].first, samples[k].which);
      EXPECT_EQ(body[first + 6 * k + 2].first, samples[k].inputs);
      EXPECT_EQ(body[first + 6 * k + 5].second, at->second);
    }
  }
  // Every page is handed a device of its own; one that takes no more pages ends the drawing.
  int handed = 0;
  RecordingDeviceContext dc(dpi, dpi);
  EXPECT_TRUE(
      DrawVerificationPages([&]() -> DeviceContext* { return ++handed, &dc; }, Families(), kStamp));
  EXPECT_EQ(handed, pages);
  handed = 0;
  EXPECT_FALSE(DrawVerificationPages(
      [&]() -> DeviceContext* { return handed++ == 0 ? &dc : nullptr; }, Families(), kStamp));
}

// The PDF is proposed as "計算の検証.pdf" in the document's folder; ".pdf" is added unless the
// name ends in it.
TEST(VerificationPage, PdfNameRule) {
  const FileDialogRequest request = VerificationPdfRequest("/data/site/building.qdw");
  EXPECT_EQ(request.kind, FileDialogKind::Save);
  EXPECT_EQ(request.initialName, "計算の検証.pdf");
  EXPECT_EQ(request.startFolder, "/data/site");
  EXPECT_EQ(request.filters, (std::vector<FileTypeFilter>{{"PDF", {"pdf"}}}));
  EXPECT_EQ(VerificationPdfRequest("").startFolder, "");
  const std::pair<const char*, const char*> names[] = {{"/a/check", "/a/check.pdf"},
                                                       {"/a/check.pdf", "/a/check.pdf"},
                                                       {"/a/check.PDF", "/a/check.PDF"},
                                                       {"/a/check.v2", "/a/check.v2.pdf"},
                                                       {"/a.b/check", "/a.b/check.pdf"}};
  for (const auto& [chosen, written] : names)
    EXPECT_EQ(WithPdfExtension(chosen), written) << chosen;
}

}  // namespace
}  // namespace qel
