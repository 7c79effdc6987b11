// The model of the calculation-point dialogs: the strip points (ten x, ten depths) and the
// lattice (twelve x, y and z), as texts, with the same-depth warning of OK and the test for
// negative values made after it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialog_model.h"
#include "document/document_tables.h"

namespace qel {

class PromptService;

enum class PointKind { Strip, Lattice };

// Characters a point field takes when typed into.
inline constexpr int kPointFieldLength = 8;

struct PointColumn {
  int tableColumn;  // the column of stripPoints or gridPoints
  const char* label;
  const char* name;  // the fields' object names are this and the row number: "x1", "z10"
};

struct PointLayout {
  PointKind kind;
  const char* title;
  int rows;
  std::vector<PointColumn> columns;
};

const PointLayout& PointLayoutOf(PointKind kind);

class PointEditor {
 public:
  // Copies the texts of the strip points or the lattice out of `tables`.
  PointEditor(PointKind kind, const DocumentTables& tables);

  const PointLayout& layout() const { return layout_; }
  PointKind kind() const { return layout_.kind; }
  int rowCount() const { return layout_.rows; }
  int columnCount() const { return static_cast<int>(layout_.columns.size()); }
  // The object name of the field of `row` (1-based) in `column` (1-based, left to right).
  std::string FieldName(int row, int column) const;

  const std::string& Text(int row, int column) const { return texts_[row - 1][column - 1]; }
  // Keeps `text` as typed, full-width number characters in ASCII; false (and nothing kept) for
  // text a data file cannot keep, and the status line says why.
  bool SetText(int row, int column, const std::string& text);
  // A character was refused as it arrived (typed, pasted, from an input method): the status
  // line says why. It stays until the dialog closes.
  void RefuseCharacter();
  const std::string& status() const { return status_; }

  // The warning told after OK when depths repeat (within 0.000001): "同じ深度があります" and the
  // first three equal pairs. Depths that do not begin like a number are left out.
  std::optional<std::string> SameDepthWarning() const;

  // The checks of OK for the fields that hold text but not a number, in column and row order:
  // each is asked about, naming the field and its text ("訂正しますか? "). Yes stops and gives
  // the field (row, column) to correct; No keeps it, and the point stays out of the
  // calculation. Nothing (std::nullopt) when OK may go on.
  struct Field {
    int row, column;
  };
  std::optional<Field> ConfirmFields(PromptService& prompts) const;

  // Whether a text differs from the document's, as copied in or as last applied.
  bool HasChanged() const { return texts_ != original_; }
  // Cancel: whether the dialog may close and throw the typed texts away. While any text
  // changed it asks first (Yes closes); with nothing changed it closes without a question.
  bool ConfirmCancel(PromptService& prompts) const;
  // The texts are kept as typed; what does not read as a number is asked about in
  // ConfirmFields, so there is nothing to refuse.
  std::optional<ValidationError> Validate() const { return std::nullopt; }
  // Copies every text into the document. Repeated depths are told first (SameDepthWarning);
  // then each record that holds a negative value is a notice (message 4012 with its fields),
  // and the dialog opens again with the texts as stored.
  ApplyOutcome Apply(DocumentTables& tables);

 private:
  const PointLayout& layout_;
  std::vector<std::vector<std::string>> original_;
  std::vector<std::vector<std::string>> texts_;
  std::string status_;
};

// The records (rows, 1-based) of the document's points that hold a negative value, each once.
// Strip points test x and z. Lattice records test x, y and z until a negative value was found,
// later ones their x only.
std::vector<int> NegativePointRecords(PointKind kind, const DocumentTables& tables);

// The fields of record `row` that hold a negative value, named as the dialog names them with
// their texts: " x3「-1」 z3「-2」".
std::string NegativeFieldsOf(PointKind kind, const DocumentTables& tables, int row);

static_assert(DialogModel<PointEditor, DocumentTables>);

}  // namespace qel
