// Open and save file dialogs behind an interface, so the file commands run without a window.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qel {

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::Open;
  // The folder the dialog starts in; empty: the dialog's own default.
  std::string startFolder;
  // The name (or full path) proposed in the name field; empty: none.
  std::string initialName;
  // Pairs of label and patterns separated by "|" and ended by "||", e.g.
  // "Data(*.qdw)|*.qdw|All(*.*)|*.*||".
  std::string filter;
  // Added by the dialog to a typed name that has no extension; empty: nothing is added.
  std::string defaultExtension;
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // Shows the dialog and returns the chosen full path, or nothing when the user cancelled.
  virtual std::optional<std::string> Choose(const FileDialogRequest& request) = 0;
};

struct FileFilterEntry {
  std::string label;     // "Data(*.qdw)"
  std::string patterns;  // "*.qdw", several separated by ";"
};

// The entries of a "label|patterns|...||" filter text; a label without patterns is dropped.
std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter);

}  // namespace qel
