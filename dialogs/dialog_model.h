// The contract of every dialog model that edits the document or the settings, and what its
// Apply hands back to the command.
#pragma once

#include <concepts>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/validation.h"

namespace qel {

// What OK stored and the user must be told. Apply shows nothing itself: the command that ran the
// dialog hands the notices to the application's one reporter, so that the desktop and any other
// front end tell the same things in the same order.
struct ApplyOutcome {
  // Message texts, shown in this order, each with an OK button.
  std::vector<std::string> notices;
  // The values stored differ from those confirmed (an amended field): the dialog opens again,
  // built afresh from what was stored, so that the user sees them.
  bool reopen = false;
};

// A dialog model edits one `Target` (DocumentTables or SystemSettings):
//  - its constructor copies in the values of the target it edits (and whatever the opening
//    command passes, such as the paper), and keeps no reference to them;
//  - Validate() says what is wrong with the values as typed: the message and the field that gets
//    the focus; nullopt when OK may close (a model with nothing to check always returns nullopt);
//  - HasChanged() says whether a field differs from what was copied in;
//  - Apply(target), called once per confirmed OK after Validate() found nothing, writes every
//    value into the target and returns what the user must be told. It never shows anything.
//    A model whose outcome may ask to reopen writes every value it holds, not only those that
//    changed: an OK of the dialog opened again replaces the earlier OK's values as one step.
// Yes/No questions asked while the dialog is open (Cancel, rows to correct) are interaction and
// stay with the model's Confirm/Leave methods, which take the PromptService.
template <typename Model, typename Target>
concept DialogModel = requires(Model& model, const Model& held, Target& target) {
  { held.Validate() } -> std::same_as<std::optional<ValidationError>>;
  { held.HasChanged() } -> std::same_as<bool>;
  { model.Apply(target) } -> std::same_as<ApplyOutcome>;
};

}  // namespace qel
