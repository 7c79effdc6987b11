// The dialog-command runner without a window: scripted dialogs over the real models, the
// reporter's messages, the openings and the undo step a command leaves.
#include "app/dialog_command.h"

#include <gtest/gtest.h>

#include <optional>

#include "dialogs/display_moves.h"
#include "dialogs/key_behaviour_model.h"
#include "dialogs/point_editor.h"
#include "dialogs/scale_model.h"
#include "platform/messages.h"
#include "support/figure_range_edit.h"
#include "support/scale_documents.h"
#include "test_support/scripted_prompts.h"

namespace qel {
namespace {

using test::ScaleCells;
using test::ScalePaper;
using test::ScaleSettings;

class ScaleCommandTest : public ::testing::Test {
 protected:
  // Runs the strip scale command with dialogs that answer from `answers` (nullopt: Cancel; the
  // last answer repeats).
  bool Run(std::vector<std::optional<ScaleFields>> answers) {
    opened.clear();
    DialogCommand<ScaleModel> command;
    command.load = [this] {
      return ScaleModel(document.cells(), settings, Problem::Strip, ScalePaper());
    };
    command.show = [this, answers](ScaleModel& model) {
      opened.push_back(model.fields());
      const std::size_t i = opened.size() - 1;
      const std::optional<ScaleFields>& answer = i < answers.size() ? answers[i] : answers.back();
      if (!answer) return false;
      model.fields() = *answer;
      return true;
    };
    command.afterOk = [this](const ScaleModel&) {
      ReturnToFirstPage(view, document.cells(), Problem::Strip);
      ++repaints;
    };
    command.mostOpenings = kMostScaleOpenings;
    return RunDocumentDialog(command, "縮尺", document, prompts);
  }
  FigureRange Strip() const { return ReadFigureRange(document.cells(), Problem::Strip); }
  std::vector<std::string> Shown() const {
    std::vector<std::string> texts;
    for (const ScriptedPrompts::Shown& shown : prompts.shown())
      texts.push_back(shown.text);
    return texts;
  }

  SystemSettings settings = ScaleSettings();
  Document document{ScaleCells()};
  ViewState view;
  ScriptedPrompts prompts;
  std::vector<ScaleFields> opened;
  int repaints = 0;
};

TEST_F(ScaleCommandTest, AnOverlapAsWideAsTheRangeOpensTheDialogAgainWithOverlapZero) {
  view.displayMode = DisplayMode::RectCircleData;
  view.currentPage = 4;
  const ScaleFields overlapping{"500", "500", "10", "100", "7", "80", "80"};
  const ScaleFields fine{"500", "500", "10", "100", "7", "80", "10"};
  EXPECT_TRUE(Run({overlapping, fine}));
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[1].pageOverlap, "0");
  EXPECT_EQ(opened[1].leftX, "7");
  EXPECT_EQ(Strip().pageOverlap, 10);
  EXPECT_EQ(repaints, 2);
  // The reporter told the reset once, before the dialog opened again.
  EXPECT_EQ(Shown(), std::vector<std::string>{MessageText(MessageId::OverlapReset, "80", "80")});
  // Both openings make one step: its undo goes back to the document before the command.
  EXPECT_EQ(document.undoSteps(), 1u);
  EXPECT_EQ(document.UndoName(), "縮尺");
  ASSERT_TRUE(document.Undo());
  EXPECT_TRUE(document.cells() == ScaleCells());
  // Page 1 of the strip figure at the stored left X.
  EXPECT_EQ(view.displayMode, DisplayMode::StripFigure);
  EXPECT_EQ(view.currentPage, 1);
  EXPECT_EQ(view.screenLeftX, 7);
}

TEST_F(ScaleCommandTest, TheReporterTellsEveryNoticeOfAnOkInOrder) {
  // The overlap is reset, then both ranges are cut to a page (95 + 2 m, 128 + 2 m).
  EXPECT_TRUE(Run({ScaleFields{"500", "500", "10", "200", "0", "500", "600"},
                   ScaleFields{"500", "500", "10", "100", "0", "80", "0"}}));
  EXPECT_EQ(Shown(), (std::vector<std::string>{MessageText(MessageId::OverlapReset, "600", "500"),
                                               MessageText(MessageId::PrintableWidth, "95"),
                                               MessageText(MessageId::PrintableHeight, "128")}));
  EXPECT_EQ(opened[1].rangeX, "97");
  EXPECT_EQ(opened[1].rangeY, "130");
}

TEST_F(ScaleCommandTest, TheDialogOpensElevenTimesAtMost) {
  EXPECT_TRUE(Run({ScaleFields{"500", "500", "10", "100", "0", "80", "80"}}));
  EXPECT_EQ(static_cast<int>(opened.size()), kMostScaleOpenings);
  EXPECT_EQ(Strip().pageOverlap, 0);
  EXPECT_EQ(document.undoSteps(), 1u);
}

TEST_F(ScaleCommandTest, CancelStoresNothingButKeepsWhatAnEarlierOkStored) {
  view.displayMode = DisplayMode::StripData;
  view.currentPage = 3;
  EXPECT_FALSE(Run({std::nullopt}));
  EXPECT_EQ(Strip().scaleX, 500);
  EXPECT_EQ(document.undoSteps(), 0u);
  EXPECT_EQ(view.currentPage, 3);
  EXPECT_EQ(repaints, 0);
  EXPECT_TRUE(prompts.shown().empty());

  // The first OK reset the overlap; the dialog opened again was cancelled: the stored values
  // stay, as one step of the document.
  EXPECT_TRUE(Run({ScaleFields{"400", "500", "10", "100", "0", "60", "60"}, std::nullopt}));
  EXPECT_EQ(Strip().scaleY, 400);
  EXPECT_EQ(Strip().pageOverlap, 0);
  EXPECT_EQ(document.undoSteps(), 1u);
  // A table of the strip loads is shown: the display stays, at page 1.
  EXPECT_EQ(view.displayMode, DisplayMode::StripData);
  EXPECT_EQ(view.currentPage, 1);
}

TEST(PointCommand, ANegativeValueOpensTheDialogAgainUntilCancelOrAGoodOk) {
  struct Case {
    const char* name;
    std::vector<std::string> typedX;  // what each opening leaves in x1 before its answer
    std::vector<bool> answers;        // OK (true) or Cancel for each opening
    int openings, messages;
    const char* stored;
  };
  const Case cases[] = {
      {"ok", {"2"}, {true}, 1, 0, "2"},
      {"cancel", {"2"}, {false}, 1, 0, ""},
      {"negative, then cancel", {"-1", "-1"}, {true, false}, 2, 1, "-1"},
      {"negative, then mended", {"-1", "3"}, {true, true}, 2, 1, "3"},
      {"negative twice", {"-1", "-1", "4"}, {true, true, true}, 3, 2, "4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Document document;
    ScriptedPrompts prompts;
    std::size_t opening = 0;
    int afterOks = 0;
    std::vector<std::string> shownX;
    DialogCommand<PointEditor> command;
    command.load = [&] { return PointEditor(PointKind::Strip, document.cells()); };
    command.show = [&](PointEditor& editor) {
      shownX.push_back(editor.Text(1, 1));
      editor.SetText(1, 1, c.typedX[opening]);
      return static_cast<bool>(c.answers[opening++]);
    };
    command.afterOk = [&](const PointEditor&) { ++afterOks; };
    const bool changed = RunDocumentDialog(command, "計算点", document, prompts);
    EXPECT_EQ(static_cast<int>(opening), c.openings);
    EXPECT_EQ(prompts.CountShown("データが負です。正にして下さい。\n x1「-1」"), c.messages);
    EXPECT_EQ(document.cells().stripPoints[1][1], c.stored);
    EXPECT_EQ(changed, std::string(c.stored) != "");
    EXPECT_EQ(document.undoSteps(), changed ? 1u : 0u);
    // A reopened dialog shows the values as typed.
    if (opening > 1) {
      EXPECT_EQ(shownX[1], "-1");
    }
    EXPECT_EQ(afterOks, c.openings - (c.answers.back() ? 0 : 1));
  }
}

// A settings command stores on OK, then runs its own step and saves the file with both.
TEST(SettingsDialogCommand, OkStoresThenRunsTheCommandsStepThenSaves) {
  for (const bool ok : {true, false}) {
    SCOPED_TRACE(ok);
    SystemSettings settings;
    ScriptedPrompts prompts;
    std::vector<std::string> steps;
    DialogCommand<KeyBehaviourModel> command;
    command.load = [&] { return KeyBehaviourModel(settings); };
    command.show = [&](KeyBehaviourModel& model) {
      model.SetMode(EnterKeyMode::ConfirmOnly);
      return ok;
    };
    command.afterOk = [&](const KeyBehaviourModel&) {
      steps.push_back("after:" + std::to_string(settings.enterKeyMode));
    };
    const auto save = [&] { steps.push_back("save:" + std::to_string(settings.enterKeyMode)); };
    EXPECT_EQ(RunSettingsDialog(command, settings, save, prompts), ok);
    // Confirm-only is mode 2; the settings start at 0.
    const std::vector<std::string> expected = {"after:2", "save:2"};
    EXPECT_EQ(settings.enterKeyMode, ok ? 2 : 0);
    EXPECT_EQ(steps, ok ? expected : std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace qel
