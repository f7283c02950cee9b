// The dialogs of functions, variables, programs and Compute for all
// elements, filled as a user fills them.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/app_test.h"
#include "app/dialog_input.h"
#include "commands/calculator_commands.h"
#include "core/object_list.h"
#include "lang/element_compute.h"

namespace tq::app::testing {
namespace {

using C = ShellCommand;





const std::string* BodyOf(const std::string& name) {
  auto* function = FindObjectAs<FunctionObject>(name, OBJMASK_FUNCTION);
  return function ? &function->body : nullptr;
}

QListWidget* ListOf(QWidget* dialog) { return dialog->findChild<QListWidget*>(); }

// Fills the open "Edit function" dialog and presses OK.
void FillFunction(QWidget* edit, const QString& name, const QString& description,
                  const QString& body) {
  if (!name.isNull()) TypeInto(edit, "Function name", name);
  TypeInto(edit, "Description (optional)", description);
  auto* text = edit->findChild<QPlainTextEdit*>();
  text->selectAll();
  QTest::keyClick(text, Qt::Key_Delete);
  QTest::keyClicks(text, body);
}

class FunctionDialogsTest : public AppTest {};

// Create new: a refused name keeps the dialog with the user's entries; the
// function made is listed and selected.
TEST_F(FunctionDialogsTest, CreateRefusesABadNameThenListsTheNewFunction) {
  AddFunction("f", "1");
  OnNextModal([this](QWidget* functions) {
    EXPECT_EQ(functions->windowTitle(), "Functions and programs");
    EXPECT_EQ(ButtonTexts(functions),
              (QStringList{"Create new", "Edit", "Delete", "Execute", "Compile", "Close"}));
    EXPECT_TRUE(LabelTexts(functions).contains("List of functions and programs"));
    EXPECT_EQ(ListOf(functions)->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(Entries(ListOf(functions)), QStringList{"f"});
    Shot(functions, "functions_and_programs");
    OnNextModal([this](QWidget* edit) {
      EXPECT_EQ(edit->windowTitle(), "Edit function");
      FillFunction(edit, "1sq", "squares", "x*x");
      Shot(edit, "edit_function");
      AnswerMessage();
      Click(edit, "OK");
      EXPECT_TRUE(edit->isVisible());  // kept, with the user's text
      EXPECT_EQ(Control<QLineEdit>(edit, "Function name")->text(), "1sq");
      TypeInto(edit, "Function name", "sq");
      Click(edit, "OK");
    });
    Click(functions, "Create new");
    EXPECT_EQ(Entries(ListOf(functions)), (QStringList{"f", "sq:  squares"}));
    EXPECT_EQ(SelectedRowsOf(ListOf(functions)), QList<int>{1});
    Click(functions, "Close");
  });
  Run(C::kCalcFunctions);
  EXPECT_EQ(messages, QStringList{"Error:\nInvalid function name\n<1sq>\nPlease enter valid "
                                  "name.\nName shall containg only letters and digits and charater "
                                  "_.\nFirst character must not be digit."});
  ASSERT_NE(BodyOf("sq"), nullptr);
  EXPECT_EQ(*BodyOf("sq"), "x*x");
}

// Edit and Compile take exactly one entry; Delete takes every selected one.
TEST_F(FunctionDialogsTest, EditCompileAndDeleteActOnTheSelection) {
  AddFunction("f", "1");
  AddFunction("g", "2");
  OnNextModal([this](QWidget* functions) {
    ChooseRows(ListOf(functions), {0, 1});
    AnswerMessage();
    Click(functions, "Compile");
    ChooseRows(ListOf(functions), {1});
    OnNextModal([](QWidget* edit) {
      EXPECT_TRUE(Control<QLineEdit>(edit, "Function name")->isReadOnly());
      EXPECT_EQ(Control<QLineEdit>(edit, "Function name")->text(), "g");
      FillFunction(edit, QString(), "two", "1+1");
      Click(edit, "OK");
    });
    Click(functions, "Edit");
    AnswerMessage();
    Click(functions, "Compile");
    ChooseRows(ListOf(functions), {0, 1});
    Click(functions, "Delete");
    EXPECT_TRUE(Entries(ListOf(functions)).isEmpty());
    Click(functions, "Close");
  });
  Run(C::kCalcFunctions);
  EXPECT_EQ(messages,
            (QStringList{"Multiple selection is not permitted.\nPlease select one function to compile.",
                         "Function compiled successfully\n"}));
  EXPECT_EQ(Output(), "Deleted Object <f>\r\nDeleted Object <g>\r\n");
}

// Execute closes the dialog, runs the program at ans and opens the dialog
// again; the program's input and message dialogs show over the window.
TEST_F(FunctionDialogsTest, ExecuteRunsTheProgramThenReopensTheDialog) {
  AddFunction("p", "1");
  AddFunction("q", "print ans");
  Calculator().ans = 41;
  bool reopened = false;
  OnNextModal([this, &reopened](QWidget* functions) {
    ChooseRows(ListOf(functions), {1});
    Click(functions, "Execute");
    OnNextModal([this, &reopened](QWidget* again) {
      reopened = true;
      EXPECT_EQ(again->windowTitle(), "Functions and programs");
      Click(again, "Close");
    });
  });
  Run(C::kCalcFunctions);
  EXPECT_TRUE(reopened);
  EXPECT_EQ(Output(), "Executing function q\r\n41 \r\nCalculation completed\r\n");
}

TEST_F(FunctionDialogsTest, ProgramInputRefusesTextThenContinues) {
  AddVariable("a", 1);
  AddVariable("b", 0);
  AddFunction("p", "input \"A:\", a\nb=2*a\noutput \"twice \", b");
  OnNextModal([this](QWidget* functions) {
    ChooseRows(ListOf(functions), {0});
    Click(functions, "Execute");
    OnNextModal([this](QWidget* input) {
      EXPECT_EQ(input->windowTitle(), "Program input");
      EXPECT_EQ(ButtonTexts(input), (QStringList{"Continue", "Stop"}));
      EXPECT_EQ(Control<QLineEdit>(input, "A:")->text(), "1");
      Shot(input, "program_input");
      AnswerMessage();
      TypeInto(input, "A:", "2.5e");  // the validator takes no letters but this
      Click(input, "Continue");
      TypeInto(input, "A:", "2.5");
      Click(input, "Continue");
      OnNextModal([this](QWidget* message) {
        EXPECT_EQ(message->windowTitle(), "Program message");
        EXPECT_TRUE(LabelTexts(message).contains("twice 5 "));
        Shot(message, "program_message");
        AnswerMessage();
        Click(message, "Stop");
      });
    });
  });
  Run(C::kCalcFunctions);
  EXPECT_EQ(messages, (QStringList{"Please enter a number in A.", "Calculation terminated by user"}));
  EXPECT_EQ(Output(), "Executing function p\r\nInput:\r\n2.5 \r\ntwice 5 \r\n");
  EXPECT_EQ(FindObjectAs<VariableObject>("b", OBJMASK_VARIABLE)->value, 5.0);
}

// A long message scrolls inside a dialog that fits on the screen.
TEST_F(FunctionDialogsTest, ALongProgramMessageScrolls) {
  std::string text;
  for (int line = 0; line < 200; ++line) text += "line " + std::to_string(line) + "\\n";
  AddFunction("p", "output \"" + text + "\"");
  OnNextModal([this](QWidget* functions) {
    ChooseRows(ListOf(functions), {0});
    Click(functions, "Execute");
    OnNextModal([this](QWidget* message) {
      EXPECT_LT(message->height(), message->fontMetrics().height() * 30);
      EXPECT_TRUE(LabelTexts(message).first().startsWith("line 0\nline 1\n"));
      Click(message, "Continue");
      OnNextModal([](QWidget* again) { Click(again, "Close"); });
    });
  });
  Run(C::kCalcFunctions);
  EXPECT_NE(Output().find("line 199\r\n"), std::string::npos);
}

// Variables: created, edited (a value that is no number refused), deleted.
TEST_F(FunctionDialogsTest, VariablesCreateEditAndDelete) {
  AddVariable("b", 2);
  OnNextModal([this](QWidget* variables) {
    EXPECT_EQ(variables->windowTitle(), "Variables");
    EXPECT_EQ(ButtonTexts(variables), (QStringList{"Create new variable", "Edit value",
                                                   "Delete varaibles", "Close"}));
    EXPECT_TRUE(LabelTexts(variables).contains("List of currently defined varaibles"));
    Shot(variables, "variables");
    OnNextModal([](QWidget* create) {
      EXPECT_EQ(create->windowTitle(), "Create new varaible");
      TypeInto(create, "Name of new variable", "rate");
      TypeInto(create, "Initial value", "0.25");
      Shot(create, "create_variable");
      Click(create, "OK");
    });
    Click(variables, "Create new variable");
    EXPECT_EQ(Entries(ListOf(variables)), (QStringList{"b = 2", "rate = 0.25"}));
    EXPECT_EQ(SelectedRowsOf(ListOf(variables)), QList<int>{0});
    ChooseRows(ListOf(variables), {1});
    OnNextModal([this](QWidget* edit) {
      EXPECT_EQ(edit->windowTitle(), "Edit variable");
      EXPECT_EQ(Control<QLineEdit>(edit, "Variable name")->text(), "rate");
      Shot(edit, "edit_variable");
      AnswerMessage();
      TypeInto(edit, "Variable value", "-");
      Click(edit, "OK");
      EXPECT_EQ(Control<QLineEdit>(edit, "Variable value")->text(), "-");
      TypeInto(edit, "Variable value", "-3e2");
      Click(edit, "OK");
    });
    Click(variables, "Edit value");
    EXPECT_EQ(Entries(ListOf(variables)), (QStringList{"b = 2", "rate = -300"}));
    ChooseRows(ListOf(variables), {0, 1});
    Click(variables, "Delete varaibles");
    EXPECT_TRUE(Entries(ListOf(variables)).isEmpty());
    Click(variables, "Close");
  });
  Run(C::kCalcVariables);
  EXPECT_EQ(messages, QStringList{"Please enter a number in Variable value."});
  EXPECT_EQ(Output(), "Deleted Object <b>\r\nDeleted Object <rate>\r\n");
}

// Compute: New and Edit while the dialog stays open select the function;
// a missing destination is refused; then the result.
TEST_F(FunctionDialogsTest, ComputeNewEditThenTheResult) {
  auto vector = std::make_unique<VectorObject>(2, 1.0);
  vector->name = "v";
  AddObject(std::move(vector));
  AddFunction("a", "x");
  OnNextModal([this](QWidget* compute) {
    EXPECT_EQ(compute->windowTitle(), "Compute Function for all elements");
    EXPECT_EQ(ButtonTexts(compute), (QStringList{"Compute", "Cancel", "New", "Edit"}));
    for (const char* text :
         {"Compute function for all elements of source matrix or vector",
          "Select source matrix or vector",
          "Function f(x) can use system varaibles _M and _N to get current index. _M is a number "
          "of row in the matrix. _N is a number of column in the matrix or element in the vector. ",
          "Select function f(x)", "Enter destination matrix or vector name"})
      EXPECT_TRUE(LabelTexts(compute).contains(text)) << text;
    Shot(compute, "compute_for_all_elements");
    OnNextModal([](QWidget* edit) {
      FillFunction(edit, "ten", "", "x*10");
      Click(edit, "OK");
    });
    Click(compute, "New");
    auto* function = Control<QComboBox>(compute, "Select function f(x)");
    EXPECT_EQ(Entries(function), (QStringList{"a", "ten"}));
    EXPECT_EQ(function->currentText(), "ten");
    OnNextModal([](QWidget* edit) {
      EXPECT_EQ(Control<QLineEdit>(edit, "Function name")->text(), "ten");
      FillFunction(edit, QString(), "hundred", "x*100");
      Click(edit, "OK");
    });
    Click(compute, "Edit");
    EXPECT_EQ(function->currentText(), "ten:  hundred");
    AnswerMessage();
    Click(compute, "Compute");
    QTest::keyClicks(Control<QComboBox>(compute, "Enter destination matrix or vector name")->lineEdit(),
                     "w");
    Click(compute, "Compute");
  });
  Run(C::kCalcCompute);
  EXPECT_EQ(messages, QStringList{"Error:\nInvalid output matrix or vector name.\nPlease select or "
                                  "enter valid name."});
  EXPECT_EQ(ComputeFunctionName(), "ten");
  auto* w = FindObjectAs<VectorObject>("w", OBJMASK_VECTOR);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->at(2), 100.0);
  EXPECT_EQ(Output(), "Computed function ten for all elements of vector v\r\noutput stored in new "
                      "vector <w>\r\n");
}

}  // namespace
}  // namespace tq::app::testing
