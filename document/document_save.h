// Writing the document to a data file as the save commands do.
#pragma once

#include <string>

#include "document/document_results.h"
#include "document/document_tables.h"
#include "settings/text_file.h"

namespace qel {

class PromptService;
struct SystemSettings;

// The message for a write that failed: the character that cannot be stored, or the reason the
// system gave (disk full, no permission, an I/O error, or its own words for anything else).
std::string SaveFailureText(const WriteOutcome& outcome, const std::string& path);

// Sets the scale and print-range lines from the settings and writes the data file safely, with
// the lattice results of the tables as they are. On failure the old file stays as it was, the
// message of SaveFailureText is shown and false is returned.
bool SaveDocument(const std::string& path, DocumentTables& tables, const DocumentResults& results,
                  const SystemSettings& settings, PromptService& prompts);

}  // namespace qel
