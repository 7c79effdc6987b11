// The drains dialog: whether there are drains, their grid, the drain as a sand drain's diameter
// or a band drain's size, smear, discharge capacity and depth, with the sizes derived from them
// shown as they are typed.
#include "dialogs/qt/soil_drains_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>
#include <utility>

#include "dialogs/qt/refusing_validator.h"

namespace qel {

CSoilDrainsDlg::CSoilDrainsDlg(SoilDrainsModel& model, PromptService& prompts, QWidget* parent)
    : QelDialog(parent), model_(model), prompts_(prompts) {
  setWindowTitle(QString::fromUtf8("地盤 > バーチカルドレーン"));
  const SoilDrainFields& fields = model_.fields();

  auto* present = new QCheckBox(QString::fromUtf8("バーチカルドレーンを打設する(&V)"), this);
  present->setObjectName("present");
  present->setChecked(fields.present);
  connect(present, &QCheckBox::toggled, this, [this](bool on) {
    model_.SetPresent(on);
    ShowDerived();
  });

  body_ = new QWidget(this);
  auto* form = new QFormLayout(body_);
  form->setContentsMargins(0, 0, 0, 0);
  // A numeric field in `layout` that hands every change of its text to the model.
  const auto edit = [this](const char* name, const std::string& text, const char* label,
                           const char* placeholder, std::function<void(const std::string&)> set) {
    auto* field = new QLineEdit(QString::fromStdString(text), this);
    field->setObjectName(name);
    field->setPlaceholderText(QString::fromUtf8(placeholder));
    field->setAccessibleName(QString::fromUtf8(label));
    SetEntryValidator(field, RefusingValidator::Kind::Number);
    connect(field, &QLineEdit::textChanged, this, [this, set = std::move(set)](const QString& now) {
      set(now.toStdString());
      ShowDerived();
    });
    return field;
  };

  auto* pattern = new QComboBox(this);
  pattern->setObjectName("pattern");
  pattern->addItem(QString::fromUtf8("正方形"), "square");
  pattern->addItem(QString::fromUtf8("正三角形"), "triangle");
  pattern->setCurrentIndex(pattern->findData(QString::fromStdString(fields.pattern)));
  connect(pattern, &QComboBox::currentIndexChanged, this, [this, pattern](int) {
    model_.SetPattern(pattern->currentData().toString().toStdString());
    ShowDerived();
  });
  form->addRow(QString::fromUtf8("配置(&P)"), pattern);

  auto* spacing = edit("spacing", fields.spacing, "間隔 (m)(&S)", "",
                       [this](const std::string& text) { model_.SetSpacing(text); });
  cell_ = new QLabel(this);
  cell_->setObjectName("cell");
  cell_->setMinimumWidth(cell_->fontMetrics().horizontalAdvance("de = 0.000 m  n = 000.0"));
  auto* spacingRow = new QHBoxLayout;
  spacingRow->addWidget(spacing);
  spacingRow->addWidget(cell_);
  form->addRow(QString::fromUtf8("間隔 (m)(&S)"), spacingRow);
  if (auto* label = qobject_cast<QLabel*>(form->labelForField(spacingRow)))
    label->setBuddy(spacing);

  // The drain: a sand drain's diameter, or a band drain's width and thickness.
  auto* sand = new QRadioButton(QString::fromUtf8("サンドドレーン(&D)"), this);
  sand->setObjectName("sandDrain");
  auto* band = new QRadioButton(QString::fromUtf8("バンドドレーン(&B)"), this);
  band->setObjectName("bandDrain");
  (fields.band ? band : sand)->setChecked(true);
  auto* kinds = new QButtonGroup(this);
  kinds->addButton(sand);
  kinds->addButton(band);
  connect(band, &QRadioButton::toggled, this, [this](bool on) {
    model_.SetBand(on);
    ShowDerived();
  });
  auto* drainBox = new QGroupBox(QString::fromUtf8("ドレーン材"), body_);
  auto* drainForm = new QFormLayout(drainBox);
  sandFields_ = edit("dw", fields.dw, "直径 dw (m)", "",
                     [this](const std::string& text) { model_.SetDw(text); });
  drainForm->addRow(sand);
  drainForm->addRow(QString::fromUtf8("直径 dw (m)(&W)"), sandFields_);
  bandFields_ = new QWidget(drainBox);
  auto* bandRow = new QHBoxLayout(bandFields_);
  bandRow->setContentsMargins(0, 0, 0, 0);
  auto* width = edit("bandWidth", fields.bandWidth, "幅 a (m)", "0.1",
                     [this](const std::string& text) { model_.SetBandWidth(text); });
  auto* thickness = edit("bandThickness", fields.bandThickness, "厚さ b (m)", "0.004",
                         [this](const std::string& text) { model_.SetBandThickness(text); });
  bandDiameter_ = new QLabel(bandFields_);
  bandDiameter_->setObjectName("bandDiameter");
  bandDiameter_->setMinimumWidth(bandDiameter_->fontMetrics().horizontalAdvance("dw = 0.000 m"));
  bandRow->addWidget(width);
  bandRow->addWidget(new QLabel(QString::fromUtf8("×"), bandFields_));
  bandRow->addWidget(thickness);
  bandRow->addWidget(bandDiameter_);
  drainForm->addRow(band);
  drainForm->addRow(QString::fromUtf8("幅 a × 厚さ b (m)"), bandFields_);
  form->addRow(drainBox);

  form->addRow(QString::fromUtf8("スミア径 ds (m)(&M)"),
               edit("ds", fields.ds, "スミア径 ds (m)", "スミアなし",
                    [this](const std::string& text) { model_.SetDs(text); }));
  form->addRow(QString::fromUtf8("透水係数比 kh/ks(&K)"),
               edit("khks", fields.khks, "透水係数比 kh/ks", "1",
                    [this](const std::string& text) { model_.SetKhks(text); }));
  form->addRow(QString::fromUtf8("通水能力 qw (m³/日)(&Q)"),
               edit("qw", fields.qw, "通水能力 qw (m³/日)", "井戸抵抗なし",
                    [this](const std::string& text) { model_.SetQw(text); }));
  form->addRow(QString::fromUtf8("打設深度 GL- (m)(&H)"),
               edit("bottom", fields.bottom, "打設深度 GL- (m)", "",
                    [this](const std::string& text) { model_.SetBottom(text); }));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(present);
  layout->addWidget(body_);
  layout->addWidget(new QLabel(
      QString::fromUtf8("バンドドレーンは dw = 2(a + b)/π の直径で計算し、a と b も保存します。\n"
                        "de は 1 本が受け持つ円の直径、n = de/dw です。"),
      this));
  layout->addWidget(MakeOkCancel());
  layout->setSizeConstraint(QLayout::SetFixedSize);
  ShowDerived();
}

void CSoilDrainsDlg::ShowDerived() {
  const SoilDrainFields& fields = model_.fields();
  body_->setEnabled(fields.present);
  sandFields_->setEnabled(!fields.band);
  bandFields_->setEnabled(fields.band);
  bandDiameter_->setText(QString::fromStdString(model_.BandDiameterText()));
  cell_->setText(QString::fromStdString(model_.CellText()));
}

bool CSoilDrainsDlg::Commit() {
  return Accepts(model_.Validate(), prompts_);
}

}  // namespace qel
