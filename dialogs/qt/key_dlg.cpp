// The key dialog ("キーの動作").
#include "dialogs/qt/key_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qel {

namespace {

QString Utf8(const char* text) {
  return QString::fromUtf8(text);
}

struct Choice {
  EnterKeyMode mode;
  const char* objectName;
  const char* text;
  const char* explanation;
};

constexpr Choice kChoices[] = {
    {EnterKeyMode::PressOk, "pressOk", "標準（OKボタンと同じ）", "OKボタンクリックと同じ"},
    {EnterKeyMode::NextField, "nextField", "次に移動", "次の入力欄に移動"},
    {EnterKeyMode::ConfirmOnly, "confirmOnly", "確定のみ", "OKボタンや次に移動しない"},
};

}  // namespace

CKeyDlg::CKeyDlg(KeyBehaviourModel& model, QWidget* parent) : QelDialog(parent), model_(model) {
  setWindowTitle(Utf8("キーの動作"));

  auto* group = new QGroupBox(Utf8("Enterキー (Returnキー)"), this);
  auto* grid = new QGridLayout(group);
  for (int row = 0; row < 3; ++row) {
    const Choice& choice = kChoices[row];
    auto* button = new QRadioButton(Utf8(choice.text), group);
    button->setObjectName(choice.objectName);
    button->setChecked(model_.mode() == choice.mode);
    auto* explanation = new QLabel(Utf8(choice.explanation), group);
    grid->addWidget(button, row, 0);
    grid->addWidget(explanation, row, 1);
    const EnterKeyMode mode = choice.mode;
    connect(button, &QRadioButton::toggled, this, [this, mode](bool on) {
      if (on) model_.SetMode(mode);
    });
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(Utf8("データ入力画面での動作"), this));
  layout->addWidget(group);
  layout->addWidget(new QLabel(Utf8("漢字変換やドロップダウン選択等では、Enterキーは\n"
                                    "常にその操作を確定します"),
                               this));
  layout->addWidget(MakeOkCancel());
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace qel
