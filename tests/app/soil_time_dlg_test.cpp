// The stages and drains dialogs' widgets over their models: edits reach the model, rows come and
// go, the derived sizes follow the typing, Tab reaches every field, and each dialog is pictured
// for people to look at.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <set>

#include "app/screenshot.h"
#include "dialogs/qt/soil_drains_dlg.h"
#include "dialogs/qt/soil_stages_dlg.h"
#include "test_support/scripted_prompts.h"

namespace qel {
namespace {

DocumentTables WithSoil(std::vector<std::string> lines) {
  DocumentTables tables;
  tables.soilLines = std::move(lines);
  return tables;
}

// The object names of the fields Tab reaches from `start`, once round the dialog.
std::set<QString> TabReaches(QWidget* start) {
  std::set<QString> names;
  QWidget* at = start;
  do {
    if ((at->focusPolicy() & Qt::TabFocus) && !at->objectName().isEmpty())
      names.insert(at->objectName());
    at = at->nextInFocusChain();
  } while (at != start);
  return names;
}

TEST(SoilTimeDialogTest, StagesTableRowsAndChoicesReachTheModel) {
  ScriptedPrompts prompts;
  SoilStagesModel model(WithSoil({"stage=1,0,30,0.5"}), 1);
  CSoilStagesDlg dialog(model, prompts);
  auto* table = dialog.findChild<QTableWidget*>("stages");
  ASSERT_TRUE(table);
  dialog.findChild<QPushButton*>("addStage")->click();
  ASSERT_EQ(table->rowCount(), 2);
  table->item(1, 1)->setText(QString::fromUtf8("３０"));
  table->item(1, 2)->setText("60");
  table->item(1, 3)->setText("1");
  EXPECT_EQ(model.fields().stages[1], (SoilStageRow{"30", "60", "1"}));
  EXPECT_EQ(table->item(1, 0)->text(), "2");
  dialog.findChild<QComboBox*>("consolidation")->setCurrentIndex(2);
  EXPECT_EQ(model.Consolidation(), "coupled");
  dialog.findChild<QLineEdit*>("service")->setText(QString::fromUtf8("３６５０"));
  EXPECT_EQ(model.fields().service, "3650");
  for (const char* name : {"stages", "addStage", "removeStage", "timeLoad", "consolidation",
                           "secondary", "paving", "service", "ok"})
    EXPECT_TRUE(TabReaches(table).count(name)) << name;
  test::SaveScreenshot(dialog.grab().toImage(), "soil_stages");
  // OK over overlapping stages tells why, stays open and makes the stage's row current.
  table->setCurrentCell(0, 1);
  table->item(1, 1)->setText("20");
  dialog.accept();
  EXPECT_EQ(prompts.shown().size(), 1u);
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(table->currentRow(), 1);
  table->setCurrentCell(0, 1);
  dialog.findChild<QPushButton*>("removeStage")->click();
  EXPECT_EQ(table->rowCount(), 1);
  EXPECT_EQ(model.fields().stages.front().start, "20");
}

TEST(SoilTimeDialogTest, DrainsShowTheBandDiameterAndTheCellAsTyped) {
  ScriptedPrompts prompts;
  SoilDrainsModel model(DocumentTables{}, 1);
  CSoilDrainsDlg dialog(model, prompts);
  auto* spacing = dialog.findChild<QLineEdit*>("spacing");
  ASSERT_TRUE(spacing);
  EXPECT_FALSE(spacing->isEnabled());
  dialog.findChild<QCheckBox*>("present")->setChecked(true);
  EXPECT_TRUE(spacing->isEnabled());
  dialog.findChild<QRadioButton*>("bandDrain")->setChecked(true);
  EXPECT_FALSE(dialog.findChild<QLineEdit*>("dw")->isEnabled());
  dialog.findChild<QLineEdit*>("bandWidth")->setText("0.1");
  dialog.findChild<QLineEdit*>("bandThickness")->setText(QString::fromUtf8("０．００４"));
  spacing->setText("1.5");
  EXPECT_EQ(dialog.findChild<QLabel*>("bandDiameter")->text(), "dw = 0.066 m");
  EXPECT_EQ(dialog.findChild<QLabel*>("cell")->text(), "de = 1.693 m  n = 25.6");
  EXPECT_TRUE(model.fields().present);
  for (const char* name : {"present", "pattern", "spacing", "bandDrain", "bandWidth",
                           "bandThickness", "ds", "khks", "qw", "bottom", "ok"})
    EXPECT_TRUE(TabReaches(spacing).count(name)) << name;
  test::SaveScreenshot(dialog.grab().toImage(), "soil_drains");
}

}  // namespace
}  // namespace qel
