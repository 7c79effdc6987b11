// The standard-value dialog of one problem.
#include "dialogs/qt/standard_value_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qel {

CStandardValueDlg::CStandardValueDlg(StandardValueModel& model, PromptService& prompts,
                                     QWidget* parent)
    : QelDialog(parent), model_(model), prompts_(prompts) {
  setWindowTitle(Utf8(model_.WindowTitle()));
  StyleFields& f = model_.fields();

  auto* titles = new QGroupBox(Utf8("タイトルと表示位置の標準値設定"), this);
  auto* grid = new QGridLayout(titles);
  struct Row {
    TitleKind kind;
    const char* label;
    const char* spoken;
    const char* topName;
    std::string* top;
  };
  const Row rows[] = {
      {TitleKind::Figure, "図　", "図", "figureTitleTop", &f.figureTitleTop},
      {TitleKind::Data, "形状データ　", "形状データ", "dataTitleTop", &f.dataTitleTop},
      {TitleKind::Result, "計算結果　", "計算結果", "resultTitleTop", &f.resultTitleTop},
  };
  for (int row = 0; row < 3; ++row) {
    const Row& r = rows[row];
    QComboBox* title = MakeEditableList(titles, TitleFieldName(r.kind), model_.TitleList(r.kind),
                                        34, Utf8(r.spoken) + Utf8(" タイトル"));
    QLineEdit* top =
        MakeNumberEdit(titles, r.topName, 4, true, Utf8(r.spoken) + Utf8(" 用紙上端からの位置 mm"));
    grid->addWidget(MakeLabel(titles, r.label, title), row, 0);
    grid->addWidget(title, row, 1);
    grid->addWidget(MakeLabel(titles, "用紙上端から"), row, 2);
    grid->addWidget(top, row, 3);
    grid->addWidget(MakeLabel(titles, "mm　"), row, 4);
    bindings_.Text(title, &TitleOf(f, r.kind));
    bindings_.Text(top, r.top);
  }
  QLineEdit* left = MakeNumberEdit(titles, "titleLeft", 4, true, Utf8("用紙左端からの位置 mm"));
  auto* centred = new QCheckBox(Utf8("中央"), titles);
  centred->setObjectName("titleCentered");
  centred->setAccessibleDescription(Utf8("タイトルを用紙の左右中央に置く"));
  auto* leftRow = new QHBoxLayout;
  leftRow->addStretch();
  leftRow->addWidget(centred);
  leftRow->addSpacing(16);
  leftRow->addWidget(MakeLabel(titles, "用紙左端から", left));
  grid->addLayout(leftRow, 3, 0, 1, 3);
  grid->addWidget(left, 3, 3);
  grid->addWidget(MakeLabel(titles, "mm　"), 3, 4);
  bindings_.Text(left, &f.titleLeft);
  bindings_.Check(centred, &f.titleCentered);
  bindings_.Rule([this, left] { left->setEnabled(model_.titleLeftEnabled()); });

  auto* gridBox = new QGroupBox(Utf8("グリッドの標準値設定 "), this);
  auto* gridLayout = new QGridLayout(gridBox);
  struct Extent {
    const char* label;
    std::string* values[3];
    const char* names[3];
  };
  const Extent extents[] = {
      {"横方向 x", {&f.gridFromX, &f.gridToX, &f.gridStepX}, {"gridFromX", "gridToX", "gridStepX"}},
      {"縦方向 y、z",
       {&f.gridFromY, &f.gridToY, &f.gridStepY},
       {"gridFromY", "gridToY", "gridStepY"}},
  };
  const char* const words[] = {"から", "まで", "きざみ"};
  for (int row = 0; row < 2; ++row) {
    const Extent& e = extents[row];
    QLineEdit* first = nullptr;
    for (int i = 0; i < 3; ++i) {
      QLineEdit* field = MakeNumberEdit(gridBox, e.names[i], 6, false,
                                        Utf8(e.label) + " " + Utf8(words[i]) + Utf8(" ｍ"));
      if (first == nullptr) first = field;
      gridLayout->addWidget(field, row, 1 + 2 * i);
      auto* unit = new QLabel(Utf8("ｍ ") + Utf8(words[i]), gridBox);
      gridLayout->addWidget(unit, row, 2 + 2 * i);
      bindings_.Text(field, e.values[i]);
    }
    gridLayout->addWidget(MakeLabel(gridBox, e.label, first), row, 0);
  }

  // Spare width goes to the right, so that the fields stay next to their words.
  gridLayout->setColumnStretch(7, 1);

  auto* factory = new QPushButton(Utf8("初期設定値"), this);
  factory->setObjectName("factoryValues");
  connect(factory, &QPushButton::clicked, this, [this] {
    model_.ApplyFactoryValues();
    bindings_.Refresh();
  });
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(factory);
  bottom->addStretch();
  bottom->addWidget(MakeOkCancel());

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MakeLabel(this, model_.MenuNote().c_str()));
  layout->addWidget(titles);
  layout->addWidget(gridBox);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  bindings_.RefreshAfterEdits();
  bindings_.Refresh();
}

bool CStandardValueDlg::Commit() {
  return Accepts(model_.Validate(), prompts_);
}

}  // namespace qel
