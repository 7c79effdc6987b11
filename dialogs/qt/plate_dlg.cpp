// The settlement plates dialog: the table of plates, the readings of the chosen plate (typed
// or pasted, in a chosen unit, dates counted from day 0) and its fits.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "dialogs/qt/plate_dlg.h"
#include "platform/prompts.h"

namespace qel {

namespace {

// A table edited by typing: Tab leaves it for the next field (the arrows move between cells).
QTableWidget* MakeTable(QWidget* parent, const char* name, const char* accessible,
                        const QStringList& titles) {
  auto* table = new QTableWidget(0, static_cast<int>(titles.size()), parent);
  table->setObjectName(name);
  table->setAccessibleName(QString::fromUtf8(accessible));
  table->setHorizontalHeaderLabels(titles);
  table->setTabKeyNavigation(false);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->verticalHeader()->setDefaultSectionSize(22);
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

// Shows `rows` rows of cells, one more for typing a new row while there is room.
void ShowRows(QTableWidget* table, int rows, int most,
              const std::function<std::string(int, int)>& cell) {
  const int shown = std::min(rows + 1, most);
  table->setRowCount(shown);
  for (int row = 0; row < shown; ++row) {
    for (int column = 0; column < table->columnCount(); ++column) {
      if (table->cellWidget(row, column)) continue;
      QTableWidgetItem* item = table->item(row, column);
      if (!item) table->setItem(row, column, item = new QTableWidgetItem);
      item->setText(row < rows ? QString::fromStdString(cell(row, column)) : QString());
    }
  }
}

QLabel* Buddy(const char* text, QWidget* field, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setBuddy(field);
  return label;
}

}  // namespace

CPlateDlg::CPlateDlg(PlateModel& model, PromptService& prompts, QWidget* parent)
    : QelDialog(parent, EnterKeyMode::PressOk), model_(model), prompts_(prompts) {
  setWindowTitle(QString::fromUtf8("地盤 > 沈下板の実測値"));

  QStringList plateTitles, fitTitles;
  for (int column = 0; column < kPlateColumnCount; ++column)
    plateTitles << QString::fromStdString(PlateColumnTitle(column));
  for (int column = 0; column < kFitColumnCount; ++column)
    fitTitles << QString::fromStdString(PlateFitColumnTitle(column));
  plates_ = MakeTable(this, "plates", "沈下板の表", plateTitles);
  readings_ = MakeTable(this, "readings", "実測値の表", {QString(), QString()});
  fits_ = MakeTable(this, "fits", "予測の表", fitTitles);
  for (QTableWidget* table : {plates_, readings_, fits_})
    table->installEventFilter(this);

  auto* addPlate = new QPushButton(QString::fromUtf8("追加(&A)"), this);
  addPlate->setObjectName("addPlate");
  auto* removePlate = new QPushButton(QString::fromUtf8("削除(&D)"), this);
  removePlate->setObjectName("removePlate");
  unit_ = new QComboBox(this);
  unit_->setObjectName("unit");
  unit_->addItems({"m", "cm", "mm"});
  unit_->setCurrentIndex(static_cast<int>(model_.unit()));
  day0_ = new QLineEdit(QString::fromStdString(model_.day0()), this);
  day0_->setObjectName("day0");
  day0_->setPlaceholderText("YYYY-MM-DD");
  auto* paste = new QPushButton(QString::fromUtf8("貼り付け(&V)"), this);
  paste->setObjectName("paste");

  // The plates on the left, the chosen plate's readings and fits on the right.
  auto* platesBox =
      new QGroupBox(QString::fromUtf8("沈下板 (%1 枚まで)").arg(PlateModel::kMostPlates), this);
  auto* platesLayout = new QVBoxLayout(platesBox);
  platesLayout->addWidget(plates_, 1);
  auto* plateButtons = new QHBoxLayout;
  plateButtons->addWidget(addPlate);
  plateButtons->addWidget(removePlate);
  plateButtons->addStretch();
  platesLayout->addLayout(plateButtons);

  auto* readingsBox =
      new QGroupBox(QString::fromUtf8("実測値 (%1 個まで)").arg(PlateModel::kMostReadings), this);
  auto* readingsLayout = new QVBoxLayout(readingsBox);
  auto* readingFields = new QHBoxLayout;
  readingFields->addWidget(Buddy("単位(&U)", unit_, this));
  readingFields->addWidget(unit_);
  readingFields->addSpacing(12);
  readingFields->addWidget(Buddy("0 日の日付(&0)", day0_, this));
  readingFields->addWidget(day0_);
  readingFields->addStretch();
  readingsLayout->addLayout(readingFields);
  readingsLayout->addWidget(readings_, 1);
  auto* pasteRow = new QHBoxLayout;
  pasteRow->addWidget(paste);
  pasteRow->addStretch();
  readingsLayout->addLayout(pasteRow);

  auto* fitsBox =
      new QGroupBox(QString::fromUtf8("予測 (%1 個まで)").arg(PlateModel::kMostFits), this);
  auto* fitsLayout = new QVBoxLayout(fitsBox);
  fitsLayout->addWidget(fits_);

  auto* right = new QVBoxLayout;
  right->addWidget(readingsBox, 3);
  right->addWidget(fitsBox, 2);
  auto* body = new QHBoxLayout;
  body->addWidget(platesBox, 5);
  body->addLayout(right, 4);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(new QLabel(
      QString::fromUtf8(
          "日は 0 日からの日数、沈下量は下向きが正です。日付を入力すると 0 日の日付から数えます。\n"
          "表計算ソフトなどからコピーした「日 (日付), "
          "沈下量」の行を貼り付けると、選んだ沈下板の実測値を置き換えます。\n"
          "Δt は浅岡法だけに使います (空欄は 7 日)。Delete キーで選んだ行を削除します。"),
      this));
  layout->addWidget(MakeOkCancel());

  // Tab goes through the fields as they stand, left to right and top to bottom.
  QWidget* previous = plates_;
  for (QWidget* next : std::initializer_list<QWidget*>{addPlate, removePlate, unit_, day0_,
                                                       readings_, paste, fits_}) {
    setTabOrder(previous, next);
    previous = next;
  }

  connect(plates_, &QTableWidget::cellChanged, this, [this](int row, int column) {
    if (filling_) return;
    model_.SetPlateCell(row, column, plates_->item(row, column)->text().toStdString());
    ShowPlates();
    ShowPlate(row);
  });
  connect(plates_, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (!filling_ && row >= 0 && row != plate_) ShowPlate(row);
  });
  connect(readings_, &QTableWidget::cellChanged, this, [this](int row, int column) {
    if (filling_) return;
    model_.SetReadingCell(plate_, row, column, readings_->item(row, column)->text().toStdString());
    ShowReadings();
  });
  connect(fits_, &QTableWidget::cellChanged, this, [this](int row, int column) {
    if (filling_) return;
    model_.SetFitCell(plate_, row, column, fits_->item(row, column)->text().toStdString());
    ShowFits();
  });
  connect(addPlate, &QPushButton::clicked, this, [this] {
    if (const std::optional<int> row = model_.AddPlate()) {
      ShowPlates();
      plates_->setCurrentCell(*row, kPlateName);
      ShowPlate(*row);
    }
  });
  connect(removePlate, &QPushButton::clicked, this, [this] { RemoveCurrentRow(plates_); });
  connect(unit_, &QComboBox::currentIndexChanged, this, [this](int index) {
    model_.SetUnit(static_cast<ReadingUnit>(std::max(0, index)));
    ShowReadings();
  });
  connect(day0_, &QLineEdit::textChanged, this,
          [this](const QString& text) { model_.SetDay0(text.toStdString()); });
  connect(day0_, &QLineEdit::editingFinished, this, [this] {
    model_.LeaveDay0();
    day0_->setText(QString::fromStdString(model_.day0()));
    ShowReadings();
  });
  connect(paste, &QPushButton::clicked, this,
          [this] { PasteText(QApplication::clipboard()->text().toStdString()); });

  ShowPlates();
  ShowPlate(0);
  // Numbers get room for a few digits; the names and the settlements take what is left.
  const auto widths = [](QTableWidget* table, std::initializer_list<int> columns, int stretched) {
    int column = 0;
    for (const int width : columns)
      table->setColumnWidth(column++, width);
    table->horizontalHeader()->setStretchLastSection(false);
    table->horizontalHeader()->setSectionResizeMode(stretched, QHeaderView::Stretch);
  };
  widths(plates_, {44, 140, 80, 80, 70}, kPlateName);
  widths(readings_, {130, 110}, kReadingSettlement);
  widths(fits_, {110, 70, 70, 60}, kFitMethod);
  OpenAtSizeThenResizable(plates_, QSize(320, 160));
  resize(980, 560);
}

void CPlateDlg::ShowPlates() {
  filling_ = true;
  const std::vector<PlateEntry>& plates = model_.plates();
  ShowRows(plates_, static_cast<int>(plates.size()), PlateModel::kMostPlates,
           [&plates](int row, int column) { return plates[row].cells[column]; });
  filling_ = false;
}

void CPlateDlg::ShowPlate(int plate) {
  plate_ = plate;
  ShowReadings();
  ShowFits();
}

void CPlateDlg::ShowReadings() {
  filling_ = true;
  readings_->setHorizontalHeaderLabels(
      {QString::fromStdString(PlateReadingColumnTitle(kReadingDay, model_.unit())),
       QString::fromStdString(PlateReadingColumnTitle(kReadingSettlement, model_.unit()))});
  const bool has = plate_ < static_cast<int>(model_.plates().size());
  const int rows = has ? static_cast<int>(model_.plates()[plate_].readings.size()) : 0;
  ShowRows(readings_, rows, has ? PlateModel::kMostReadings : 0,
           [this](int row, int column) { return model_.ReadingCell(plate_, row, column); });
  filling_ = false;
}

void CPlateDlg::ShowFits() {
  filling_ = true;
  const bool has = plate_ < static_cast<int>(model_.plates().size());
  const std::vector<PlateFitRow> none;
  const std::vector<PlateFitRow>& fits = has ? model_.plates()[plate_].fits : none;
  const int rows = static_cast<int>(fits.size());
  const int shown = has ? std::min(rows + 1, PlateModel::kMostFits) : 0;
  fits_->setRowCount(shown);
  const std::vector<std::string>& codes = PlateFitMethodCodes();
  for (int row = 0; row < shown; ++row) {
    auto* method = qobject_cast<QComboBox*>(fits_->cellWidget(row, kFitMethod));
    if (!method) {
      method = new QComboBox(fits_);
      method->setObjectName(QString("fitMethod%1").arg(row + 1));
      method->addItem(QString());
      for (const std::string& text : PlateFitMethodTexts())
        method->addItem(QString::fromStdString(text));
      fits_->setCellWidget(row, kFitMethod, method);
      connect(method, &QComboBox::currentIndexChanged, this, [this, row](int index) {
        if (filling_) return;
        const std::vector<std::string>& methods = PlateFitMethodCodes();
        model_.SetFitCell(plate_, row, kFitMethod, index > 0 ? methods[index - 1] : std::string());
        ShowFits();
      });
    }
    const std::string code = row < rows ? fits[row][kFitMethod] : std::string();
    const auto found = std::find(codes.begin(), codes.end(), code);
    method->setCurrentIndex(found == codes.end() ? 0 : static_cast<int>(found - codes.begin()) + 1);
  }
  ShowRows(fits_, rows, shown == 0 ? 0 : PlateModel::kMostFits,
           [&fits](int row, int column) { return fits[row][column]; });
  for (int row = 0; row < shown; ++row) {
    const std::string code = row < rows ? fits[row][kFitMethod] : std::string();
    QTableWidgetItem* step = fits_->item(row, kFitDt);
    const bool used = PlateFitColumnUsed(code, kFitDt) || !step->text().isEmpty();
    step->setBackground(used ? palette().base() : palette().window());
    step->setToolTip(used ? QString() : QString::fromUtf8("Δt は浅岡法だけに使います"));
  }
  filling_ = false;
}

void CPlateDlg::RemoveCurrentRow(QTableWidget* table) {
  const int row = table->currentRow();
  if (row < 0) return;
  if (table == plates_) {
    model_.RemovePlate(row);
    ShowPlates();
    ShowPlate(std::min(row, std::max(0, static_cast<int>(model_.plates().size()) - 1)));
  } else if (table == readings_) {
    model_.RemoveReading(plate_, row);
    ShowReadings();
  } else {
    model_.RemoveFit(plate_, row);
    ShowFits();
  }
}

void CPlateDlg::PasteText(const std::string& text) {
  if (const std::optional<std::string> error = model_.PasteReadings(plate_, text)) {
    prompts_.Show(*error, PromptButtons::Ok);
    return;
  }
  ShowReadings();
}

bool CPlateDlg::eventFilter(QObject* watched, QEvent* event) {
  auto* table = qobject_cast<QTableWidget*>(watched);
  if (table && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (table == readings_ && key->matches(QKeySequence::Paste)) {
      PasteText(QApplication::clipboard()->text().toStdString());
      return true;
    }
    if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
      RemoveCurrentRow(table);
      return true;
    }
  }
  return QelDialog::eventFilter(watched, event);
}

bool CPlateDlg::Commit() {
  if (const std::optional<PlateFault> fault = model_.FirstFault()) {
    // The fault's plate is shown and its cell made current before the message.
    if (fault->error.field != "plates") {
      plates_->setCurrentCell(fault->plate, kPlateNo);
      ShowPlate(fault->plate);
    }
    const bool reading = fault->error.field == "readings" || fault->error.field == "day0";
    QTableWidget* table = reading ? readings_ : fault->error.field == "fits" ? fits_ : plates_;
    table->setCurrentCell(fault->row, fault->column);
    return Accepts(fault->error, prompts_);
  }
  return true;
}

}  // namespace qel
