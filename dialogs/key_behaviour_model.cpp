// The model of the key dialog.
#include "dialogs/key_behaviour_model.h"

namespace qel {

EnterKeyMode EnterKeyModeOf(int value) {
  return value == 1 || value == 2 ? static_cast<EnterKeyMode>(value) : EnterKeyMode::PressOk;
}

KeyBehaviourModel::KeyBehaviourModel(const SystemSettings& settings)
    : original_(EnterKeyModeOf(settings.enterKeyMode)), mode_(original_) {}

ApplyOutcome KeyBehaviourModel::Apply(SystemSettings& settings) const {
  settings.enterKeyMode = static_cast<int>(mode_);
  return {};
}

}  // namespace qel
