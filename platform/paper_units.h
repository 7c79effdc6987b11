// Units of paper: millimetres in an inch, and the resolution of the paper the program makes.
#pragma once

namespace qel {

// Millimetres in one inch: converts paper sizes in millimetres to device pixels and back.
inline constexpr double kMillimetresPerInch = 25.4;

// The resolution of the program's own paper: its PDF files (qel-cli's PDF pages and reports,
// the verification report, the report saved from the window) and the PDF printer that stands in
// for a missing printer.
inline constexpr int kPaperDpi = 600;

}  // namespace qel
