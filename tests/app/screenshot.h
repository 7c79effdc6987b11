// Pictures of the window for people to look at, and a measure of what a picture shows.
#pragma once

#include <QDir>
#include <QImage>
#include <QRect>
#include <QString>

namespace qel::test {

// Saves `image` as <QEL_SCREENSHOT_DIR>/<name>.png when that variable names a folder, for people
// to look at.
inline void SaveScreenshot(const QImage& image, const QString& name) {
  const QString folder = qEnvironmentVariable("QEL_SCREENSHOT_DIR");
  if (folder.isEmpty()) return;
  QDir().mkpath(folder);
  image.save(folder + "/" + name + ".png");
}

// The number of pixels of `image` inside `area` that are not white.
inline int InkedPixels(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      count += image.pixel(x, y) != qRgb(255, 255, 255);
  return count;
}

}  // namespace qel::test
