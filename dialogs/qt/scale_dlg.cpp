// The scale dialog of one problem's figure.
#include "dialogs/qt/scale_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qel {

CScaleDlg::CScaleDlg(ScaleModel& model, PromptService& prompts, QWidget* parent)
    : QelDialog(parent), model_(model), prompts_(prompts) {
  setWindowTitle(Utf8(model_.WindowTitle()));
  ScaleFields& f = model_.fields();

  // The denominators; leaving one fills the range with what a page holds at that scale.
  auto* scales = new QGroupBox(Utf8(ScaleModel::ScaleGroupLabel()), this);
  auto* scaleGrid = new QGridLayout(scales);
  QLineEdit* scaleY = MakeNumberEdit(scales, "scaleY", 6, true, Utf8("縮尺 Ｙ（縦） 1/"));
  QLineEdit* scaleX = MakeNumberEdit(scales, "scaleX", 6, true, Utf8("縮尺 Ｘ（横） 1/"));
  scaleGrid->addWidget(MakeLabel(scales, "Ｙ（縦） (&Y) ", scaleY), 0, 0);
  scaleGrid->addWidget(scaleY, 0, 1);
  scaleGrid->addWidget(MakeLabel(scales, "Ｘ（横） (&X) ", scaleX), 1, 0);
  scaleGrid->addWidget(scaleX, 1, 1);
  bindings_.Text(scaleY, &f.scaleY);
  bindings_.Text(scaleX, &f.scaleX);
  // A scale that gives no range keeps the focus, so that the user corrects it.
  OnLeaveAfterEdit(scaleX, [this, scaleX] {
    if (!model_.LeaveScaleX(prompts_)) scaleX->setFocus();
    bindings_.Refresh();
  });
  OnLeaveAfterEdit(scaleY, [this, scaleY] {
    if (!model_.LeaveScaleY(prompts_)) scaleY->setFocus();
    bindings_.Refresh();
  });

  // The paper and the metres of the model one page holds.
  auto* page = new QGroupBox(Utf8("用紙と１ページの表示範囲"), this);
  auto* pageGrid = new QGridLayout(page);
  QLineEdit* paperHeight = MakeDisplay(page, "paperHeight", 5, Utf8("用紙 Ｙ（縦） mm"));
  QLineEdit* pageMetresY = MakeDisplay(page, "pageMetresY", 5, Utf8("１ページ Ｙ（縦） m"));
  QLineEdit* paperWidth = MakeDisplay(page, "paperWidth", 5, Utf8("用紙 Ｘ（横） mm"));
  QLineEdit* pageMetresX = MakeDisplay(page, "pageMetresX", 5, Utf8("１ページ Ｘ（横） m"));
  pageGrid->addWidget(MakeLabel(page, "Ｙ（縦）", paperHeight), 0, 0);
  pageGrid->addWidget(paperHeight, 0, 1);
  pageGrid->addWidget(MakeLabel(page, "mm"), 0, 2);
  pageGrid->addWidget(pageMetresY, 1, 1);
  pageGrid->addWidget(MakeLabel(page, "m"), 1, 2);
  pageGrid->addWidget(MakeLabel(page, "Ｘ（横）", paperWidth), 0, 3);
  pageGrid->addWidget(paperWidth, 0, 4);
  pageGrid->addWidget(MakeLabel(page, "mm"), 0, 5);
  pageGrid->addWidget(pageMetresX, 1, 4);
  pageGrid->addWidget(MakeLabel(page, "m"), 1, 5);
  bindings_.Derived(paperHeight, [this] { return QString::number(model_.paperHeightMm()); });
  bindings_.Derived(paperWidth, [this] { return QString::number(model_.paperWidthMm()); });
  bindings_.Derived(pageMetresY, [this] { return QString::number(model_.PageMetresY()); });
  bindings_.Derived(pageMetresX, [this] { return QString::number(model_.PageMetresX()); });

  // The print range.
  auto* range = new QGroupBox(Utf8("印刷範囲"), this);
  auto* rangeGrid = new QGridLayout(range);
  struct Row {
    const char* label;
    const char* name;
    std::string* value;  // nullptr: the derived bottom Y
    const char* unit;
  };
  const Row rows[] = {
      {"上端のＹ座標", "topY", &f.topY, "ｍ"},
      {"Ｙ（縦）範囲　", "rangeY", &f.rangeY, "ｍ/頁"},
      {"下端のＹ座標", "bottomY", nullptr, "ｍ"},
      {"左端のＸ座標", "leftX", &f.leftX, "ｍ"},
      {"Ｘ（横）範囲", "rangeX", &f.rangeX, "ｍ/頁"},
      {"改ページ重複距離", "pageOverlap", &f.pageOverlap, "ｍ"},
  };
  for (int i = 0; i < 6; ++i) {
    const Row& r = rows[i];
    QLineEdit* field = r.value == nullptr
                           ? MakeDisplay(range, r.name, 7)
                           : MakeNumberEdit(range, r.name, 7, std::string(r.name) != "topY");
    rangeGrid->addWidget(MakeLabel(range, r.label, field), i, 0);
    rangeGrid->addWidget(field, i, 1);
    rangeGrid->addWidget(MakeLabel(range, r.unit), i, 2);
    if (r.value != nullptr)
      bindings_.Text(field, r.value);
    else
      bindings_.Derived(field, [this] { return Utf8(model_.BottomY()); });
  }

  auto* standard =
      MakeStandardValuesButton(this, bindings_, [this] { model_.ApplyStandardValues(); });

  auto* left = new QVBoxLayout;
  left->addWidget(scales);
  left->addWidget(page);
  left->addStretch();
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addWidget(range);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(standard);
  bottom->addStretch();
  bottom->addWidget(MakeOkCancel());
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  bindings_.RefreshAfterEdits();
  bindings_.Refresh();
}

bool CScaleDlg::Commit() {
  return Accepts(model_.Validate(), prompts_);
}

}  // namespace qel
