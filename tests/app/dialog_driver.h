// Acts on a dialog's fields as the user does, finding them by their object names.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace qel::test {

// The editor of a field: a line edit, or the text of an editable list.
inline QLineEdit* EditorOf(QWidget& dialog, const char* name) {
  QWidget* field = dialog.findChild<QWidget*>(name);
  if (auto* list = qobject_cast<QComboBox*>(field)) return list->lineEdit();
  return qobject_cast<QLineEdit*>(field);
}

// The text a field shows.
inline QString TextOf(QWidget& dialog, const char* name) {
  QLineEdit* editor = EditorOf(dialog, name);
  EXPECT_NE(editor, nullptr) << name;
  return editor != nullptr ? editor->text() : QString();
}

// Replaces the text of a field by typing.
inline void Type(QWidget& dialog, const char* name, const QString& text) {
  QLineEdit* editor = EditorOf(dialog, name);
  ASSERT_NE(editor, nullptr) << name;
  editor->selectAll();
  QTest::keyClick(editor, Qt::Key_Delete);
  // Key by key; a character no key of the keyboard stands for arrives as the text of a key, as an
  // input method delivers it.
  for (const QChar c : text) {
    if (c.unicode() < 0x80)
      QTest::keyClick(editor, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// Moves the focus into the field and on to the next one, as Tab does.
inline void Leave(QWidget& dialog, const char* name) {
  QLineEdit* editor = EditorOf(dialog, name);
  ASSERT_NE(editor, nullptr) << name;
  QApplication::setActiveWindow(&dialog);
  editor->setFocus(Qt::TabFocusReason);
  QTest::keyClick(editor, Qt::Key_Tab);
  QApplication::processEvents();
}

inline void Click(QWidget& dialog, const char* name) {
  auto* button = dialog.findChild<QAbstractButton*>(name);
  ASSERT_NE(button, nullptr) << name;
  button->click();
}

}  // namespace qel::test
