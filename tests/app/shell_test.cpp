// The main window's menus, preconditions, window commands and files.
#include <QFile>
#include <QFileDialog>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/app_test.h"
#include "app/output_window.h"
#include "commands/calculator_commands.h"
#include "commands/file_commands.h"
#include "core/object_list.h"
#include "core/ui_port.h"
#include "workspace/workspace_file.h"

namespace tq::app::testing {
namespace {

using C = ShellCommand;

QStringList ItemTexts(QMenu* menu) {
  QStringList texts;
  for (QAction* action : menu->actions())
    if (!action->isSeparator()) texts << action->text();
  return texts;
}

QMenu* MenuNamed(MainWindow& window, const QString& title) {
  for (QAction* action : window.menuBar()->actions())
    if (action->text() == title) return action->menu();
  return nullptr;
}

TEST_F(AppTest, MenuBarHasEveryMenuAndItemInOrder) {
  QStringList titles;
  for (QAction* action : window->menuBar()->actions()) titles << action->text();
  EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Matrix", "&Calc", "&Stat", "&Numerical",
                                 "&View", "&Help"}));
  EXPECT_EQ(ItemTexts(MenuNamed(*window, "&File")),
            (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...",
                         "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup...", "E&xit"}));
  EXPECT_EQ(ItemTexts(MenuNamed(*window, "&Edit")),
            (QStringList{"&Undo\tCtrl+Z", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V",
                         "Save window text...", "Clear application window",
                         "Delete all objects"}));
  EXPECT_EQ(ItemTexts(MenuNamed(*window, "&Matrix")),
            (QStringList{"Create Matrix or Vector", "Edit Matrix or Vector", "Delete",
                         "Display Matrix or Vector", "Import data from file", "Export data to file",
                         "Transpose Matrix", "Inverse Matrix", "Add Matrices or Vectors",
                         "Subtract Matrices or Vectors", "Multiply Matrices and Vectors",
                         "System of linear equations"}));
  EXPECT_EQ(ItemTexts(MenuNamed(*window, "&Calc")),
            (QStringList{"Formula Calculator", "Units conversion", "Variables...", "Functions...",
                         "Compute for all elements", "Execute function"}));
  EXPECT_EQ(ItemTexts(MenuNamed(*window, "&Stat")),
            (QStringList{"Moments of distribution", "Student's t-test", "F-test of variances",
                         "Chi-Square test", "Linear Regression"}));
  EXPECT_EQ(ItemTexts(MenuNamed(*window, "&Numerical")),
            (QStringList{"Graphics", "Find roots", "Integral", "Find Maximums", "Find Minimums"}));
  EXPECT_EQ(ItemTexts(MenuNamed(*window, "&View")),
            (QStringList{"&Toolbar", "&Status Bar", "Fixed Width Font"}));
  EXPECT_EQ(window->Action(C::kFileNew)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
  EXPECT_EQ(window->Action(C::kEditPaste)->shortcut(), QKeySequence(QStringLiteral("Ctrl+V")));
}

TEST_F(AppTest, TaskBarHasNineButtonsAndFivePopups) {
  QStringList buttons;
  for (QPushButton* button : window->findChildren<QPushButton*>()) buttons << button->text();
  EXPECT_EQ(buttons, (QStringList{"Matrices", "Linear algebra", "Calculator", "Statistics",
                                  "Units conversion", "Graphics", "Functions", "Variables",
                                  "Numerical methods"}));
  QStringList popups;
  for (QMenu* menu : window->findChildren<QMenu*>())
    if (qobject_cast<QPushButton*>(menu->parent())) popups << ItemTexts(menu).join('|');
  EXPECT_TRUE(popups.contains(
      "Transpose Matrix|Inverse Matrix|Add Matrices or Vectors|Subtract Matrices or Vectors|"
      "Multiply Matrix by Vector or Matrix|Solve system of linear equations"));
  EXPECT_TRUE(popups.contains(
      "Find roots of equation f(x)=0|Calculate Integral of function f(x)|"
      "Find Maximums of function f(x)|Find Minimums of function f(x)"));
  EXPECT_EQ(popups.size(), 5);
}

TEST_F(AppTest, EachPreconditionShowsItsMessageOnAnEmptyWorkspace) {
  const QString m1 =
      "There are no matrices or vectors in the list. You must create matrix or vector before "
      "using this function.";
  const QString m6 =
      "There are no data vectors in the list. You must create data vector before using this "
      "function.";
  const QString noItems = "No items in the list.\nYou must create matrix or vector first.";
  const struct {
    ShellCommand command;
    QString message;
  } cases[] = {
      {C::kMatrixEdit, m1},
      {C::kMatrixDelete, m1},
      {C::kMatrixDisplay, m1},
      {C::kMatrixAdd, m1},
      {C::kMatrixMultiply, m1},
      {C::kCalcCompute, m1},
      {C::kMatrixImport, noItems},
      {C::kMatrixExport, noItems},
      {C::kMatrixTranspose,
       "There are no matrices in the list. You must create matrix before using this function."},
      {C::kMatrixSolve,
       "There are no matrices in the list. This will solve system of linear equations in the form "
       "A*x=b where A is a matrix and x and b are vectors. You must create matrix A of equation "
       "coefficients before using this function. Matrix must have equal number of rows and "
       "columns"},
      {C::kStatMoments, m6},
      {C::kStatRegression, m6},
      {C::kCalcExecute,
       "There are no user-defined functions currently.\nYou need to create function(s) first."},
  };
  for (const auto& row : cases) {
    AnswerMessage();
    Run(row.command);
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_EQ(messages.last(), row.message);
  }
  EXPECT_EQ(messages.size(), qsizetype(std::size(cases)));
}

TEST_F(AppTest, SystemOfEquationsWithAMatrixButNoVectorShowsTheVectorMessage) {
  auto matrix = std::make_unique<MatrixObject>(2, 2, 1.0);
  matrix->name = "A";
  AddObject(std::move(matrix));
  AnswerMessage();
  Run(C::kMatrixSolve);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith("There are no vectors in the list."));
}

TEST_F(AppTest, ClearApplicationWindowAsksAndClearsOnYesOnly) {
  Report("a line");
  AnswerMessage(QMessageBox::No);
  Run(C::kEditClearWindow);
  EXPECT_EQ(messages, QStringList{"Delete all text from application window ?"});
  EXPECT_EQ(Output(), "a line\r\n");
  AnswerMessage(QMessageBox::Yes);
  Run(C::kEditClearWindow);
  EXPECT_EQ(Output(), "");
  EXPECT_TRUE(window->output().toPlainText().isEmpty());
}

TEST_F(AppTest, DeleteAllObjectsAsksWithTheWarningIcon) {
  OnNextModal([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->windowTitle(), "Tallyquist");
    box->button(QMessageBox::Yes)->click();
  });
  auto vector = std::make_unique<VectorObject>(3, 0.0);
  vector->name = "v";
  AddObject(std::move(vector));
  Run(C::kEditDeleteAllObjects);
  EXPECT_EQ(FindObject("v", OBJMASK_ANY), nullptr);
  EXPECT_EQ(Output(), "Deleted Vector <v>\r\n");
}

TEST_F(AppTest, SaveWindowTextWritesTheWindowTextWithoutCarriageReturns) {
  QTemporaryDir directory;
  const QString path = directory.filePath("window.txt");
  Report("first");
  Report("second");
  OnNextModal([path](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->nameFilters(),
              (QStringList{"Text Files (*.txt)", "Data Files (*.dat)", "All Files (*)"}));
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();
  });
  Run(C::kEditSaveWindowText);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "first\nsecond\n");
}

TEST_F(AppTest, EmptyWindowHasNothingToSave) {
  AnswerMessage();
  Run(C::kEditSaveWindowText);
  EXPECT_EQ(messages, QStringList{"Application window is empty.\nNothing to save."});
}

// A change marks the title; New asks to save it, and Cancel keeps the
// workspace as it is.
TEST_F(AppTest, NewAfterAChangeAsksToSaveTheChanges) {
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_EQ(window->windowTitle(), "Untitled[*] - Tallyquist");
  window->RunCommand("calculate", [] {
    Calculator().entry = "v=2";
    EvaluateEntry();
  });
  EXPECT_TRUE(window->isWindowModified());

  AnswerMessage(QMessageBox::Cancel);
  Run(C::kFileNew);
  EXPECT_EQ(messages, QStringList{"Save changes to Untitled?"});
  EXPECT_NE(FindObject("v", OBJMASK_ANY), nullptr);

  AnswerMessage(QMessageBox::No);
  Run(C::kFileNew);
  EXPECT_EQ(FindObject("v", OBJMASK_ANY), nullptr);
  EXPECT_FALSE(window->isWindowModified());
}

class AppFileTest : public AppTest {
 protected:
  // Saves a workspace holding vector `name` as `file` in the directory.
  QString SaveWorkspace(const QString& file, const char* name) {
    auto vector = std::make_unique<VectorObject>(2, 1.5);
    vector->name = name;
    AddObject(std::move(vector));
    const QString path = directory.filePath(file);
    std::string failure;
    EXPECT_TRUE(SaveWorkspaceFile(path.toStdString(), failure)) << failure;
    DeleteAllObjects();
    ClearSessionModified();
    window->output().clear();
    return path;
  }
  QTemporaryDir directory;
};

TEST_F(AppFileTest, OpeningReportsTheLoadAndAsksToMergeOverObjects) {
  const QString first = SaveWorkspace("first.mts", "a");
  const QString second = SaveWorkspace("second.mts", "b");
  window->OpenFile(first);
  EXPECT_EQ(Output(), "Workspace loaded from file\r\n");
  EXPECT_EQ(window->windowTitle(), "first.mts[*] - Tallyquist");

  AnswerMessage(QMessageBox::No);  // keep the objects: merge
  window->OpenFile(second);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith("Delete all existing objects?"));
  EXPECT_NE(FindObject("a", OBJMASK_ANY), nullptr);
  EXPECT_NE(FindObject("b", OBJMASK_ANY), nullptr);
}

TEST_F(AppFileTest, RecentFilesListTheLastFiveOpenedAndPersist) {
  QStringList paths;
  for (int i = 0; i < 6; ++i) paths << SaveWorkspace(QStringLiteral("w%1.mts").arg(i), "v");
  for (const QString& path : paths) {
    AnswerMessage(QMessageBox::Yes);  // delete the objects of the last one
    window->OpenFile(path);
  }
  pendingModals = 0;  // the first open asked nothing
  const std::vector<std::string>& recent = window->recentFiles().entries();
  ASSERT_EQ(recent.size(), 5u);
  EXPECT_EQ(recent.front(), paths[5].toStdString());
  EXPECT_EQ(recent.back(), paths[1].toStdString());
  EXPECT_EQ(QSettings().value("recentFiles").toStringList().front(), paths[5]);
  QStringList fileItems = ItemTexts(MenuNamed(*window, "&File"));
  EXPECT_TRUE(fileItems.contains("&1 w5.mts"));
  EXPECT_EQ(fileItems.last(), "E&xit");
}

TEST_F(AppFileTest, ADroppedFileOpensAsFileOpen) {
  const QString path = SaveWorkspace("dropped.mts", "d");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window.get(), &drop);
  QTRY_COMPARE(QString::fromStdString(Output()), QString("Workspace loaded from file\r\n"));
  EXPECT_NE(FindObject("d", OBJMASK_ANY), nullptr);
}

}  // namespace
}  // namespace tq::app::testing
