// The model of the key dialog: what Enter does in the data-entry dialogs.
#pragma once

#include <optional>

#include "dialogs/dialog_model.h"
#include "settings/system_settings.h"

namespace qel {

// What Enter does when no cell edit is open in a data-entry dialog.
enum class EnterKeyMode : int {
  PressOk = 0,     // the default button: the dialog's OK
  NextField = 1,   // the focus moves to the next field
  ConfirmOnly = 2  // nothing more
};

class KeyBehaviourModel {
 public:
  explicit KeyBehaviourModel(const SystemSettings& settings);

  EnterKeyMode mode() const { return mode_; }
  void SetMode(EnterKeyMode mode) { mode_ = mode; }

  // Any of the three choices is valid.
  std::optional<ValidationError> Validate() const { return std::nullopt; }
  bool HasChanged() const { return mode_ != original_; }
  // Stores the choice in the settings; the command then saves the settings file.
  ApplyOutcome Apply(SystemSettings& settings) const;

 private:
  EnterKeyMode original_;
  EnterKeyMode mode_;
};

// The mode a settings value stands for; values outside 0..2 press OK.
EnterKeyMode EnterKeyModeOf(int value);

static_assert(DialogModel<KeyBehaviourModel, SystemSettings>);

}  // namespace qel
