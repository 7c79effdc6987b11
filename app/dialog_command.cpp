// The reporter of the dialog commands.
#include "app/dialog_command.h"

namespace qel {

void ShowNotices(const std::vector<std::string>& notices, PromptService& prompts) {
  for (const std::string& notice : notices)
    prompts.Show(notice, PromptButtons::Ok);
}

}  // namespace qel
