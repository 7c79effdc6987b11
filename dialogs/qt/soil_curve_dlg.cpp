// The curve dialog: the list of curves, the points of the chosen one (typed or pasted from the
// clipboard) and its graph of e against log p.
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/qt/soil_curve_dlg.h"
#include "dialogs/qt/soil_sketch_widgets.h"
#include "platform/prompts.h"

namespace qel {

CSoilCurveDlg::CSoilCurveDlg(SoilCurveModel& model, PromptService& prompts, QWidget* parent)
    : QelDialog(parent, EnterKeyMode::PressOk), model_(model), prompts_(prompts) {
  setWindowTitle(QString::fromUtf8("地盤 > e-log p 曲線"));
  curves_ = new QListWidget(this);
  curves_->setObjectName("curves");
  curves_->setAccessibleName(QString::fromUtf8("曲線の一覧"));
  for (int slot = 0; slot < SoilCurveModel::kSlots; ++slot)
    curves_->addItem(QString());
  curves_->setFixedWidth(150);

  table_ = new QTableWidget(SoilCurveModel::kMostPoints, 2, this);
  table_->setObjectName("points");
  table_->setAccessibleName(QString::fromUtf8("曲線の点"));
  table_->setHorizontalHeaderLabels({QString::fromUtf8("p"), QString::fromUtf8("e")});
  table_->verticalHeader()->setDefaultSectionSize(22);
  table_->installEventFilter(this);
  for (int row = 0; row < SoilCurveModel::kMostPoints; ++row)
    for (int column = 0; column < 2; ++column)
      table_->setItem(row, column, new QTableWidgetItem);
  connect(table_, &QTableWidget::cellChanged, this, [this](int row, int column) {
    if (filling_) return;
    model_.SetCell(slot_, row, column, table_->item(row, column)->text().toStdString());
    ShowCurve(slot_);
  });

  graph_ = new SoilCurveView(this);
  auto* paste = new QPushButton(QString::fromUtf8("貼り付け(&V)"), this);
  paste->setObjectName("paste");
  connect(paste, &QPushButton::clicked, this,
          [this] { PasteText(QApplication::clipboard()->text().toStdString()); });

  auto* pointsColumn = new QVBoxLayout;
  pointsColumn->addWidget(table_, 1);
  pointsColumn->addWidget(paste);
  auto* body = new QHBoxLayout;
  body->addWidget(curves_);
  body->addLayout(pointsColumn);
  body->addWidget(graph_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(new QLabel(
      QString::fromUtf8("曲線は %1 本、点は %2 個まで。p は増え e は減る順に入力します。\n"
                        "表計算ソフトなどからコピーした「p, e」の行を貼り付けられます。\n"
                        "* は土層が使っている曲線です。")
          .arg(SoilCurveModel::kSlots)
          .arg(SoilCurveModel::kMostPoints),
      this));
  layout->addWidget(MakeOkCancel());
  connect(curves_, &QListWidget::currentRowChanged, this, [this](int slot) {
    if (slot >= 0) ShowCurve(slot);
  });
  ShowCurveNames();
  curves_->setCurrentRow(0);
  ShowCurve(0);
  resize(760, 520);
}

void CSoilCurveDlg::ShowCurveNames() {
  for (int slot = 0; slot < SoilCurveModel::kSlots; ++slot) {
    QString name = QString::fromUtf8("曲線 %1").arg(slot + 1);
    const std::size_t count = model_.points(slot).size();
    if (count) name += QString::fromUtf8(" (%1 点)").arg(count);
    if (model_.UsedByLayer(slot)) name += QString::fromUtf8(" *");
    curves_->item(slot)->setText(name);
  }
}

void CSoilCurveDlg::ShowCurve(int slot) {
  slot_ = slot;
  filling_ = true;
  const SoilCurvePoints& points = model_.points(slot);
  for (int row = 0; row < SoilCurveModel::kMostPoints; ++row) {
    const bool has = static_cast<std::size_t>(row) < points.size();
    table_->item(row, 0)->setText(has ? QString::fromStdString(points[row].first) : QString());
    table_->item(row, 1)->setText(has ? QString::fromStdString(points[row].second) : QString());
  }
  filling_ = false;
  graph_->SetPoints(SoilCurveGraphPoints(points));
  ShowCurveNames();
}

void CSoilCurveDlg::PasteText(const std::string& text) {
  const int row = std::max(0, table_->currentRow());
  if (const std::optional<std::string> error = model_.Paste(slot_, row, text)) {
    prompts_.Show(*error, PromptButtons::Ok);
    return;
  }
  ShowCurve(slot_);
}

bool CSoilCurveDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
    PasteText(QApplication::clipboard()->text().toStdString());
    return true;
  }
  return QelDialog::eventFilter(watched, event);
}

bool CSoilCurveDlg::Commit() {
  return Accepts(model_.Validate(), prompts_);
}

}  // namespace qel
