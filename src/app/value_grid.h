// The value editors' grid: a table over a matrix's or a vector's own
// storage. The model shows only the window of cells that fits the view and
// the grid's scroll bars move that window, so a grid of 10^7 rows costs no
// more than one of ten (a table header keeps a record per section).
#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <QWidget>
#include <cstdint>

class QScrollBar;

namespace tq {
class MathObject;
struct ValueEditorForm;
}  // namespace tq

namespace tq::app {

// Rows and columns counted from 0: row r is element row r + 1; column 0
// holds the row numbers and column c >= 1 is element column c.
class ElementWindowModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  ElementWindowModel(const ValueEditorForm& form, QObject* parent);

  int32_t elementRows() const { return rows_; }
  int32_t elementColumns() const { return columns_; }
  int32_t firstRow() const { return firstRow_; }
  int32_t firstColumn() const { return firstColumn_; }
  int32_t windowRows() const { return windowRows_; }
  int32_t windowColumns() const { return windowColumns_; }

  // Shows `rows` x `columns` element cells from (firstRow, firstColumn),
  // the latter counted from 1.
  void SetWindowSize(int32_t rows, int32_t columns);
  void MoveWindow(int32_t firstRow, int32_t firstColumn);

  // The grid position of a model index, and back (invalid outside the window).
  int32_t GridRow(const QModelIndex& index) const { return firstRow_ + index.row(); }
  int32_t GridColumn(const QModelIndex& index) const;
  QModelIndex IndexAt(int32_t gridRow, int32_t gridColumn) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  bool HoldsElement(const QModelIndex& index) const;
  double Element(int32_t gridRow, int32_t gridColumn) const;

  const ValueEditorForm& form_;
  MathObject& object_;
  bool matrix_;
  int32_t rows_;
  int32_t columns_;
  int32_t firstRow_ = 0;
  int32_t firstColumn_ = 1;
  int32_t windowRows_ = 0;
  int32_t windowColumns_ = 0;
};

// The table view of the window, with the grid's own scroll bars beside it.
class ValueGrid final : public QTableView {
  Q_OBJECT

 public:
  ValueGrid(const ValueEditorForm& form, QWidget* parent);

  QWidget* frame() const { return frame_; }
  ElementWindowModel& windowModel() const { return *model_; }
  QScrollBar* rowScrollBar() const { return rowBar_; }
  QScrollBar* columnScrollBar() const { return columnBar_; }
  // The cell's width in pixels for the form's width in dialog units.
  int UnitsToPixels(int units) const;
  // Scrolls the grid so that (gridRow, gridColumn) is fully shown.
  void EnsureVisible(int32_t gridRow, int32_t gridColumn);
  // Ends an edit in progress, storing what was typed.
  void FinishEdit();

 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void UpdateWindow();
  void ScrollTo(int32_t firstRow, int32_t firstColumn);
  void ShowCurrent(bool selected);
  int32_t FullRows() const;
  int32_t FullColumns() const;

  QWidget* frame_;
  ElementWindowModel* model_;
  QScrollBar* rowBar_;
  QScrollBar* columnBar_;
  int rowHeight_;
  int numberWidth_;
  int valueWidth_;
  // The current cell in grid positions; -1 before the first.
  int32_t currentRow_ = -1;
  int32_t currentColumn_ = -1;
  bool moving_ = false;
  // The current cell is selected while scrolled out of view.
  bool selectedHidden_ = false;
};

}  // namespace tq::app
