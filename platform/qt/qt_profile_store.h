// Where the program keeps its profile (recent files, zooms, choices): QSettings under the
// program's own organisation and name, those of its data folder.
#pragma once

#include <QSettings>
#include <QString>
#include <memory>

namespace qel {

inline constexpr const char* kProfileOrganisation = "Vardamo";
inline constexpr const char* kProfileApplication = "Qel6";
// Where earlier versions kept the profile; its entries are carried over once.
inline constexpr const char* kEarlierProfileOrganisation = "Local AppWizard-Generated Applications";
inline constexpr const char* kEarlierProfileApplication = "Qel";

// The program's profile, or the INI file `iniPath` for tests. The first time the program's own
// profile is opened, the entries of the earlier profile are copied into it (entries already
// there are kept), and a mark in it says that this was done.
std::unique_ptr<QSettings> OpenProgramProfile(const QString& iniPath = {});

}  // namespace qel
