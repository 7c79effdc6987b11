// How data files are named: their extension, the dialogs' kinds of file, the untitled name.
#pragma once

#include <string>
#include <vector>

#include "platform/file_chooser.h"

namespace qel {

// The standard extension of data files, and the kinds of file the open and save dialogs offer.
inline constexpr const char* kDataFileExtension = "qdw";
std::vector<FileTypeFilter> DataFileFilters();
// The name an untitled document goes by (window title, save question).
inline constexpr const char* kUntitledName = "無題";
// The file in the data folder that remembers the folder of the last opened file.
inline constexpr const char* kLastFolderFileName = "FileV.ndx";

// The text after the last "." of the file name of `path` (the folders do not count); empty
// when the name has no ".".
std::string FileExtension(const std::string& path);
// Whether `extension` is the data files' extension, whatever its case.
bool IsDataFileExtension(const std::string& extension);

// The file name of `path`: what follows its last "/".
std::string FileNameOf(const std::string& path);

}  // namespace qel
