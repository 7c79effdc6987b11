// qel: the desktop program.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/qel_app.h"
#include "app/qt_translations.h"
#include "app/svg_icons.h"
#include "platform/qt/font_faces.h"
#include "platform/qt/qt_profile_store.h"

namespace {

// Without a display the window system cannot be reached; say so instead of aborting inside Qt.
bool DisplayAvailable() {
  auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
  };
  return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
  if (!DisplayAvailable()) {
    std::fputs(
        "qel: no display: neither DISPLAY nor WAYLAND_DISPLAY is set.\n"
        "Run it in a desktop session, or under a virtual display (xvfb-run qel FILE.qdw).\n",
        stderr);
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(qel::kProfileApplication);
  QApplication::setOrganizationName(qel::kProfileOrganisation);
  // The standard dialogs and buttons in Japanese, where Qt's translations are installed.
  qel::InstallQtJapaneseTexts(application);
  qel::InstallFontSubstitutions();
  QApplication::setWindowIcon(qel::SvgIcon("qel"));

  qel::CQelApp qel;
  if (!qel.InitInstance(QApplication::arguments().mid(1))) return 1;
  return QApplication::exec();
}
