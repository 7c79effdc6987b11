// The line, margin and digits dialog.
#include "dialogs/qt/line_margin_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/qt/refusing_validator.h"
#include "platform/colour_chooser.h"
#include "platform/qt/widgets/qt_colour_chooser.h"

namespace qel {

namespace {

// Paints a colour field in the colour its text names, with text that stays readable on it.
void PaintColourField(QLineEdit* field, Colour value) {
  const QColor colour = QColorOf(value);
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, colour);
  palette.setColor(QPalette::Text, colour.lightness() < 128 ? Qt::white : Qt::black);
  field->setPalette(palette);
}

QComboBox* MakeDigitList(QWidget* parent, const char* name, const QString& spoken) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  for (const std::string& choice : LineMarginModel::DigitChoices())
    list->addItem(QString::fromStdString(choice));
  NameList(list, spoken);
  return list;
}

}  // namespace

CLineMarginDlg::CLineMarginDlg(LineMarginModel& model, PromptService& prompts,
                               ColourChooser& colours, QWidget* parent)
    : QelDialog(parent), model_(model), prompts_(prompts), colours_(colours) {
  setWindowTitle(Utf8("線種・マージン・桁数など"));
  LineMarginFields& f = model_.fields();

  // Line type, widths, dashes and colours of the figures.
  auto* lines = new QGroupBox(Utf8("線種"), this);
  auto* lineGrid = new QGridLayout(lines);
  auto* colour = new QRadioButton(Utf8("カラー"), lines);
  colour->setObjectName("colourMode");
  auto* mono = new QRadioButton(Utf8("白黒"), lines);
  mono->setObjectName("monochromeMode");
  auto* modeRow = new QHBoxLayout;
  modeRow->addWidget(colour);
  modeRow->addWidget(mono);
  modeRow->addStretch();
  lineGrid->addLayout(modeRow, 0, 0, 1, 8);
  // The colour mode has a rule of its own: colour draws the axes solid.
  for (int mode = 0; mode < 2; ++mode) {
    QRadioButton* button = mode == 0 ? colour : mono;
    connect(button, &QRadioButton::toggled, this, [this, mode](bool on) {
      if (!on) return;
      model_.SetColourMode(mode);
      bindings_.Refresh();
    });
  }
  bindings_.Rule([this, colour, mono] {
    colour->setChecked(model_.fields().colourMode == 0);
    mono->setChecked(model_.fields().colourMode == 1);
  });

  struct Row {
    const char* label;
    const char* spoken;
    // Up to three whole-number fields: label, object name, value.
    struct Field {
      const char* label;
      const char* name;
      std::string* value;
    } fields[3];
    const char* colourName;  // nullptr: no colour
    std::string* colourValue;
    const char* colourSpoken;
  };
  const Row rows[] = {
      {"形状図   ",
       "形状図",
       {{"太さ", "figureLineWidth", &f.figureLineWidth}, {}, {}},
       nullptr,
       nullptr,
       nullptr},
      {"ＸＹ座標軸　",
       "ＸＹ座標軸",
       {{"太さ", "axisLineWidth", &f.axisLineWidth},
        {"実線部", "axisDashOn", &f.axisDashOn},
        {"空白部", "axisDashOff", &f.axisDashOff}},
       "axisColour",
       &f.axisColour,
       "座標軸の色"},
      {"計算点 ＋",
       "計算点",
       {{"太さ", "pointMarkWidth", &f.pointMarkWidth},
        {"サイズ ", "pointMarkSize", &f.pointMarkSize},
        {}},
       "pointColour",
       &f.pointColour,
       "計算点の色"},
      {"グリッド",
       "グリッド",
       {{"太さ", "gridLineWidth", &f.gridLineWidth},
        {"サイズ ", "gridMarkSize", &f.gridMarkSize},
        {}},
       "gridColour",
       &f.gridColour,
       "グリッドの色"},
  };
  QLineEdit* dashOn = nullptr;
  QLineEdit* dashOff = nullptr;
  for (int r = 0; r < 4; ++r) {
    const Row& row = rows[r];
    lineGrid->addWidget(MakeLabel(lines, row.label), r + 1, 0);
    for (int i = 0; i < 3; ++i) {
      const Row::Field& field = row.fields[i];
      if (field.name == nullptr) continue;
      QLineEdit* edit = MakeNumberEdit(lines, field.name, 3, true,
                                       Utf8(row.spoken) + " " + Utf8(field.label).trimmed());
      lineGrid->addWidget(MakeLabel(lines, field.label, edit), r + 1, 1 + 2 * i, Qt::AlignRight);
      lineGrid->addWidget(edit, r + 1, 2 + 2 * i);
      bindings_.Text(edit, field.value);
      if (std::string(field.name) == "axisDashOn") dashOn = edit;
      if (std::string(field.name) == "axisDashOff") dashOff = edit;
    }
    if (row.colourName == nullptr) continue;
    QLineEdit* colourField = MakeEdit(lines, row.colourName, 8, Utf8(row.colourSpoken));
    SetEntryValidator(colourField, RefusingValidator::Kind::Number);
    auto* choose = new QPushButton(Utf8("色"), lines);
    choose->setObjectName(QString::fromUtf8(row.colourName) + "Button");
    choose->setAccessibleDescription(Utf8(row.colourSpoken) + Utf8("を選ぶ"));
    lineGrid->addWidget(colourField, r + 1, 7);
    lineGrid->addWidget(choose, r + 1, 8);
    bindings_.Text(colourField, row.colourValue);
    std::string* value = row.colourValue;
    bindings_.Rule(
        [colourField, value] { PaintColourField(colourField, LineMarginModel::ColourOf(*value)); });
    connect(choose, &QPushButton::clicked, this, [this, value] {
      if (std::optional<std::uint32_t> chosen =
              colours_.Choose(LineMarginModel::ColourOf(*value))) {
        *value = LineMarginModel::ColourText(*chosen);
        bindings_.Refresh();
      }
    });
  }
  bindings_.Rule([this, dashOn, dashOff] {
    dashOn->setEnabled(model_.dashFieldsEnabled());
    dashOff->setEnabled(model_.dashFieldsEnabled());
  });
  auto* notes = new QLabel(Utf8("・線種 単位 ピクセル\n・座標軸 空白部=0で実線　      \n"
                                "　カラー(灰色)の時は実線\n・マージン 単位 mm"),
                           lines);
  lineGrid->addWidget(notes, 0, 9, 5, 1, Qt::AlignTop);

  // Decimals, unit system and columns of the tables.
  auto* tables = new QGroupBox(Utf8("桁数・単位系"), this);
  auto* tableGrid = new QGridLayout(tables);
  QComboBox* influence = MakeDigitList(tables, "influenceDigits", Utf8("小数以下桁数 影響値 Ｉ"));
  QComboBox* stress = MakeDigitList(tables, "stressDigits", Utf8("小数以下桁数 応力 dP"));
  QComboBox* columns =
      MakeDigitList(tables, "stripResultColumns", Utf8("帯状荷重最終解dPの表示列数"));
  tableGrid->addWidget(MakeLabel(tables, "小数以下桁数  "), 0, 0);
  tableGrid->addWidget(MakeLabel(tables, "影響値 Ｉ　", influence), 0, 1);
  tableGrid->addWidget(influence, 0, 2);
  tableGrid->addWidget(MakeLabel(tables, "応力　dP", stress), 0, 3);
  tableGrid->addWidget(stress, 0, 4);
  auto* tfm = new QRadioButton(Utf8("tf-m "), tables);
  tfm->setObjectName("unitTfM");
  auto* knm = new QRadioButton(Utf8("kN-m "), tables);
  knm->setObjectName("unitKnM");
  tableGrid->addWidget(MakeLabel(tables, "単位系"), 1, 0);
  tableGrid->addWidget(tfm, 1, 1);
  tableGrid->addWidget(knm, 1, 2);
  tableGrid->addWidget(MakeLabel(tables, "帯状荷重最終解dPの表示列数　", columns), 2, 0, 1, 4,
                       Qt::AlignRight);
  tableGrid->addWidget(columns, 2, 4);
  bindings_.Position(influence, &f.influenceDigits);
  bindings_.Position(stress, &f.stressDigits);
  bindings_.Position(columns, &f.stripResultColumns);
  bindings_.Choice({tfm, knm}, &f.unitSystem);

  // Paper margins and the registered texts.
  auto* margins = new QGroupBox(Utf8("マージン"), this);
  auto* marginRow = new QHBoxLayout(margins);
  QLineEdit* top = MakeNumberEdit(margins, "marginTop", 4, true, Utf8("マージン トップ mm"));
  QLineEdit* leftMargin =
      MakeNumberEdit(margins, "marginLeft", 4, true, Utf8("マージン レフト mm"));
  marginRow->addWidget(MakeLabel(margins, "トップ", top));
  marginRow->addWidget(top);
  marginRow->addWidget(MakeLabel(margins, "レフト", leftMargin));
  marginRow->addWidget(leftMargin);
  marginRow->addStretch();
  bindings_.Text(top, &f.marginTop);
  bindings_.Text(leftMargin, &f.marginLeft);

  auto* registered = new QGroupBox(Utf8("登録"), this);
  auto* registeredGrid = new QGridLayout(registered);
  QLineEdit* organisation = MakeEdit(registered, "organisationName", 30);
  QLineEdit* contact = MakeEdit(registered, "contactText", 30);
  registeredGrid->addWidget(MakeLabel(registered, "会社・団体名", organisation), 0, 0);
  registeredGrid->addWidget(organisation, 0, 1);
  registeredGrid->addWidget(MakeLabel(registered, "Ｔel/Mail", contact), 1, 0);
  registeredGrid->addWidget(contact, 1, 1);
  registeredGrid->setColumnStretch(2, 1);
  bindings_.Text(organisation, &f.organisationName);
  bindings_.Text(contact, &f.contactText);

  auto* standard =
      MakeStandardValuesButton(this, bindings_, [this] { model_.ApplyStandardValues(); });
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(standard);
  bottom->addStretch();
  bottom->addWidget(MakeOkCancel());

  auto* middle = new QHBoxLayout;
  middle->addWidget(tables);
  middle->addWidget(margins, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lines);
  layout->addLayout(middle);
  layout->addWidget(registered);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  bindings_.RefreshAfterEdits();
  bindings_.Refresh();
}

bool CLineMarginDlg::Commit() {
  return Accepts(model_.Validate(), prompts_);
}

}  // namespace qel
