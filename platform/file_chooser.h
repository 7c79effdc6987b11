// Open and save file dialogs behind an interface, so the file commands run without a window.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qel {

enum class FileDialogKind { Open, Save };

// A kind of file the dialog offers: its name and its extensions without the point; no
// extensions means every file.
struct FileTypeFilter {
  std::string name;
  std::vector<std::string> extensions;

  bool operator==(const FileTypeFilter&) const = default;
};

struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::Open;
  // The folder the dialog starts in; empty: the dialog's own default.
  std::string startFolder;
  // The name (or full path) proposed in the name field; empty: none.
  std::string initialName;
  // The kinds of file offered, the first selected.
  std::vector<FileTypeFilter> filters;
  // Added by the dialog to a typed name that has no extension; empty: nothing is added.
  std::string defaultExtension;
  // The dialog's title; empty: the usual title of its kind.
  std::string title;
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // Shows the dialog and returns the chosen full path, or nothing when the user cancelled.
  virtual std::optional<std::string> Choose(const FileDialogRequest& request) = 0;
};

}  // namespace qel
