// The value editors: the grid's texts, which clicks and keys start an edit,
// what ends it and what is stored.
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "app/app_test.h"
#include "app/value_grid.h"
#include "commands/object_commands.h"
#include "core/math_object.h"
#include "core/object_list.h"

namespace tq::app::testing {
namespace {

class ValueEditorTest : public AppTest {
 protected:
  MatrixObject* AddMatrix(const char* name, int32_t rows, int32_t columns) {
    auto matrix = std::make_unique<MatrixObject>(columns, rows, 0.0);
    matrix->name = name;
    MatrixObject* raw = matrix.get();
    AddObject(std::move(matrix));
    ClearSessionModified();  // as after a save: only an edit marks it again
    return raw;
  }
  VectorObject* AddVector(const char* name, int32_t size) {
    auto vector = std::make_unique<VectorObject>(size, 0.0);
    vector->name = name;
    VectorObject* raw = vector.get();
    AddObject(std::move(vector));
    return raw;
  }

  // Opens the editor of `name` as Edit does and runs `act` on its grid; the
  // test then closes the editor with its Close button.
  void Edit(const char* name, const std::function<void(QWidget*, ValueGrid*)>& act) {
    OnNextModal([act](QWidget* editor) {
      auto* grid = editor->findChild<ValueGrid*>();
      ASSERT_NE(grid, nullptr);
      act(editor, grid);
      Click(editor, "Close");
    });
    window->RunCommand("Edit", [name] { EditObject(name); });
  }

  static QModelIndex Cell(ValueGrid* grid, int32_t row, int32_t column) {
    return grid->windowModel().IndexAt(row, column);
  }
  static QString Shown(ValueGrid* grid, int32_t row, int32_t column) {
    return Cell(grid, row, column).data().toString();
  }
  static QString Header(ValueGrid* grid, int section) {
    return grid->model()->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
  }
  static void ClickCell(ValueGrid* grid, int32_t row, int32_t column) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(Cell(grid, row, column)).center());
  }
  static void DoubleClickCell(ValueGrid* grid, int32_t row, int32_t column) {
    // As the system delivers it: a click, then the second press as a double click.
    const QPoint point = grid->visualRect(Cell(grid, row, column)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, point);
  }
  // The edit box over a cell, or nullptr.
  static QLineEdit* EditBox(ValueGrid* grid) {
    for (QLineEdit* box : grid->viewport()->findChildren<QLineEdit*>())
      if (box->isVisible()) return box;
    return nullptr;
  }
  // Enter in the edit box stores after the key event has been handled.
  static void PressEnter(QWidget* box) {
    QTest::keyClick(box, Qt::Key_Return);
    QCoreApplication::processEvents();
  }
  // Waits longer than a double click could take: a delayed edit has begun.
  static void WaitPastDoubleClick() { QTest::qWait(QApplication::doubleClickInterval() + 100); }
};

TEST_F(ValueEditorTest, MatrixGridShowsHeadersRowNumbersAndFormattedValues) {
  MatrixObject* m = AddMatrix("m", 2, 3);
  m->at(1, 1) = 1e20;
  m->at(1, 2) = -0.5;
  m->at(1, 3) = 1.0 / 3.0;
  m->at(2, 1) = 0.1;
  QString title;
  Edit("m", [&](QWidget* editor, ValueGrid* grid) {
    title = editor->windowTitle();
    EXPECT_EQ(Header(grid, 0), "Row \\ Col");
    EXPECT_EQ(Header(grid, 1), "        1 ");
    EXPECT_EQ(Header(grid, 3), "        3 ");
    EXPECT_EQ(Shown(grid, 1, 0), "       2");
    EXPECT_EQ(Shown(grid, 0, 1), "               1E+20 ");
    EXPECT_EQ(Shown(grid, 0, 2), "                -0.5 ");
    EXPECT_EQ(Shown(grid, 0, 3), "      0.333333333333 ");
    EXPECT_EQ(Shown(grid, 1, 1), "                 0.1 ");
    EXPECT_EQ(Cell(grid, 0, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignRight | Qt::AlignVCenter);
  });
  EXPECT_EQ(title, "Edit values in matrix");
  EXPECT_EQ(Output(), "Editing Matrix  m  2x3\r\n");
}

// A click records the cell; a second click on it or a double click opens
// the edit box with 12 significant digits; a click elsewhere stores.
TEST_F(ValueEditorTest, ClickRulesAndStoringATypedValue) {
  MatrixObject* m = AddMatrix("m", 2, 2);
  m->at(1, 2) = 1.0 / 3.0;
  Edit("m", [&](QWidget*, ValueGrid* grid) {
    ClickCell(grid, 0, 1);
    WaitPastDoubleClick();
    EXPECT_EQ(EditBox(grid), nullptr);
    ClickCell(grid, 0, 2);  // another cell: only recorded
    WaitPastDoubleClick();
    EXPECT_EQ(EditBox(grid), nullptr);
    ClickCell(grid, 0, 2);  // the same cell again
    ASSERT_TRUE(QTest::qWaitFor([&] { return EditBox(grid) != nullptr; }));
    EXPECT_EQ(EditBox(grid)->text(), "0.333333333333");
    EditBox(grid)->selectAll();
    QTest::keyClicks(EditBox(grid), "2e3");
    EXPECT_FALSE(window->isWindowModified());
    ClickCell(grid, 1, 1);  // a click elsewhere ends the edit
    EXPECT_EQ(EditBox(grid), nullptr);
    EXPECT_EQ(m->at(1, 2), 2000.0);
    EXPECT_EQ(Shown(grid, 0, 2), "                2000 ");
    EXPECT_TRUE(window->isWindowModified());  // each stored edit marks the workspace

    DoubleClickCell(grid, 1, 2);  // any cell, at once
    ASSERT_NE(EditBox(grid), nullptr);
    EditBox(grid)->selectAll();
    QTest::keyClicks(EditBox(grid), "abc");
    PressEnter(EditBox(grid));
    EXPECT_EQ(EditBox(grid), nullptr);
    EXPECT_EQ(m->at(2, 2), 0.0);  // not a number: unchanged
    DoubleClickCell(grid, 1, 0);  // the row numbers are not values
    EXPECT_EQ(EditBox(grid), nullptr);
  });
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ValueEditorTest, KeyboardMovesAndEditsAndCloseStoresTheOpenEdit) {
  MatrixObject* m = AddMatrix("m", 3, 3);
  Edit("m", [&](QWidget*, ValueGrid* grid) {
    ClickCell(grid, 0, 1);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_F2);
    ASSERT_NE(EditBox(grid), nullptr);
    EditBox(grid)->selectAll();
    QTest::keyClicks(EditBox(grid), "-1.5");
    PressEnter(EditBox(grid));
    EXPECT_TRUE(grid->isVisible());  // Enter ends the edit, not the editor
    EXPECT_EQ(m->at(2, 2), -1.5);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClicks(grid, "7");  // typing starts an edit with what is typed
    ASSERT_NE(EditBox(grid), nullptr);
    EXPECT_EQ(EditBox(grid)->text(), "7");
  });
  EXPECT_EQ(m->at(3, 2), 7.0);  // Close ended the edit and stored it
}

TEST_F(ValueEditorTest, VectorGridAndScrollingEndsTheEdit) {
  VectorObject* v = AddVector("v", 1000);
  v->at(1) = 2.5;
  Edit("v", [&](QWidget* editor, ValueGrid* grid) {
    EXPECT_EQ(editor->windowTitle(), "Edit values in vector");
    EXPECT_EQ(Header(grid, 0), "Index");
    EXPECT_EQ(Header(grid, 1), "Value ");
    EXPECT_EQ(Shown(grid, 0, 0), "       1");
    EXPECT_EQ(Shown(grid, 0, 1), "                 2.5 ");
    DoubleClickCell(grid, 0, 0);  // the Index column
    EXPECT_EQ(EditBox(grid), nullptr);
    DoubleClickCell(grid, 1, 1);
    ASSERT_NE(EditBox(grid), nullptr);
    QTest::keyClicks(EditBox(grid), "9");
    grid->rowScrollBar()->setValue(500);
    EXPECT_EQ(EditBox(grid), nullptr);
    EXPECT_EQ(v->at(2), 9.0);
    EXPECT_EQ(Shown(grid, 500, 0), "     501");
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Shown(grid, 999, 0), "    1000");
    EXPECT_EQ(grid->currentIndex(), Cell(grid, 999, 1));
  });
}

// Only the cells in view are the model's: a vector of 10^7 elements opens
// and reaches its last element.
TEST_F(ValueEditorTest, HugeVectorOpensAndScrollsToItsEnd) {
  VectorObject* v = AddVector("big", 10'000'000);
  v->at(10'000'000) = 4.0;
  Edit("big", [&](QWidget*, ValueGrid* grid) {
    EXPECT_LT(grid->model()->rowCount(), 200);
    grid->rowScrollBar()->setValue(grid->rowScrollBar()->maximum());
    EXPECT_EQ(Shown(grid, 9'999'999, 0), "10000000");
    EXPECT_EQ(Shown(grid, 9'999'999, 1), "                   4 ");
  });
}

}  // namespace
}  // namespace tq::app::testing
