// A validator for the fields whose text goes into a data-file row or a settings file: it
// refuses the characters such a row cannot keep, however they arrive (typed, pasted, from an
// input method), and in numeric fields turns full-width number characters into ASCII.
#pragma once

#include <QValidator>

class QLineEdit;

namespace qel {

class RefusingValidator : public QValidator {
  Q_OBJECT

 public:
  enum class Kind {
    Text,        // names and titles: kept as typed
    Number,      // load cells and point fields: half-width, any text (OK asks about the rest)
    NumberList,  // lists of numbers: the same, with "、" and "，" as commas
    Decimal,     // settings values: half-width, and only what can become a number
    Integer,     // the same without a decimal point
  };

  explicit RefusingValidator(QObject* parent = nullptr, Kind kind = Kind::Text)
      : QValidator(parent), kind_(kind) {}

  // Converts full-width number characters in numeric fields, then gives Invalid for a refused
  // character (or, in Decimal and Integer fields, for text that cannot become a number), which
  // undoes the edit that brought it.
  State validate(QString& input, int& position) const override;

 signals:
  // A character was refused: the dialog says why.
  void refused();

 private:
  Kind kind_;
};

// Gives `field` a validator of `kind`, owned by the field.
RefusingValidator* SetEntryValidator(QLineEdit* field, RefusingValidator::Kind kind);

}  // namespace qel
