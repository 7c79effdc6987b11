// Qt's own Japanese texts for the standard dialogs and buttons.
#pragma once

class QCoreApplication;
class QTranslator;

namespace qel {

// Installs Qt's Japanese translation (qtbase_ja) from Qt's translations folder, so that message
// box buttons and the file, print, page set-up, font and colour dialogs speak Japanese. Returns
// the installed translator, owned by `application`, or nullptr when the translation is not
// installed; the program then runs with Qt's English texts.
QTranslator* InstallQtJapaneseTexts(QCoreApplication& application);

}  // namespace qel
