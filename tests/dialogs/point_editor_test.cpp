// The calculation-point model: the same-depth warning, the negative values and the command
// that opens the dialog again while they remain.
#include "dialogs/point_editor.h"

#include <gtest/gtest.h>

#include "platform/messages.h"
#include "support/applied_change.h"
#include "test_support/scripted_prompts.h"

namespace qel {
namespace {

// A strip point model whose depths are `depths`, row by row.
PointEditor StripDepths(const std::vector<std::string>& depths) {
  DocumentTables tables;
  PointEditor editor(PointKind::Strip, tables);
  for (std::size_t i = 0; i < depths.size(); ++i)
    editor.SetText(static_cast<int>(i) + 1, 2, depths[i]);
  return editor;
}

TEST(PointEditor, SameDepthsAreWarnedAboutUpToThreePairs) {
  struct Case {
    std::vector<std::string> depths;
    const char* warning;  // "" for none
  };
  const Case cases[] = {
      {{"1", "2", "1"}, "同じ深度があります\r\n 1 m \r\n"},
      {{"1", "1.0000005"}, "同じ深度があります\r\n 1 m \r\n"},
      {{"1", "1.00001"}, ""},
      {{"abc", "abc", "", ""}, ""},
      {{"2", "2", "2", "2", "2"}, "同じ深度があります\r\n 2 m \r\n 2 m \r\n 2 m \r\n"},
      {{" 3", "-1", "3.0"}, "同じ深度があります\r\n  3 m \r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.depths[0] + "," + c.depths[1]);
    const std::optional<std::string> warning = StripDepths(c.depths).SameDepthWarning();
    EXPECT_EQ(warning.value_or(""), c.warning);
  }
  // Equal x values are no concern of the warning.
  DocumentTables tables;
  PointEditor editor(PointKind::Lattice, tables);
  editor.SetText(1, 1, "5");
  editor.SetText(2, 1, "5");
  editor.SetText(1, 2, "5");
  EXPECT_FALSE(editor.SameDepthWarning().has_value());
}

TEST(PointEditor, TextsGoToTheDocumentAsTypedAndQuotesAreRefused) {
  DocumentTables tables;
  tables.gridPoints[12][3] = "30";
  PointEditor editor(PointKind::Lattice, tables);
  EXPECT_EQ(editor.rowCount(), 12);
  EXPECT_EQ(editor.Text(12, 3), "30");
  EXPECT_EQ(editor.FieldName(12, 3), "z12");
  EXPECT_EQ(editor.FieldName(1, 2), "y1");
  EXPECT_FALSE(editor.HasChanged());
  EXPECT_FALSE(editor.SetText(2, 2, "1\""));
  EXPECT_FALSE(editor.SetText(2, 1, "$$OXZ"));
  EXPECT_TRUE(editor.SetText(2, 2, " 1.50 "));
  EXPECT_TRUE(editor.SetText(12, 3, ""));
  EXPECT_TRUE(editor.HasChanged());
  EXPECT_TRUE(test::AppliedAChange(editor, tables));
  EXPECT_EQ(tables.gridPoints[2][2], " 1.50 ");
  EXPECT_EQ(tables.gridPoints[12][3], "");
  EXPECT_FALSE(editor.HasChanged());
  EXPECT_FALSE(test::AppliedAChange(editor, tables));
}

// The status line tells why a character was refused, whether the field refused it as it
// arrived or the text reached the model.
TEST(PointEditor, ARefusedCharacterIsToldOnTheStatusLine) {
  const std::string refused = MessageText(MessageId::RefusedCharacter);
  DocumentTables tables;
  PointEditor typed(PointKind::Strip, tables);
  EXPECT_EQ(typed.status(), "");
  EXPECT_TRUE(typed.SetText(1, 1, "5"));
  EXPECT_EQ(typed.status(), "");
  EXPECT_FALSE(typed.SetText(1, 1, "5\n6"));
  EXPECT_EQ(typed.status(), refused);
  EXPECT_EQ(typed.Text(1, 1), "5");
  PointEditor arriving(PointKind::Lattice, tables);
  arriving.RefuseCharacter();
  EXPECT_EQ(arriving.status(), refused);
}

TEST(PointEditor, CancelAsksOnlyWhileATextChanged) {
  struct Case {
    const char* typed;  // into x1; nullptr: nothing typed
    PromptAnswer answer;
    bool closes;
    int questions;
  };
  const Case cases[] = {{nullptr, PromptAnswer::No, true, 0},
                        {"5", PromptAnswer::No, false, 1},
                        {"5", PromptAnswer::Yes, true, 1},
                        {"", PromptAnswer::No, true, 0}};  // typed, then taken back
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed ? c.typed : "nothing");
    DocumentTables tables;
    PointEditor editor(PointKind::Strip, tables);
    if (c.typed) editor.SetText(1, 1, c.typed);
    ScriptedPrompts prompts;
    prompts.AnswerNext(c.answer);
    EXPECT_EQ(editor.ConfirmCancel(prompts), c.closes);
    EXPECT_EQ(prompts.CountShown(MessageText(MessageId::ConfirmCancel)), c.questions);
    EXPECT_EQ(prompts.shown().size(), static_cast<std::size_t>(c.questions));
  }
}

TEST(NegativePointRecords, StripPointsTestBothColumnsLatticeRecordsOnlyXAfterTheFirst) {
  struct Case {
    PointKind kind;
    std::vector<std::pair<std::string, std::string>> cells;  // "row:column" -> text
    std::vector<int> records;
  };
  const Case cases[] = {
      {PointKind::Strip, {{"1:1", "-1"}}, {1}},
      {PointKind::Strip, {{"2:2", "-0.5"}, {"2:1", "-1"}, {"4:2", "-2"}}, {2, 4}},
      {PointKind::Strip, {{"1:1", "0"}, {"1:2", "abc"}, {"3:1", "-"}}, {}},
      {PointKind::Lattice, {{"2:2", "-1"}, {"5:2", "-1"}}, {2}},
      {PointKind::Lattice, {{"2:3", "-1"}, {"5:1", "-1"}}, {2, 5}},
  };
  for (const Case& c : cases) {
    DocumentTables tables;
    for (const auto& [where, text] : c.cells) {
      const int row = std::stoi(where), column = std::stoi(where.substr(where.find(':') + 1));
      (c.kind == PointKind::Strip ? tables.stripPoints[row] : tables.gridPoints[row])[column] =
          text;
    }
    EXPECT_EQ(NegativePointRecords(c.kind, tables), c.records);
  }
}

}  // namespace
}  // namespace qel
