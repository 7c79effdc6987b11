// The settlement plates dialog driven through its fields: the chosen plate's readings and fits
// follow the plate table, the unit, paste and Delete reach the model, and OK stays open on a
// fault with its cell made current.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QTableWidget>
#include <QTest>

#include "app/dialog_driver.h"
#include "app/screenshot.h"
#include "dialogs/qt/plate_dlg.h"
#include "test_support/scripted_prompts.h"

namespace qel {
namespace {

TEST(PlateDialogTest, TabReachesEveryFieldInReadingOrder) {
  ScriptedPrompts prompts;
  PlateModel model{DocumentTables{}};
  CPlateDlg dialog(model, prompts);
  QStringList order;
  QWidget* field = dialog.findChild<QWidget*>("plates");
  do {
    if (field->focusPolicy() & Qt::TabFocus && !field->objectName().isEmpty())
      order << field->objectName();
    field = field->nextInFocusChain();
  } while (field != dialog.findChild<QWidget*>("plates"));
  const QStringList expected = {"plates", "addPlate", "removePlate", "unit",
                                "day0",   "readings", "paste",       "fits"};
  EXPECT_EQ(order.mid(0, expected.size()), expected);
  EXPECT_TRUE(order.contains("ok"));
}

TEST(PlateDialogTest, FieldsDriveTheModelAndOkStaysOpenOnAFault) {
  DocumentTables tables;
  tables.obsLines = std::vector<std::string>{
      "plate=1,P-1,12.5,,30",   "read=1,0,0",          "read=1,10,0.05", "read=1,40,0.12",
      "fit=1,hyperbolic,10,40", "plate=2,P-2,20,3,30", "read=2,5,0.01"};
  ScriptedPrompts prompts;
  PlateModel model(tables);
  CPlateDlg dialog(model, prompts);
  auto* plates = dialog.findChild<QTableWidget*>("plates");
  auto* readings = dialog.findChild<QTableWidget*>("readings");
  auto* fits = dialog.findChild<QTableWidget*>("fits");
  ASSERT_TRUE(plates && readings && fits);
  EXPECT_EQ(readings->rowCount(), 4);  // three readings and a row to type a new one
  EXPECT_EQ(dialog.findChild<QComboBox*>("fitMethod1")->currentIndex(), 1);

  plates->setCurrentCell(1, kPlateName);
  EXPECT_EQ(readings->item(0, kReadingDay)->text(), "5");
  dialog.findChild<QComboBox*>("unit")->setCurrentIndex(1);  // cm
  EXPECT_EQ(readings->item(0, kReadingSettlement)->text(), "1");
  readings->item(1, kReadingDay)->setText(QString::fromUtf8("１２"));
  readings->item(1, kReadingSettlement)->setText("2.5");
  EXPECT_EQ(model.plates()[1].readings[1], (PlateReadingRow{"12", "0.025"}));

  dialog.PasteText("0,0\n5,x\n");
  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_NE(prompts.shown()[0].text.find("2 行目"), std::string::npos);
  EXPECT_EQ(model.plates()[1].readings.size(), 2u);

  readings->setCurrentCell(0, kReadingDay);
  QTest::keyClick(readings, Qt::Key_Delete);
  EXPECT_EQ(model.plates()[1].readings, (std::vector<PlateReadingRow>{{"12", "0.025"}}));

  test::Type(dialog, "day0", "2026-04-01");
  EXPECT_EQ(model.day0(), "2026-04-01");
  dialog.findChild<QComboBox*>("fitMethod1")->setCurrentIndex(1);
  fits->item(0, kFitFrom)->setText("0");
  fits->item(0, kFitTo)->setText("30");
  EXPECT_EQ(model.plates()[1].fits.front(), (PlateFitRow{"hyperbolic", "0", "30", ""}));

  dialog.resize(980, 560);
  test::SaveScreenshot(dialog.grab().toImage(), "soil_plates");

  // The window reaches beyond plate 2's one reading: OK keeps the dialog open on that cell.
  plates->setCurrentCell(0, kPlateNo);
  test::Click(dialog, "ok");
  EXPECT_EQ(dialog.result(), 0);
  ASSERT_EQ(prompts.shown().size(), 2u);
  EXPECT_NE(prompts.shown()[1].text.find("沈下板 2 の予測 1 行目"), std::string::npos);
  EXPECT_EQ(plates->currentRow(), 1);
  EXPECT_EQ(fits->currentRow(), 0);
  EXPECT_EQ(fits->currentColumn(), kFitFrom);
}

}  // namespace
}  // namespace qel
