// The title/style dialog of one problem.
#include "dialogs/qt/title_style_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qel {

namespace {

struct TitleRow {
  TitleKind kind;
  const char* label;
  const char* spokenName;  // the row's name in the accessible names of its fields
  const char* topName;
  const char* everyPageName;
};

constexpr TitleRow kTitleRows[] = {
    {TitleKind::Figure, "図　", "図", "figureTitleTop", "figureTitleEveryPage"},
    {TitleKind::Data, "形状データ　", "形状データ", "dataTitleTop", "dataTitleEveryPage"},
    {TitleKind::Result, "計算結果　", "計算結果", "resultTitleTop", "resultTitleEveryPage"},
};

}  // namespace

CTitleStyleDlg::CTitleStyleDlg(TitleStyleModel& model, PromptService& prompts, QWidget* parent)
    : QelDialog(parent), model_(model), prompts_(prompts) {
  setWindowTitle(Utf8(model_.WindowTitle()));
  TitleStyleFields& f = model_.fields();

  // The titles: text, distance from the paper's top edge, and whether later pages show it.
  auto* titles = new QGroupBox(Utf8("タイトル"), this);
  auto* grid = new QGridLayout(titles);
  grid->addWidget(MakeLabel(titles, "用紙上端から"), 0, 2, 1, 2);
  grid->addWidget(MakeLabel(titles, "2頁以後"), 0, 4);
  bool* everyPage[] = {&f.figureTitleEveryPage, &f.dataTitleEveryPage, &f.resultTitleEveryPage};
  std::string* tops[] = {&f.figureTitleTop, &f.dataTitleTop, &f.resultTitleTop};
  for (int row = 0; row < 3; ++row) {
    const TitleRow& r = kTitleRows[row];
    QComboBox* title =
        MakeEditableList(titles, TitleFieldName(r.kind), TitleSuggestions(model_.problem(), r.kind),
                         34, Utf8(r.spokenName) + Utf8(" タイトル"));
    QLineEdit* top = MakeNumberEdit(titles, r.topName, 4, true,
                                    Utf8(r.spokenName) + Utf8(" 用紙上端からの位置 mm"));
    auto* every = new QCheckBox(Utf8("表示する"), titles);
    every->setObjectName(r.everyPageName);
    every->setAccessibleDescription(Utf8(r.spokenName) + Utf8("のタイトルを2頁以後も表示する"));
    grid->addWidget(MakeLabel(titles, r.label, title), row + 1, 0);
    grid->addWidget(title, row + 1, 1);
    grid->addWidget(top, row + 1, 2);
    grid->addWidget(MakeLabel(titles, "の位置 mm"), row + 1, 3);
    grid->addWidget(every, row + 1, 4);
    bindings_.Text(title, &TitleOf(f, r.kind));
    bindings_.Text(top, tops[row]);
    bindings_.Check(every, everyPage[row]);
  }
  QLineEdit* left = MakeNumberEdit(titles, "titleLeft", 4, true);
  auto* centred = new QCheckBox(Utf8("中央"), titles);
  centred->setObjectName("titleCentered");
  centred->setAccessibleDescription(Utf8("タイトルを用紙の左右中央に置く"));
  auto* leftRow = new QHBoxLayout;
  leftRow->addWidget(MakeLabel(titles, "用紙左端からの位置", left));
  leftRow->addWidget(left);
  leftRow->addWidget(MakeLabel(titles, "mm"));
  leftRow->addSpacing(16);
  leftRow->addWidget(centred);
  leftRow->addStretch();
  grid->addLayout(leftRow, 4, 0, 1, 5);
  bindings_.Text(left, &f.titleLeft);
  bindings_.Check(centred, &f.titleCentered);
  bindings_.Rule([this, left] { left->setEnabled(model_.titleLeftEnabled()); });

  // The figure grid: its style and its extent in both directions.
  auto* gridBox = new QGroupBox(Utf8("図のグリッド"), this);
  auto* gridLayout = new QGridLayout(gridBox);
  auto* crosses = new QRadioButton(Utf8("＋印"), gridBox);
  crosses->setObjectName("gridCrosses");
  auto* lines = new QRadioButton(Utf8("縦横線"), gridBox);
  lines->setObjectName("gridLines");
  auto* styleRow = new QHBoxLayout;
  styleRow->addWidget(crosses);
  styleRow->addWidget(lines);
  styleRow->addStretch();
  gridLayout->addLayout(styleRow, 0, 0, 1, 7);
  bindings_.Choice({crosses, lines}, &f.gridStyle);
  struct Extent {
    const char* label;
    const char* spoken;
    std::string* from;
    std::string* to;
    std::string* step;
    const char* names[3];
  };
  const Extent extents[] = {
      {"横方向 x",
       "横方向 x",
       &f.gridFromX,
       &f.gridToX,
       &f.gridStepX,
       {"gridFromX", "gridToX", "gridStepX"}},
      {"縦方向 y",
       "縦方向 y",
       &f.gridFromY,
       &f.gridToY,
       &f.gridStepY,
       {"gridFromY", "gridToY", "gridStepY"}},
  };
  const char* const words[] = {"から", "まで", "きざみ"};
  for (int row = 0; row < 2; ++row) {
    const Extent& e = extents[row];
    std::string* values[] = {e.from, e.to, e.step};
    QLineEdit* first = nullptr;
    for (int i = 0; i < 3; ++i) {
      QLineEdit* field =
          MakeNumberEdit(gridBox, e.names[i], 6, false, Utf8(e.spoken) + " " + Utf8(words[i]));
      if (first == nullptr) first = field;
      gridLayout->addWidget(field, row + 1, 1 + 2 * i);
      gridLayout->addWidget(MakeLabel(gridBox, words[i]), row + 1, 2 + 2 * i);
      bindings_.Text(field, values[i]);
    }
    gridLayout->addWidget(MakeLabel(gridBox, e.label, first), row + 1, 0);
  }

  // Spare width goes to the right, so that the fields stay next to their words.
  gridLayout->setColumnStretch(7, 1);

  auto* trace = new QCheckBox(Utf8(model_.CalcTraceText()), this);
  trace->setObjectName("showCalcTrace");
  bindings_.Check(trace, &f.showCalcTrace);
  auto* notes = new QCheckBox(Utf8("注記"), this);
  notes->setObjectName("figureNotes");
  notes->setToolTip(Utf8("図に軸の値、縮尺、荷重の強度と計算点の値を書き込む"));
  notes->setAccessibleDescription(notes->toolTip());
  bindings_.Check(notes, &f.figureNotes);

  auto* standard =
      MakeStandardValuesButton(this, bindings_, [this] { model_.ApplyStandardValues(); });
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(standard, 0, Qt::AlignTop);
  bottom->addWidget(MakeLabel(this, "メニュー[設定]-\n[標準値] 画面\nの内容をコピー"));
  bottom->addStretch();
  bottom->addWidget(MakeOkCancel(), 0, Qt::AlignBottom);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(titles);
  layout->addWidget(gridBox);
  layout->addWidget(notes);
  layout->addWidget(trace);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  bindings_.RefreshAfterEdits();
  bindings_.Refresh();
}

bool CTitleStyleDlg::Commit() {
  return Accepts(model_.Validate(), prompts_);
}

}  // namespace qel
