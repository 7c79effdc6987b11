// The isobar dialog: checks to draw the lines and fill between them, their levels and, for the
// plan, its depth and the vertical section of the depth display.
#include "dialogs/qt/isobar_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialogs/qt/refusing_validator.h"

namespace qel {

namespace {

QString Utf8(const char* text) {
  return QString::fromUtf8(text);
}

// A numeric text field bound to `text`: full-width digits (and, in a list, "、" and "，")
// become their ASCII forms as they are typed, as in the other dialogs.
QLineEdit* MakeTextField(QWidget* parent, const char* objectName, std::string& text,
                         RefusingValidator::Kind kind) {
  auto* edit = new QLineEdit(QString::fromStdString(text), parent);
  edit->setObjectName(objectName);
  SetEntryValidator(edit, kind);
  QObject::connect(edit, &QLineEdit::textChanged,
                   [&text](const QString& now) { text = now.toStdString(); });
  return edit;
}

}  // namespace

CIsobarDlg::CIsobarDlg(IsobarModel& model, PromptService& prompts, QWidget* parent)
    : QelDialog(parent), model_(model), prompts_(prompts) {
  setWindowTitle(QString::fromStdString(model_.WindowTitle()));
  IsobarFields& fields = model_.fields();

  auto* shown = new QCheckBox(Utf8("等圧線を表示する(&S)"), this);
  shown->setObjectName("shown");
  shown->setChecked(fields.shown);
  connect(shown, &QCheckBox::toggled, this, [&fields](bool on) { fields.shown = on; });

  auto* fill = new QCheckBox(Utf8("値の間を色で塗り分ける(&F)"), this);
  fill->setObjectName("fill");
  fill->setChecked(fields.fill);
  connect(fill, &QCheckBox::toggled, this, [&fields](bool on) { fields.fill = on; });

  auto* form = new QFormLayout;
  QLineEdit* levels =
      MakeTextField(this, "levels", fields.levels, RefusingValidator::Kind::NumberList);
  levels->setPlaceholderText(Utf8("自動"));
  levels->setAccessibleName(Utf8("等圧線の値"));
  form->addRow(Utf8("値(&L)"), levels);
  if (model_.hasDepth()) {
    QLineEdit* depth = MakeTextField(this, "depth", fields.depth, RefusingValidator::Kind::Number);
    depth->setPlaceholderText(Utf8("計算点の深度"));
    depth->setAccessibleName(Utf8("平面図の深度 z"));
    form->addRow(Utf8("平面図の深度 z (m)(&Z)"), depth);
    auto* axis = new QComboBox(this);
    axis->setObjectName("sectionAxis");
    axis->addItems({Utf8("y = 一定 (x 方向の断面)"), Utf8("x = 一定 (y 方向の断面)")});
    axis->setCurrentIndex(fields.sectionAtX ? 1 : 0);
    axis->setAccessibleName(Utf8("断面の向き"));
    connect(axis, &QComboBox::currentIndexChanged, this,
            [&fields](int index) { fields.sectionAtX = index == 1; });
    form->addRow(Utf8("断面(&C)"), axis);
    QLineEdit* at =
        MakeTextField(this, "sectionAt", fields.sectionAt, RefusingValidator::Kind::Number);
    at->setPlaceholderText(Utf8("最初の計算点"));
    at->setAccessibleName(Utf8("断面の位置"));
    form->addRow(Utf8("断面の位置 (m)(&P)"), at);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(shown);
  layout->addWidget(fill);
  layout->addLayout(form);
  layout->addWidget(new QLabel(Utf8("値は 5,10,20 のようにコンマで区切ります。\n"
                                    "空欄では最大の荷重強度をおよそ 8 段に分ける値になります。"),
                               this));
  layout->addWidget(MakeOkCancel());
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CIsobarDlg::Commit() {
  if (!Accepts(model_.Validate(), prompts_)) return false;
  if (model_.ConfirmLevels(prompts_)) return true;
  // The user corrects the levels.
  if (auto* levels = findChild<QLineEdit*>("levels")) {
    levels->setFocus(Qt::OtherFocusReason);
    levels->selectAll();
  }
  return false;
}

}  // namespace qel
