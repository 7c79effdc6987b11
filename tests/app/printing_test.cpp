// Printing without a printer: the pages of the current display go to a PDF file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "app/app_fixture.h"
#include "platform/messages.h"
#include "view/report.h"

namespace qel::test {
namespace {

// The pages of a PDF file: its page objects ("/Type /Page", not "/Type /Pages").
int PdfPageCount(const std::string& path) {
  const QString text = QString::fromLatin1(QByteArray::fromStdString(ReadBytes(path)));
  return static_cast<int>(text.count(QRegularExpression("/Type\\s*/Page(?![s\\w])")));
}

TEST_F(AppTest, PrintingAResultsDisplayWritesAllItsPagesToPdf) {
  ASSERT_TRUE(Start({QString::fromStdString(Example("building.qdw"))}));
  Action(CommandId::ShowRectCircleResults).trigger();
  state().view.currentPage = 2;
  const int printed = view().printing().CountPrintedPages(app->printer().printer());
  ASSERT_GE(printed, 2);
  EXPECT_EQ(app->printer().printer().resolution(), 600);

  chooser.ChooseNext(files.File("results"));
  Action(CommandId::FilePrint).trigger();

  ASSERT_EQ(chooser.requests().size(), 1u);
  EXPECT_EQ(chooser.requests()[0].filters, (std::vector<FileTypeFilter>{{"PDF", {"pdf"}}}));
  const std::string pdf = files.File("results.pdf");
  EXPECT_EQ(frame().statusBar()->currentMessage().toStdString(),
            MessageText(MessageId::PdfSaved, pdf));
  EXPECT_EQ(PdfPageCount(pdf), printed);
  // The screen's page and display are as they were.
  EXPECT_EQ(state().view.currentPage, 2);
  EXPECT_FALSE(state().view.printing);
  EXPECT_TRUE(prompts.shown().empty());
}

// At 100 dpi the strip results' line step differs from the screen's by more than 3 %, so the
// printer's pages break elsewhere: printing follows the printer's layout, with no page left out
// and no blank page added.
TEST_F(AppTest, PrintedPagesFollowThePrinterNotTheScreen) {
  ASSERT_TRUE(Start({QString::fromStdString(Example("embankment.qdw"))}));
  Action(CommandId::ShowStripResults).trigger();
  app->printer().printer().setResolution(100);
  const int screen = view().controller().CountPages();
  const int printer = view().printing().CountPrintedPages(app->printer().printer());
  ASSERT_NE(screen, printer);
  chooser.ChooseNext(files.File("strip.pdf"));
  Action(CommandId::FilePrint).trigger();
  EXPECT_EQ(PdfPageCount(files.File("strip.pdf")), printer);
  EXPECT_EQ(view().controller().CountPages(), screen);  // the screen's layout is untouched
}

TEST_F(AppTest, PrintingToAFolderThatCannotBeWrittenSaysSo) {
  ASSERT_TRUE(Start({QString::fromStdString(Example("embankment.qdw"))}));
  chooser.ChooseNext(files.File("no/such/folder/out.pdf"));
  Action(CommandId::FilePrint).trigger();
  EXPECT_EQ(
      prompts.CountShown(MessageText(MessageId::SaveFailedBecause,
                                     files.File("no/such/folder/out.pdf"), std::strerror(ENOENT))),
      1);
  EXPECT_FALSE(state().view.printing);
}

TEST_F(AppTest, PreviewShowsThePrintedPages) {
  ASSERT_TRUE(Start({QString::fromStdString(Example("building.qdw"))}));
  Action(CommandId::ShowRectCircleResults).trigger();
  const int printed = view().printing().CountPrintedPages(app->printer().printer());
  int previewed = -1;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) return;
    if (auto* preview = dialog->findChild<QPrintPreviewWidget*>()) {
      preview->updatePreview();
      previewed = preview->pageCount();
    }
    dialog->close();
  });
  Action(CommandId::FilePrintPreview).trigger();
  EXPECT_EQ(previewed, printed);
  EXPECT_FALSE(state().view.printing);
}

TEST_F(AppTest, PageSetUpReadsThePaperAgain) {
  ASSERT_TRUE(Start());
  state().geometry.paperWidthMm = 100;
  state().geometry.paperHeightMm = 100;
  QTimer::singleShot(0, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->accept();
  });
  Action(CommandId::FilePrintSetup).trigger();
  EXPECT_EQ(state().geometry.paperWidthMm, 210);
  EXPECT_EQ(state().geometry.paperHeightMm, 297);
}

TEST_F(AppTest, CancelledPrintingWritesNothing) {
  ASSERT_TRUE(Start());
  Action(CommandId::FilePrint).trigger();
  EXPECT_EQ(chooser.requests().size(), 1u);
  EXPECT_TRUE(frame().statusBar()->currentMessage().isEmpty());
  EXPECT_TRUE(std::filesystem::is_empty(files.path()));
  EXPECT_TRUE(prompts.shown().empty());
}

// Without a printer the dialog says so, proposes the document's name in its folder, and the
// status bar tells where the file went.
TEST_F(AppTest, PrintingWithoutAPrinterSaysSoAndProposesTheDocumentsPdf) {
  const std::string document = files.File("site.qdw");
  WriteBytes(document, ReadBytes(Example("embankment.qdw")));
  ASSERT_TRUE(Start({QString::fromStdString(document)}));
  chooser.ChooseNext(files.File("printed"));
  Action(CommandId::FilePrint).trigger();
  ASSERT_EQ(chooser.requests().size(), 1u);
  const FileDialogRequest& request = chooser.requests()[0];
  EXPECT_EQ(request.title, "プリンタがありません - PDFファイルに保存");
  EXPECT_EQ(request.startFolder, files.path());
  EXPECT_EQ(request.initialName, "site.pdf");
  EXPECT_EQ(request.kind, FileDialogKind::Save);
  EXPECT_EQ(frame().statusBar()->currentMessage().toStdString(),
            files.File("printed.pdf") + " に保存しました");

  // An untitled document proposes an untitled name.
  app.reset();
  ASSERT_TRUE(Start());
  chooser.CancelNext();
  Action(CommandId::FilePrint).trigger();
  ASSERT_EQ(chooser.requests().size(), 2u);
  EXPECT_EQ(chooser.requests()[1].initialName, "無題.pdf");
  EXPECT_EQ(chooser.requests()[1].startFolder, "");
}

// The report: every display with content, in order, in one PDF; and printing every display
// without a printer writes the same pages.
TEST_F(AppTest, TheReportHoldsThePagesOfEveryDisplayWithContent) {
  ASSERT_TRUE(Start({QString::fromStdString(Example("building.qdw"))}));
  Action(CommandId::ShowRectCircleData).trigger();
  state().view.currentPage = 1;
  const std::vector<ReportPage> expected = ReportPages(view().controller(), 600, 600);
  int sum = 0;
  for (DisplayMode display :
       {DisplayMode::RectCircleFigure, DisplayMode::RectCircleData, DisplayMode::RectCircleResults,
        DisplayMode::RectCircleSection, DisplayMode::RectCircleSoilConditions,
        DisplayMode::RectCircleSettlementTable, DisplayMode::RectCircleSettlementMap,
        DisplayMode::RectCircleSettlementTime})
    sum += view().controller().CountPrintedPages(display, 600, 600);
  ASSERT_EQ(static_cast<int>(expected.size()), sum);
  ASSERT_GE(sum, 4);

  chooser.ChooseNext(files.File("report.pdf"));
  Action(CommandId::FileSaveReport).trigger();
  ASSERT_EQ(chooser.requests().size(), 1u);
  EXPECT_EQ(chooser.requests()[0].title, "報告書をPDFで保存");
  EXPECT_EQ(chooser.requests()[0].initialName, "building.pdf");
  EXPECT_EQ(chooser.requests()[0].startFolder, std::string(QEL_SOURCE_DIR) + "/examples");
  EXPECT_EQ(PdfPageCount(files.File("report.pdf")), sum);
  EXPECT_EQ(frame().statusBar()->currentMessage().toStdString(),
            MessageText(MessageId::PdfSaved, files.File("report.pdf")));

  chooser.ChooseNext(files.File("all.pdf"));
  Action(CommandId::FilePrintAll).trigger();
  EXPECT_EQ(chooser.requests()[1].title, "プリンタがありません - PDFファイルに保存");
  EXPECT_EQ(PdfPageCount(files.File("all.pdf")), sum);
  // The screen shows what it showed.
  EXPECT_EQ(state().view.displayMode, DisplayMode::RectCircleData);
  EXPECT_EQ(state().view.currentPage, 1);
  EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(AppTest, ADocumentWithNothingToShowHasNoReport) {
  ASSERT_TRUE(Start());
  Action(CommandId::FileSaveReport).trigger();
  Action(CommandId::FilePrintAll).trigger();
  EXPECT_TRUE(chooser.requests().empty());
  EXPECT_EQ(prompts.CountShown(MessageText(MessageId::NothingToReport)), 2);
}

}  // namespace
}  // namespace qel::test
