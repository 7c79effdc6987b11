// The soil dialogs' widgets over their models: edits reach the model, the greyed cells follow
// the method, a paste fills the curve, and each dialog is pictured for people to look at.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

#include "app/screenshot.h"
#include "dialogs/qt/soil_conditions_dlg.h"
#include "dialogs/qt/soil_curve_dlg.h"
#include "dialogs/qt/soil_layer_dlg.h"
#include "test_support/scripted_prompts.h"

namespace qel {
namespace {

const std::vector<std::string> kSection = {
    "water=1.0",
    "gammaw=9.81",
    "slice=0.5",
    "layer=1,表土,1.5,17,18,none,,,,,,,,",
    "layer=2,粘土1,6.0,15,15.5,elogp,,,0.05,,,120,both,1",
    "layer=3,粘土2,12.0,16,16.5,cc,1.6,0.5,0.05,90,,200,bottom,",
    "layer=4,砂,20.0,18,19.5,none,,,,,,,,",
    "curve=1,10,2.30,20,2.25,40,2.16,80,2.00,160,1.82,320,1.64,640,1.46"};

TEST(SoilDialogTest, LayerTableEditsReachTheModelAndGreyTheUnusedCells) {
  DocumentTables tables;
  tables.soilLines = kSection;
  ScriptedPrompts prompts;
  SoilLayerModel model(tables, 1);
  CSoilLayerDlg dialog(model, prompts);
  auto* table = dialog.findChild<QTableWidget*>("layers");
  ASSERT_TRUE(table);
  const auto greyed = [&](int row, int column) {
    return table->item(row, column)->background().color() == dialog.palette().window().color();
  };
  EXPECT_TRUE(greyed(0, kSoilE0));
  EXPECT_FALSE(greyed(2, kSoilE0));
  dialog.findChild<QComboBox*>("method1")->setCurrentIndex(4);  // mv
  EXPECT_EQ(model.rows()[0][kSoilMethod], "mv");
  EXPECT_FALSE(greyed(0, kSoilMv));
  EXPECT_TRUE(greyed(0, kSoilE0));
  table->item(4, kSoilBottom)->setText(QString::fromUtf8("２５"));
  EXPECT_EQ(model.rows()[4][kSoilBottom], "25");
  EXPECT_EQ(model.rows()[4][kSoilNo], "5");
  EXPECT_EQ(table->item(4, kSoilNo)->text(), "5");
  dialog.resize(1100, 480);
  test::SaveScreenshot(dialog.grab().toImage(), "soil_layers");
}

TEST(SoilDialogTest, PasteFillsTheShownCurve) {
  DocumentTables tables;
  tables.soilLines = kSection;
  ScriptedPrompts prompts;
  SoilCurveModel model(tables);
  CSoilCurveDlg dialog(model, prompts);
  auto* table = dialog.findChild<QTableWidget*>("points");
  dialog.PasteText("p\te\n5\t2.35\n10\t2.30");
  EXPECT_EQ(model.points(0).front(), (SoilCurvePoint{"5", "2.35"}));
  EXPECT_EQ(table->item(1, 0)->text(), "10");
  dialog.PasteText("5\tx");
  EXPECT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(model.points(0).size(), 7u);
  dialog.resize(760, 480);
  test::SaveScreenshot(dialog.grab().toImage(), "soil_curves");
}

TEST(SoilDialogTest, ConditionsShowTheProposalAndTakeFullWidthDigits) {
  ScriptedPrompts prompts;
  SoilConditionsModel model(DocumentTables{}, 1);
  CSoilConditionsDlg dialog(model, prompts);
  EXPECT_EQ(dialog.findChild<QLineEdit*>("gammaW")->text(), "9.81");
  auto* water = dialog.findChild<QLineEdit*>("water");
  water->setText(QString::fromUtf8("１．５"));
  EXPECT_EQ(model.fields().water, "1.5");
  test::SaveScreenshot(dialog.grab().toImage(), "soil_conditions");
}

}  // namespace
}  // namespace qel
