// Small helpers that the settings dialogs share: fields with object and accessible names, and
// bindings that keep a model's values and the fields showing them in step.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace qel {

inline QString Utf8(const char* text) {
  return QString::fromUtf8(text);
}
inline QString Utf8(const std::string& text) {
  return QString::fromStdString(text);
}

// A one-line field named `name`, `chars` digits wide; `accessibleName` is what screen
// readers announce when no label names it.
QLineEdit* MakeEdit(QWidget* parent, const char* name, int chars,
                    const QString& accessibleName = {});
// A field for a number: full-width digits, point and signs become ASCII as they are typed, and
// text that cannot become a number (with `integer`, a number with a point) is refused.
QLineEdit* MakeNumberEdit(QWidget* parent, const char* name, int chars, bool integer,
                          const QString& accessibleName = {});
// A read-only field for a value the dialog derives; it takes no focus.
QLineEdit* MakeDisplay(QWidget* parent, const char* name, int chars,
                       const QString& accessibleName = {});
// A drop-down list that also takes typed text, offering `entries`, named `accessibleName`.
QComboBox* MakeEditableList(QWidget* parent, const std::string& name,
                            const std::vector<std::string>& entries, int chars,
                            const QString& accessibleName);
// Names a list and its parts (the text it takes and the list it drops down) for screen readers.
void NameList(QComboBox* list, const QString& accessibleName);
// A label that names `buddy` (its mnemonic moves the focus there); `buddy` may be null.
QLabel* MakeLabel(QWidget* parent, const char* text, QWidget* buddy = nullptr);

// Runs `rule` when the user leaves `field` (the focus moves on, or Return) after editing it;
// leaving a field that was not edited leaves the other fields alone. For a list, choosing an
// entry counts as leaving it.
void OnLeaveAfterEdit(QLineEdit* field, std::function<void()> rule);
void OnLeaveAfterEdit(QComboBox* field, std::function<void()> rule);

// Connects fields to a model's values: every edit writes the value, Refresh() shows the values
// again after a rule of the model changed them.
class FieldBindings {
 public:
  void Text(QLineEdit* field, std::string* value);
  void Text(QComboBox* field, std::string* value);
  void Check(QAbstractButton* field, bool* value);
  // Radio buttons standing for the values 0, 1, ...
  void Choice(const std::vector<QAbstractButton*>& buttons, int* value);
  // A fixed list whose position is the value (-1: nothing chosen).
  void Position(QComboBox* field, int* value);
  // A read-only field showing what `text` computes.
  void Derived(QLineEdit* field, std::function<QString()> text);
  // Runs `rule` (an enable rule, say) whenever the fields are refreshed.
  void Rule(std::function<void()> rule);

  // Shows every value and derived value again, without reporting the change as an edit.
  void Refresh();
  // After every edit, once its value is written, the fields are refreshed: derived values and
  // enable rules follow the typing.
  void RefreshAfterEdits() { refreshAfterEdits_ = true; }

 private:
  void Edited() {
    if (refreshAfterEdits_) Refresh();
  }

  std::vector<std::function<void()>> refreshers_;
  bool refreshAfterEdits_ = false;
};

// The "標準の設定" button: runs `fill` (the model takes its standard values), then shows them.
QPushButton* MakeStandardValuesButton(QWidget* parent, FieldBindings& bindings,
                                      std::function<void()> fill);

}  // namespace qel
