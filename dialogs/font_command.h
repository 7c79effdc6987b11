// The font commands: the platform's font dialog for one of the four font slots that have a
// command, and the slot's font file written after OK.
#pragma once

#include <string>

#include "settings/system_settings.h"

namespace qel {

class FontChooser;
class PromptService;

// Shows the font dialog set to slot `slot` (1..4); after OK the slot takes the chosen face,
// size and underline (its colour stays, the dialog has none) and only that slot's font file is
// written in `dataFolder`. A file that cannot be written is said; the font is used until the
// program ends. Returns whether a font was chosen.
bool ChooseSlotFont(int slot, const std::string& dataFolder, FontSlots& fonts, FontChooser& chooser,
                    PromptService& prompts);

}  // namespace qel
