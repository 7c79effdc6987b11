// Writing the document to a data file as the save commands do.
#include "document/document_save.h"
#include "platform/file_messages.h"

#include "base/text_file.h"
#include "document/data_file.h"
#include "document/document.h"
#include "document/marker_text.h"
#include "platform/messages.h"
#include "settings/system_settings.h"

namespace qel {

std::string SavedDocumentText(const Document& document, const DocumentResults& results,
                              CircleMethod circles, const SystemSettings& settings) {
  return FormatDataFile(document.cells(), results.Lattice(document, circles),
                        settings.stressDigits);
}

SaveOutcome SaveDocument(const std::string& path, const Document& document,
                         const DocumentResults& results, CircleMethod circles,
                         const SystemSettings& settings) {
  // A text holding "$$" would come back as a section marker and shift or lose what follows it.
  if (std::optional<std::string> field = FindSectionMarkerText(document.cells()))
    return {false, MessageText(MessageId::SectionMarkerInField, *field)};
  WriteOutcome outcome =
      WriteTextFileSafely(path, SavedDocumentText(document, results, circles, settings));
  if (outcome.ok) return {true, {}};
  return {false, SaveFailureText(outcome, path)};
}

}  // namespace qel
