// The data file (.qdw): version detection, reading line by line into the document tables, and
// writing the whole document with its lattice results.
#pragma once

#include <string>
#include <string_view>

#include "document/document_tables.h"

namespace qel {

class PromptService;
struct SystemSettings;

inline constexpr const char* kDataFileVersionLine = "$$_QEL405";

// 405, 400, or 0 for a first line that marks no data file. `firstLine` is without its line end.
int DetectFileVersion(std::string_view firstLine);

// Applies data-file lines to the document tables, keeping the current section and row counter
// between lines.
class DataFileParser {
 public:
  explicit DataFileParser(DocumentTables& tables, PromptService* prompts = nullptr)
      : tables_(tables), prompts_(prompts) {}

  // Removes one trailing CR LF (or LF), then applies the line to the current section when
  // `version` is 400 or 405.
  void ParseDataLine(int version, std::string_view line);

  enum class Section { None, Settings, Strip1, Strip2, StripPoints, Rectangles, Circles, Lattice };
  Section section() const { return section_; }

 private:
  void StoreFields(std::string_view line, std::string* row, int fields);

  DocumentTables& tables_;
  PromptService* prompts_;
  Section section_ = Section::None;
  int counter_ = 1;
};

// The section a marker name (the text after "$$") selects.
DataFileParser::Section SectionForName(std::string_view name);

enum class ReadStatus { Ok, CannotOpen, NotADataFile };

// Reads a data file into the tables: detects the version from the first line, and only for a
// data file clears the tables, applies every line and sets the numeric mirrors of the scale
// and print-range lines. Any other file leaves the tables untouched.
ReadStatus ReadDataFile(const std::string& path, DocumentTables& tables, SystemSettings& settings,
                        PromptService* prompts = nullptr);

// The same, from the file's bytes.
ReadStatus ReadDataBytes(std::string_view bytes, DocumentTables& tables, SystemSettings& settings,
                         PromptService* prompts = nullptr);

// The whole data file as UTF-8 text with CR LF line ends: version line, settings, loads,
// points and the result listing of `results` with `stressDigits` decimals.
std::string FormatDataFile(const DocumentTables& tables, const ResultsGrid& results,
                           int stressDigits);

}  // namespace qel
