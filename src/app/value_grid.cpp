#include "app/value_grid.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QWheelEvent>
#include <algorithm>

#include "commands/session.h"
#include "commands/value_editor.h"
#include "core/math_object.h"

namespace tq::app {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The widest cell text a value usually needs, so that the form's width
// never cuts a number with a large font.
constexpr const char* kWidestCell = "-3.33333333333E-100 ";

// The edit box lies over the cell with its number where the cell shows it.
class CellDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* box = qobject_cast<QLineEdit*>(editor)) box->setAlignment(Qt::AlignRight);
    return editor;
  }
};

}  // namespace

ElementWindowModel::ElementWindowModel(const ValueEditorForm& form, QObject* parent)
    : QAbstractTableModel(parent),
      form_(form),
      object_(*form.object),
      matrix_(form.object->kind == KIND_MATRIX) {
  if (matrix_) {
    const auto& matrix = static_cast<const MatrixObject&>(object_);
    rows_ = matrix.rows;
    columns_ = matrix.columns;
  } else {
    rows_ = static_cast<const VectorObject&>(object_).size;
    columns_ = 1;
  }
}

void ElementWindowModel::SetWindowSize(int32_t rows, int32_t columns) {
  rows = std::clamp(rows, 0, rows_);
  columns = std::clamp(columns, 0, columns_);
  if (rows == windowRows_ && columns == windowColumns_) return;
  beginResetModel();
  windowRows_ = rows;
  windowColumns_ = columns;
  endResetModel();
}

void ElementWindowModel::MoveWindow(int32_t firstRow, int32_t firstColumn) {
  if (firstRow == firstRow_ && firstColumn == firstColumn_) return;
  const bool columnsMoved = firstColumn != firstColumn_;
  firstRow_ = firstRow;
  firstColumn_ = firstColumn;
  if (windowRows_ > 0)
    emit dataChanged(index(0, 0), index(windowRows_ - 1, windowColumns_), {Qt::DisplayRole});
  if (columnsMoved && windowColumns_ > 0)
    emit headerDataChanged(Qt::Horizontal, 1, windowColumns_);
}

int32_t ElementWindowModel::GridColumn(const QModelIndex& index) const {
  return index.column() == 0 ? 0 : firstColumn_ + index.column() - 1;
}

QModelIndex ElementWindowModel::IndexAt(int32_t gridRow, int32_t gridColumn) const {
  const int32_t row = gridRow - firstRow_;
  const int32_t column = gridColumn == 0 ? 0 : gridColumn - firstColumn_ + 1;
  if (row < 0 || row >= windowRows_ || column < 0 || column > windowColumns_ ||
      (gridColumn > 0 && column == 0))
    return {};
  return index(row, column);
}

int ElementWindowModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : windowRows_;
}

int ElementWindowModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : windowColumns_ + 1;
}

bool ElementWindowModel::HoldsElement(const QModelIndex& index) const {
  const int32_t row = GridRow(index);
  const int32_t column = GridColumn(index);
  return row < rows_ && column >= 1 && column <= columns_;
}

double ElementWindowModel::Element(int32_t gridRow, int32_t gridColumn) const {
  if (matrix_) return static_cast<const MatrixObject&>(object_).row(gridRow + 1)[gridColumn - 1];
  return static_cast<const VectorObject&>(object_).data()[gridRow];
}

QVariant ElementWindowModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || GridRow(index) >= rows_) return {};
  const int32_t row = GridRow(index);
  switch (role) {
    case Qt::DisplayRole:
      if (index.column() == 0) return Text(RowNumberText(row + 1));
      if (!HoldsElement(index)) return {};
      return Text(CellText(Element(row, GridColumn(index))));
    case Qt::EditRole:
      if (!HoldsElement(index)) return {};
      return Text(CellEditText(Element(row, GridColumn(index))));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    default:
      return {};
  }
}

bool ElementWindowModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !HoldsElement(index)) return false;
  if (!StoreCellText(object_, GridRow(index) + 1, GridColumn(index),
                     value.toString().toStdString()))
    return false;
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  // The title's modified mark and the object lists follow each edit.
  if (Session* session = CurrentSession()) session->DeliverChanges();
  return true;
}

QVariant ElementWindowModel::headerData(int section, Qt::Orientation orientation,
                                        int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::TextAlignmentRole && section > 0)
    return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
  if (role != Qt::DisplayRole) return {};
  if (section == 0) return Text(form_.rowColumnTitle);
  if (!matrix_) return Text(form_.valueColumnTitle);
  return Text(ColumnTitleText(firstColumn_ + section - 1));
}

Qt::ItemFlags ElementWindowModel::flags(const QModelIndex& index) const {
  if (!index.isValid() || GridRow(index) >= rows_) return Qt::NoItemFlags;
  if (!HoldsElement(index)) return index.column() == 0 ? Qt::ItemIsEnabled : Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

ValueGrid::ValueGrid(const ValueEditorForm& form, QWidget* parent)
    : QTableView(nullptr), frame_(new QWidget(parent)) {
  model_ = new ElementWindowModel(form, this);
  setModel(model_);
  setItemDelegate(new CellDelegate(this));
  setObjectName(QStringLiteral("ValueGrid"));
  setAccessibleName(Text(form.title));
  rowHeight_ = std::max(fontMetrics().height() + 6, fontMetrics().height() * form.rowHeight / 16);
  numberWidth_ = std::max(UnitsToPixels(form.rowColumnWidth),
                          fontMetrics().horizontalAdvance(Text(form.rowColumnTitle + "  ")) + 8);
  valueWidth_ = std::max(UnitsToPixels(form.valueColumnWidth),
                         fontMetrics().horizontalAdvance(QLatin1String(kWidestCell)) + 8);

  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(rowHeight_);
  verticalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setDefaultSectionSize(valueWidth_);
  horizontalHeader()->setHighlightSections(false);
  // A vector's one value column takes the width the dialog gives it.
  horizontalHeader()->setStretchLastSection(model_->elementColumns() == 1);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(ScrollPerItem);
  setHorizontalScrollMode(ScrollPerItem);
  // The grid scrolls itself, by moving the window of cells.
  setAutoScroll(false);
  setTabKeyNavigation(false);
  setSelectionMode(SingleSelection);
  setSelectionBehavior(SelectItems);
  setWordWrap(false);
  // A click on the cell clicked last, a double click, F2 or typing edits.
  setEditTriggers(SelectedClicked | DoubleClicked | EditKeyPressed | AnyKeyPressed);

  rowBar_ = new QScrollBar(Qt::Vertical, frame_);
  rowBar_->setAccessibleName(QStringLiteral("Rows"));
  columnBar_ = new QScrollBar(Qt::Horizontal, frame_);
  columnBar_->setAccessibleName(QStringLiteral("Columns"));
  auto* layout = new QGridLayout(frame_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  setParent(frame_);
  layout->addWidget(this, 0, 0);
  layout->addWidget(rowBar_, 0, 1);
  layout->addWidget(columnBar_, 1, 0);
  connect(rowBar_, &QScrollBar::valueChanged, this,
          [this](int value) { ScrollTo(value, model_->firstColumn()); });
  connect(columnBar_, &QScrollBar::valueChanged, this,
          [this](int value) { ScrollTo(model_->firstRow(), value + 1); });
}

int ValueGrid::UnitsToPixels(int units) const {
  // The widths were chosen for a font six pixels wide on average.
  return units * fontMetrics().averageCharWidth() / 6;
}

int32_t ValueGrid::FullRows() const { return std::max(1, viewport()->height() / rowHeight_); }

int32_t ValueGrid::FullColumns() const {
  return std::max(1, (viewport()->width() - numberWidth_) / valueWidth_);
}

void ValueGrid::UpdateWindow() {
  FinishEdit();
  const int32_t rows = model_->elementRows();
  const int32_t columns = model_->elementColumns();
  const int32_t fullRows = std::min(FullRows(), rows);
  const int32_t fullColumns = std::min(FullColumns(), columns);
  const bool selected = selectionModel()->hasSelection() || selectedHidden_;
  // One more row and column than fit, partly shown.
  model_->SetWindowSize(std::min(rows, fullRows + 1), std::min(columns, fullColumns + 1));
  horizontalHeader()->resizeSection(0, numberWidth_);
  moving_ = true;
  rowBar_->setRange(0, rows - fullRows);
  rowBar_->setPageStep(fullRows);
  rowBar_->setVisible(rows > fullRows);
  columnBar_->setRange(0, columns - fullColumns);
  columnBar_->setPageStep(fullColumns);
  columnBar_->setVisible(columns > fullColumns);
  moving_ = false;
  ScrollTo(rowBar_->value(), columnBar_->value() + 1);
  ShowCurrent(selected);
}

void ValueGrid::ScrollTo(int32_t firstRow, int32_t firstColumn) {
  if (moving_) return;
  // Scrolling ends an edit and stores the typed number.
  FinishEdit();
  if (firstRow == model_->firstRow() && firstColumn == model_->firstColumn()) return;
  const bool selected = selectionModel()->hasSelection() || selectedHidden_;
  model_->MoveWindow(firstRow, firstColumn);
  moving_ = true;
  rowBar_->setValue(firstRow);
  columnBar_->setValue(firstColumn - 1);
  moving_ = false;
  ShowCurrent(selected);
}

// The current cell follows the window, selected as it was; out of view, none.
void ValueGrid::ShowCurrent(bool selected) {
  if (currentRow_ < 0) return;
  const QModelIndex index = model_->IndexAt(currentRow_, currentColumn_);
  moving_ = true;
  selectedHidden_ = false;
  if (index.isValid()) {
    selectionModel()->setCurrentIndex(
        index, selected ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Clear);
  } else {
    selectedHidden_ = selected;
    selectionModel()->clear();
  }
  moving_ = false;
}

void ValueGrid::EnsureVisible(int32_t gridRow, int32_t gridColumn) {
  int32_t firstRow = model_->firstRow();
  int32_t firstColumn = model_->firstColumn();
  const int32_t fullRows = FullRows();
  const int32_t fullColumns = FullColumns();
  if (gridRow < firstRow) firstRow = gridRow;
  if (gridRow >= firstRow + fullRows) firstRow = gridRow - fullRows + 1;
  if (gridColumn >= 1 && gridColumn < firstColumn) firstColumn = gridColumn;
  if (gridColumn >= firstColumn + fullColumns) firstColumn = gridColumn - fullColumns + 1;
  firstRow = std::clamp(firstRow, 0, std::max(0, model_->elementRows() - fullRows));
  firstColumn = std::clamp(firstColumn, 1, std::max(1, model_->elementColumns() - fullColumns + 1));
  ScrollTo(firstRow, firstColumn);
}

void ValueGrid::FinishEdit() {
  if (state() != EditingState) return;
  auto* editor = qobject_cast<QLineEdit*>(indexWidget(currentIndex()));
  if (!editor) return;
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QModelIndex ValueGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const int32_t rows = model_->elementRows();
  const int32_t columns = model_->elementColumns();
  if (rows == 0) return {};
  int32_t row = std::max(currentRow_, 0);
  int32_t column = currentColumn_ < 1 ? 1 : currentColumn_;
  if (currentRow_ >= 0) {
    switch (action) {
      case MoveUp: --row; break;
      case MoveDown: ++row; break;
      case MoveLeft: --column; break;
      case MoveRight: ++column; break;
      case MovePageUp: row -= FullRows(); break;
      case MovePageDown: row += FullRows(); break;
      case MoveHome:
        column = 1;
        if (modifiers & Qt::ControlModifier) row = 0;
        break;
      case MoveEnd:
        column = columns;
        if (modifiers & Qt::ControlModifier) row = rows - 1;
        break;
      default: break;
    }
  }
  row = std::clamp(row, 0, rows - 1);
  column = std::clamp(column, 1, columns);
  EnsureVisible(row, column);
  return model_->IndexAt(row, column);
}

bool ValueGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  // A click on the selected cell edits after the double-click time, through
  // a second call with every trigger; no trigger only passes events on.
  if (trigger == NoEditTriggers || trigger == SelectedClicked || !index.isValid() ||
      !(model_->flags(index) & Qt::ItemIsEditable))
    return QTableView::edit(index, trigger, event);
  // A partly shown cell scrolls into view before its edit box opens.
  const int32_t row = model_->GridRow(index);
  const int32_t column = model_->GridColumn(index);
  EnsureVisible(row, column);
  return QTableView::edit(model_->IndexAt(row, column), trigger, event);
}

void ValueGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (moving_ || !current.isValid()) return;
  currentRow_ = model_->GridRow(current);
  currentColumn_ = model_->GridColumn(current);
}

void ValueGrid::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  UpdateWindow();
}

void ValueGrid::wheelEvent(QWheelEvent* event) {
  const bool sideways = event->modifiers() & Qt::AltModifier;
  QScrollBar* bar = sideways || !rowBar_->isVisible() ? columnBar_ : rowBar_;
  if (!bar->isVisible()) return;
  QWheelEvent forwarded(event->position(), event->globalPosition(), event->pixelDelta(),
                        event->angleDelta(), event->buttons(),
                        event->modifiers() & ~Qt::AltModifier, event->phase(),
                        event->inverted());
  QCoreApplication::sendEvent(bar, &forwarded);
  event->accept();
}

}  // namespace tq::app
