// The base dialog: the Enter-key modes and the OK step that keeps a dialog open.
#include "dialogs/qt/qel_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "test_support/scripted_prompts.h"

namespace qel {
namespace {

// Two named fields; OK is refused while the second is empty.
class TwoFieldDialog : public QelDialog {
 public:
  TwoFieldDialog(EnterKeyMode mode, PromptService& prompts)
      : QelDialog(nullptr, mode), prompts_(prompts) {
    first = new QLineEdit(this);
    first->setObjectName("first");
    second = new QLineEdit(this);
    second->setObjectName("second");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addWidget(MakeOkCancel());
  }
  QLineEdit* first;
  QLineEdit* second;

 protected:
  bool Commit() override {
    std::optional<ValidationError> error;
    if (second->text().isEmpty()) error = ValidationError{"空です", "second"};
    return Accepts(error, prompts_);
  }

 private:
  PromptService& prompts_;
};

struct EnterCase {
  EnterKeyMode mode;
  bool closes;
  const char* focusAfter;
};

class EnterKeyTest : public ::testing::TestWithParam<EnterCase> {};

TEST_P(EnterKeyTest, EnterInAFieldFollowsTheMode) {
  ScriptedPrompts prompts;
  TwoFieldDialog dialog(GetParam().mode, prompts);
  dialog.second->setText("1");
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  dialog.first->setFocus();
  QTest::keyClick(dialog.first, Qt::Key_Return);
  EXPECT_EQ(dialog.result() == QDialog::Accepted, GetParam().closes);
  if (!GetParam().closes) {
    ASSERT_NE(dialog.focusWidget(), nullptr);
    EXPECT_EQ(dialog.focusWidget()->objectName(), GetParam().focusAfter);
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, EnterKeyTest,
                         ::testing::Values(EnterCase{EnterKeyMode::PressOk, true, ""},
                                           EnterCase{EnterKeyMode::NextField, false, "second"},
                                           EnterCase{EnterKeyMode::ConfirmOnly, false, "first"}));

TEST(QelDialog, ARefusedOkShowsTheMessageAndFocusesTheField) {
  ScriptedPrompts prompts;
  TwoFieldDialog dialog(EnterKeyMode::PressOk, prompts);
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  dialog.first->setFocus();
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(prompts.CountShown("空です"), 1);
  EXPECT_EQ(dialog.focusWidget(), dialog.second);
  dialog.second->setText("2");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace qel
