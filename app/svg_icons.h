// Icons drawn from the program's SVG files, sharp at every size and screen scale.
#pragma once

#include <QIcon>
#include <QString>

namespace qel {

// The icon of the SVG resource ":/icons/<name>.svg", rendered at the usual tool bar and window
// icon sizes and at twice and three times them for high-DPI screens.
QIcon SvgIcon(const QString& name);

// Makes the icon resources of the program available; called before the first SvgIcon.
void InitIconResources();

}  // namespace qel
