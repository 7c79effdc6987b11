// Texts that would come back from a data file as section markers refuse the save, by name.
#include "document/marker_text.h"

#include "document/document.h"

#include <gtest/gtest.h>

#include "document/data_file.h"
#include "document/document_save.h"
#include "platform/messages.h"
#include "settings/system_settings.h"
#include "support/test_files.h"

namespace qel {
namespace {

TEST(FindSectionMarkerText, NamesTheFirstFieldASaveWouldWriteWithTwoDollars) {
  struct Case {
    const char* what;
    void (*fill)(DocumentTables&);
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"nothing", [](DocumentTables&) {}, std::nullopt},
      {"one dollar", [](DocumentTables& t) { t.settingLines[27] = "US$ 5"; }, std::nullopt},
      {"strip title", [](DocumentTables& t) { t.settingLines[27] = "T$$K1"; },
       "帯状荷重 図のタイトル"},
      {"rectangle page text",
       [](DocumentTables& t) { t.settingLines[setting_line::kDataPageSuffix + 13] = "$$"; },
       "長方形円形荷重 データのページの後の文字"},
      {"other setting", [](DocumentTables& t) { t.settingLines[105] = "$$OXZ"; },
       "設定の 105 行目"},
      {"strip cell",
       [](DocumentTables& t) {
         t.stripLoads[2][1][strip_col::kNo] = "1";
         t.stripLoads[2][1][strip_col::kGamma] = "$$K2";
       },
       "帯状荷重 荷重2 1 行目 γ"},
      {"a strip row a save leaves out",
       [](DocumentTables& t) { t.stripLoads[1][1][strip_col::kX1] = "$$K2"; }, std::nullopt},
      {"circle cell",
       [](DocumentTables& t) {
         t.circleLoads[1][circle_col::kNo] = "1";
         t.circleLoads[2][circle_col::kNo] = "2";
         t.circleLoads[2][circle_col::kR] = "a$$b";
       },
       "円形荷重 2 行目 r"},
      {"lattice point", [](DocumentTables& t) { t.gridPoints[12][point_col::kGridZ] = "$$"; },
       "長方形円形荷重 計算点 12 行目 z"},
      {"figure line that does not read",
       [](DocumentTables& t) { t.figures.unreadLines = {"strip.notes=$$K1"}; },
       "図の設定の行「strip.notes=$$K1」"},
      {"soil line",
       [](DocumentTables& t) {
         t.soilLines = {"water=1", "layer=$$"};
       },
       "地盤の 2 行目"},
      {"settlement plate line",
       [](DocumentTables& t) {
         t.obsLines = {"plate=1,a,0,0,0", "read=1,0,0", "fit=1,$$"};
       },
       "沈下板の実測値の 3 行目"},
  };
  for (const Case& c : cases) {
    DocumentTables tables;
    c.fill(tables);
    EXPECT_EQ(FindSectionMarkerText(tables), c.expected) << c.what;
  }
}

TEST(FindSectionMarkerText, ATextReadFromAFileRefusesTheNextSaveAndKeepsTheOldFile) {
  test::TempFolder folder;
  // Quotes are dropped on reading: the cell holds "$$K2" once read.
  const std::string in = folder.File("in.qdw");
  test::WriteBytes(in, "$$_QEL405\r\n$$K1\r\n1,\"$\"$K2,1,2,3,1,1,0\r\n");
  DocumentTables tables;
  SystemSettings settings;
  ASSERT_EQ(ReadDataFile(in, tables), ReadStatus::Ok);
  EXPECT_EQ(tables.stripLoads[1][1][strip_col::kX1], "$$K2");  // kept as it was read
  const std::string out = folder.File("out.qdw");
  test::WriteBytes(out, "old");
  DocumentResults results;
  const SaveOutcome outcome =
      SaveDocument(out, Document(tables), results, CircleMethod::kExact, settings);
  EXPECT_FALSE(outcome);
  EXPECT_EQ(outcome.message,
            MessageText(MessageId::SectionMarkerInField, "帯状荷重 荷重1 1 行目 X1"));
  EXPECT_EQ(test::ReadBytes(out), "old");
}

}  // namespace
}  // namespace qel
