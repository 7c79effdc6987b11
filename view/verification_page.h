// The verification table as text rows, as lines of text and as printed pages.
#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "engine/verification.h"
#include "platform/device_context.h"
#include "platform/file_chooser.h"

namespace qel {

// Which program ran the verification and when, printed with it.
struct VerificationStamp {
  std::string version;  // "6.1.0"
  std::string date;     // "2025-01-31", local time
};
// This program's version and the local date of `now`.
VerificationStamp StampOf(std::time_t now);
// "Qel 6.1.0　実行日 2025-01-31".
std::string StampText(const VerificationStamp& stamp);

// The unit of a family's errors as the table names it: "荷重強度あたり", "m", "kN/㎡", "—".
std::string ErrorUnitText(ErrorUnit unit);

// One family as the table shows it: name, unit of its errors, count, largest error, tolerance,
// result.
struct VerificationRow {
  std::string family, unit, count, largestError, tolerance, result;
};
VerificationRow FormatVerificationRow(const VerificationFamily& family);
// The column headings.
VerificationRow VerificationHeadings();

// One sample as the table of samples shows it: the family, which comparison ("12 / 380"),
// "最大" for the one with the largest error, the inputs ("z=0.5 b=2"), the reference, the
// program's value and the difference.
struct VerificationSampleRow {
  std::string family, which, largest, inputs, reference, value, difference;
};
std::vector<VerificationSampleRow> FormatSampleRows(const VerificationFamily& family);
VerificationSampleRow SampleHeadings();

// "すべての比較が許容値内です。" or "許容値を超えた比較があります。".
std::string VerificationVerdict(const std::vector<VerificationFamily>& families);
// What the errors are measured in, and what the references are: two lines.
extern const char* const kVerificationNotes[2];
// The caption of the samples.
extern const char* const kSamplesCaption;

// The whole verification as lines of text: the stamp, the table (headings first, columns
// separated by two blanks and padded), the note, then the samples of every family.
std::vector<std::string> VerificationTableLines(const std::vector<VerificationFamily>& families,
                                                const VerificationStamp& stamp);

// How many A4 portrait pages the verification takes.
int VerificationPageCount(const std::vector<VerificationFamily>& families);
// Draws page `page` (1-based) on the device: its title and stamp, then the table, the verdict
// and the note, then the samples, a family's samples never split between pages.
void DrawVerificationPage(DeviceContext& dc, const std::vector<VerificationFamily>& families,
                          const VerificationStamp& stamp, int page);
// Draws every page, each on the device `next` hands out; false when it hands out none.
bool DrawVerificationPages(const std::function<DeviceContext*()>& next,
                           const std::vector<VerificationFamily>& families,
                           const VerificationStamp& stamp);

// The save dialog of the verification's PDF: "計算の検証.pdf" proposed in the document's
// folder (the dialog's own while the document has none).
FileDialogRequest VerificationPdfRequest(const std::string& documentPath);
// `path` with ".pdf" added unless it already ends in it (in any case).
std::string WithPdfExtension(const std::string& path);

}  // namespace qel
