// The number-start test and the comma-field scanner.
#include "base/text_fields.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(IsNumericText, LooksOnlyAtTheFirstNonBlankCharacter) {
  EXPECT_EQ(IsNumericText("  -3"), 1);
  EXPECT_EQ(IsNumericText("12abc"), 1);
  EXPECT_EQ(IsNumericText("+"), 1);
  EXPECT_EQ(IsNumericText("."), 1);
  EXPECT_EQ(IsNumericText("\t7"), 1);
  EXPECT_EQ(IsNumericText(""), -1);
  EXPECT_EQ(IsNumericText("   "), -1);
  EXPECT_EQ(IsNumericText("abc"), 0);
  EXPECT_EQ(IsNumericText("!5"), 0);
  EXPECT_EQ(IsNumericText("１２"), 0);  // full-width digits are text
  EXPECT_TRUE(IsPresent(" 12"));
  EXPECT_FALSE(IsPresent(""));
}

TEST(NextCsvField, ReturnsWhereTheNextFieldStarts) {
  std::string out;
  EXPECT_EQ(NextCsvField(out, "ab,cd"), 3);
  EXPECT_EQ(out, "ab");
  EXPECT_EQ(NextCsvField(out, "\"a,b\",c"), 6);
  EXPECT_EQ(out, "a,b");
  EXPECT_EQ(NextCsvField(out, "last"), 0);
  EXPECT_EQ(out, "last");
  EXPECT_EQ(NextCsvField(out, "x\ny,z"), 0);  // a line feed ends the field and the line
  EXPECT_EQ(out, "x");
}

TEST(GetCsvField, FieldsQuotesAndMissingFields) {
  std::string out;
  EXPECT_EQ(GetCsvField(out, "\"a,b\",c", 1), 1);
  EXPECT_EQ(out, "a,b");
  EXPECT_EQ(GetCsvField(out, "\"a,b\",c", 2), 1);
  EXPECT_EQ(out, "c");
  EXPECT_EQ(GetCsvField(out, "\"a,b\",c", 3), 0);
  EXPECT_EQ(out, "");
  EXPECT_EQ(GetCsvField(out, "a,", 2), 1);  // a trailing comma makes an empty last field
  EXPECT_EQ(out, "");
  EXPECT_EQ(GetCsvField(out, ",", 1), 1);
  EXPECT_EQ(GetCsvField(out, "", 1), -1);
  EXPECT_EQ(GetCsvField(out, "1,2\n3,4", 3), 0);
  EXPECT_EQ(GetCsvField(out, "x\"y\"z", 1), 1);
  EXPECT_EQ(out, "xyz");
}

// The cut is told once per file by the file's reader (DataFileFindings), never per field.
TEST(GetCsvField, LinesOverTheLimitAreCut) {
  std::string out;
  std::string line = std::string(2599, 'a') + ",b";
  EXPECT_EQ(GetCsvField(out, line, 2), 1);
  EXPECT_EQ(out, "");  // only the comma fits: the second field is cut away
  EXPECT_EQ(GetCsvField(out, std::string(2600, 'a'), 1), 1);
  EXPECT_EQ(out, std::string(2600, 'a'));  // a line of exactly the limit is whole
}

}  // namespace
}  // namespace qel
