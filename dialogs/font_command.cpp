// The font commands.
#include "dialogs/font_command.h"

#include <optional>

#include "dialogs/settings_saving.h"
#include "platform/font_chooser.h"
#include "settings/settings_files.h"

namespace qel {

std::optional<ApplyOutcome> ChooseSlotFont(int slot, const std::string& dataFolder,
                                           FontSlots& fonts, FontChooser& chooser) {
  FontSlot& font = fonts[slot];
  const std::optional<FontChoice> choice =
      chooser.Choose(FontChoice{font.faceName, font.size, font.underline != 0});
  if (!choice) return std::nullopt;
  font.faceName = choice->faceName;
  font.size = choice->pointSize;
  font.underline = choice->underline ? 1 : 0;
  ApplyOutcome outcome;
  if (std::optional<std::string> notice = SaveFontFile(FontFilePath(dataFolder, slot), font))
    outcome.notices.push_back(std::move(*notice));
  return outcome;
}

}  // namespace qel
