// The document's file commands: its path name, new, open, save and save as, plus the loading
// used for files named on the command line, picked from the recent-file list or dropped onto
// the window. They ask the user through the desktop's services.
#pragma once

#include <functional>
#include <string>

#include "document/data_file.h"
#include "document/data_file_names.h"
#include "document/document.h"
#include "document/document_results.h"
#include "document/document_tables.h"

namespace qel {

class FileChooser;
class PromptService;
class RecentFiles;
struct SettingsFiles;
struct SystemSettings;

struct DocumentServices {
  PromptService& prompts;
  FileChooser& chooser;
  RecentFiles& recentFiles;
};

class CQelDoc {
 public:
  // The file commands work on the process-wide document and settings they are given;
  // `settingsFiles` says where the settings live (FileV.ndx is kept beside them). The settings
  // are loaded by whoever starts the program, once: opening a file reads only the file.
  // `circles` is the circle method the saved result listing is computed with, read at each save.
  CQelDoc(Document& document, const DocumentResults& results, const CircleMethod& circles,
          const SystemSettings& settings, const SettingsFiles& settingsFiles,
          const DocumentServices& services);

  // Called whenever the document's data changed and every view must show it anew.
  void SetUpdateAllViews(std::function<void()> update) { updateAllViews_ = std::move(update); }
  // Called whenever the path name or the modified mark may have changed (the window title shows
  // both).
  void SetTitleChanged(std::function<void()> changed) { titleChanged_ = std::move(changed); }

  // Before the document is replaced or the program ends: while it is modified, asks
  // "「<title>」への変更を保存しますか?" (Yes / No / Cancel). Yes saves; No lets the changes go.
  // False when the action must not go on: Cancel, or a save that failed or was cancelled.
  bool SaveModified();

  // Makes `fresh` the document (its history cleared) and the document untitled, so that a later
  // save asks for a name. The changes it held were asked about already, or let go.
  void MakeNew(const DocumentTables& fresh = {});
  // "開く": after SaveModified, asks for a file, starting in the folder remembered in FileV.ndx,
  // reads it and remembers its folder. A file that cannot be read or is no data file leaves the
  // document, its path name and FileV.ndx as they were.
  void OnFileOpen();
  // "上書き保存": writes to the path name when it ends in the standard extension, else goes on
  // as save as.
  void OnFileSave();
  // "名前を付けて保存": asks for a name; a name without extension gets the standard one. Another
  // extension is refused with a message and the dialog opens again on the name typed, as does
  // No to replacing the file the standard extension names; Cancel ends without a save.
  void OnFileSaveAs();

  // Reads `path` as a file named on the command line, chosen from the recent-file list or
  // dropped onto the window. On failure a message is shown and the document, its path name and
  // FileV.ndx stay as they were.
  ReadStatus OnOpenDocument(const std::string& path);

  // The full path of the document's file; empty for an untitled document.
  const std::string& GetPathName() const { return pathName_; }
  // The name the document goes by: its file name, or kUntitledName while untitled.
  std::string GetTitle() const;
  // Whether the document's content differs from what was last opened, saved or made new
  // (Document::IsModified): undoing back to it clears the mark.
  bool IsModified() const { return document_.IsModified(); }
  // Tells the window that the modified mark may have changed (after a change, undo or redo).
  void ModifiedMayHaveChanged() { TitleChanged(); }

 private:
  // Writes the document to `path`; on success it becomes the path name.
  bool SaveTo(const std::string& path);
  // Records `path`, made absolute, as the path name and at the top of the recent files.
  void SetPathName(const std::string& path);
  // Opens the data file at `path` into the document and tells what the read found, or why the
  // file could not be read (the document then stays as it was).
  ReadStatus ReadIntoDocument(const std::string& path);
  std::string LastFolderFilePath() const;
  void UpdateAllViews();
  void TitleChanged();

  Document& document_;
  const DocumentResults& results_;
  const CircleMethod& circles_;
  const SystemSettings& settings_;
  const SettingsFiles& settingsFiles_;
  DocumentServices services_;
  std::function<void()> updateAllViews_;
  std::function<void()> titleChanged_;
  std::string pathName_;
};

}  // namespace qel
