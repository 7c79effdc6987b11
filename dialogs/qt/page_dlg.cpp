// The page dialog of one problem.
#include "dialogs/qt/page_dlg.h"

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

namespace {

struct RowText {
  PageRow row;
  const char* label;
};
constexpr RowText kRows[] = {
    {PageRow::Figure, "図"}, {PageRow::Data, "データ"}, {PageRow::Result, "計算結果"}};

}  // namespace

CPageDlg::CPageDlg(PageModel& model, PromptService& prompts, QWidget* parent)
    : QelDialog(parent), model_(model), prompts_(prompts) {
  setWindowTitle(Utf8(model_.WindowTitle()));
  PageFields& f = model_.fields();

  auto* texts = new QWidget(this);
  auto* grid = new QGridLayout(texts);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(MakeLabel(texts, "前文字"), 0, 1);
  grid->addWidget(MakeLabel(texts, "頁(開始頁)"), 0, 2);
  grid->addWidget(MakeLabel(texts, "後文字"), 0, 3);
  grid->addWidget(MakeLabel(texts, "サンプル"), 0, 4);
  for (int i = 0; i < 3; ++i) {
    const PageRow row = kRows[i].row;
    const QString spoken = Utf8(kRows[i].label);
    PageText& t = model_.row(row);
    QComboBox* prefix =
        MakeEditableList(texts, PageModel::FieldName(row, "PagePrefix"),
                         PageModel::PrefixSuggestions(), 8, spoken + Utf8(" 前文字"));
    const std::string pageName = PageModel::FieldName(row, "StartPage");
    QLineEdit* number =
        MakeNumberEdit(texts, pageName.c_str(), 4, true, spoken + Utf8(" 頁(開始頁)"));
    QComboBox* suffix =
        MakeEditableList(texts, PageModel::FieldName(row, "PageSuffix"),
                         PageModel::SuffixSuggestions(), 8, spoken + Utf8(" 後文字"));
    const std::string sampleName = PageModel::FieldName(row, "Sample");
    QLineEdit* sample = MakeDisplay(texts, sampleName.c_str(), 10, spoken + Utf8(" サンプル"));
    sample->setAlignment(Qt::AlignCenter);
    grid->addWidget(MakeLabel(texts, kRows[i].label, prefix), i + 1, 0);
    grid->addWidget(prefix, i + 1, 1);
    grid->addWidget(number, i + 1, 2);
    grid->addWidget(suffix, i + 1, 3);
    grid->addWidget(sample, i + 1, 4);
    bindings_.Text(prefix, &t.prefix);
    bindings_.Text(number, &t.startPage);
    bindings_.Text(suffix, &t.suffix);
    bindings_.Derived(sample, [this, row] { return Utf8(model_.Sample(row)); });
    OnLeaveAfterEdit(prefix, [this, row] {
      model_.LeavePrefix(row);
      bindings_.Refresh();
    });
  }

  auto* place = new QGroupBox(Utf8("表示位置"), this);
  auto* placeGrid = new QGridLayout(place);
  QLineEdit* top = MakeNumberEdit(place, "pageTextTop", 5, true, Utf8("上端から mm"));
  QLineEdit* left = MakeNumberEdit(place, "pageTextLeft", 5, true, Utf8("左端から mm"));
  auto* centred = new QCheckBox(Utf8("左右中央"), place);
  centred->setObjectName("pageTextCentered");
  placeGrid->addWidget(MakeLabel(place, "用紙上下端からの距離 mm"), 0, 0, 1, 4);
  placeGrid->addWidget(MakeLabel(place, "上端から", top), 1, 0);
  placeGrid->addWidget(top, 1, 1);
  placeGrid->addWidget(MakeLabel(place, "左端から", left), 1, 2);
  placeGrid->addWidget(left, 1, 3);
  placeGrid->addWidget(centred, 1, 4);
  bindings_.Text(top, &f.top);
  bindings_.Text(left, &f.left);
  bindings_.Check(centred, &f.centered);
  bindings_.Rule([this, left] { left->setEnabled(model_.leftEnabled()); });

  auto* standard =
      MakeStandardValuesButton(this, bindings_, [this] { model_.ApplyStandardValues(); });
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(standard);
  bottom->addStretch();
  bottom->addWidget(MakeOkCancel());

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(texts);
  layout->addWidget(MakeLabel(this, "(付表-2) の様な表示ができます."));
  layout->addWidget(place);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  bindings_.RefreshAfterEdits();
  bindings_.Refresh();
}

bool CPageDlg::Commit() {
  return Accepts(model_.Validate(), prompts_);
}

}  // namespace qel
