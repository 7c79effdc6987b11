// Dialogs open inside the screen, and a dialog with a table grows its table when resized.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>

#include "dialogs/load_list_editor.h"
#include "dialogs/qt/load_list_dlg.h"
#include "test_support/scripted_prompts.h"

namespace qel {
namespace {

TEST(DialogFitTest, LoadListsOpenInsideTheScreenAndTheirTableGrowsWithTheDialog) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  for (LoadListKind kind : {LoadListKind::Strip, LoadListKind::Rectangle, LoadListKind::Circle}) {
    SCOPED_TRACE(static_cast<int>(kind));
    DocumentTables tables;
    ScriptedPrompts prompts;
    LoadListEditor model(kind, tables, 0, LoadSortOption::ByNumber);
    std::unique_ptr<LoadListDialog> dialog =
        MakeLoadListDialog(model, prompts, EnterKeyMode::PressOk);
    dialog->show();
    QApplication::processEvents();
    EXPECT_LE(dialog->width(), screen.width());
    EXPECT_LE(dialog->height(), screen.height());
    EXPECT_TRUE(screen.contains(dialog->geometry()));

    // Where the screen has room, every column shows at once; otherwise the table scrolls.
    QTableView& table = *dialog->table();
    const int columns = table.horizontalHeader()->length();
    if (table.viewport()->width() < columns)
      EXPECT_TRUE(table.horizontalScrollBar()->isVisible());
    else
      EXPECT_FALSE(table.horizontalScrollBar()->isVisible());

    const QSize before = table.size();
    dialog->resize(dialog->size() + QSize(120, 90));
    QApplication::processEvents();
    EXPECT_EQ(table.size(), before + QSize(120, 90));
    dialog->resize(dialog->minimumSizeHint());
    QApplication::processEvents();
    // The sort choice and the buttons below may keep the width.
    EXPECT_LE(table.width(), before.width());
    EXPECT_LT(table.height(), before.height());
  }
}

}  // namespace
}  // namespace qel
