// qel: the desktop program.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

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

QtMessageHandler defaultMessages = nullptr;

// While the application object connects to the window system: a display that cannot be reached
// makes Qt end the process with a fatal message and a core. This says so in one line and exits
// instead; the platform plugin's own warnings leading to it are left out.
void StartUpMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) {
    const char* display = std::getenv("WAYLAND_DISPLAY");
    if (display == nullptr || *display == '\0') display = std::getenv("DISPLAY");
    std::fprintf(stderr,
                 "qel: the display %s cannot be reached; run it in a desktop session, or under a "
                 "virtual display (xvfb-run qel FILE.qdw).\n",
                 display ? display : "");
    std::_Exit(1);
  }
  if (context.category && std::strncmp(context.category, "qt.qpa", 6) == 0) return;
  if (defaultMessages) defaultMessages(type, context, message);
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
  defaultMessages = qInstallMessageHandler(StartUpMessages);
  QApplication application(argc, argv);
  qInstallMessageHandler(defaultMessages);
  QApplication::setApplicationName(qel::kProfileApplication);
  QApplication::setOrganizationName(qel::kProfileOrganisation);
  // The standard dialogs and buttons in Japanese, where Qt's translations are installed.
  qel::InstallQtJapaneseTexts(application);
  qel::InstallFontSubstitutions();
  QApplication::setWindowIcon(qel::SvgIcon("qel"));

  qel::CQelApp qel;
  // The arguments Qt left (it takes its own options out of argv), as bytes: a file name is
  // passed to the system exactly as it was given, whatever its encoding.
  if (!qel.InitInstance(std::vector<std::string>(argv + 1, argv + argc))) return 1;
  return QApplication::exec();
}
