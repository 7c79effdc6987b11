// The font commands: the platform's font dialog for one of the four font slots that have a
// command, and the slot's font file written after OK.
#pragma once

#include <optional>
#include <string>

#include "dialogs/dialog_model.h"
#include "settings/system_settings.h"

namespace qel {

class FontChooser;

// Shows the font dialog set to slot `slot` (1..4); after OK the slot takes the chosen face,
// size and underline (its colour stays, the dialog has none) and only that slot's font file is
// written in `dataFolder`. A file that cannot be written is a notice; the font is used until the
// program ends. Nothing when the dialog was cancelled.
std::optional<ApplyOutcome> ChooseSlotFont(int slot, const std::string& dataFolder,
                                           FontSlots& fonts, FontChooser& chooser);

}  // namespace qel
