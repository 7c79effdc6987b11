// Data files read and written again: each fixture's input must give its expected output byte
// for byte (results left empty).
#include <gtest/gtest.h>

#include "base/text_file.h"
#include "document/data_file.h"
#include "support/test_files.h"

namespace qel {
namespace {

class DataFileFixture : public ::testing::TestWithParam<const char*> {};

TEST_P(DataFileFixture, ReadThenWriteGivesTheExpectedFile) {
  std::string name = GetParam();
  std::string input = test::ReadBytes(test::Fixture("datafiles/" + name + ".in.qdw"));
  std::string expected = test::ReadBytes(test::Fixture("datafiles/" + name + ".out.qdw"));
  ASSERT_FALSE(input.empty());
  ASSERT_FALSE(expected.empty());

  DocumentTables tables;
  ASSERT_EQ(ReadDataBytes(input, tables), ReadStatus::Ok);
  // The scale and print-range lines in the form a save gives them, their values as read.
  for (Problem problem : {Problem::Strip, Problem::RectCircle})
    WriteFigureRangeLines(tables, problem, FigureRangeLines(tables, problem));
  ResultsGrid noResults;
  std::string written = FormatDataFile(tables, noResults, 3);
  WriteOutcome encoded;
  test::TempFolder folder;
  encoded = WriteTextFileSafely(folder.File("out.qdw"), written);
  ASSERT_TRUE(encoded.ok) << encoded.error;
  EXPECT_EQ(test::ReadBytes(folder.File("out.qdw")), expected);
}

INSTANTIATE_TEST_SUITE_P(Files, DataFileFixture,
                         ::testing::Values("version400", "empty_number", "k1_25_rows", "comma_cell",
                                           "unknown_section", "truncated_lf", "japanese",
                                           "dollar_in_setting"));

}  // namespace
}  // namespace qel
