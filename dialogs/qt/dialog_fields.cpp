// Small helpers that the settings dialogs share.
#include "dialogs/qt/dialog_fields.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <memory>
#include <utility>

#include "dialogs/qt/refusing_validator.h"

namespace qel {

namespace {

int WidthFor(const QWidget* field, int chars) {
  // Room for the digits plus the field's frame and margins.
  return QFontMetrics(field->font()).horizontalAdvance(QLatin1Char('0')) * chars + 12;
}

}  // namespace

QLineEdit* MakeEdit(QWidget* parent, const char* name, int chars, const QString& accessibleName) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  // As wide as the values it holds: numbers do not stretch across the dialog.
  field->setFixedWidth(WidthFor(field, chars));
  if (!accessibleName.isEmpty()) field->setAccessibleName(accessibleName);
  return field;
}

QLineEdit* MakeNumberEdit(QWidget* parent, const char* name, int chars, bool integer,
                          const QString& accessibleName) {
  QLineEdit* field = MakeEdit(parent, name, chars, accessibleName);
  SetEntryValidator(field,
                    integer ? RefusingValidator::Kind::Integer : RefusingValidator::Kind::Decimal);
  return field;
}

QLineEdit* MakeDisplay(QWidget* parent, const char* name, int chars,
                       const QString& accessibleName) {
  QLineEdit* field = MakeEdit(parent, name, chars, accessibleName);
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::NoFocus);
  field->setAlignment(Qt::AlignRight);
  return field;
}

QComboBox* MakeEditableList(QWidget* parent, const std::string& name,
                            const std::vector<std::string>& entries, int chars,
                            const QString& accessibleName) {
  auto* field = new QComboBox(parent);
  field->setObjectName(QString::fromStdString(name));
  field->setEditable(true);
  field->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& entry : entries)
    field->addItem(QString::fromStdString(entry));
  field->setMinimumWidth(WidthFor(field, chars));
  NameList(field, accessibleName);
  return field;
}

void NameList(QComboBox* list, const QString& accessibleName) {
  list->setAccessibleName(accessibleName);
  if (QLineEdit* edit = list->lineEdit()) edit->setAccessibleName(accessibleName);
  if (QAbstractItemView* view = list->view()) view->setAccessibleName(accessibleName);
}

QLabel* MakeLabel(QWidget* parent, const char* text, QWidget* buddy) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  if (buddy != nullptr) label->setBuddy(buddy);
  return label;
}

void OnLeaveAfterEdit(QLineEdit* field, std::function<void()> rule) {
  auto edited = std::make_shared<bool>(false);
  QObject::connect(field, &QLineEdit::textEdited, field, [edited] { *edited = true; });
  QObject::connect(field, &QLineEdit::editingFinished, field, [edited, rule = std::move(rule)] {
    // Cleared first: a message shown by the rule takes the focus and finishes the edit again.
    if (!std::exchange(*edited, false)) return;
    rule();
  });
}

void OnLeaveAfterEdit(QComboBox* field, std::function<void()> rule) {
  auto edited = std::make_shared<bool>(false);
  QObject::connect(field, &QComboBox::editTextChanged, field, [edited] { *edited = true; });
  auto leave = [edited, rule = std::move(rule)] {
    if (!std::exchange(*edited, false)) return;
    rule();
  };
  QObject::connect(field, &QComboBox::activated, field, leave);
  if (QLineEdit* edit = field->lineEdit())
    QObject::connect(edit, &QLineEdit::editingFinished, field, leave);
}

void FieldBindings::Text(QLineEdit* field, std::string* value) {
  QObject::connect(field, &QLineEdit::textEdited, field, [this, value](const QString& text) {
    *value = text.toStdString();
    Edited();
  });
  refreshers_.push_back([field, value] {
    const QString text = QString::fromStdString(*value);
    if (field->text() != text) field->setText(text);
  });
}

void FieldBindings::Text(QComboBox* field, std::string* value) {
  QObject::connect(field, &QComboBox::editTextChanged, field, [this, value](const QString& text) {
    *value = text.toStdString();
    Edited();
  });
  refreshers_.push_back([field, value] {
    const QString text = QString::fromStdString(*value);
    if (field->currentText() == text) return;
    const QSignalBlocker quiet(field);
    field->setEditText(text);
  });
}

void FieldBindings::Check(QAbstractButton* field, bool* value) {
  QObject::connect(field, &QAbstractButton::toggled, field, [this, value](bool on) {
    *value = on;
    Edited();
  });
  refreshers_.push_back([field, value] {
    const QSignalBlocker quiet(field);
    field->setChecked(*value);
  });
}

void FieldBindings::Choice(const std::vector<QAbstractButton*>& buttons, int* value) {
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const int index = static_cast<int>(i);
    QObject::connect(buttons[i], &QAbstractButton::toggled, buttons[i],
                     [this, value, index](bool on) {
                       if (!on) return;
                       *value = index;
                       Edited();
                     });
  }
  refreshers_.push_back([buttons, value] {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      const QSignalBlocker quiet(buttons[i]);
      buttons[i]->setChecked(static_cast<int>(i) == *value);
    }
  });
}

void FieldBindings::Position(QComboBox* field, int* value) {
  QObject::connect(field, &QComboBox::currentIndexChanged, field, [this, value](int index) {
    *value = index;
    Edited();
  });
  refreshers_.push_back([field, value] {
    const QSignalBlocker quiet(field);
    field->setCurrentIndex(*value);
  });
}

void FieldBindings::Derived(QLineEdit* field, std::function<QString()> text) {
  refreshers_.push_back([field, text = std::move(text)] { field->setText(text()); });
}

void FieldBindings::Rule(std::function<void()> rule) {
  refreshers_.push_back(std::move(rule));
}

void FieldBindings::Refresh() {
  for (const auto& refresh : refreshers_)
    refresh();
}

QPushButton* MakeStandardValuesButton(QWidget* parent, FieldBindings& bindings,
                                      std::function<void()> fill) {
  auto* button = new QPushButton(QString::fromUtf8("標準の設定"), parent);
  button->setObjectName("standardValues");
  QObject::connect(button, &QPushButton::clicked, parent, [&bindings, fill = std::move(fill)] {
    fill();
    bindings.Refresh();
  });
  return button;
}

}  // namespace qel
