// Qt's own Japanese texts for the standard dialogs and buttons.
#include "app/qt_translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

namespace qel {
namespace {

TEST(QtJapaneseTexts, StandardButtonsAndDialogsSpeakJapanese) {
  const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ja.qm";
  if (!QFileInfo::exists(file))
    GTEST_SKIP() << "Qt's translations are not installed: " << file.toStdString();
  QTranslator* texts = InstallQtJapaneseTexts(*QApplication::instance());
  ASSERT_NE(texts, nullptr);
  QMessageBox box(QMessageBox::Question, "Qel", "?", QMessageBox::Yes | QMessageBox::No);
  const QString yes = box.button(QMessageBox::Yes)->text();
  const QString no = box.button(QMessageBox::No)->text();
  QColorDialog colours;
  const QString colourTitle = colours.windowTitle();
  QCoreApplication::removeTranslator(texts);
  delete texts;
  EXPECT_TRUE(yes.contains(QString::fromUtf8("はい"))) << yes.toStdString();
  EXPECT_TRUE(no.contains(QString::fromUtf8("いいえ"))) << no.toStdString();
  EXPECT_NE(colourTitle, "Select Color");
}

}  // namespace
}  // namespace qel
