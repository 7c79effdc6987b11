// Icons drawn from the program's SVG files.
#include "app/svg_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resources live in a static library, so they are registered by hand.
static void InitQelAppResources() {
  Q_INIT_RESOURCE(qel_app);
}

namespace qel {

void InitIconResources() {
  static const bool done = (InitQelAppResources(), true);
  (void)done;
}

QIcon SvgIcon(const QString& name) {
  InitIconResources();
  QSvgRenderer renderer(QString(":/icons/%1.svg").arg(name));
  QIcon icon;
  if (!renderer.isValid()) return icon;
  for (int size : {16, 20, 24, 32, 40, 48, 64, 96, 128, 256}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace qel
