// A validator for the fields whose text goes into a data-file row or a settings file.
#include "dialogs/qt/refusing_validator.h"

#include <QLineEdit>

#include "dialogs/cell_text.h"
#include "dialogs/numeric_entry.h"

namespace qel {

QValidator::State RefusingValidator::validate(QString& input, int& position) const {
  if (kind_ != Kind::Text) {
    const auto convert = [this](const std::string& text) {
      return kind_ == Kind::NumberList ? HalfWidthNumberList(text) : HalfWidthNumber(text);
    };
    const std::string converted = convert(input.toStdString());
    if (converted != input.toStdString()) {
      // The cursor stays after the character it followed.
      position = static_cast<int>(
          QString::fromStdString(convert(input.left(position).toStdString())).size());
      input = QString::fromStdString(converted);
    }
  }
  const std::string text = input.toStdString();
  const bool storable = IsStorableCellText(text);
  const bool number = kind_ == Kind::Text || kind_ == Kind::Number || kind_ == Kind::NumberList ||
                      IsNumberInProgress(text, kind_ == Kind::Integer);
  if (storable && number) return Acceptable;
  // Telling the dialog changes nothing of the validator itself.
  emit const_cast<RefusingValidator*>(this)->refused();
  return Invalid;
}

RefusingValidator* SetEntryValidator(QLineEdit* field, RefusingValidator::Kind kind) {
  auto* validator = new RefusingValidator(field, kind);
  field->setValidator(validator);
  return validator;
}

}  // namespace qel
