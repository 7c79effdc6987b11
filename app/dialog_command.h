// The one way a menu command runs a dialog over a model: build, show, store, tell, open again.
// Free of Qt, so that tests drive it with a scripted dialog; the widget is the `show` step.
#pragma once

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "dialogs/dialog_model.h"
#include "document/document.h"
#include "platform/prompts.h"
#include "settings/system_settings.h"

namespace qel {

// The steps of one dialog command, for a model `Model`.
template <typename Model>
struct DialogCommand {
  // Builds the model from what it edits as it stands now: called for every opening, so that a
  // dialog opened again shows what the earlier OK stored.
  std::function<Model()> load;
  // Shows the dialog over the model; true for OK (after the dialog's own checks), false for
  // Cancel.
  std::function<bool(Model&)> show;
  // After each OK's values were stored and told: what the command does besides (move the view,
  // repaint behind a dialog that may open again, keep a choice for the run).
  std::function<void(const Model&)> afterOk;
  // How many times in a row the dialog opens at most while its outcome asks to reopen.
  int mostOpenings = std::numeric_limits<int>::max();
};

namespace dialog_command_detail {

// The loop shared by both targets: `store` applies a confirmed model and returns its outcome.
// Returns whether any OK was pressed.
template <typename Model, typename Store>
bool RunOpenings(const DialogCommand<Model>& command, PromptService& reporter, Store store) {
  bool confirmed = false;
  for (int opening = 1; opening <= command.mostOpenings; ++opening) {
    Model model = command.load();
    if (!command.show(model)) break;
    confirmed = true;
    const ApplyOutcome outcome = store(model);
    ShowEach(reporter, outcome.notices);
    if (command.afterOk) command.afterOk(model);
    if (!outcome.reopen) break;
  }
  return confirmed;
}

}  // namespace dialog_command_detail

// A command over the document: every OK applies the model as the step `stepName`. A dialog
// opened again amends that step, so that the whole command is one step holding the values of
// the last OK; one opened again and cancelled leaves those of the earlier OK in effect. Returns
// whether the command changed the document.
template <typename Model>
requires DialogModel<Model, DocumentTables>
bool RunDocumentDialog(const DialogCommand<Model>& command, const std::string& stepName,
                       Document& document, PromptService& reporter) {
  bool changed = false;
  dialog_command_detail::RunOpenings(command, reporter, [&](Model& model) {
    if (changed) document.Undo();
    ApplyOutcome outcome;
    changed =
        document.Change(stepName, [&](DocumentTables& cells) { outcome = model.Apply(cells); });
    return outcome;
  });
  return changed;
}

// A command over the system settings: every OK applies the model to `settings`, then
// `afterOk` runs and `save` writes the settings file with what both left there. Returns whether
// OK was pressed.
template <typename Model>
requires DialogModel<Model, SystemSettings>
bool RunSettingsDialog(const DialogCommand<Model>& command, SystemSettings& settings,
                       const std::function<void()>& save, PromptService& reporter) {
  DialogCommand<Model> saving = command;
  saving.afterOk = [&command, &save](const Model& model) {
    if (command.afterOk) command.afterOk(model);
    if (save) save();
  };
  return dialog_command_detail::RunOpenings(
      saving, reporter, [&settings](Model& model) { return model.Apply(settings); });
}

}  // namespace qel
