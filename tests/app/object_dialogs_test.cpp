// The object, arithmetic and linear-algebra dialogs, opened from their menu
// items and filled as a user does.
#include <QFileDialog>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

#include "app/app_test.h"
#include "app/dialog_controls.h"

namespace tq::app::testing {
namespace {

using C = ShellCommand;

const QString kOutputMatrixLabel =
    "Output matrix name\nPlease enter new matrix name or \nselect one of the existing objects "
    "from the drop-down list.";

class ObjectDialogsTest : public AppTest {
 protected:
  // Chooses the menu item of `command`.
  void Menu(ShellCommand command) { window->Action(command)->trigger(); }
  // Vectors b, A, c and the matrix M (2 rows, 3 columns), and a variable.
  void PutObjects() {
    PutVector("b", {1, 2});
    PutVector("A", {3, 4});
    PutVector("c", {5, 6});
    PutMatrix("M", 2, 3);
    auto x = std::make_unique<VariableObject>(1.0);
    x->name = "x";
    AddObject(std::move(x));
  }
};

// --- Create Matrix or Vector --------------------------------------------------

TEST_F(ObjectDialogsTest, CreateRefusalsKeepTheEntriesThenAMatrix) {
  OnNextModal([this](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Create Matrix or Vector");
    auto* columns = Control<QLineEdit>(dialog, "Number of columns");
    auto* rows = Control<QLineEdit>(dialog, "Number of rows");
    auto* elements = Control<QLineEdit>(dialog, "Number of elements");
    auto* initial = Control<QLineEdit>(dialog, "Initialization value");
    auto* name = Control<QLineEdit>(dialog, "Name");
    EXPECT_TRUE(Control<QRadioButton>(dialog, "Create Matrix")->isChecked());
    EXPECT_EQ(TabOrder(dialog),
              (QStringList{"Create Matrix", "Number of columns", "Number of rows",
                           "Initialization value", "Name", "OK", "Cancel"}));
    EXPECT_TRUE(columns->isVisible() && rows->isVisible());
    EXPECT_FALSE(elements->isVisible());
    EXPECT_EQ(QStringList({columns->text(), rows->text(), initial->text(), name->text()}),
              QStringList({"2", "2", "0", ""}));
    TypeInto(columns, "0");
    AnswerMessage();
    Click(dialog, "OK");
    TypeInto(columns, "3");
    TypeInto(rows, "");
    AnswerMessage();
    Click(dialog, "OK");
    TypeInto(rows, "2");
    TypeInto(initial, "-");
    AnswerMessage();
    Click(dialog, "OK");
    TypeInto(initial, "2.5e1");
    AnswerMessage();  // the name is empty
    Click(dialog, "OK");
    EXPECT_EQ(QStringList({columns->text(), rows->text(), initial->text()}),
              QStringList({"3", "2", "2.5e1"}));
    TypeInto(name, " M ");
    QTest::keyClick(name, Qt::Key_Return);
  });
  Menu(C::kMatrixCreate);
  EXPECT_EQ(messages, (QStringList{"Please enter an integer between 1 and 1000000.",
                                   "Please enter an integer between 1 and 1000000.",
                                   "Please enter a number in Initialization value.",
                                   "Error\nName not specified\nPlease enter valid name"}));
  EXPECT_EQ(Output(), "Created Matrix M 2x3\r\n");
  auto* matrix = dynamic_cast<MatrixObject*>(FindObject("M", OBJMASK_MATRIX));
  ASSERT_NE(matrix, nullptr);
  EXPECT_EQ(matrix->rows, 2);
  EXPECT_EQ(matrix->columns, 3);
  EXPECT_EQ(matrix->at(2, 3), 25.0);
}

TEST_F(ObjectDialogsTest, CreateVectorAsksBeforeReplacingAndAfterNoStaysOpen) {
  PutVector("v", {1, 2});
  OnNextModal([this](QWidget* dialog) {
    QTest::mouseClick(Control<QRadioButton>(dialog, "Create Vector"), Qt::LeftButton);
    auto* elements = Control<QLineEdit>(dialog, "Number of elements");
    EXPECT_TRUE(elements->isVisible());
    EXPECT_FALSE(Control<QLineEdit>(dialog, "Number of columns")->isVisible());
    EXPECT_FALSE(Control<QLineEdit>(dialog, "Number of rows")->isVisible());
    TypeInto(elements, "1");
    TypeInto(Control<QLineEdit>(dialog, "Name"), "v");
    AnswerMessage(QMessageBox::Yes);  // replace v
    AnswerMessage(QMessageBox::No);   // not a vector of one element
    Click(dialog, "OK");
    TypeInto(elements, "3");
    Click(dialog, "OK");
  });
  Menu(C::kMatrixCreate);
  EXPECT_EQ(messages,
            (QStringList{"Warning:\nAnother object with name <v> already exists.\nDo you with do "
                         "delete old object and create new vector?",
                         "Warning\nspecified vectorx dimension is 1;\nDo you want to create this "
                         "small vector?"}));
  EXPECT_EQ(Output(), "Deleted Vector <v>\r\nCreated Vector v (3)\r\n");
  auto* vector = dynamic_cast<VectorObject*>(FindObject("v", OBJMASK_VECTOR));
  ASSERT_NE(vector, nullptr);
  EXPECT_EQ(vector->size, 3);
}

// --- the object lists -----------------------------------------------------------

TEST_F(ObjectDialogsTest, DeleteRefusesAnEmptySelectionThenDeletesEverySelected) {
  PutObjects();
  OnNextModal([this](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Delete Matrix or Vector");
    auto* list = Control<QListWidget>(dialog, "Selet items you want to delete");
    EXPECT_EQ(Entries(list), (QStringList{"A  vector (2)", "b  vector (2)", "c  vector (2)",
                                          "M  matrix 2x3"}));
    AnswerMessage();
    Click(dialog, "Delete");
    ClickEntry(list, "A  vector (2)");
    ClickEntry(list, "c  vector (2)", Qt::ControlModifier);
    Click(dialog, "Delete");
  });
  Menu(C::kMatrixDelete);
  EXPECT_EQ(messages, QStringList{"No items selected in the list"});
  EXPECT_EQ(Output(), "Deleted Vector <A>\r\nDeleted Vector <c>\r\n");
  EXPECT_EQ(FindObject("A", OBJMASK_ANY), nullptr);
  EXPECT_NE(FindObject("b", OBJMASK_ANY), nullptr);
}

TEST_F(ObjectDialogsTest, DisplayNeedsOneSelectionAndCancelDoesNothing) {
  PutObjects();
  OnNextModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
  Menu(C::kMatrixDisplay);
  EXPECT_EQ(Output(), "");
  OnNextModal([this](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Display Matrix or Vector");
    auto* list = Control<QListWidget>(dialog, "Select item from the list");
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    AnswerMessage();
    Click(dialog, "Display");
    ClickEntry(list, "b  vector (2)");
    Click(dialog, "Display");
  });
  Menu(C::kMatrixDisplay);
  EXPECT_EQ(messages, QStringList{"Please select one item in the list"});
  EXPECT_EQ(Output(), "Vector  b  (2)\r\n1.00000000000  2.00000000000  \r\n");
}

TEST_F(ObjectDialogsTest, EditOpensTheEditorOverTheStillOpenList) {
  PutObjects();
  bool listShown = false;
  OnNextModal([&](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Edit Matrix or Vector");
    AnswerMessage();
    Click(dialog, "Edit");
    ClickEntry(Control<QListWidget>(dialog, "Please select item from the list"), "M  matrix 2x3");
    OnNextModal([&, dialog](QWidget* editor) {
      EXPECT_EQ(editor->windowTitle(), "Edit values in matrix");
      listShown = dialog->isVisible();
      editor->close();
    });
    Click(dialog, "Edit");
  });
  Menu(C::kMatrixEdit);
  EXPECT_EQ(messages, QStringList{"Please select one item in the list"});
  EXPECT_TRUE(listShown);
  EXPECT_EQ(Output(), "Editing Matrix  M  2x3\r\n");
}

TEST_F(ObjectDialogsTest, ExportAndImportOpenTheFileDialogOverTheStillOpenList) {
  PutVector("v", {1.5, 2});
  QTemporaryDir dir;
  const QString path = dir.filePath("v.txt");
  for (ShellCommand command : {C::kMatrixExport, C::kMatrixImport}) {
    const bool save = command == C::kMatrixExport;
    SCOPED_TRACE(save);
    bool listShown = false;
    OnNextModal([&](QWidget* dialog) {
      EXPECT_EQ(dialog->windowTitle(),
                save ? "Export data from file dialog" : "Import data from file dialog");
      auto* list = Control<QListWidget>(
          dialog, save ? "Export data to file from matrix or vector.\nPlease select matrix or vector"
                       : "Import data from file to matrix or vector.\nPlease select matrix or vector");
      AnswerMessage();
      Click(dialog, "OK");
      ClickEntry(list, "v  vector (2)");
      OnNextModal([&, dialog](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(files, nullptr);
        listShown = dialog->isVisible();
        auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(path);  // typing would open the completer's pop-up
        QTest::keyClick(name, Qt::Key_Return);
      });
      Click(dialog, "OK");
    });
    Menu(command);
    EXPECT_TRUE(listShown);
    if (save) dynamic_cast<VectorObject*>(FindObject("v", OBJMASK_VECTOR))->at(1) = 0.0;
  }
  EXPECT_EQ(messages, QStringList(2, "Please select one item in the list"));
  const std::string file = path.toStdString();
  EXPECT_EQ(Output(), "Writing data from vector  v  (2)\r\nto file " + file +
                          "\r\nSucceeded;  2 elements stored\r\nReading data to vector  v  "
                          "(2)\r\nfrom file " + file +
                          "\r\nSucceeded;\r\nvector with 2 elements loaded\r\n");
  EXPECT_EQ(dynamic_cast<VectorObject*>(FindObject("v", OBJMASK_VECTOR))->at(1), 1.5);
}

// --- operation dialogs ----------------------------------------------------------

TEST_F(ObjectDialogsTest, AddRefusesBadOutputNamesKeepingTheEntriesThenAdds) {
  PutMatrix("A", 2, 2, 1.0);
  PutMatrix("B", 2, 2, 10.0);
  OnNextModal([this](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Add Matrices or Vectors");
    auto* first = Control<QComboBox>(dialog, "Select first matrix or vector");
    auto* second = Control<QComboBox>(dialog, "Select second matrix or vector");
    auto* output = Control<QComboBox>(dialog, kOutputMatrixLabel);
    EXPECT_EQ(Entries(first), (QStringList{"A  matrix 2x2", "B  matrix 2x2"}));
    EXPECT_FALSE(first->isEditable());
    EXPECT_EQ(first->currentText(), "A  matrix 2x2");
    EXPECT_EQ(Entries(output), (QStringList{"A", "B"}));
    EXPECT_TRUE(output->isEditable());
    EXPECT_EQ(output->currentText(), "");
    Pick(second, "B  matrix 2x2");
    AnswerMessage();
    Click(dialog, "Add");
    TypeInto(output, "1C");
    AnswerMessage();
    Click(dialog, "Add");
    EXPECT_EQ(second->currentText(), "B  matrix 2x2");
    EXPECT_EQ(output->currentText(), "1C");
    TypeInto(output, " C ");
    QTest::keyClick(output->lineEdit(), Qt::Key_Return);
  });
  Menu(C::kMatrixAdd);
  EXPECT_EQ(messages,
            (QStringList{"Error:\nInvalid output matrix name.\nPlease select or enter valid name.",
                         "Error:\nInvalid output matrix name\n<1C>\nPlease enter valid name.\nName "
                         "shall containg only letters and digits and charater _.\nFirst "
                         "character must not be digit."}));
  EXPECT_EQ(Output(), "Added matrices A and B\r\noutput stored in new matrix <C>\r\n");
  auto* sum = dynamic_cast<MatrixObject*>(FindObject("C", OBJMASK_MATRIX));
  ASSERT_NE(sum, nullptr);
  EXPECT_EQ(sum->at(2, 2), 4.0 + 13.0);
}

TEST_F(ObjectDialogsTest, SolveShowsItsHeadingAndStaysOpenAfterTheEngineFails) {
  MatrixObject* singular = PutMatrix("S", 2, 2);
  singular->at(2, 1) = 2.0;
  singular->at(2, 2) = 4.0;
  PutMatrix("A", 2, 2);
  PutVector("b", {1, 2});
  OnNextModal([this](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Solve system of linear equations");
    QStringList texts;
    for (QLabel* label : dialog->findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains("Solving matrix equation Ax=b"));
    auto* matrix = Control<QComboBox>(dialog, "Select matrix A");
    EXPECT_EQ(Control<QComboBox>(dialog, "Select vector b")->currentText(), "b  vector (2)");
    TypeInto(Control<QComboBox>(dialog,
                                "Output name for vector x\nPlease enter new vector name or "
                                "\nselect one of the existing objects from the drop-down list."),
             "x");
    AnswerMessage();
    Click(dialog, "Solve equation");
    Pick(matrix, "A  matrix 2x2");
    Click(dialog, "Solve equation");
  });
  Menu(C::kMatrixSolve);
  EXPECT_EQ(messages, QStringList{"Error:\nNumerical library error\nSingular Matrix, the "
                                  "equation cant be solved\n"});
  EXPECT_EQ(Output(), "Solved system of linear equations A*x=b\r\nMatrix A A  Vector b b\r\noutput "
                      "stored in new vector <x>\r\n");
}

}  // namespace
}  // namespace tq::app::testing
