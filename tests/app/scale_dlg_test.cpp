// The scale dialog writes the axes as its other labels do: full-width Ｘ and Ｙ, the half-width
// letters only as the keys of its mnemonics.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include "dialogs/qt/scale_dlg.h"
#include "test_support/scripted_prompts.h"

namespace qel {
namespace {

TEST(ScaleDialogTest, EveryLabelWritesTheAxesFullWidth) {
  for (Problem problem : {Problem::Strip, Problem::RectCircle}) {
    ScriptedPrompts prompts;
    ScaleModel model(DocumentTables(), SystemSettings(), problem, DeviceGeometry());
    CScaleDlg dialog(model, prompts);
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
      texts << label->text().remove(QRegularExpression("\\(&[XY]\\)"));
    for (const QLineEdit* field : dialog.findChildren<QLineEdit*>())
      texts << field->accessibleName();
    EXPECT_TRUE(texts.filter(QRegularExpression("[XY]")).isEmpty())
        << texts.join("|").toStdString();
    EXPECT_GE(texts.filter(QRegularExpression("[ＸＹ]")).size(), 10);
    EXPECT_TRUE(texts.contains(QString::fromUtf8("下端のＹ座標")));
  }
}

}  // namespace
}  // namespace qel
