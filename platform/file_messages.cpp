// The messages for files that could not be read or written.
#include "platform/file_messages.h"

#include <cerrno>
#include <cstring>

#include "platform/messages.h"

namespace qel {

std::string FileReadErrorText(FileReadError error, const std::string& path) {
  switch (error) {
    case FileReadError::NotRegularFile:
      return MessageText(MessageId::NotRegularFile, path);
    case FileReadError::TooLarge:
      return MessageText(MessageId::FileTooLarge, path,
                         std::to_string(kLargestReadableFileMegabytes));
    case FileReadError::NotPermitted:
      return MessageText(MessageId::ReadNotPermitted, path);
    case FileReadError::LinkLoop:
      return MessageText(MessageId::LinkLoop, path);
    case FileReadError::CannotOpen:
    case FileReadError::None:
      break;
  }
  return MessageText(MessageId::FileNotFound, path);
}

std::string SaveFailureText(const WriteOutcome& outcome, const std::string& path) {
  if (!outcome.badCharacter.empty())
    return MessageText(MessageId::UnencodableCharacter, outcome.badCharacter, outcome.codePoint);
  if (outcome.noReader) return MessageText(MessageId::SaveNoReader, path);
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

}  // namespace qel
