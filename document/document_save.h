// Writing the document to a data file as the save commands do.
#pragma once

#include <string>

#include "document/document_results.h"
#include "document/document_tables.h"
#include "platform/file_messages.h"

namespace qel {

struct SystemSettings;

// What a save did: the file written, or the message that tells why not.
struct SaveOutcome {
  bool saved = false;
  std::string message;
  explicit operator bool() const { return saved; }
};

class Document;

// The text a save of the document writes now, before its encoding: its cells as they are (their
// own scale and print-range lines among them), and the lattice results (circles by `circles`)
// with the settings' decimals. Two documents save the same bytes exactly when their texts are
// the same.
std::string SavedDocumentText(const Document& document, const DocumentResults& results,
                              CircleMethod circles, const SystemSettings& settings);

// Writes the data file safely, with the lattice results of the document as it is. On failure
// the old file stays as it was and the outcome holds the message for the user (a text that a
// save cannot hold, or SaveFailureText).
SaveOutcome SaveDocument(const std::string& path, const Document& document,
                         const DocumentResults& results, CircleMethod circles,
                         const SystemSettings& settings);

}  // namespace qel
