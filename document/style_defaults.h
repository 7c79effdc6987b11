// The default titles, title positions and grid that a document takes from the system settings.
#pragma once

#include <vector>

#include "document/document.h"
#include "document/document_tables.h"
#include "settings/settings_files.h"
#include "settings/system_settings.h"

namespace qel {

class SystemPaths;

// Copies the style defaults of both problems into the document's title/style lines (21..29,
// 31..35 and 51..59, 61..65), then cuts each grid's right bound to one metre less than the page
// width of `settings` when it reaches that width.
void ApplyStyleDefaults(const SystemSettings& settings, DocumentTables& tables);

// The settings load of the program: LoadSystemSettings, and after the load that read Sys.ndx the
// style defaults as the file gave them go into the document; the first load of all also gives
// it the default scales and print ranges of the settings. Those are what the document starts
// with, not a change of it: its history is cleared and the content taken as saved. Returns what
// the load could not do, for the caller to tell (SettingsLoadProblemTexts).
std::vector<SettingsLoadProblem> LoadSettingsWithStyleDefaults(SettingsFiles& files,
                                                               SystemSettings& settings,
                                                               FontSlots& fonts, Document& document,
                                                               const SystemPaths& paths);

// What "新規作成" starts from: the document a first start of the program gives, read afresh from
// the data folder's settings file (its scales and print ranges, its standard titles and grid),
// on settings of its own: the run's settings and fonts stay as they are. What that load could
// not read is added to `problems`, for the caller to tell.
DocumentTables NewDocumentTables(const SystemPaths& paths,
                                 std::vector<SettingsLoadProblem>& problems);

}  // namespace qel
