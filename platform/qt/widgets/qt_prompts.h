// Message boxes shown with QMessageBox.
#pragma once

#include "platform/prompts.h"

class QWidget;

namespace qel {

class QtPrompts : public PromptService {
 public:
  // `parent`: the window the boxes are modal to (nullptr: the application), unless a modal
  // dialog is open: then they belong to it.
  explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
  void set_parent(QWidget* parent) { parent_ = parent; }

  PromptAnswer Show(const std::string& text, PromptButtons buttons) override;

 private:
  QWidget* parent_;
};

}  // namespace qel
