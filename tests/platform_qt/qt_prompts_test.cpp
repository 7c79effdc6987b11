// Message boxes: title, text, buttons and the answer of the button pressed.
#include "platform/qt/widgets/qt_prompts.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

namespace qel {
namespace {

struct SeenBox {
  QString title, text;
  QMessageBox::StandardButtons buttons;
  QWidget* parent = nullptr;
};

// Shows a prompt and, once its box is up, records it and lets `act` close it.
PromptAnswer ShowAndAct(const std::string& text, PromptButtons buttons, SeenBox& seen,
                        std::function<void(QMessageBox&)> act) {
  // The box is looked for from inside its own event loop, which starts after it is shown.
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    poll.stop();
    seen = {box->windowTitle(), box->text(), box->standardButtons(), box->parentWidget()};
    act(*box);
  });
  poll.start();
  QtPrompts prompts;
  return prompts.Show(text, buttons);
}

void Press(QMessageBox& box, QMessageBox::StandardButton button) {
  box.button(button)->click();
}

TEST(QtPrompts, AnOkMessageShowsTheTextAsItIs) {
  SeenBox seen;
  const PromptAnswer answer =
      ShowAndAct("ファイルが見つかりません\n( /tmp/a<b>.qdw )", PromptButtons::Ok, seen,
                 [](QMessageBox& box) { Press(box, QMessageBox::Ok); });
  EXPECT_EQ(answer, PromptAnswer::Ok);
  EXPECT_EQ(seen.title, "Qel");
  EXPECT_EQ(seen.text, QString::fromUtf8("ファイルが見つかりません\n( /tmp/a<b>.qdw )"));
  EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

TEST(QtPrompts, AQuestionReturnsTheButtonPressed) {
  SeenBox seen;
  EXPECT_EQ(ShowAndAct("変更を破棄しますか？", PromptButtons::YesNo, seen,
                       [](QMessageBox& box) { Press(box, QMessageBox::Yes); }),
            PromptAnswer::Yes);
  EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(ShowAndAct("変更を破棄しますか？", PromptButtons::YesNo, seen,
                       [](QMessageBox& box) { Press(box, QMessageBox::No); }),
            PromptAnswer::No);
}

TEST(QtPrompts, EscapeAnswersAQuestionWithNo) {
  SeenBox seen;
  EXPECT_EQ(ShowAndAct("変更を破棄しますか？", PromptButtons::YesNo, seen,
                       [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }),
            PromptAnswer::No);
  EXPECT_EQ(seen.title, "Qel");
}

TEST(QtPrompts, AYesNoCancelQuestionOffersCancelAndEscapeChoosesIt) {
  struct Case {
    QMessageBox::StandardButton pressed;  // NoButton: Escape
    PromptAnswer answer;
  };
  for (const Case& c :
       {Case{QMessageBox::Yes, PromptAnswer::Yes}, Case{QMessageBox::No, PromptAnswer::No},
        Case{QMessageBox::Cancel, PromptAnswer::Cancel},
        Case{QMessageBox::NoButton, PromptAnswer::Cancel}}) {
    SeenBox seen;
    const PromptAnswer answer =
        ShowAndAct("変更を保存しますか?", PromptButtons::YesNoCancel, seen, [&](QMessageBox& box) {
          if (c.pressed == QMessageBox::NoButton)
            QTest::keyClick(&box, Qt::Key_Escape);
          else
            Press(box, c.pressed);
        });
    EXPECT_EQ(answer, c.answer) << c.pressed;
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  }
}

TEST(QtPrompts, ABoxAskedWhileADialogIsOpenBelongsToTheDialog) {
  QDialog dialog;
  dialog.setModal(true);
  dialog.show();
  SeenBox seen;
  ShowAndAct("数値が異常です", PromptButtons::YesNo, seen,
             [](QMessageBox& box) { Press(box, QMessageBox::No); });
  EXPECT_EQ(seen.parent, &dialog);
}

TEST(QtPrompts, AWindowsLineBreakIsOneLineBreak) {
  SeenBox seen;
  ShowAndAct("同じデータNo.の行があります\r\nNo.[ 10 ] \r\n", PromptButtons::Ok, seen,
             [](QMessageBox& box) { Press(box, QMessageBox::Ok); });
  EXPECT_EQ(seen.text, QString::fromUtf8("同じデータNo.の行があります\nNo.[ 10 ] \n"));
}

}  // namespace
}  // namespace qel
