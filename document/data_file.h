// The data file (.qdw): version detection, reading line by line into the document tables, and
// writing the whole document with its lattice results.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"
#include "document/document_tables.h"

namespace qel {

inline constexpr const char* kDataFileVersionLine = "$$_QEL405";

// 405, 400, or 0 for a first line that marks no data file. `firstLine` is without its line end.
int DetectFileVersion(std::string_view firstLine);

// Applies data-file lines to the document tables, keeping the current section and row counter
// between lines.
class DataFileParser {
 public:
  explicit DataFileParser(DocumentTables& tables) : tables_(tables) {}

  // Removes one trailing CR LF (or LF), then applies the line to the current section when
  // `version` is 400 or 405.
  void ParseDataLine(int version, std::string_view line);

  enum class Section {
    None,
    Settings,
    Strip1,
    Strip2,
    StripPoints,
    Rectangles,
    Circles,
    Lattice,
    Figures,
    Soil,
    Obs
  };
  Section section() const { return section_; }

  // Whether ParseDataLine would change anything for `line` (a section marker, or a line the
  // current section still has room for). Lines it would not are skipped without decoding them.
  bool WouldApply(int version, std::string_view line) const;

  // Table lines longer than kCsvLineLimit, whose fields were taken from their first
  // kCsvLineLimit bytes.
  int overlongLines() const { return overlongLines_; }
  // Lines of the figure options' section that did not read, kept in the figure options.
  int unreadFigureLines() const { return unreadFigureLines_; }
  // Whether a marker of every section a saved file holds was seen: the settings, both load
  // sets, the strip points, rectangles, circles, lattice and the result listing.
  bool SawEverySavedSection() const;

 private:
  void StoreFields(std::string_view line, std::string* row, int fields);

  DocumentTables& tables_;
  Section section_ = Section::None;
  int counter_ = 1;
  int overlongLines_ = 0;
  int unreadFigureLines_ = 0;
  unsigned sectionsSeen_ = 0;  // bit 1 << Section, and kResultsSeen for the result listing
};

// The section a marker name (the text after "$$") selects.
DataFileParser::Section SectionForName(std::string_view name);

enum class ReadStatus {
  Ok,
  CannotOpen,
  NotADataFile,
  NotPermitted,    // the user may not read it
  LinkLoop,        // symbolic links that lead round in a circle
  NotRegularFile,  // a folder, FIFO or device: never read
  TooLarge,        // larger than kLargestReadableFile: never read
};

// What reading noticed about a data file that still opened. The document holds what could be
// read; these say what the user should know about it.
struct DataFileFindings {
  // The file was UTF-8 (it had a byte-order mark, or was not Shift-JIS but valid UTF-8);
  // saving writes Shift-JIS as always.
  bool readAsUtf8 = false;
  // The file ends in the middle of a line, or before a section every saved file has.
  bool endsEarly = false;
  // Table lines cut at kCsvLineLimit bytes.
  int overlongLines = 0;
  // Lines of the figure options' section that did not read: kept as they were, and saved back.
  int unreadFigureLines = 0;
};

// Reads a data file into the tables: detects the version from the first line, and only for a
// data file clears the tables and applies every line, as the file has it. Any other file leaves
// the tables untouched. With `findings`, what the read found that the user should know.
ReadStatus ReadDataFile(const std::string& path, DocumentTables& tables,
                        DataFileFindings* findings = nullptr);

// Reads a data file as the program opens one. On success it becomes the document (its history
// cleared, its content taken as saved) with its scale and print-range lines as a save writes
// them (NormaliseFigureRangeLines). Otherwise the document stays as it was.
ReadStatus OpenDataFile(const std::string& path, Document& document,
                        DataFileFindings* findings = nullptr);

// The same as ReadDataFile, from the file's bytes.
ReadStatus ReadDataBytes(std::string_view bytes, DocumentTables& tables,
                         DataFileFindings* findings = nullptr);

// One message for each finding about the file at `path`, in the order the user reads them.
std::vector<std::string> DataFileFindingTexts(const DataFileFindings& findings,
                                              const std::string& path);

// The message for a file at `path` that could not be opened as a data file; empty for
// ReadStatus::Ok.
std::string ReadFailureText(ReadStatus status, const std::string& path);

// The whole data file as UTF-8 text with CR LF line ends: version line, settings, loads,
// points and the result listing of `results` with `stressDigits` decimals.
std::string FormatDataFile(const DocumentTables& tables, const ResultsGrid& results,
                           int stressDigits);

}  // namespace qel
