// A validator for the fields whose text goes into a data-file row: it refuses the characters
// such a row cannot keep, however they arrive (typed, pasted, from an input method).
#pragma once

#include <QValidator>

namespace qel {

class RefusingValidator : public QValidator {
  Q_OBJECT

 public:
  explicit RefusingValidator(QObject* parent = nullptr) : QValidator(parent) {}

  // Invalid when `input` holds a refused character, which undoes the edit that brought it.
  State validate(QString& input, int& position) const override;

 signals:
  // A character was refused: the dialog says why.
  void refused();
};

}  // namespace qel
