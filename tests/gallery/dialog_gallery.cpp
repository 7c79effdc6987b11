// Writes a picture of every dialog, so that their layout can be looked at:
//   qel_dialog_gallery OUT_FOLDER [NAME]
// Run it with QT_SCALE_FACTOR=2 as well to see a high-resolution screen. Each dialog is shown
// with the settings of a fresh installation and an empty document.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/qt/key_dlg.h"
#include "support/render_world.h"

namespace {

using qel::test::RenderWorld;

struct Entry {
  const char* name;
  // Builds the dialog from the world; models it needs live in `keep`.
  std::function<std::unique_ptr<QDialog>(RenderWorld&, std::vector<std::shared_ptr<void>>& keep)>
      make;
};

const std::vector<Entry>& Gallery() {
  static const std::vector<Entry> entries = {
      {"key",
       [](RenderWorld& world, std::vector<std::shared_ptr<void>>& keep) {
         auto model = std::make_shared<qel::KeyBehaviourModel>(world.settings);
         keep.push_back(model);
         return std::make_unique<qel::CKeyDlg>(*model);
       }},
  };
  return entries;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: qel_dialog_gallery OUT_FOLDER [NAME]\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  const double scale = QGuiApplication::primaryScreen()->devicePixelRatio();
  int written = 0;
  for (const Entry& entry : Gallery()) {
    if (argc > 2 && std::string(argv[2]) != entry.name) continue;
    RenderWorld world;
    std::vector<std::shared_ptr<void>> keep;
    std::unique_ptr<QDialog> dialog = entry.make(world, keep);
    dialog->show();
    QApplication::processEvents();
    const QString file = QString("%1/%2@%3x.png").arg(folder, entry.name).arg(scale);
    if (!dialog->grab().save(file)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
      return 1;
    }
    std::printf("%s\n", qPrintable(file));
    ++written;
  }
  return written > 0 ? 0 : 1;
}
