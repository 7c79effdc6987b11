// The font dialog shown with QFontDialog.
#pragma once

#include "platform/font_chooser.h"

class QWidget;

namespace qel {

class QtFontChooser : public FontChooser {
 public:
  // `parent`: the window the dialog is modal to (nullptr: the application).
  explicit QtFontChooser(QWidget* parent = nullptr) : parent_(parent) {}
  void set_parent(QWidget* parent) { parent_ = parent; }

  // The dialog starts on the face the font resolves to here (a Windows face name is shown as
  // the font that stands in for it).
  std::optional<FontChoice> Choose(const FontChoice& initial) override;

 private:
  QWidget* parent_;
};

}  // namespace qel
