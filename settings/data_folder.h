// Finding the data folder that holds the settings, font, help and last-folder files, and
// filling it with the shipped files on first start.
#pragma once

#include <string>

namespace qel {

class SystemPaths;

// The first line of a text file without its line end (only a real line end is dropped);
// empty when the file is missing.
std::string ReadFirstLine(const std::string& path);

// The data folder: the absolute folder named by the first line of the location file
// <config home>/Varda/Pvnqel6.whr, else of ./Varda/Pvnqel6.whr, else
// <data home>/Vardamo/Qel6.
std::string ResolveDataFolder(const SystemPaths& paths);

// Creates `folder` when missing and copies into it every file of `shippedFolder` that it does
// not hold yet; existing files are never overwritten. Returns false when the folder could not
// be created.
bool PopulateDataFolder(const std::string& folder, const std::string& shippedFolder);

}  // namespace qel
