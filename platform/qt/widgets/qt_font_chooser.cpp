// The font dialog shown with QFontDialog.
#include "platform/qt/widgets/qt_font_chooser.h"

#include <QFontDialog>
#include <QFontInfo>

namespace qel {

std::optional<FontChoice> QtFontChooser::Choose(const FontChoice& initial) {
  QFont font(QString::fromStdString(initial.faceName));
  if (initial.pointSize > 0) font.setPointSizeF(initial.pointSize);
  font.setUnderline(initial.underline);
  // The list of the dialog holds the installed families only: start on the one in use.
  font.setFamily(QFontInfo(font).family());
  QFontDialog dialog(font, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QFont chosen = dialog.selectedFont();
  return FontChoice{chosen.family().toStdString(), chosen.pointSizeF(), chosen.underline()};
}

}  // namespace qel
