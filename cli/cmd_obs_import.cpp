// qel-cli obs-import: a settlement plate's readings read from a CSV file into a data file's
// settlement plates' section, written as a new data file.
#include <cstdio>
#include <optional>

#include "base/c_locale.h"
#include "base/text_encoding.h"
#include "base/text_file.h"
#include "cli/cli_args.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/output_files.h"
#include "document/document.h"
#include "document/plate_reading_lines.h"
#include "document/readings_import.h"
#include "platform/file_messages.h"

namespace qel {

namespace {

std::optional<ReadingUnit> UnitFrom(const std::string& text) {
  if (text == "m") return ReadingUnit::kMetre;
  if (text == "cm") return ReadingUnit::kCentimetre;
  if (text == "mm") return ReadingUnit::kMillimetre;
  return std::nullopt;
}

// The readings of the CSV file at `path` (UTF-8 or Shift-JIS), or none with every fault of its
// rows on standard error.
std::optional<std::vector<SettlementReading>> ImportFile(const std::string& path, ReadingUnit unit,
                                                         const std::string& day0) {
  FileReadError readError = FileReadError::None;
  const std::optional<std::string> bytes = ReadFileBytes(path, &readError);
  if (!bytes) {
    std::fprintf(stderr, "qel-cli: %s\n", FileReadErrorText(readError, path).c_str());
    return std::nullopt;
  }
  const std::string text =
      TextDecoder(DetectTextEncoding(*bytes)).Decode(WithoutByteOrderMark(*bytes));
  const ReadingsImport read = ImportReadings(text, unit, day0);
  for (const ReadingsImportError& e : read.errors) {
    std::fprintf(stderr, "qel-cli: %s: %s%s\n", path.c_str(), e.text.c_str(),
                 e.quoted.empty() ? "" : (" (「" + e.quoted + "」)").c_str());
  }
  if (!read.errors.empty()) return std::nullopt;
  return read.readings;
}

}  // namespace

int RunObsImport(const std::vector<std::string>& words) {
  std::string error;
  std::optional<CliArgs> args =
      ParseCliArgs(words, {"--data-folder", "--plate", "--unit", "--day0", "--out"}, {}, error);
  if (!args) return UsageError(error);
  if (args->positional.size() != 2) return UsageError("obs-import needs FILE.qdw and READINGS.csv");
  const std::optional<std::string> plateText = args->Option("--plate");
  if (!plateText) return UsageError("obs-import needs --plate N");
  const std::optional<int> plate = ParseWholeNumber(*plateText);
  if (!plate || *plate <= 0) return UsageError("--plate needs a plate number (1, 2, ...)");
  const std::optional<std::string> out = args->Option("--out");
  if (!out) return UsageError("obs-import needs --out OUT.qdw");
  const std::optional<ReadingUnit> unit = UnitFrom(args->Option("--unit").value_or("m"));
  if (!unit) return UsageError("--unit must be m, cm or mm");
  const std::string day0 = args->Option("--day0").value_or("");
  if (args->Option("--day0") && !DayNumber(day0))
    return UsageError("--day0 needs a date YYYY-MM-DD");
  const std::string& path = args->positional[0];
  const std::string& csvPath = args->positional[1];
  if (OutputWouldReplaceInput(path, *out) || OutputWouldReplaceInput(csvPath, *out))
    return kExitFailure;

  CliSession session(args->Option("--data-folder"));
  session.Start();
  if (!session.Open(path)) return kExitFailure;
  Document& document = session.state().document;
  const std::vector<std::string> lines = document.cells().obsLines;
  if (!HasPlateLine(lines, *plate)) {
    std::fprintf(stderr, "qel-cli: %s: 沈下板 %d がありません\n", path.c_str(), *plate);
    return kExitFailure;
  }
  const std::optional<std::vector<SettlementReading>> readings = ImportFile(csvPath, *unit, day0);
  if (!readings) return kExitFailure;
  const std::vector<std::string> replaced = ReplacePlateReadings(lines, *plate, *readings);
  // The section as it would be saved must read: a fit whose window the new readings no longer
  // reach is told before anything is written.
  const MeasurementsReading check = ReadMeasurements(replaced);
  for (const MeasurementsError& e : check.errors)
    std::fprintf(stderr, "qel-cli: %s: 読み込んだ後の $$OBS の %d 行目: %s\n", path.c_str(), e.line,
                 e.text.c_str());
  if (!check.errors.empty()) return kExitFailure;
  document.Change("沈下板の実測値の読み込み",
                  [&](DocumentTables& cells) { cells.obsLines = replaced; });
  return session.SaveAs(*out) ? kExitOk : kExitFailure;
}

}  // namespace qel
