// The calculation-point dialogs driven with keys: field order, length, Enter and the warnings.
#include "dialogs/qt/point_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "test_support/scripted_prompts.h"

namespace qel {
namespace {

class PointDialogTest : public ::testing::Test {
 protected:
  void Open(PointKind kind, EnterKeyMode mode = EnterKeyMode::PressOk) {
    model = std::make_unique<PointEditor>(kind, tables);
    dialog = MakePointDialog(*model, prompts, mode);
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
  }
  QLineEdit& Field(const char* name) { return *dialog->findChild<QLineEdit*>(name); }

  DocumentTables tables;
  ScriptedPrompts prompts;
  std::unique_ptr<PointEditor> model;
  std::unique_ptr<PointDialog> dialog;
};

TEST_F(PointDialogTest, TabGoesDownEachColumnInTurn) {
  struct Case {
    PointKind kind;
    const char* title;
  };
  for (const Case& c : {Case{PointKind::Strip, "帯状荷重 >  地中の計算点"},
                        Case{PointKind::Lattice, "長方形円形荷重 > 地中の計算点"}}) {
    Open(c.kind);
    EXPECT_EQ(dialog->windowTitle(), c.title);
    std::vector<std::string> order;
    QWidget* field = &Field("x1");
    field->setFocus();
    for (int i = 0; i < model->rowCount() * model->columnCount(); ++i) {
      order.push_back(QApplication::focusWidget()->objectName().toStdString());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    std::vector<std::string> expected;
    for (int column = 1; column <= model->columnCount(); ++column)
      for (int row = 1; row <= model->rowCount(); ++row)
        expected.push_back(model->FieldName(row, column));
    EXPECT_EQ(order, expected);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "ok");
    EXPECT_FALSE(Field("x3").accessibleName().isEmpty());
  }
}

TEST_F(PointDialogTest, FieldsTakeEightCharactersButKeepALongerTextFromTheFile) {
  tables.stripPoints[2][2] = "12.3456789";
  Open(PointKind::Strip);
  QTest::keyClicks(&Field("x1"), "123456789");
  EXPECT_EQ(Field("x1").text(), "12345678");
  EXPECT_EQ(Field("z2").text(), "12.3456789");
  QTest::keyClicks(&Field("x2"), "1\"5");
  EXPECT_EQ(Field("x2").text(), "15");
  EXPECT_FALSE(dialog->findChild<QLabel*>("status")->text().isEmpty());
  EXPECT_EQ(model->Text(1, 1), "12345678");
  EXPECT_EQ(model->Text(2, 2), "12.3456789");
}

TEST_F(PointDialogTest, EnterFollowsTheKeySettingInAField) {
  struct Case {
    EnterKeyMode mode;
    bool closes;
    const char* focusAfter;
  };
  for (const Case& c :
       {Case{EnterKeyMode::PressOk, true, ""}, Case{EnterKeyMode::NextField, false, "z4"},
        Case{EnterKeyMode::ConfirmOnly, false, "z3"}}) {
    Open(PointKind::Strip, c.mode);
    Field("z3").setFocus();
    QTest::keyClick(&Field("z3"), Qt::Key_Return);
    EXPECT_EQ(dialog->result() == QDialog::Accepted, c.closes);
    if (!c.closes) {
      EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focusAfter);
    }
  }
}

// The dialog closes; the warning is the stored model's to tell, through the command's reporter.
TEST_F(PointDialogTest, OkClosesAndTheStoredSameDepthsAreWarnedAbout) {
  Open(PointKind::Lattice);
  QTest::keyClicks(&Field("z1"), "1");
  QTest::keyClicks(&Field("z7"), "1.0");
  dialog->accept();
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_TRUE(prompts.shown().empty());
  EXPECT_EQ(model->Apply(tables).notices,
            std::vector<std::string>{"同じ深度があります\r\n 1 m \r\n"});
}

TEST_F(PointDialogTest, FullWidthDigitsFromAnInputMethodAreKeptInAscii) {
  Open(PointKind::Lattice);
  QInputMethodEvent composing("２０", {});
  QApplication::sendEvent(&Field("z2"), &composing);
  QInputMethodEvent committed;
  committed.setCommitString("－１．５");
  QApplication::sendEvent(&Field("z2"), &committed);
  EXPECT_EQ(Field("z2").text(), "-1.5");
  EXPECT_EQ(model->Text(2, 3), "-1.5");
}

TEST_F(PointDialogTest, OkAsksAboutAFieldThatIsNotANumberAndYesGoesBackToIt) {
  Open(PointKind::Lattice);
  QTest::keyClicks(&Field("x3"), "abc");
  prompts.AnswerNext(PromptAnswer::Yes);
  dialog->accept();
  EXPECT_EQ(prompts.CountShown(
                "不適当なデータです\nx3「abc」\nこの計算点は計算に入りません\n訂正しますか? "),
            1);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), &Field("x3"));
  dialog->accept();  // answered No: kept as typed
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(model->Text(3, 1), "abc");
}

TEST_F(PointDialogTest, CancelAsksOnlyWhenAValueWasTyped) {
  Open(PointKind::Strip);
  dialog->reject();
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_TRUE(prompts.shown().empty());
  Open(PointKind::Strip);
  QTest::keyClicks(&Field("x1"), "5");
  dialog->reject();  // answered No
  EXPECT_EQ(prompts.CountShown("データが変更されましたが、キャンセルしてよいのですか？"), 1);
  EXPECT_TRUE(dialog->isVisible());
}

}  // namespace
}  // namespace qel
