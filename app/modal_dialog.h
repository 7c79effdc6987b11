// The Qt edge of a dialog command: a dialog widget over a model, shown modally.
#pragma once

#include <QDialog>
#include <utility>

namespace qel {

// Builds `Dialog` over `model` (with the rest of its constructor's arguments), shows it and
// returns whether it closed with OK: the `show` step of a DialogCommand.
template <typename Dialog, typename Model, typename... Args>
bool ExecModal(Model& model, Args&&... args) {
  Dialog dialog(model, std::forward<Args>(args)...);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace qel
