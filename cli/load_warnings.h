// The warnings of qel-cli about load rows and calculation points of a file that do not enter
// the calculation as typed.
#pragma once

#include <string>

#include "document/document_tables.h"

namespace qel {

class PromptService;

// One message for the file at `path` naming, list by list, the load rows its calculation
// leaves out or reads differently from their text, and one naming the calculation points it
// leaves out or reads from full-width digits; nothing when everything enters as typed.
void WarnAboutExcludedLoads(const DocumentTables& tables, const std::string& path,
                            PromptService& prompts);

}  // namespace qel
