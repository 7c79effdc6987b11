// The stages dialog: the table of the fill's construction stages with rows added and removed,
// the loading and consolidation rules chosen from lists, and the secondary compression and
// residual period fields.
#include "dialogs/qt/soil_stages_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <functional>
#include <utility>

#include "dialogs/qt/refusing_validator.h"

namespace qel {

namespace {

constexpr SoilStageColumn kColumns[] = {SoilStageColumn::kStart, SoilStageColumn::kEnd,
                                        SoilStageColumn::kFraction};

// A list of choices whose items carry the codes of the section's line.
QComboBox* Choice(QWidget* parent, const char* name, const std::vector<std::string>& codes,
                  const std::vector<const char*>& texts, const std::string& chosen) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (std::size_t i = 0; i < codes.size(); ++i)
    box->addItem(QString::fromUtf8(texts[i]), QString::fromStdString(codes[i]));
  box->setCurrentIndex(box->findData(QString::fromStdString(chosen)));
  return box;
}

}  // namespace

CSoilStagesDlg::CSoilStagesDlg(SoilStagesModel& model, PromptService& prompts, QWidget* parent)
    : QelDialog(parent), model_(model), prompts_(prompts) {
  setWindowTitle(QString::fromUtf8("地盤 > 施工段階・圧密計算"));
  const SoilStagesFields& fields = model_.fields();

  table_ = new QTableWidget(0, 4, this);
  table_->setObjectName("stages");
  table_->setAccessibleName(QString::fromUtf8("施工段階の表"));
  table_->setHorizontalHeaderLabels({QString::fromUtf8("No."), QString::fromUtf8("開始日"),
                                     QString::fromUtf8("終了日"), QString::fromUtf8("荷重の割合")});
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(22);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  // Tab leaves the table for the next field; the arrow keys move between its cells.
  table_->setTabKeyNavigation(false);
  table_->setMinimumSize(360, 200);
  add_ = new QPushButton(QString::fromUtf8("行の追加(&A)"), this);
  add_->setObjectName("addStage");
  auto* remove = new QPushButton(QString::fromUtf8("行の削除(&R)"), this);
  remove->setObjectName("removeStage");
  connect(add_, &QPushButton::clicked, this, [this] {
    if (!model_.AddStage()) return;
    ShowStages();
    table_->setCurrentCell(table_->rowCount() - 1, 1);
    table_->setFocus();
  });
  connect(remove, &QPushButton::clicked, this, [this] {
    const int row = table_->currentRow();
    if (row < 0) return;
    model_.RemoveStage(row);
    ShowStages();
    if (table_->rowCount() > 0) table_->setCurrentCell(std::min(row, table_->rowCount() - 1), 1);
  });
  ShowStages();
  connect(table_, &QTableWidget::cellChanged, this, &CSoilStagesDlg::OnCellEdited);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(add_);
  buttons->addWidget(remove);
  buttons->addStretch(1);
  auto* stageRow = new QHBoxLayout;
  stageRow->addWidget(table_, 1);
  stageRow->addLayout(buttons);
  auto* stageBox = new QGroupBox(QString::fromUtf8("盛土の施工段階"), this);
  auto* stageLayout = new QVBoxLayout(stageBox);
  stageLayout->addLayout(stageRow);
  auto* stageNote = new QLabel(
      QString::fromUtf8("日数は載荷開始からの日。荷重の割合はその段階の終わりまでの累計で、\n"
                        "0 より大きく 1 以下、段階ごとに増やします (%1 段階まで)。\n"
                        "段階がなければ全荷重を 0 日に載荷します。")
          .arg(SoilStagesModel::kMostStages),
      stageBox);
  stageLayout->addWidget(stageNote);

  auto* form = new QFormLayout;
  auto* timeLoad = Choice(this, "timeLoad", SoilStagesModel::TimeLoadCodes(),
                          {"漸増載荷（厳密解）", "テルツァーギの補正"}, model_.TimeLoad());
  connect(timeLoad, &QComboBox::currentIndexChanged, this, [this, timeLoad](int) {
    model_.SetTimeLoad(timeLoad->currentData().toString().toStdString());
  });
  form->addRow(QString::fromUtf8("載荷の扱い(&T)"), timeLoad);
  auto* consolidation = Choice(this, "consolidation", SoilStagesModel::ConsolidationCodes(),
                               {"層ごと", "換算層厚法", "多層連成"}, model_.Consolidation());
  connect(consolidation, &QComboBox::currentIndexChanged, this, [this, consolidation](int) {
    model_.SetConsolidation(consolidation->currentData().toString().toStdString());
  });
  form->addRow(QString::fromUtf8("圧密の計算(&C)"), consolidation);
  const auto field = [&](const char* name, const std::string& text, const char* label,
                         const char* placeholder, std::function<void(const std::string&)> set) {
    auto* edit = new QLineEdit(QString::fromStdString(text), this);
    edit->setObjectName(name);
    edit->setPlaceholderText(QString::fromUtf8(placeholder));
    edit->setAccessibleName(QString::fromUtf8(label));
    SetEntryValidator(edit, RefusingValidator::Kind::Number);
    connect(edit, &QLineEdit::textChanged, this,
            [set = std::move(set)](const QString& now) { set(now.toStdString()); });
    form->addRow(QString::fromUtf8(label), edit);
  };
  field("secondary", fields.secondary, "二次圧密の開始 U(&U)", "0.95",
        [this](const std::string& text) { model_.SetSecondary(text); });
  field("paving", fields.paving, "供用開始日 (日)(&P)", "なし",
        [this](const std::string& text) { model_.SetPaving(text); });
  field("service", fields.service, "供用期間 (日)(&L)", "3650",
        [this](const std::string& text) { model_.SetService(text); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(stageBox, 1);
  layout->addLayout(form);
  layout->addWidget(new QLabel(
      QString::fromUtf8("二次圧密は圧密度 U に達した時点から始まります (空欄で 0.95)。\n"
                        "供用開始日を入れると、その日から供用期間の残留沈下を求めます。"),
      this));
  layout->addWidget(MakeOkCancel());
  OpenAtSizeThenResizable(table_, QSize(360, 160));
}

void CSoilStagesDlg::ShowStages() {
  filling_ = true;
  const std::vector<SoilStageRow>& stages = model_.fields().stages;
  table_->setRowCount(static_cast<int>(stages.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const SoilStageRow& stage = stages[row];
    const std::string* cells[] = {&stage.start, &stage.end, &stage.fraction};
    auto* number = new QTableWidgetItem(QString::fromStdString(model_.StageNumber(row)));
    number->setFlags(Qt::ItemIsEnabled);
    number->setTextAlignment(Qt::AlignCenter);
    number->setBackground(palette().window());
    table_->setItem(row, 0, number);
    for (int column = 1; column < 4; ++column)
      table_->setItem(row, column,
                      new QTableWidgetItem(QString::fromStdString(*cells[column - 1])));
  }
  add_->setEnabled(table_->rowCount() < SoilStagesModel::kMostStages);
  filling_ = false;
}

void CSoilStagesDlg::OnCellEdited(int row, int column) {
  if (filling_ || column < 1) return;
  model_.SetStageCell(row, kColumns[column - 1], table_->item(row, column)->text().toStdString());
  // The cell shows the text as kept (half-width), and the numbers follow the rows now filled.
  filling_ = true;
  const SoilStageRow& stage = model_.fields().stages[row];
  const std::string* cells[] = {&stage.start, &stage.end, &stage.fraction};
  table_->item(row, column)->setText(QString::fromStdString(*cells[column - 1]));
  for (int other = 0; other < table_->rowCount(); ++other)
    table_->item(other, 0)->setText(QString::fromStdString(model_.StageNumber(other)));
  filling_ = false;
}

bool CSoilStagesDlg::Commit() {
  if (Accepts(model_.Validate(), prompts_)) return true;
  // A stage's fault: its row becomes the current one, ready to be corrected.
  if (const std::optional<int> row = model_.FaultRow()) table_->setCurrentCell(*row, 1);
  return false;
}

}  // namespace qel
