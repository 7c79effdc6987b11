// The layer dialog: the table of layers (methods and drainage chosen from lists, the cells a
// method does not use greyed) and the column sketch beside it.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/qt/soil_layer_dlg.h"
#include "dialogs/qt/soil_sketch_widgets.h"

namespace qel {

namespace {

QStringList ChoiceTexts(const std::vector<std::string>& texts) {
  QStringList list{QString()};
  for (const std::string& text : texts)
    list << QString::fromStdString(text);
  return list;
}

int ChoiceIndex(const std::string& code, const std::vector<std::string>& codes) {
  for (std::size_t i = 0; i < codes.size(); ++i)
    if (code == codes[i]) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace

CSoilLayerDlg::CSoilLayerDlg(SoilLayerModel& model, PromptService& prompts, QWidget* parent)
    : QelDialog(parent, EnterKeyMode::PressOk), model_(model), prompts_(prompts) {
  setWindowTitle(QString::fromUtf8("地盤 > 土層"));
  table_ = new QTableWidget(SoilLayerModel::kMostRows, kSoilColumnCount, this);
  table_->setObjectName("layers");
  table_->setAccessibleName(QString::fromUtf8("土層の表"));
  QStringList titles;
  for (int column = 0; column < kSoilColumnCount; ++column)
    titles << QString::fromStdString(SoilLayerColumnTitle(column, model_.unitSystem()));
  table_->setHorizontalHeaderLabels(titles);
  table_->verticalHeader()->setDefaultSectionSize(22);
  filling_ = true;
  for (int row = 0; row < SoilLayerModel::kMostRows; ++row) {
    for (int column = 0; column < kSoilColumnCount; ++column) {
      if (column == kSoilMethod || column == kSoilDrain) {
        auto* choice = new QComboBox(table_);
        const bool method = column == kSoilMethod;
        choice->setObjectName(QString(method ? "method%1" : "drain%1").arg(row + 1));
        choice->addItems(ChoiceTexts(method ? SoilMethodTexts() : SoilDrainTexts()));
        table_->setCellWidget(row, column, choice);
        connect(choice, &QComboBox::currentIndexChanged, this, [this, row, column, method](int i) {
          if (filling_) return;
          const std::vector<std::string>& codes = method ? SoilMethodCodes() : SoilDrainCodes();
          model_.SetCell(row, column, i > 0 ? codes[i - 1] : std::string());
          ShowRow(row);
        });
      } else {
        table_->setItem(row, column, new QTableWidgetItem);
      }
    }
    ShowRow(row);
  }
  filling_ = false;
  table_->resizeColumnsToContents();
  connect(table_, &QTableWidget::cellChanged, this, &CSoilLayerDlg::OnCellEdited);

  sketch_ = new SoilColumnView(this);
  sketch_->SetInput(model_.Sketch());

  auto* body = new QHBoxLayout;
  body->addWidget(table_, 1);
  body->addWidget(sketch_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(
      new QLabel(QString::fromUtf8(
                     "地表から下へ 1 行に 1 層 (%1 層まで)。灰色の欄はその計算方法では使いません。")
                     .arg(SoilLayerModel::kMostRows),
                 this));
  layout->addWidget(MakeOkCancel());
  OpenAtSizeThenResizable(table_, QSize(480, 200));
  resize(1100, 520);
}

void CSoilLayerDlg::ShowRow(int row) {
  const bool was = filling_;
  filling_ = true;
  const SoilLayerRow empty{};
  const auto& rows = model_.rows();
  const SoilLayerRow& cells = static_cast<std::size_t>(row) < rows.size() ? rows[row] : empty;
  for (int column = 0; column < kSoilColumnCount; ++column) {
    const bool used = SoilColumnUsed(cells[kSoilMethod], column);
    if (auto* choice = qobject_cast<QComboBox*>(table_->cellWidget(row, column))) {
      const bool method = column == kSoilMethod;
      choice->setCurrentIndex(
          ChoiceIndex(cells[column], method ? SoilMethodCodes() : SoilDrainCodes()));
      choice->setEnabled(used || !cells[column].empty());
      continue;
    }
    QTableWidgetItem* item = table_->item(row, column);
    item->setText(QString::fromStdString(cells[column]));
    item->setBackground(used ? palette().base() : palette().window());
    item->setToolTip(used ? QString() : QString::fromUtf8("この計算方法では使いません"));
  }
  filling_ = was;
}

void CSoilLayerDlg::OnCellEdited(int row, int column) {
  if (filling_) return;
  model_.SetCell(row, column, table_->item(row, column)->text().toStdString());
  ShowRow(row);
  sketch_->SetInput(model_.Sketch());
}

bool CSoilLayerDlg::Commit() {
  return Accepts(model_.Validate(), prompts_);
}

}  // namespace qel
