// The page dialog of one problem ("帯状荷重 > ページ", "長方形円形荷重 > ページ"): the page-number
// text of each display and where it stands on the paper.
#pragma once

#include "dialogs/page_model.h"
#include "dialogs/qt/dialog_fields.h"
#include "dialogs/qt/qel_dialog.h"

namespace qel {

class PromptService;

class CPageDlg : public QelDialog {
  Q_OBJECT

 public:
  CPageDlg(PageModel& model, PromptService& prompts, QWidget* parent = nullptr);

 protected:
  // Refuses texts a data file cannot hold; a distance beyond the paper is said and accepted.
  bool Commit() override;

 private:
  PageModel& model_;
  PromptService& prompts_;
  FieldBindings bindings_;
};

}  // namespace qel
