// The document's file commands and the loading of files named outside the open dialog.
#include "app/file_commands.h"

#include <filesystem>

#include "base/text_file.h"
#include "document/document_save.h"
#include "document/last_folder_file.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "platform/prompts.h"
#include "platform/recent_files.h"
#include "settings/settings_files.h"
#include "settings/system_settings.h"

namespace qel {

namespace {

// The folder part of `path` without its trailing "/"; the root stays "/". Empty when `path`
// names no folder.
std::string FolderOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool EndsWithPoint(const std::string& text) {
  return !text.empty() && text.back() == '.';
}

FileDialogRequest DataFileDialog(FileDialogKind kind) {
  FileDialogRequest request;
  request.kind = kind;
  request.filters = DataFileFilters();
  return request;
}

}  // namespace

CQelDoc::CQelDoc(Document& document, const DocumentResults& results, const CircleMethod& circles,
                 const SystemSettings& settings, const SettingsFiles& settingsFiles,
                 const DocumentServices& services)
    : document_(document),
      results_(results),
      circles_(circles),
      settings_(settings),
      settingsFiles_(settingsFiles),
      services_(services) {}

void CQelDoc::UpdateAllViews() {
  if (updateAllViews_) updateAllViews_();
}

void CQelDoc::TitleChanged() {
  if (titleChanged_) titleChanged_();
}

std::string CQelDoc::GetTitle() const {
  return pathName_.empty() ? std::string(kUntitledName) : FileNameOf(pathName_);
}

bool CQelDoc::SaveModified() {
  if (!IsModified()) return true;
  switch (services_.prompts.Show(MessageText(MessageId::SaveChanges, GetTitle()),
                                 PromptButtons::YesNoCancel)) {
    case PromptAnswer::Yes:
      OnFileSave();
      // A save that failed or whose dialog was cancelled leaves the mark.
      return !IsModified();
    case PromptAnswer::No:
      return true;
    default:
      return false;
  }
}

std::string CQelDoc::LastFolderFilePath() const {
  return settingsFiles_.dataFolder + "/" + kLastFolderFileName;
}

void CQelDoc::SetPathName(const std::string& path) {
  std::error_code error;
  std::filesystem::path full = std::filesystem::absolute(path, error);
  pathName_ = error ? path : full.lexically_normal().string();
  services_.recentFiles.Add(pathName_);
  TitleChanged();
}

ReadStatus CQelDoc::ReadIntoDocument(const std::string& path) {
  DataFileFindings findings;
  const ReadStatus status = OpenDataFile(path, document_, &findings);
  if (status == ReadStatus::Ok)
    ShowEach(services_.prompts, DataFileFindingTexts(findings, path));
  else
    services_.prompts.Show(ReadFailureText(status, path), PromptButtons::Ok);
  return status;
}

void CQelDoc::MakeNew(const DocumentTables& fresh) {
  document_.Replace(fresh);
  pathName_.clear();
  UpdateAllViews();
  TitleChanged();
}

void CQelDoc::OnFileOpen() {
  if (!SaveModified()) return;
  LastFolderFile last = ReadLastFolderFile(LastFolderFilePath());

  FileDialogRequest request = DataFileDialog(FileDialogKind::Open);
  request.startFolder = last.folder;
  request.defaultExtension = kDataFileExtension;
  std::optional<std::string> chosen = services_.chooser.Choose(request);
  if (!chosen) return;
  const std::string& path = *chosen;

  if (ReadIntoDocument(path) != ReadStatus::Ok) return;
  UpdateAllViews();
  SetPathName(path);

  std::string folder = FolderOf(path);
  if (!folder.empty()) last.folder = folder;
  // Not being able to remember the folder is no reason to bother the user.
  WriteLastFolderFile(LastFolderFilePath(), last);
}

void CQelDoc::OnFileSave() {
  const std::string path = pathName_;
  if (path.empty() || EndsWithPoint(path)) {
    OnFileSaveAs();
    return;
  }
  std::string extension = FileExtension(path);
  if (extension.size() < 2) {
    OnFileSaveAs();
    return;
  }
  if (!IsDataFileExtension(extension)) {
    services_.prompts.Show(MessageText(MessageId::NotStandardExtension), PromptButtons::Ok);
    OnFileSaveAs();
    return;
  }
  SaveTo(path);
}

void CQelDoc::OnFileSaveAs() {
  FileDialogRequest request = DataFileDialog(FileDialogKind::Save);
  request.initialName = pathName_;
  // A name that cannot be saved as it is brings the dialog back with that name in it, so that
  // nothing typed is lost; only Cancel ends the command without a save.
  for (;;) {
    std::optional<std::string> chosen = services_.chooser.Choose(request);
    if (!chosen) return;
    request.initialName = *chosen;

    // The extension as the dialog reports it: that of the name typed, so "name." has none.
    std::string path = *chosen;
    std::string extension = FileExtension(path);
    if (EndsWithPoint(path)) path.pop_back();
    if (extension.empty()) {
      extension = kDataFileExtension;
      path += std::string(".") + kDataFileExtension;
      request.initialName = path;
      // The dialog asked about replacing the name as typed, not about this one.
      std::error_code error;
      if (std::filesystem::exists(path, error) &&
          services_.prompts.Show(MessageText(MessageId::ReplaceExisting, path),
                                 PromptButtons::YesNo) != PromptAnswer::Yes) {
        continue;
      }
    }
    if (!IsDataFileExtension(extension)) {
      services_.prompts.Show(MessageText(MessageId::NotStandardExtension), PromptButtons::Ok);
      continue;
    }
    SaveTo(path);
    return;
  }
}

bool CQelDoc::SaveTo(const std::string& path) {
  const SaveOutcome outcome = SaveDocument(path, document_, results_, circles_, settings_);
  if (!outcome) {
    services_.prompts.Show(outcome.message, PromptButtons::Ok);
    return false;
  }
  document_.MarkSaved();
  SetPathName(path);
  return true;
}

ReadStatus CQelDoc::OnOpenDocument(const std::string& path) {
  const ReadStatus status = ReadIntoDocument(path);
  if (status != ReadStatus::Ok) return status;
  SetPathName(path);
  UpdateAllViews();
  return status;
}

}  // namespace qel
