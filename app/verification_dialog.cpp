// ﾍﾙﾌﾟ > 計算の検証...: the engine's verification table, with a button that saves it as a PDF.
#include "app/verification_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/qt/pdf_file.h"
#include "settings/text_file.h"
#include "view/verification_page.h"

namespace qel {

namespace {

QString Utf8(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

VerificationDialog::VerificationDialog(QWidget* parent)
    : QDialog(parent), families_(RunVerification()) {
  setWindowTitle(Utf8("計算の検証"));
  setObjectName("verificationDialog");
  auto* layout = new QVBoxLayout(this);
  auto* table = new QTableWidget(static_cast<int>(families_.size()), 5, this);
  table->setObjectName("verificationTable");
  const VerificationRow headings = VerificationHeadings();
  table->setHorizontalHeaderLabels({Utf8(headings.family), Utf8(headings.count),
                                    Utf8(headings.largestError), Utf8(headings.tolerance),
                                    Utf8(headings.result)});
  for (int row = 0; row < static_cast<int>(families_.size()); ++row) {
    const VerificationRow cells = FormatVerificationRow(families_[row]);
    const std::string* texts[5] = {&cells.family, &cells.count, &cells.largestError,
                                   &cells.tolerance, &cells.result};
    for (int column = 0; column < 5; ++column) {
      auto* item = new QTableWidgetItem(Utf8(*texts[column]));
      item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
      table->setItem(row, column, item);
    }
  }
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->verticalHeader()->hide();
  layout->addWidget(table);
  auto* summary = new QLabel(Utf8(AllPassed(families_) ? "すべての比較が許容値内です。"
                                                       : "許容値を超えた比較があります。"),
                             this);
  summary->setObjectName("verificationSummary");
  layout->addWidget(summary);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* save = buttons->addButton(Utf8("PDFで保存"), QDialogButtonBox::ActionRole);
  save->setObjectName("savePdfButton");
  connect(save, &QPushButton::clicked, this, [this] { SavePdf(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(720, 420);
}

void VerificationDialog::SavePdf() {
  const QString path =
      QFileDialog::getSaveFileName(this, Utf8("PDFで保存"), QString(), Utf8("PDF (*.pdf)"));
  if (path.isEmpty()) return;
  const WriteOutcome outcome =
      WriteSinglePagePdf(path.toStdString(), "計算の検証", 600,
                         [this](DeviceContext& dc) { DrawVerificationPage(dc, families_); });
  if (!outcome.ok) {
    QMessageBox::warning(this, Utf8("計算の検証"),
                         Utf8(SaveFailureText(outcome, path.toStdString())));
  }
}

}  // namespace qel
