// The title/style and page commands of the two load menus, opened from the menu.
#include "app/style_commands.h"

#include <gtest/gtest.h>

#include <QComboBox>

#include "app/app_fixture.h"
#include "app/dialog_driver.h"
#include "app/modal_script.h"
#include "dialogs/style_fields.h"
#include "platform/messages.h"

namespace qel::test {
namespace {

using namespace setting_line;

struct MenuCase {
  CommandId command;
  Problem problem;
  const char* windowTitle;
};

class TitleStyleCommandTest : public AppTest, public ::testing::WithParamInterface<MenuCase> {
 protected:
  void SetUp() override { ASSERT_TRUE(Start()); }
  const std::string& Line(int stripLine) {
    return state().document.cells().settingLines[Style(GetParam().problem, stripLine)];
  }
};

TEST_P(TitleStyleCommandTest, OkStoresTheTitlesAndMarksTheDocument) {
  const MenuCase& c = GetParam();
  // The other problem's figure is shown: OK moves to this problem's figure.
  state().view.displayMode =
      c.problem == Problem::Strip ? DisplayMode::RectCircleData : DisplayMode::StripResults;
  ModalScript script;
  script.Then([&](QWidget& dialog) {
    EXPECT_EQ(dialog.windowTitle().toStdString(), c.windowTitle);
    Type(dialog, "figureTitle", "新しい図");
    Type(dialog, "dataTitleTop", "30");
    Click(dialog, "figureTitleEveryPage");
    Click(dialog, "gridLines");
    Click(dialog, "ok");
  });
  Action(c.command).trigger();
  EXPECT_EQ(script.pending(), 0u);
  EXPECT_EQ(Line(kFigureTitle), "新しい図");
  EXPECT_EQ(Line(kDataTitleTop), "30");
  EXPECT_EQ(Line(kFigureTitleEveryPage), "1");
  EXPECT_EQ(Line(kGridStyle), "1");
  EXPECT_TRUE(app->document().IsModified());
  EXPECT_EQ(ProblemOf(state().view.displayMode), c.problem);
  EXPECT_EQ(KindOf(state().view.displayMode), DisplayKind::Figure);
}

TEST_P(TitleStyleCommandTest, CancelKeepsTheDocumentAndItsMark) {
  const std::string before = Line(kFigureTitle);
  const DisplayMode shown = DisplayMode::StripData;
  state().view.displayMode = shown;
  ModalScript script;
  script.Then([](QWidget& dialog) {
    Type(dialog, "figureTitle", "捨てる");
    Click(dialog, "cancel");
  });
  Action(GetParam().command).trigger();
  EXPECT_EQ(Line(kFigureTitle), before);
  EXPECT_FALSE(app->document().IsModified());
  EXPECT_EQ(state().view.displayMode, shown);
}

TEST_P(TitleStyleCommandTest, ASectionMarkIsRefusedAndTheFieldKeepsTheFocus) {
  ModalScript script;
  script.Then([](QWidget& dialog) {
    QApplication::setActiveWindow(&dialog);
    // A numeric field refuses the characters as they are typed; a title takes them to OK.
    Type(dialog, "gridToX", "5$$0");
    EXPECT_EQ(EditorOf(dialog, "gridToX")->text(), "50");
    Type(dialog, "figureTitle", "図$$");
    Click(dialog, "ok");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), dialog.findChild<QWidget*>("figureTitle"));
    Type(dialog, "figureTitle", "図");
    Type(dialog, "resultTitleTop", "501");
    Click(dialog, "ok");
    EXPECT_TRUE(dialog.isVisible());
    Type(dialog, "resultTitleTop", "500");
    Click(dialog, "ok");
  });
  Action(GetParam().command).trigger();
  EXPECT_EQ(prompts.CountShown(MessageText(MessageId::SectionMarkerInText)), 1);
  EXPECT_EQ(prompts.CountShown(MessageText(MessageId::IntegerOutOfRange, "0", "500")), 1);
  EXPECT_EQ(Line(kGridToX), "50");
  EXPECT_EQ(Line(kResultTitleTop), "500");
}

TEST_P(TitleStyleCommandTest, TheTitleListsBelongToTheProblem) {
  ModalScript script;
  std::vector<std::string> offered;
  script.Then([&](QWidget& dialog) {
    auto* list = dialog.findChild<QComboBox*>("figureTitle");
    ASSERT_NE(list, nullptr);
    for (int i = 0; i < list->count(); ++i)
      offered.push_back(list->itemText(i).toStdString());
    Click(dialog, "cancel");
  });
  Action(GetParam().command).trigger();
  EXPECT_EQ(offered, TitleSuggestions(GetParam().problem, TitleKind::Figure));
}

INSTANTIATE_TEST_SUITE_P(BothMenus, TitleStyleCommandTest,
                         ::testing::Values(MenuCase{CommandId::StripTitleStyle, Problem::Strip,
                                                    "帯状荷重 > タイトル・様式"},
                                           MenuCase{CommandId::RectTitleStyle, Problem::RectCircle,
                                                    "長方形円形荷重 > タイトル・様式"}));

class PageCommandTest : public AppTest, public ::testing::WithParamInterface<MenuCase> {
 protected:
  void SetUp() override { ASSERT_TRUE(Start()); }
  const std::string& Line(int stripLine) {
    return state().document.cells().settingLines[Page(GetParam().problem, stripLine)];
  }
};

TEST_P(PageCommandTest, OkStoresThePageTextsAndMarksTheDocument) {
  const MenuCase& c = GetParam();
  ModalScript script;
  script.Then([&](QWidget& dialog) {
    EXPECT_EQ(dialog.windowTitle().toStdString(), c.windowTitle);
    // An empty document: the standard place on the program's A4 paper.
    EXPECT_EQ(TextOf(dialog, "pageTextTop"), "281");
    EXPECT_EQ(TextOf(dialog, "pageTextLeft"), "105");
    Type(dialog, "figurePagePrefix", "(");
    Type(dialog, "figureStartPage", "7");
    Leave(dialog, "figurePagePrefix");
    EXPECT_EQ(TextOf(dialog, "figurePageSuffix"), ")");
    EXPECT_EQ(TextOf(dialog, "figureSample"), "(7)");
    Type(dialog, "pageTextTop", "290");
    Click(dialog, "ok");
  });
  Action(c.command).trigger();
  EXPECT_EQ(script.pending(), 0u);
  EXPECT_EQ(Line(kFigurePagePrefix), "(");
  EXPECT_EQ(Line(kFigureStartPage), "7");
  EXPECT_EQ(Line(kFigurePageSuffix), ")");
  EXPECT_EQ(Line(kPageTextCentered), "1");
  // Below the paper: said, and stored all the same.
  EXPECT_EQ(prompts.CountShown(MessageText(MessageId::FooterOffPaper, "290")), 1);
  EXPECT_EQ(Line(kPageTextTop), "290");
  EXPECT_TRUE(app->document().IsModified());
}

TEST_P(PageCommandTest, CancelAndRefusedTextsStoreNothing) {
  ModalScript script;
  script.Then([](QWidget& dialog) {
    Type(dialog, "resultPageSuffix", "$$SOL");
    Click(dialog, "ok");
    EXPECT_TRUE(dialog.isVisible());
    Click(dialog, "cancel");
  });
  Action(GetParam().command).trigger();
  EXPECT_EQ(prompts.CountShown(MessageText(MessageId::SectionMarkerInText)), 1);
  EXPECT_EQ(Line(kResultPageSuffix), "");
  EXPECT_EQ(Line(kPageTextTop), "");
  EXPECT_FALSE(app->document().IsModified());
}

INSTANTIATE_TEST_SUITE_P(BothMenus, PageCommandTest,
                         ::testing::Values(MenuCase{CommandId::StripPage, Problem::Strip,
                                                    "帯状荷重 > ページ"},
                                           MenuCase{CommandId::RectPage, Problem::RectCircle,
                                                    "長方形円形荷重 > ページ"}));

// OK in the isobar dialog shows the problem's figure, where the lines are, unless the plan's
// section is shown: it draws the plan's levels too.
TEST_F(AppTest, IsobarsOkShowsTheFigureUnlessThePlansSectionIsShown) {
  struct Case {
    CommandId command;
    DisplayMode before, after;
  };
  const Case cases[] = {
      {CommandId::StripIsobars, DisplayMode::RectCircleData, DisplayMode::StripFigure},
      {CommandId::StripIsobars, DisplayMode::StripDepth, DisplayMode::StripFigure},
      {CommandId::RectIsobars, DisplayMode::RectCircleResults, DisplayMode::RectCircleFigure},
      {CommandId::RectIsobars, DisplayMode::RectCircleSection, DisplayMode::RectCircleSection},
  };
  ASSERT_TRUE(Start());
  for (const Case& c : cases) {
    SCOPED_TRACE(DisplayNumber(c.before));
    state().view.displayMode = c.before;
    ModalScript script;
    script.Then([](QWidget& dialog) {
      Click(dialog, "shown");
      Click(dialog, "ok");
    });
    Action(c.command).trigger();
    EXPECT_EQ(script.pending(), 0u);
    EXPECT_EQ(state().view.displayMode, c.after);
  }
}

}  // namespace
}  // namespace qel::test
