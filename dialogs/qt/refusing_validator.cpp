// A validator for the fields whose text goes into a data-file row.
#include "dialogs/qt/refusing_validator.h"

#include "dialogs/cell_text.h"

namespace qel {

QValidator::State RefusingValidator::validate(QString& input, int&) const {
  if (IsStorableCellText(input.toStdString())) return Acceptable;
  // Telling the dialog changes nothing of the validator itself.
  emit const_cast<RefusingValidator*>(this)->refused();
  return Invalid;
}

}  // namespace qel
