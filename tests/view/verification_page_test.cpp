// The verification as rows and pages: the units, numbers never printed as nan, pages that keep
// a family's samples together under the stamp, and the name of its PDF file.
#include "view/verification_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "test_support/recording_device_context.h"

namespace qel {
namespace {

const VerificationStamp kStamp{"9.8.7", "2024-05-06"};

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
    const VerificationFamily family{
        "f",     c.unit, 4,
        c.error, 1e-9,   {{3, {{"z", 0.5}, {"x/b", 0.9999999}}, 0.25, c.value, c.error, true}}};
    const VerificationRow row = FormatVerificationRow(family);
    EXPECT_EQ(row.unit, c.unitText);
    EXPECT_EQ(row.largestError, c.errorText);
    const std::vector<VerificationSampleRow> samples = FormatSampleRows(family);
    ASSERT_EQ(samples.size(), 1u);
    EXPECT_EQ(samples[0].which + " " + samples[0].largest + " " + samples[0].inputs,
              "3 / 4 最大 z=0.5 x/b=0.9999999");
    EXPECT_EQ(samples[0].value, c.valueText);
    EXPECT_EQ(samples[0].difference, c.errorText);
  }
}

// Every page carries the title, the stamp and "n / N", and nothing below its bottom margin; a
// family's heading and its samples share a page.
TEST(VerificationPage, PagesKeepEachFamilysSamplesTogether) {
  const std::vector<VerificationFamily> families = RunVerification();
  const int pages = VerificationPageCount(families);
  ASSERT_GE(pages, 2);
  std::vector<std::pair<std::string, int>> body;  // the texts under the stamp, with their page
  RecordingDeviceContext dc(254, 254);            // 10 pixels a millimetre
  auto collect = [&](int page) {
    const std::vector<std::string> texts = dc.Texts();
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[1], "Qel 9.8.7　実行日 2024-05-06");
    EXPECT_EQ(texts[2], std::to_string(page) + " / " + std::to_string(pages));
    for (std::size_t i = 3; i < texts.size(); ++i)
      body.push_back({texts[i], page});
    for (const std::string& line : dc.Lines("text")) {
      int x = 0, y = 0;
      std::sscanf(line.c_str(), "text %d %d", &x, &y);
      EXPECT_LE(y, 2800) << line;
    }
    dc.Clear();
  };
  int handed = 0;
  ASSERT_TRUE(DrawVerificationPages(
      [&]() -> DeviceContext* {
        if (handed > 0) collect(handed);
        ++handed;
        return &dc;
      },
      families, kStamp));
  ASSERT_EQ(handed, pages);
  collect(pages);
  for (const VerificationFamily& family : families) {
    const std::string heading = family.name + "（誤差の単位: " + ErrorUnitText(family.unit) + "）";
    const auto at = std::find_if(body.begin(), body.end(),
                                 [&](const auto& text) { return text.first == heading; });
    ASSERT_NE(at, body.end()) << heading;
    const std::vector<VerificationSampleRow> samples = FormatSampleRows(family);
    // Six texts a sample: which, the mark, inputs, reference, value, difference.
    for (std::size_t k = 0; k < samples.size(); ++k) {
      const auto text = at + 1 + 6 * static_cast<std::ptrdiff_t>(k);
      ASSERT_LT(text + 5, body.end());
      EXPECT_EQ(text[2].first, samples[k].inputs);
      EXPECT_EQ(text[5].second, at->second) << heading;
    }
  }
}

// The PDF is proposed as "計算の検証.pdf" in the document's folder; ".pdf" is added unless the
// name ends in it.
TEST(VerificationPage, PdfNameRule) {
  const FileDialogRequest request = VerificationPdfRequest("/data/site/building.qdw");
  EXPECT_EQ(request.initialName, "計算の検証.pdf");
  EXPECT_EQ(request.startFolder, "/data/site");
  EXPECT_EQ(VerificationPdfRequest("").startFolder, "");
  const std::pair<const char*, const char*> names[] = {{"/a/check", "/a/check.pdf"},
                                                       {"/a/check.pdf", "/a/check.pdf"},
                                                       {"/a/check.PDF", "/a/check.PDF"},
                                                       {"/a.b/check.v2", "/a.b/check.v2.pdf"}};
  for (const auto& [chosen, written] : names)
    EXPECT_EQ(WithPdfExtension(chosen), written) << chosen;
}

}  // namespace
}  // namespace qel
