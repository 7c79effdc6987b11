// The settlement plates dialog's model: the section written back in place, the edits and pastes
// of readings in their units, and the faults found on OK named by table, row and field.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/plate_model.h"

namespace qel {
namespace {

DocumentTables WithObs(std::vector<std::string> lines) {
  DocumentTables tables;
  tables.obsLines = std::move(lines);
  return tables;
}

// Two plates, blanks the program does not write, and lines of keys it does not know.
const std::vector<std::string> kSection = {"version=2",
                                           "plate=1, P-1 ,12.5,,30",
                                           "read=1,0,0",
                                           "read=1, 10 ,0.05",
                                           "read=1,40,0.12",
                                           "note=kept where it is",
                                           "fit=1,hyperbolic,10,40",
                                           "plate=2,P-2,20,3,30",
                                           "read=2,5,0.01",
                                           "read=9,5,0.01",
                                           "plate=3,later,1,2,3,extra"};

TEST(PlateModel, AnUnchangedDialogWritesNothing) {
  DocumentTables tables = WithObs(kSection);
  PlateModel model(tables);
  ASSERT_EQ(model.plates().size(), 2u);
  EXPECT_EQ(model.plates()[0].readings.size(), 3u);
  EXPECT_EQ(model.plates()[1].readings.size(), 1u);
  EXPECT_FALSE(model.Validate());
  EXPECT_FALSE(model.HasChanged());
  EXPECT_EQ(model.SectionLines(), kSection);
  tables.obsLines = std::vector<std::string>{"changed elsewhere"};
  model.Apply(tables);
  EXPECT_EQ(tables.obsLines.ToVector(), std::vector<std::string>{"changed elsewhere"});
}

TEST(PlateModel, EditsWriteTheirLinesInPlaceAndKeepTheOthers) {
  struct Case {
    const char* name;
    std::function<void(PlateModel&)> edit;
    std::vector<std::string> section;
  };
  const Case cases[] = {
      {"a plate added follows the last line the dialog holds",
       [](PlateModel& m) {
         m.AddPlate();
         m.SetPlateCell(2, kPlateName, "P-3");
         m.SetPlateCell(2, kPlateX, "２５");
       },
       {"version=2", "plate=1, P-1 ,12.5,,30", "read=1,0,0", "read=1, 10 ,0.05", "read=1,40,0.12",
        "note=kept where it is", "fit=1,hyperbolic,10,40", "plate=2,P-2,20,3,30", "read=2,5,0.01",
        "plate=3,P-3,25,,0", "read=9,5,0.01", "plate=3,later,1,2,3,extra"}},
      {"a reading typed in cm with a date",
       [](PlateModel& m) {
         m.SetDay0("2026-04-01");
         m.SetUnit(ReadingUnit::kCentimetre);
         m.SetReadingCell(1, 1, kReadingDay, "2026-04-11");
         m.SetReadingCell(1, 1, kReadingSettlement, "２．１");
       },
       {"version=2", "plate=1, P-1 ,12.5,,30", "read=1,0,0", "read=1, 10 ,0.05", "read=1,40,0.12",
        "note=kept where it is", "fit=1,hyperbolic,10,40", "plate=2,P-2,20,3,30", "read=2,5,0.01",
        "read=2,10,0.021", "read=9,5,0.01", "plate=3,later,1,2,3,extra"}},
      {"a date typed before day 0 counts from it once day 0 is left",
       [](PlateModel& m) {
         m.SetReadingCell(1, 1, kReadingDay, "2026/4/21");
         m.SetReadingCell(1, 1, kReadingSettlement, "0.02");
         m.SetDay0("２０２６-04-01");
         m.LeaveDay0();
       },
       {"version=2", "plate=1, P-1 ,12.5,,30", "read=1,0,0", "read=1, 10 ,0.05", "read=1,40,0.12",
        "note=kept where it is", "fit=1,hyperbolic,10,40", "plate=2,P-2,20,3,30", "read=2,5,0.01",
        "read=2,20,0.02", "read=9,5,0.01", "plate=3,later,1,2,3,extra"}},
      {"a plate removed takes its readings and fits along",
       [](PlateModel& m) { m.RemovePlate(0); },
       {"version=2", "plate=2,P-2,20,3,30", "read=2,5,0.01", "note=kept where it is",
        "read=9,5,0.01", "plate=3,later,1,2,3,extra"}},
      {"a fit chosen by its shown name, with Asaoka's step",
       [](PlateModel& m) {
         m.SetFitCell(0, 0, kFitMethod, "浅岡法");
         m.SetFitCell(0, 0, kFitDt, "5");
       },
       {"version=2", "plate=1, P-1 ,12.5,,30", "read=1,0,0", "read=1, 10 ,0.05", "read=1,40,0.12",
        "note=kept where it is", "fit=1,asaoka,10,40,5", "plate=2,P-2,20,3,30", "read=2,5,0.01",
        "read=9,5,0.01", "plate=3,later,1,2,3,extra"}},
      {"a renumbered plate renumbers its readings",
       [](PlateModel& m) { m.SetPlateCell(1, kPlateNo, "7"); },
       {"version=2", "plate=1, P-1 ,12.5,,30", "read=1,0,0", "read=1, 10 ,0.05", "read=1,40,0.12",
        "note=kept where it is", "fit=1,hyperbolic,10,40", "plate=7,P-2,20,3,30", "read=7,5,0.01",
        "read=9,5,0.01", "plate=3,later,1,2,3,extra"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DocumentTables tables = WithObs(kSection);
    PlateModel model(tables);
    c.edit(model);
    EXPECT_TRUE(model.HasChanged());
    EXPECT_FALSE(model.Validate()) << model.Validate()->message;
    model.Apply(tables);
    EXPECT_EQ(tables.obsLines.ToVector(), c.section);
  }
}

TEST(PlateModel, ReadingsShowInTheChosenUnit) {
  struct Case {
    ReadingUnit unit;
    const char* shown;  // the 40th day's 0.12 m
  };
  const Case cases[] = {{ReadingUnit::kMetre, "0.12"},
                        {ReadingUnit::kCentimetre, "12"},
                        {ReadingUnit::kMillimetre, "120"}};
  for (const Case& c : cases) {
    PlateModel model(WithObs(kSection));
    model.SetUnit(c.unit);
    EXPECT_EQ(model.ReadingCell(0, 2, kReadingSettlement), c.shown);
    EXPECT_EQ(model.ReadingCell(0, 2, kReadingDay), "40");
  }
}

TEST(PlateModel, PasteReplacesThePlatesReadingsOnlyWhenEveryRowReads) {
  struct Case {
    const char* name;
    ReadingUnit unit;
    const char* day0;
    const char* text;
    std::vector<PlateReadingRow> readings;  // of plate 2 after the paste
    const char* message;                    // a part of the message; empty: pasted
  };
  const std::vector<PlateReadingRow> asBefore = {{"5", "0.01"}};
  const Case cases[] = {
      {"dates and centimetres under a heading",
       ReadingUnit::kCentimetre,
       "2026-04-01",
       "日付\t沈下量(cm)\n2026-04-01\t0\n2026-04-11\t2.1\n2026-05-01\t4.5\n",
       {{"0", "0"}, {"10", "0.021"}, {"30", "0.045"}},
       ""},
      {"days and millimetres",
       ReadingUnit::kMillimetre,
       "",
       "0,0\n7,12\n",
       {{"0", "0"}, {"7", "0.012"}},
       ""},
      {"a bad row is named", ReadingUnit::kMetre, "", "0,0\n5,0.01\n8,abc\n", asBefore, "3 行目"},
      {"a date without day 0", ReadingUnit::kMetre, "", "2026-04-11,0.01\n", asBefore, "日付"},
      {"nothing to paste", ReadingUnit::kMetre, "", "\n\n", asBefore, "ありません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlateModel model(WithObs(kSection));
    model.SetUnit(c.unit);
    model.SetDay0(c.day0);
    const std::optional<std::string> error = model.PasteReadings(1, c.text);
    if (*c.message)
      EXPECT_NE(error.value_or("").find(c.message), std::string::npos) << error.value_or("");
    else
      EXPECT_FALSE(error) << *error;
    EXPECT_EQ(model.plates()[1].readings, c.readings);
  }
}

TEST(PlateModel, OkNamesTheFirstFaultByTableRowAndField) {
  struct Case {
    const char* name;
    std::function<void(PlateModel&)> edit;
    PlateFault fault;  // the message: a part of it
  };
  const Case cases[] = {
      {"a fit window beyond the readings",
       [](PlateModel& m) { m.SetFitCell(0, 0, kFitTo, "60"); },
       {{"沈下板 1 の予測 1 行目", "fits"}, 0, 0, kFitFrom}},
      {"a second fit's window reversed",
       [](PlateModel& m) {
         m.SetFitCell(1, 0, kFitMethod, "hyperbolic");
         m.SetFitCell(1, 0, kFitFrom, "5");
         m.SetFitCell(1, 0, kFitTo, "3");
       },
       {{"沈下板 2 の予測 1 行目", "fits"}, 1, 0, kFitFrom}},
      {"a plate's x not a number",
       [](PlateModel& m) { m.SetPlateCell(1, kPlateX, "abc"); },
       {{"沈下板の表 2 行目", "plates"}, 1, 1, kPlateX}},
      {"a comma typed into a name",
       [](PlateModel& m) { m.SetPlateCell(0, kPlateName, "a,b"); },
       {{"「,」は使えません", "plates"}, 0, 0, kPlateName}},
      {"a day not after the one before names that row",
       [](PlateModel& m) { m.SetReadingCell(0, 2, kReadingDay, "10"); },
       {{"前の読み値 (2 行目)", "readings"}, 0, 2, kReadingDay}},
      {"a date typed before day 0",
       [](PlateModel& m) { m.SetReadingCell(1, 1, kReadingDay, "2026-04-11"); },
       {{"0 日の日付を入力してください", "day0"}, 1, 1, kReadingDay}},
      {"a settlement not a number",
       [](PlateModel& m) { m.SetReadingCell(1, 0, kReadingSettlement, "x"); },
       {{"沈下板 2 の実測値 1 行目", "readings"}, 1, 0, kReadingSettlement}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlateModel model(WithObs(kSection));
    c.edit(model);
    const std::optional<PlateFault> fault = model.FirstFault();
    ASSERT_TRUE(fault);
    EXPECT_NE(fault->error.message.find(c.fault.error.message), std::string::npos)
        << fault->error.message;
    EXPECT_EQ(fault->error.field, c.fault.error.field);
    EXPECT_EQ(fault->plate, c.fault.plate);
    EXPECT_EQ(fault->row, c.fault.row);
    EXPECT_EQ(fault->column, c.fault.column);
  }
}

TEST(PlateModel, OnlyAsaokaUsesTheStep) {
  struct Case {
    const char* method;
    bool stepUsed;
  };
  const Case cases[] = {{"hyperbolic", false}, {"sqrt", false}, {"asaoka", true}, {"", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.method);
    EXPECT_EQ(PlateFitColumnUsed(c.method, kFitDt), c.stepUsed);
    EXPECT_TRUE(PlateFitColumnUsed(c.method, kFitTo));
  }
}

TEST(PlateModel, RowsStopAtTheirLimits) {
  PlateModel model(WithObs({}));
  for (int i = 0; i < PlateModel::kMostPlates; ++i)
    ASSERT_TRUE(model.AddPlate());
  EXPECT_FALSE(model.AddPlate());
  model.SetPlateCell(PlateModel::kMostPlates, kPlateName, "one too many");
  EXPECT_EQ(model.plates().size(), static_cast<std::size_t>(PlateModel::kMostPlates));
  EXPECT_EQ(model.plates().back().cells[kPlateNo], std::to_string(PlateModel::kMostPlates));
  for (int i = 0; i <= PlateModel::kMostFits; ++i)
    model.SetFitCell(0, i, kFitFrom, "0");
  EXPECT_EQ(model.plates()[0].fits.size(), static_cast<std::size_t>(PlateModel::kMostFits));
}

}  // namespace
}  // namespace qel
