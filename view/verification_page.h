// The verification table as text rows and as a printed page.
#pragma once

#include <string>
#include <vector>

#include "engine/verification.h"
#include "platform/device_context.h"

namespace qel {

// One family as the table shows it: name, count, largest error, tolerance, result.
struct VerificationRow {
  std::string family, count, largestError, tolerance, result;
};
VerificationRow FormatVerificationRow(const VerificationFamily& family);
// The column headings.
VerificationRow VerificationHeadings();

// The table as lines of text, the headings first, columns separated by two blanks and padded.
std::vector<std::string> VerificationTableLines(const std::vector<VerificationFamily>& families);

// Draws the title, the table and the overall result on one A4 portrait page of the device.
void DrawVerificationPage(DeviceContext& dc, const std::vector<VerificationFamily>& families);

}  // namespace qel
