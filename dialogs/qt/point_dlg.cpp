// The calculation-point dialogs.
#include "dialogs/qt/point_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialogs/qt/lattice_sketch.h"
#include "dialogs/qt/refusing_validator.h"
#include "platform/prompts.h"

namespace qel {

namespace {

QString Utf8(const char* text) {
  return QString::fromUtf8(text);
}

// The widest value a field is made to show in full.
const char* const kWidestValue = "-0000.00";

}  // namespace

PointDialog::PointDialog(PointEditor& model, PromptService& prompts, EnterKeyMode enterKey,
                         QWidget* parent)
    : QelDialog(parent, enterKey), model_(model), prompts_(prompts) {
  setWindowTitle(Utf8(model_.layout().title));
  const int rows = model_.rowCount(), columns = model_.columnCount();

  auto* fieldsGrid = new QGridLayout;
  for (int row = 1; row <= rows; ++row) {
    auto* number = new QLabel(QString::number(row), this);
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fieldsGrid->addWidget(number, row, 0);
  }
  const int fieldWidth =
      fontMetrics().horizontalAdvance(Utf8(kWidestValue)) + fontMetrics().height();
  // Fields are made column by column, which is their tab order: down each column in turn.
  fields_.resize(static_cast<std::size_t>(rows * columns));
  for (int column = 1; column <= columns; ++column) {
    const PointColumn& info = model_.layout().columns[column - 1];
    auto* heading = new QLabel(Utf8(info.label), this);
    fieldsGrid->addWidget(heading, 0, column, Qt::AlignLeft | Qt::AlignBottom);
    for (int row = 1; row <= rows; ++row) {
      const QString text = QString::fromStdString(model_.Text(row, column));
      auto* field = new QLineEdit(this);
      field->setObjectName(QString::fromStdString(model_.FieldName(row, column)));
      field->setAccessibleName(Utf8(info.label) + " " + QString::number(row));
      // A longer text from a file stays whole; typing stops at the field's length.
      field->setMaxLength(std::max<int>(kPointFieldLength, text.size()));
      field->setText(text);
      field->setFixedWidth(fieldWidth);
      auto* validator = SetEntryValidator(field, RefusingValidator::Kind::Number);
      connect(validator, &RefusingValidator::refused, this, [this] {
        model_.RefuseCharacter();
        ShowStatus();
      });
      connect(field, &QLineEdit::textEdited, this, [this, row, column](const QString& edited) {
        model_.SetText(row, column, edited.toStdString());
        ShowStatus();
      });
      if (row == 1) heading->setBuddy(field);
      fieldsGrid->addWidget(field, row, column);
      fields_[static_cast<std::size_t>((row - 1) * columns + column - 1)] = field;
    }
  }

  side_ = new QVBoxLayout;
  side_->addWidget(new QLabel(Utf8("単位 m"), this));
  side_->addStretch(1);

  status_ = new QLabel(this);
  status_->setObjectName("status");
  status_->setWordWrap(true);

  auto* top = new QHBoxLayout;
  top->addLayout(fieldsGrid);
  top->addSpacing(fontMetrics().height());
  top->addLayout(side_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(status_);
  layout->addWidget(MakeOkCancel());
  layout->setSizeConstraint(QLayout::SetFixedSize);
  fields_.front()->setFocus();
}

QLineEdit* PointDialog::Field(int row, int column) const {
  return fields_[static_cast<std::size_t>((row - 1) * model_.columnCount() + column - 1)];
}

void PointDialog::AddSketch(QWidget* sketch) {
  sketch->setParent(this);
  side_->insertWidget(side_->count() - 1, sketch);
}

bool PointDialog::Commit() {
  if (std::optional<PointEditor::Field> fix = model_.ConfirmFields(prompts_)) {
    Field(fix->row, fix->column)->setFocus();
    Field(fix->row, fix->column)->selectAll();
    return false;
  }
  return true;
}

void PointDialog::ShowStatus() {
  status_->setText(QString::fromStdString(model_.status()));
}

void PointDialog::reject() {
  if (!model_.ConfirmCancel(prompts_)) return;
  QelDialog::reject();
}

CStripPointDlg::CStripPointDlg(PointEditor& model, PromptService& prompts, EnterKeyMode enterKey,
                               QWidget* parent)
    : PointDialog(model, prompts, enterKey, parent) {}

CLatticePointDlg::CLatticePointDlg(PointEditor& model, PromptService& prompts,
                                   EnterKeyMode enterKey, QWidget* parent)
    : PointDialog(model, prompts, enterKey, parent) {
  AddSketch(new QLabel(Utf8("計算点は立体格子状に\nなります.　")));
  AddSketch(new LatticeSketch);
}

std::unique_ptr<PointDialog> MakePointDialog(PointEditor& model, PromptService& prompts,
                                             EnterKeyMode enterKey, QWidget* parent) {
  if (model.kind() == PointKind::Lattice)
    return std::make_unique<CLatticePointDlg>(model, prompts, enterKey, parent);
  return std::make_unique<CStripPointDlg>(model, prompts, enterKey, parent);
}

}  // namespace qel
