// Qt's own Japanese texts for the standard dialogs and buttons.
#include "app/qt_translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
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
  QFontDialog fonts;
  QFileDialog files;
  files.setOption(QFileDialog::DontUseNativeDialog);
  QPrinter printer;
  QPrintDialog print(&printer);
  const QStringList titles = {colours.windowTitle(), fonts.windowTitle(), files.windowTitle(),
                              print.windowTitle()};
  QCoreApplication::removeTranslator(texts);
  delete texts;
  EXPECT_TRUE(yes.contains(QString::fromUtf8("はい"))) << yes.toStdString();
  EXPECT_TRUE(no.contains(QString::fromUtf8("いいえ"))) << no.toStdString();
  EXPECT_EQ(titles, (QStringList{"色を選択", "フォントの選択", "開く", "印刷"}));
}

}  // namespace
}  // namespace qel
