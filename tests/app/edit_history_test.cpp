// Undo and redo in the window: every document starts without steps, and after a save the mark
// follows the content whichever way the steps go.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/app_fixture.h"
#include "app/command_changes.h"

namespace qel::test {
namespace {

namespace fs = std::filesystem;

class EditHistoryTest : public AppTest {
 protected:
  std::string Copy(const std::string& example, const std::string& name) {
    const std::string path = files.File(name);
    fs::copy_file(Example(example), path, fs::copy_options::overwrite_existing);
    return path;
  }
  // A change of strip load 1 through its dialog: one step.
  void ChangeALoad(const char* text) {
    QueueChange(Cell(1, 6, text), script, chooser, fontChooser, files);
    Action(CommandId::StripLoad1).trigger();
  }
  void ExpectNothingToTake() {
    EXPECT_FALSE(Action(CommandId::EditUndo).isEnabled());
    EXPECT_FALSE(Action(CommandId::EditRedo).isEnabled());
    EXPECT_EQ(Action(CommandId::EditUndo).text(), QString::fromUtf8("元に戻す(&U)"));
    EXPECT_EQ(Action(CommandId::EditRedo).text(), QString::fromUtf8("やり直し(&R)"));
  }
  ModalScript script;
};

TEST_F(EditHistoryTest, NewAndOpenForgetTheStepsOfTheDocumentBefore) {
  struct Case {
    const char* name;
    std::function<void()> replace;
  };
  const Case cases[] = {
      {"new", [this] { Action(CommandId::FileNew).trigger(); }},
      {"open",
       [this] {
         chooser.ChooseNext(Copy("building.qdw", "other.qdw"));
         Action(CommandId::FileOpen).trigger();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(Start({QString::fromStdString(Copy("embankment.qdw", "start.qdw"))}));
    ChangeALoad("6");
    ChangeALoad("7");
    Action(CommandId::EditUndo).trigger();
    ASSERT_TRUE(Action(CommandId::EditUndo).isEnabled());
    ASSERT_TRUE(Action(CommandId::EditRedo).isEnabled());
    prompts.AnswerNext(PromptAnswer::No);  // the changes may go
    c.replace();
    ExpectNothingToTake();
    EXPECT_FALSE(app->document().IsModified());
    EXPECT_FALSE(frame().isWindowModified());
  }
}

TEST_F(EditHistoryTest, AfterASaveTheMarkFollowsTheContentBothWays) {
  ASSERT_TRUE(Start({QString::fromStdString(Copy("embankment.qdw", "saved.qdw"))}));
  ChangeALoad("6");
  // The step is named as the dialog's title names what it edits.
  EXPECT_EQ(Action(CommandId::EditUndo).text(),
            QString::fromUtf8("元に戻す: 帯状荷重 > 荷重1 データ(&U)"));
  Action(CommandId::FileSave).trigger();
  EXPECT_FALSE(frame().isWindowModified());
  // Back before the save, and forward to it again.
  Action(CommandId::EditUndo).trigger();
  EXPECT_TRUE(frame().isWindowModified());
  EXPECT_TRUE(app->document().IsModified());
  Action(CommandId::EditRedo).trigger();
  EXPECT_FALSE(frame().isWindowModified());
  EXPECT_FALSE(app->document().IsModified());
  EXPECT_TRUE(Action(CommandId::EditUndo).isEnabled());
  EXPECT_FALSE(Action(CommandId::EditRedo).isEnabled());
}

}  // namespace
}  // namespace qel::test
