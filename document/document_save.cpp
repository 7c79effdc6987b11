// Writing the document to a data file as the save commands do.
#include "document/document_save.h"

#include <cerrno>
#include <cstring>

#include "document/data_file.h"
#include "platform/messages.h"
#include "platform/prompts.h"
#include "settings/system_settings.h"
#include "settings/text_file.h"

namespace qel {

std::string SaveFailureText(const WriteOutcome& outcome, const std::string& path) {
  if (!outcome.badCharacter.empty())
    return MessageText(MessageId::UnencodableCharacter, outcome.badCharacter, outcome.codePoint);
  switch (outcome.systemError) {
    case 0:
      return MessageText(MessageId::CannotSave);
    case ENOSPC:
    case EDQUOT:
      return MessageText(MessageId::SaveDiskFull, path);
    case EACCES:
    case EPERM:
    case EROFS:
      return MessageText(MessageId::SaveNotPermitted, path);
    case EIO:
      return MessageText(MessageId::SaveIoError, path);
    default:
      return MessageText(MessageId::SaveFailedBecause, path, std::strerror(outcome.systemError));
  }
}

bool SaveDocument(const std::string& path, DocumentTables& tables, const DocumentResults& results,
                  const SystemSettings& settings, PromptService& prompts) {
  SettingsToLines(settings, tables);
  WriteOutcome outcome = WriteTextFileSafely(
      path, FormatDataFile(tables, results.Lattice(tables), settings.stressDigits));
  if (outcome.ok) return true;
  prompts.Show(SaveFailureText(outcome, path), PromptButtons::Ok);
  return false;
}

}  // namespace qel
