// What a test does in the dialog a menu command opens, or what the chooser the command asks
// answers: one column of the tables of command cases.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <utility>
#include <vector>

#include "app/app_fixture.h"
#include "app/dialog_driver.h"
#include "app/modal_script.h"
#include "dialogs/qt/load_list_dlg.h"

namespace qel::test {

using Fields = std::vector<std::pair<const char*, const char*>>;

struct Change {
  enum Kind {
    None,  // the command opens no dialog
    TypeThenOk,
    CellThenOk,
    DigitsThenOk,
    ClickThenOk,
    Close,
    Accept,  // a dialog of the platform, taken as it opened
    Font,
    Pdf,
    Open,  // the open dialog answers an example
  } kind;
  Fields fields = {};     // TypeThenOk: typed and left, in order
  ListCell cell = {};     // CellThenOk: the load list cell given fields[0].second
  int position = 0;       // DigitsThenOk: the list position of the decimals of dP
  const char* name = "";  // ClickThenOk: the button; Pdf: the file chosen; Open: the example
  FontChoice font = {};   // Font: the font chosen
};

inline Change Typed(Fields fields) {
  return {Change::TypeThenOk, std::move(fields)};
}
inline Change Cell(int row, int column, const char* text) {
  return {Change::CellThenOk, {{"", text}}, {row, column}};
}
inline Change Digits(int position) {
  return {Change::DigitsThenOk, {}, {}, position};
}
inline Change Clicked(const char* button = "") {
  return {Change::ClickThenOk, {}, {}, 0, button};
}
inline Change Pdf(const char* file) {
  return {Change::Pdf, {}, {}, 0, file};
}
inline Change Font(FontChoice font) {
  return {Change::Font, {}, {}, 0, "", std::move(font)};
}
inline Change Opened(const char* example) {
  return {Change::Open, {}, {}, 0, example};
}
inline const Change kClose{Change::Close};
inline const Change kAccept{Change::Accept};
inline const Change kNoDialog{Change::None};

// Queues the dialog steps of `change` on `script`, or the answer of the chooser it asks (a PDF
// file goes into the folder `files`).
inline void QueueChange(const Change& change, ModalScript& script, ScriptedFileChooser& chooser,
                        ScriptedFontChooser& fontChooser, const TempFolder& files) {
  switch (change.kind) {
    case Change::None:
      return;
    case Change::Font:
      fontChooser.ChooseNext(change.font);
      return;
    case Change::Pdf:
      chooser.ChooseNext(files.File(change.name));
      return;
    case Change::Open:
      chooser.ChooseNext(Example(change.name));
      return;
    case Change::Close:
      script.Then([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
      return;
    case Change::Accept:
      script.Then([](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
      return;
    default:
      break;
  }
  script.Then([change](QWidget& dialog) {
    if (change.kind == Change::TypeThenOk) {
      for (const auto& [field, text] : change.fields) {
        Type(dialog, field, QString::fromUtf8(text));
        Leave(dialog, field);
      }
    } else if (change.kind == Change::CellThenOk) {
      auto& list = dynamic_cast<LoadListDialog&>(dialog);
      ASSERT_TRUE(list.OpenCellEdit(change.cell));
      list.cellEditor()->setText(QString::fromUtf8(change.fields[0].second));
      list.EndCellEdit();
    } else if (change.kind == Change::DigitsThenOk) {
      dialog.findChild<QComboBox*>("stressDigits")->setCurrentIndex(change.position);
    } else if (change.kind == Change::ClickThenOk && *change.name != 0) {
      Click(dialog, change.name);
    }
    Click(dialog, "ok");
  });
}

}  // namespace qel::test
