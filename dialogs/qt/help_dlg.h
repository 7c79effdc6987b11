// The help dialog ("操作＆ヘルプ"): the help text of the data folder, "開いて印刷" to open it in
// the desktop's editor, and pictures of the basic formulas.
#pragma once

#include <QWidget>

#include "dialogs/help_model.h"
#include "dialogs/qt/qel_dialog.h"

namespace qel {

class FileOpener;
class PromptService;

// A small drawing that explains one kind of load: a strip load's cross-section with its angles,
// or a rectangle and a circle in plan with a calculation point.
class HelpPicture : public QWidget {
  Q_OBJECT

 public:
  enum class Kind { StripSection, RectCircle };
  explicit HelpPicture(Kind kind, QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Kind kind_;
};

class CHelpDlg : public QelDialog {
  Q_OBJECT

 public:
  CHelpDlg(const HelpModel& model, PromptService& prompts, FileOpener& opener,
           QWidget* parent = nullptr);

 private:
  const HelpModel& model_;
  PromptService& prompts_;
  FileOpener& opener_;
};

}  // namespace qel
