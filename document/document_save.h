// Writing the document to a data file as the save commands do.
#pragma once

#include <string>

#include "document/document_results.h"
#include "document/document_tables.h"

namespace qel {

class PromptService;
struct SystemSettings;

// The text a save of the document writes now, before its encoding: the tables as they are (their
// own scale and print-range lines among them), and the lattice results with the settings'
// decimals. Two documents save the same bytes exactly when their texts are the same.
std::string SavedDocumentText(const DocumentTables& tables, const DocumentResults& results,
                              const SystemSettings& settings);

// Writes the data file safely, with the lattice results of the tables as they are. On failure
// the old file stays as it was, the message of SaveFailureText is shown and false is returned.
bool SaveDocument(const std::string& path, const DocumentTables& tables,
                  const DocumentResults& results, const SystemSettings& settings,
                  PromptService& prompts);

}  // namespace qel
