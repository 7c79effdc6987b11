// Qt's own Japanese texts for the standard dialogs and buttons.
#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace qel {

QTranslator* InstallQtJapaneseTexts(QCoreApplication& application) {
  auto* texts = new QTranslator(&application);
  if (!texts->load(QLocale(QLocale::Japanese), "qtbase", "_",
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(texts)) {
    delete texts;
    return nullptr;
  }
  return texts;
}

}  // namespace qel
