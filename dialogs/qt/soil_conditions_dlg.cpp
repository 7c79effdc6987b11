// The conditions dialog: the water table, γw, the largest slice, the times and the time curves
// shown.
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <functional>
#include <utility>

#include "dialogs/qt/refusing_validator.h"
#include "dialogs/qt/soil_conditions_dlg.h"

namespace qel {

CSoilConditionsDlg::CSoilConditionsDlg(SoilConditionsModel& model, PromptService& prompts,
                                       QWidget* parent)
    : QelDialog(parent), model_(model), prompts_(prompts) {
  setWindowTitle(QString::fromUtf8("地盤 > 地下水位・分割・時間"));
  const SoilConditionsFields& fields = model_.fields();
  auto* form = new QFormLayout;
  // Each field hands every change of its text to the model through its own setter.
  const auto field = [&](const char* name, const std::string& text, const char* label,
                         const char* placeholder, RefusingValidator::Kind kind,
                         std::function<void(const std::string&)> set) {
    auto* edit = new QLineEdit(QString::fromStdString(text), this);
    edit->setObjectName(name);
    edit->setPlaceholderText(QString::fromUtf8(placeholder));
    edit->setAccessibleName(QString::fromUtf8(label));
    SetEntryValidator(edit, kind);
    connect(edit, &QLineEdit::textChanged, this,
            [set = std::move(set)](const QString& now) { set(now.toStdString()); });
    form->addRow(QString::fromUtf8(label), edit);
  };
  using K = RefusingValidator::Kind;
  field("water", fields.water, "地下水位 GL- (m)(&W)", "なし", K::Number,
        [&model](const std::string& text) { model.SetWater(text); });
  field("gammaW", fields.gammaW, "水の単位体積重量 γw(&G)", "", K::Number,
        [&model](const std::string& text) { model.SetGammaW(text); });
  field("slice", fields.slice, "最大分割厚さ (m)(&S)", "1.0", K::Number,
        [&model](const std::string& text) { model.SetSlice(text); });
  field("times", fields.times, "時間 (日)(&T)", "10,30,100,300,1000,3000,10000", K::NumberList,
        [&model](const std::string& text) { model.SetTimes(text); });
  field("timeColumns", fields.timeColumns, "時間－沈下曲線の列(&C)", "沈下量の大きい 6 列",
        K::NumberList, [&model](const std::string& text) { model.SetTimeColumns(text); });
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(
      new QLabel(QString::fromUtf8("地下水位は空欄でなし。時間は 30,90,365 のように"
                                   "コンマで区切ります。\n"
                                   "空欄では 10 日から 10000 日までになります。\n"
                                   "曲線の列は沈下量 計算表の (1), (2), … の番号です。"),
                 this));
  layout->addWidget(MakeOkCancel());
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CSoilConditionsDlg::Commit() {
  return Accepts(model_.Validate(), prompts_);
}

}  // namespace qel
