// The warnings of qel-cli about a file's data that is not used as it stands: load rows and
// calculation points that do not enter the calculation as typed, and isobar levels beyond
// those a figure draws.
#pragma once

#include <string>

#include "document/document.h"

namespace qel {

class PromptService;

// One message for the file at `path` naming, list by list, the load rows its calculation
// leaves out or reads differently from their text, and one naming the calculation points it
// leaves out or reads from full-width digits; nothing when everything enters as typed.
void WarnAboutExcludedLoads(const Document& document, const std::string& path,
                            PromptService& prompts);

// One message for the file at `path` when the strip figure (`strip`) or the rectangle/circle
// figures (`plan`: the plan and the sections) hold more isobar levels than they draw; nothing
// when neither does.
void WarnAboutCutIsobarLevels(const Document& document, const std::string& path,
                              PromptService& prompts, bool strip, bool plan);

}  // namespace qel
