// The key dialog's model.
#include "dialogs/key_behaviour_model.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(KeyBehaviourModel, StoresTheChoiceAndKnowsWhetherItChanged) {
  SystemSettings settings;
  settings.enterKeyMode = 1;
  KeyBehaviourModel model(settings);
  EXPECT_EQ(model.mode(), EnterKeyMode::NextField);
  EXPECT_FALSE(model.HasChanged());
  model.SetMode(EnterKeyMode::ConfirmOnly);
  EXPECT_TRUE(model.HasChanged());
  model.Apply(settings);
  EXPECT_EQ(settings.enterKeyMode, 2);
}

TEST(KeyBehaviourModel, ValuesOutsideTheThreeChoicesPressOk) {
  for (int value : {-1, 3, 1000})
    EXPECT_EQ(EnterKeyModeOf(value), EnterKeyMode::PressOk) << value;
}

}  // namespace
}  // namespace qel
