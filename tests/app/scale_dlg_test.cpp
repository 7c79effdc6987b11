// The scale dialog writes the axes as its other labels do: full-width Ｘ and Ｙ, the half-width
// letters only in the keys of its mnemonics.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include "dialogs/qt/scale_dlg.h"
#include "dialogs/scale_model.h"
#include "test_support/scripted_prompts.h"

namespace qel {
namespace {

TEST(ScaleDialogTest, EveryLabelWritesTheAxesFullWidth) {
  for (Problem problem : {Problem::Strip, Problem::RectCircle}) {
    SystemSettings settings;
    ScriptedPrompts prompts;
    ScaleModel model(settings, problem, DeviceGeometry());
    CScaleDlg dialog(model, prompts);
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
      texts << label->text();
    for (const QLineEdit* field : dialog.findChildren<QLineEdit*>())
      texts << field->accessibleName();
    int axes = 0;
    for (QString text : texts) {
      text.remove(QRegularExpression("\\(&[XY]\\)"));
      EXPECT_FALSE(text.contains('X') || text.contains('Y')) << text.toStdString();
      axes += text.contains(QString::fromUtf8("Ｘ")) || text.contains(QString::fromUtf8("Ｙ"));
    }
    EXPECT_GE(axes, 10);
    EXPECT_TRUE(texts.contains(QString::fromUtf8("下端のＹ座標")));
  }
}

}  // namespace
}  // namespace qel
