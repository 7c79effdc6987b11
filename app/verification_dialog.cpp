// ﾍﾙﾌﾟ > 計算の検証...: the engine's verification table and samples of each family, with a
// button that saves them as a PDF.
#include "app/verification_dialog.h"
#include "platform/file_messages.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <ctime>

#include "base/text_file.h"
#include "platform/file_chooser.h"
#include "platform/paper_units.h"
#include "platform/prompts.h"
#include "platform/qt/pdf_file.h"

namespace qel {

namespace {

QString Utf8(const std::string& text) {
  return QString::fromStdString(text);
}

// A read-only table of `headings` whose columns fill its width: the columns in `stretched`
// share what the others, sized to their contents, leave.
QTableWidget* MakeTable(QWidget* parent, const char* name, const std::vector<std::string>& headings,
                        const std::vector<int>& stretched) {
  auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
  table->setObjectName(name);
  QStringList labels;
  for (const std::string& heading : headings)
    labels << Utf8(heading);
  table->setHorizontalHeaderLabels(labels);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  for (int column : stretched)
    table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return table;
}

void AddRow(QTableWidget* table, const std::vector<std::string>& cells) {
  const int row = table->rowCount();
  table->insertRow(row);
  for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
    auto* item = new QTableWidgetItem(Utf8(cells[column]));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    table->setItem(row, column, item);
  }
}

QLabel* MakeLabel(QWidget* parent, const char* name, const std::string& text) {
  auto* label = new QLabel(Utf8(text), parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  return label;
}

}  // namespace

VerificationDialog::VerificationDialog(QWidget* parent, FileChooser& chooser,
                                       PromptService& prompts, std::string documentPath)
    : QDialog(parent),
      chooser_(chooser),
      prompts_(prompts),
      documentPath_(std::move(documentPath)),
      families_(RunVerification()),
      stamp_(StampOf(std::time(nullptr))) {
  setWindowTitle(Utf8("計算の検証"));
  setObjectName("verificationDialog");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MakeLabel(this, "verificationStamp", StampText(stamp_)));

  const VerificationRow h = VerificationHeadings();
  QTableWidget* table =
      MakeTable(this, "verificationTable",
                {h.family, h.unit, h.count, h.largestError, h.tolerance, h.result}, {0});
  for (const VerificationFamily& family : families_) {
    const VerificationRow r = FormatVerificationRow(family);
    AddRow(table, {r.family, r.unit, r.count, r.largestError, r.tolerance, r.result});
  }
  layout->addWidget(table, 3);
  layout->addWidget(MakeLabel(this, "verificationSummary", VerificationVerdict(families_)));
  layout->addWidget(MakeLabel(this, "verificationNote",
                              std::string(kVerificationNotes[0]) + kVerificationNotes[1]));

  layout->addWidget(MakeLabel(this, "samplesCaption", kSamplesCaption));
  const VerificationSampleRow s = SampleHeadings();
  QTableWidget* samples = MakeTable(
      this, "verificationSamples",
      {s.family, s.which, s.largest, s.inputs, s.reference, s.value, s.difference}, {0, 3});
  for (const VerificationFamily& family : families_) {
    for (const VerificationSampleRow& r : FormatSampleRows(family))
      AddRow(samples, {r.family, r.which, r.largest, r.inputs, r.reference, r.value, r.difference});
  }
  layout->addWidget(samples, 4);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* save = buttons->addButton(Utf8("PDFで保存"), QDialogButtonBox::ActionRole);
  save->setObjectName("savePdfButton");
  connect(save, &QPushButton::clicked, this, [this] { SavePdf(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(980, 720);
}

std::string VerificationDialog::SavePdf() {
  const std::optional<std::string> chosen = chooser_.Choose(VerificationPdfRequest(documentPath_));
  if (!chosen) return {};
  const std::string path = WithPdfExtension(*chosen);
  const WriteOutcome outcome = WritePdfFile(
      path, PdfPaperOfSize(210, 297, kPaperDpi, "計算の検証"),
      [this](const NextPdfPage& next) { return DrawVerificationPages(next, families_, stamp_); });
  if (!outcome.ok) {
    prompts_.Show(SaveFailureText(outcome, path), PromptButtons::Ok);
    return {};
  }
  return path;
}

}  // namespace qel
