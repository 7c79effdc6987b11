// The load list dialog: the rows of one load list in a table edited in place, the move and
// delete buttons, the numbering choice of OK and the status line.
#include "dialogs/qt/load_list_dlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "dialogs/qt/load_list_cell_delegate.h"
#include "dialogs/qt/load_list_table_model.h"
#include "platform/messages.h"
#include "platform/prompts.h"

namespace qel {

namespace {

QString Utf8(const char* text) {
  return QString::fromUtf8(text);
}

// Rows the table shows without scrolling.
constexpr int kVisibleRows = 16;
// The narrowest cell an edit opens in, in pixels.
constexpr int kNarrowestEdit = 5;
// The widest number a cell is made to show in full.
const char* const kWidestNumber = "-9999.999";

struct SortChoice {
  LoadSortOption option;
  const char* objectName;
  const char* text;
};

constexpr SortChoice kSortChoices[] = {
    {LoadSortOption::ByNumber, "sortByNumber", "現在のNo.でソート"},
    {LoadSortOption::ByTens, "sortByTens", "10から10きざみで更新"},
    {LoadSortOption::Consecutive, "sortConsecutive", "1から1きざみで更新"},
};

}  // namespace

LoadListDialog::LoadListDialog(LoadListEditor& model, PromptService& prompts, EnterKeyMode enterKey,
                               QWidget* parent)
    : QelDialog(parent, enterKey), model_(model), prompts_(prompts) {
  setWindowTitle(QString::fromStdString(model_.Title()));

  tableModel_ = new LoadListTableModel(model_, this);
  delegate_ = new LoadListCellDelegate(this);
  table_ = new QTableView(this);
  table_->setObjectName("loadList");
  table_->setAccessibleName(Utf8("荷重の一覧"));
  table_->setModel(tableModel_);
  table_->setItemDelegate(delegate_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  // Edits open only through OpenCellEdit (a double click, F2, typing on the list), so that the
  // list's own rules say which cell an edit opens in.
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setShowGrid(true);
  table_->setWordWrap(false);
  // Tab leaves the list for the next control, as in any dialog.
  table_->setTabKeyNavigation(false);
  table_->verticalHeader()->hide();
  // Rows as tight as a list's: the text and a small margin.
  table_->verticalHeader()->setMinimumSectionSize(table_->fontMetrics().height() + 2);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  table_->installEventFilter(this);

  connect(delegate_, &LoadListCellDelegate::characterRefused, this, [this] {
    model_.RefuseCharacter();
    ShowStatus();
  });
  connect(delegate_, &LoadListCellDelegate::endedByKey, this, &LoadListDialog::OnEditEndedByKey);
  // An ended edit may change the status line.
  connect(tableModel_, &QAbstractItemModel::dataChanged, this, [this] { ShowStatus(); });

  connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    OpenCellEdit({index.row() + 1, index.column() + 1});
  });
  connect(table_, &QTableView::clicked, this, [this](const QModelIndex& index) {
    model_.SelectRow(index.row() + 1);
    ShowStatus();
  });
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            model_.SetCurrentRow(current.isValid() ? current.row() + 1 : 0);
          });
  // An edit ends when the list moves under it.
  for (QScrollBar* bar : {table_->verticalScrollBar(), table_->horizontalScrollBar()})
    connect(bar, &QScrollBar::valueChanged, this, [this] { EndCellEdit(); });
  connect(table_->horizontalHeader(), &QHeaderView::sectionResized, this,
          [this] { EndCellEdit(); });

  status_ = new QLabel(this);
  status_->setObjectName("status");
  status_->setWordWrap(true);
  status_->setMinimumHeight(status_->fontMetrics().height() * 2);
  status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  sketchPlace_ = new QWidget(this);
  auto* sketchLayout = new QVBoxLayout(sketchPlace_);
  sketchLayout->setContentsMargins(0, 0, 0, 0);

  auto* side = new QVBoxLayout;
  side->addWidget(sketchPlace_);
  side->addWidget(BuildButtons());
  side->addStretch(1);

  auto* grid = new QGridLayout(this);
  grid->addWidget(table_, 0, 0);
  grid->addLayout(side, 0, 1);
  grid->addWidget(status_, 1, 0, 1, 2);
  grid->addWidget(BuildSortChoice(), 2, 0, Qt::AlignLeft);
  grid->addWidget(MakeOkCancel(), 2, 1, Qt::AlignRight | Qt::AlignBottom);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(0, 1);

  SizeColumns();
  ShowModel();
  table_->setFocus();
}

LoadListDialog::~LoadListDialog() {
  // Closing the window takes the focus from an open cell editor, which then commits its text:
  // by then this dialog is half destroyed, so nothing may reach it any more.
  delegate_->disconnect(this);
  tableModel_->disconnect(this);
  table_->disconnect(this);
  table_->selectionModel()->disconnect(this);
  table_->removeEventFilter(this);
}

QWidget* LoadListDialog::BuildButtons() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  struct Button {
    const char* objectName;
    const char* text;
    const char* description;
    bool (*action)(LoadListEditor&);
  };
  const Button buttons[] = {
      {"moveUp", "↑", "選択した行を1行上へ",
       [](LoadListEditor& model) { return model.MoveCurrentRowUp(); }},
      {"moveDown", "↓", "選択した行を1行下へ",
       [](LoadListEditor& model) { return model.MoveCurrentRowDown(); }},
      {"deleteRow", "削除", "選択した行を削除",
       [](LoadListEditor& model) { return model.DeleteCurrentRow(); }},
  };
  for (const Button& button : buttons) {
    auto* push = new QPushButton(Utf8(button.text), box);
    push->setObjectName(button.objectName);
    push->setAccessibleName(Utf8(button.text));
    push->setAccessibleDescription(Utf8(button.description));
    push->setAutoDefault(false);
    layout->addWidget(push);
    connect(push, &QPushButton::clicked, this, [this, action = button.action] {
      EndCellEdit();
      if (action(model_)) ShowModel();
    });
  }
  return box;
}

QWidget* LoadListDialog::BuildSortChoice() {
  auto* group = new QGroupBox(Utf8("データNo.とソート　（OKボタンで実行）"), this);
  auto* layout = new QHBoxLayout(group);
  for (const SortChoice& choice : kSortChoices) {
    auto* button = new QRadioButton(Utf8(choice.text), group);
    button->setObjectName(choice.objectName);
    button->setChecked(model_.sortOption() == choice.option);
    layout->addWidget(button);
    const LoadSortOption option = choice.option;
    connect(button, &QRadioButton::toggled, this, [this, option](bool on) {
      if (on) model_.SetSortOption(option);
    });
  }
  return group;
}

void LoadListDialog::SetSketch(QWidget* sketch) {
  sketch->setParent(sketchPlace_);
  sketchPlace_->layout()->addWidget(sketch);
}

void LoadListDialog::SizeColumns() {
  // The widths the columns have always had are a least; a larger font widens them so that the
  // headers and ordinary numbers show in full.
  const QFontMetrics cells(table_->font());
  const QFontMetrics headers(table_->horizontalHeader()->font());
  const int padding = cells.horizontalAdvance(QLatin1Char('0')) * 2;
  int total = 0;
  for (int column = 1; column <= model_.columnCount(); ++column) {
    const QString header = QString::fromStdString(model_.Header(column));
    const int width = std::max({model_.layout().columns[column - 1].minimumWidth,
                                headers.horizontalAdvance(header) + padding,
                                cells.horizontalAdvance(Utf8(kWidestNumber)) + padding});
    table_->setColumnWidth(column - 1, width);
    total += width;
  }
  const int frame = table_->frameWidth() * 2;
  const int rowHeight = table_->verticalHeader()->defaultSectionSize();
  const int headerHeight = table_->horizontalHeader()->sizeHint().height();
  const int scrollBar = table_->verticalScrollBar()->sizeHint().width();
  // The list opens showing every column and kVisibleRows rows, and may be made smaller (it
  // scrolls) or larger.
  table_->resize(total + scrollBar + frame, headerHeight + rowHeight * kVisibleRows + frame);
  OpenAtSizeThenResizable(table_, QSize(table_->columnWidth(0) * 3 + scrollBar + frame,
                                        headerHeight + rowHeight * 4 + frame));
}

void LoadListDialog::ShowModel() {
  tableModel_->Refresh();
  QItemSelectionModel* selection = table_->selectionModel();
  const int row = model_.currentRow();
  if (row >= 1) {
    const QModelIndex index = tableModel_->index(row - 1, 0);
    selection->setCurrentIndex(index,
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    table_->scrollTo(index);
  } else {
    selection->clear();
  }
  ShowStatus();
}

void LoadListDialog::ShowStatus() {
  status_->setText(QString::fromStdString(model_.status()));
}

QLineEdit* LoadListDialog::cellEditor() const {
  return delegate_->editor();
}

std::optional<ListCell> LoadListDialog::editedCell() const {
  const QModelIndex index = delegate_->editedIndex();
  if (!index.isValid()) return std::nullopt;
  return ListCell{index.row() + 1, index.column() + 1};
}

bool LoadListDialog::OpenCellEdit(ListCell cell) {
  EndCellEdit();
  if (!model_.IsEditable(cell)) {
    // The closing row: the status line tells that the list is full there.
    if (cell.row > model_.rowLimit()) {
      model_.EndEdit(cell, model_.Cell(cell.row, cell.column));
      ShowStatus();
    }
    return false;
  }
  const QModelIndex index = tableModel_->index(cell.row - 1, cell.column - 1);
  table_->selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  table_->scrollTo(index);
  const QRect area = table_->visualRect(index).intersected(table_->viewport()->rect());
  if (area.width() < kNarrowestEdit) return false;
  table_->edit(index);
  QLineEdit* field = cellEditor();
  if (field == nullptr) return false;
  // The view selects the whole text of a new field: the caret goes after it instead, so that
  // what is typed adds to the text (typing on the list replaces it, see OnTableKey).
  field->setCursorPosition(static_cast<int>(field->text().size()));
  return true;
}

void LoadListDialog::EndCellEdit() {
  delegate_->EndEdit();
}

void LoadListDialog::MoveTo(std::optional<ListCell> next) {
  if (!next) return;
  // A cell too narrow to edit is only selected.
  if (!OpenCellEdit(*next)) {
    model_.SetCurrentRow(next->row);
    ShowModel();
  }
}

void LoadListDialog::OnEditEndedByKey(const QModelIndex& index, int key) {
  const ListCell cell{index.row() + 1, index.column() + 1};
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      MoveTo(model_.CellAfterEnter(cell));
      return;
    case Qt::Key_Up:
      MoveTo(model_.CellAbove(cell));
      return;
    case Qt::Key_Down:
      MoveTo(model_.CellBelow(cell));
      return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      focusNextPrevChild(key == Qt::Key_Tab);
      return;
    default:
      return;  // Escape: the list keeps the focus
  }
}

bool LoadListDialog::OpenForTyping() {
  const int row = model_.currentRow();
  return row >= 1 && OpenCellEdit({row, 2});
}

bool LoadListDialog::OnTableKey(QKeyEvent* event) {
  if (editedCell()) return false;
  if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
    OpenForTyping();
    return true;
  }
  const QString typed = event->text();
  const bool command =
      event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (command || typed.isEmpty() || !typed.at(0).isPrint() || typed.at(0).isSpace()) return false;
  // The character typed replaces the text of the first data cell of the current row.
  if (!OpenForTyping()) return true;
  cellEditor()->selectAll();
  QApplication::sendEvent(cellEditor(), event);
  return true;
}

bool LoadListDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_) {
    if (event->type() == QEvent::KeyPress) return OnTableKey(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::InputMethod && !editedCell()) {
      // Text composed through an input method starts an edit, as a typed character does.
      const auto* input = static_cast<QInputMethodEvent*>(event);
      if (!input->commitString().isEmpty() || !input->preeditString().isEmpty()) {
        if (OpenForTyping()) {
          cellEditor()->selectAll();
          QApplication::sendEvent(cellEditor(), event);
        }
        return true;
      }
    }
  }
  return QelDialog::eventFilter(watched, event);
}

void LoadListDialog::mousePressEvent(QMouseEvent* event) {
  EndCellEdit();
  QelDialog::mousePressEvent(event);
}

bool LoadListDialog::Commit() {
  if (editedCell()) {
    // OK while a cell is edited does not close; an edit the focus has left ends here.
    if (!cellEditor()->hasFocus()) EndCellEdit();
    return false;
  }
  const RowConfirmation confirmation = model_.ConfirmRows(prompts_);
  if (confirmation.proceed) return true;
  model_.SetCurrentRow(confirmation.rowToFix);
  ShowModel();
  table_->setFocus();
  return false;
}

void LoadListDialog::reject() {
  EndCellEdit();
  if (model_.AsksBeforeCancel() && prompts_.Show(MessageText(MessageId::ConfirmCancel),
                                                 PromptButtons::YesNo) != PromptAnswer::Yes)
    return;
  QelDialog::reject();
}

}  // namespace qel
