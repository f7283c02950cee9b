// The calculator (entries, function calls replaced by their values, the
// report lines, ans and the history), the Functions and programs dialog, the
// Execute menu and the Variables dialog.
#include "commands/calculator_commands.h"
#include "commands/function_commands.h"
#include "commands/language_forms.h"
#include "commands/session.h"
#include "commands/variable_commands.h"
#include "lang/function_objects.h"
#include "lang/lang_state.h"
#include "lang/program_io.h"
#include "support/workbench_test.h"

namespace tq::testing {
namespace {

using Lines = std::vector<std::string>;

std::string BadName(const char* kind) {
  return std::string("Error:\nInvalid ") + kind +
         " name\n<1f>\nPlease enter valid name.\nName shall containg only letters and digits and "
         "charater _.\nFirst character must not be digit.";
}

class LanguageCommandsTest : public testing::WorkbenchTest {
 protected:
  bool Enter(const std::string& text) {
    Calculator().entry = text;
    Calculator().modified = true;
    return EvaluateEntry();
  }
};

TEST_F(LanguageCommandsTest, OperatorContinuesTheAnswerAndADigitStartsAnew) {
  for (const char* text : {"2", "+", "3"}) InsertText(text);
  ASSERT_TRUE(EvaluateEntry());
  EXPECT_EQ(Calculator().entry, "5");
  InsertText("*");
  InsertText("2");
  EXPECT_EQ(Calculator().entry, "5*2");
  ASSERT_TRUE(EvaluateEntry());
  InsertText("7");
  EXPECT_EQ(Calculator().entry, "7");
  // Calls of user functions are replaced by their values; an argument reads ans.
  Function("f", "f = x^2");
  Function("g", "x+100");
  for (const char* text : {"f(3)+1", "f(f(2))", "g(ans*2)"}) ASSERT_TRUE(Enter(text));
  EXPECT_EQ(Calculator().ans, 132);
  EXPECT_EQ(ui.output, "2+3\r\n5\r\n5*2\r\n10\r\n (9)+1\r\n10\r\n (16)\r\n16\r\n (132)\r\n132\r\n");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LanguageCommandsTest, ListsAndSelections) {
  EXPECT_FALSE(InsertBuiltinItem(BuiltinListItems()[0]));  // the heading
  EXPECT_TRUE(InsertBuiltinItem(BuiltinListItems()[1]));
  EXPECT_TRUE(InsertFunctionItem("f:  description"));
  EXPECT_EQ(Calculator().entry, "sin(x)f");
  EXPECT_FALSE(StartFunctionEditMode());
  EXPECT_EQ(ui.messages, Lines{"There are no user defined functions. Please create function first."});
  Function("f", "x");
  EXPECT_EQ(FunctionListItems(), (Lines{" User defined functions", "f"}));
  ASSERT_TRUE(Enter("rate=2"));
  EXPECT_EQ(Calculator().variableList, (Lines{" User defined variables", "rate"}));
}

TEST_F(LanguageCommandsTest, EntryEditingMarksTheEntryModified) {
  ASSERT_TRUE(Enter("2+3"));
  // After an answer "Clr", "Delete" and typing each leave a modified entry,
  // so the next digit continues it instead of starting anew.
  struct Case {
    void (*edit)();
    std::string entry;
  };
  for (const Case& c : {Case{[] { ClearEntry(); }, ""}, Case{[] { DeleteLastCharacter(); }, ""},
                        Case{[] { EditEntry("12"); }, "12"}}) {
    Calculator().entry = "5";
    Calculator().modified = false;
    c.edit();
    EXPECT_EQ(Calculator().entry, c.entry);
    EXPECT_TRUE(Calculator().modified);
    InsertText("7");
    EXPECT_EQ(Calculator().entry, c.entry + "7");
  }
  EditEntry("sin(");
  DeleteLastCharacter();
  DeleteLastCharacter();
  EXPECT_EQ(Calculator().entry, "si");
  ASSERT_TRUE(Enter("7*2"));
  RecallHistoryEntry(0);
  EXPECT_EQ(Calculator().entry, "2+3");
  EXPECT_TRUE(Calculator().modified);
  RecallHistoryEntry(2);  // past the newest: unchanged
  EXPECT_EQ(Calculator().entry, "2+3");
}

TEST_F(LanguageCommandsTest, KeypadInsertsItsTexts) {
  std::string texts, inserted;
  for (const CalculatorKey& key : CalculatorKeypad()) {
    texts += std::string(key.text) + " ";
    if (std::string(key.text) != key.inserts) inserted += std::string(key.text) + "=" + key.inserts + " ";
  }
  EXPECT_EQ(texts,
            "7 8 9 / ( ) 4 5 6 * ^ x^2 1 2 3 - < > 0 . E + = Ans sin( cos( tan( asin( acos( atan( "
            "sinh( cosh( tanh( sech( exp( ln( log( sqrt( abs( ");
  EXPECT_EQ(inserted, "x^2=^2 ");
}

TEST_F(LanguageCommandsTest, FunctionEditModeOpensTheNextChosenFunction) {
  Function("f", "x+1");
  SelectFunctionItem("f");
  EXPECT_EQ(Calculator().entry, "f");  // outside the mode the name is inserted
  ASSERT_TRUE(StartFunctionEditMode());
  EXPECT_TRUE(Calculator().functionEditMode);
  EXPECT_FALSE(SelectFunctionItem(FunctionListItems()[0]));  // the header: beep, mode kept
  EXPECT_TRUE(Calculator().functionEditMode);
  std::string shownBody;
  ui.AnswerForm<FunctionEditForm>([&](FunctionEditForm& form) {
    shownBody = form.body;
    form.body = "x+2";
  });
  EXPECT_TRUE(SelectFunctionItem("f"));
  EXPECT_FALSE(Calculator().functionEditMode);
  EXPECT_EQ(shownBody, "x+1");
  EXPECT_EQ(Calculator().entry, "f");
  ASSERT_TRUE(Enter("f(1)"));
  EXPECT_EQ(Calculator().ans, 3);
}

TEST_F(LanguageCommandsTest, FailuresLeaveAnsAndHistoryWhichKeepsTheLast33) {
  ASSERT_TRUE(Enter("4"));
  Function("c", "2*3");
  Function("inv", "1/x");
  for (const char* text : {"a=1;b=2", "1/0", "q+1", "c(1)+1", "inv(0)+1"}) EXPECT_FALSE(Enter(text)) << text;
  EXPECT_EQ(ui.messages,
            (Lines{"Syntax error in expression\n\ncharacter \";\" is not allowed.\nCalculator does not support "
                   "multiple \nexpressions in one line.\nTo complute multiple expressions \nmake user-defined "
                   "function.",
                   "Runtime calculation error in expression\nFloating point error: Divide by zero ",
                   "Syntax error in function\nq+1\nat line number 1  Unrecognized name [q]\nPlease correct error "
                   "and try again.\n",
                   "Incorrect function argument:\nFunction c(x) must depend on variable x.\nPlease correct error "
                   "and try again.",
                   "Unable to compile function \nc",
                   "Runtime calculation error in functioninv\nFloating point error: Divide by zero "}));
  EXPECT_EQ(FindObject("a", OBJMASK_VARIABLE), nullptr);
  EXPECT_EQ(Calculator().ans, 4);
  EXPECT_EQ(Calculator().history.size(), 1u);
  EXPECT_EQ(ui.output, "4\r\n4\r\n");
  Enter("print \"a;b\"");  // a semicolon in a string is allowed
  EXPECT_EQ(ui.messages.size(), 6u);
  for (int i = 1; i <= 40; ++i) ASSERT_TRUE(Enter(std::to_string(i)));
  EXPECT_EQ(Calculator().history.size(), 33u);  // the last 33 are kept
  EXPECT_EQ(Calculator().history.front(), "8");
  EXPECT_EQ(Calculator().history.back(), "40");
}

TEST_F(LanguageCommandsTest, CreateFunctionChecksNameAndBodyAndStaysOpen) {
  for (auto [name, body] : {std::pair<std::string, std::string>{"1f", "x"}, {"f", ""}, {"f", std::string(32768, '1')},
                            {"f", std::string(32767, '1')}, {"sin", "x"}})
    ui.AnswerForm<FunctionEditForm>([=](FunctionEditForm& form) {
      form.name = name;
      form.body = body;
      form.description = "ones";
    });
  EXPECT_TRUE(CreateFunctionButton());
  EXPECT_EQ(FunctionListEntries(), Lines{"f:  ones"});
  EXPECT_FALSE(CreateFunctionButton());  // a reserved name shows only its own message
  ASSERT_EQ(ui.messages.size(), 4u);
  EXPECT_EQ(Lines(ui.messages.begin(), ui.messages.begin() + 3),
            (Lines{BadName("function"), "Error:\nFunction body is empty.",
                   "Error:\nFunction body is too long.\nFunctions longer than 32767 bytes are not permitted."}));
  EXPECT_NE(ui.messages[3].find("reserved function name"), std::string::npos);
}

TEST_F(LanguageCommandsTest, SelectionRulesAndCompileReports) {
  Function("f", "a=1");
  Function("g", "1\n2+");
  EXPECT_FALSE(CompileFunctionButton({}));
  EXPECT_FALSE(CompileFunctionButton({"f", "g"}));
  EXPECT_FALSE(ExecuteFunctionButton({"f", "g"}));
  EXPECT_TRUE(CompileFunctionButton({"f:  description"}));
  EXPECT_FALSE(CompileFunctionButton({"g"}));
  ShowCompileError("", 1, "");
  ShowCompileError("1+", -1, "Unrecognized name [q]");
  ShowCompileError(std::string(1024, 'a'), 1, "");
  EXPECT_EQ(ui.messages,
            (Lines{"No items selected in the list",
                   "Multiple selection is not permitted.\nPlease select one function to compile.",
                   "Multiple selection is not permitted.\nPlease select one function to execute.",
                   "Function compiled successfully\n",
                   "Syntax error in function\ng\nat line number 2\nPlease correct error and try again.\n",
                   "Syntax error in expression\nPlease correct error and try again.\n",
                   "Syntax error in expression\n1+\nUnrecognized name [q]\nPlease correct error and try again.\n",
                   "Syntax error in expression\nPlease correct error and try again.\n"}));
}

TEST_F(LanguageCommandsTest, ExecutingPrograms) {
  EXPECT_FALSE(ExecuteFunctionMenuCommand());
  Function("p", "print ans");
  Function("q", "x+1");
  Function("s", "print \"B\"")->description = std::string(100, 'd');
  Function("t", "output \"hello\"\nprint \"after\"");
  Calculator().ans = 41;
  // Execute closes the dialog for the run; a completed run opens it again,
  // a failed one ends the command.
  for (size_t index : {1, 0, 3})  // q: x needs a variable, not compiled, the dialog stays
    ui.AnswerForm<FunctionsForm>([=](FunctionsForm& form) {
      form.selected = {index};
      return FunctionsForm::kExecute;
    });
  EXPECT_FALSE(FunctionsDialogCommand());  // t's program message is stopped
  EXPECT_EQ(ExecuteMenuItems(), (Lines{"p               ", "q               ",
                                       "s                 " + std::string(62, 'd'), "t               "}));
  ui.AnswerForm<ExecuteMenuForm>([](ExecuteMenuForm& form) {
    EXPECT_EQ(form.names, (Lines{"p", "q", "s", "t"}));  // what each item runs
    form.chosen = 2;
  });
  EXPECT_TRUE(ExecuteFunctionMenuCommand());
  EXPECT_EQ(ui.output, "Executing function p\r\n41 \r\nCalculation completed\r\nExecuting function t\r\nhello\r\n"
                       "Executing function s\r\nB\r\nCalculation completed\r\n");
  EXPECT_EQ(ui.messages,
            (Lines{"There are no user-defined functions currently.\nYou need to create function(s) first.",
                   "Syntax error in function\nq\nat line number 1  Unrecognized name [x]\nPlease correct error "
                   "and try again.\n",
                   "Calculation terminated by user"}));
}

TEST_F(LanguageCommandsTest, CreateFunctionReplacesAnObjectOfItsName) {
  Put("v", std::make_unique<VectorObject>(3, 7.0));
  Function("F", "1");
  for (const char* name : {"v", "f"})
    ui.AnswerForm<FunctionEditForm>([=](FunctionEditForm& form) {
      form.name = name;
      form.body = "x+1";
    });
  EXPECT_TRUE(CreateFunctionButton());
  EXPECT_TRUE(CreateFunctionButton());
  EXPECT_EQ(ui.output, "Deleted Vector <v>\r\nDeleted Object <F>\r\n");
  EXPECT_EQ(ObjectListEntries(OBJMASK_ANY), (Lines{"v", "f"}));
  EXPECT_EQ(FindObjectAs<FunctionObject>("v", OBJMASK_FUNCTION)->body, "x+1");
}

TEST_F(LanguageCommandsTest, CalculatorAssignmentKeepsAnObjectOfItsName) {
  Put("v", std::make_unique<VectorObject>(3, 7.0));
  EXPECT_FALSE(Enter("v=1"));
  EXPECT_EQ(ui.messages,
            Lines{"Syntax error in function\nv=1\nat line number 1  Unrecognized name [v]\nPlease "
                  "correct error and try again.\n"});
  EXPECT_EQ(ObjectListEntries(OBJMASK_ANY), Lines{"v"});
  EXPECT_EQ(ui.output, "");
}

TEST_F(LanguageCommandsTest, CreateVariableListsAndReplaces) {
  Put("m", std::make_unique<MatrixObject>(2, 2, 0.0));
  for (auto [name, value] : {std::pair{"y", 1.0 / 3}, {"x", 0.1}, {"M", 2.0}, {"1f", 0.0}, {"pi", 0.0}})
    ui.AnswerForm<CreateVariableForm>([=](CreateVariableForm& form) {
      form.name = name;
      form.initial = value;
    });
  for (bool created : {true, true, true, false, false}) EXPECT_EQ(CreateVariableCommand(), created);
  EXPECT_EQ(VariableListEntries(), (Lines{"M = 2", "x = 0.1", "y = 0.333333333333"}));
  EXPECT_EQ(ui.output, "Deleted Matrix <m>\r\n");  // an object of any kind is replaced
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0], BadName("variable"));
  EXPECT_NE(ui.messages[1].find("reserved keyword"), std::string::npos);
}

TEST_F(LanguageCommandsTest, EditAndDeleteFunctionsAndVariables) {
  Function("f", "1");
  Function("g", "2");
  Variable("a", 1);
  Variable("b", 2);
  ui.AnswerForm<FunctionEditForm>([](FunctionEditForm& form) {
    EXPECT_FALSE(form.creating);
    EXPECT_EQ(form.body, "1");
    form.body = "3";
    form.description = "three";
  });
  ui.AnswerForm<EditVariableForm>([](EditVariableForm& form) {
    EXPECT_EQ(form.name, "a");
    EXPECT_EQ(form.value, 1);
    form.value = 7;
  });
  EXPECT_TRUE(EditFunctionButton({"f"}));
  EXPECT_FALSE(EditVariableCommand({}));
  EXPECT_FALSE(EditVariableCommand({"a = 1", "b = 2"}));
  EXPECT_TRUE(EditVariableCommand({"a = 1"}));
  EXPECT_EQ(FunctionListEntries(), (Lines{"f:  three", "g"}));
  EXPECT_EQ(VariableListEntries(), (Lines{"a = 7", "b = 2"}));
  EXPECT_EQ(ui.messages, (Lines{"No items selected in the list",
                                "Multiple selection is not permitted.\nPlease select one variable to edit."}));
  EXPECT_FALSE(DeleteFunctionsButton({}));
  EXPECT_FALSE(DeleteVariablesCommand({}));
  EXPECT_TRUE(DeleteFunctionsButton({"f:  three", "g"}));
  EXPECT_TRUE(DeleteVariablesCommand({"a = 7", "b = 2"}));
  EXPECT_TRUE(FunctionListEntries().empty());
  EXPECT_TRUE(VariableListEntries().empty());
}

TEST_F(LanguageCommandsTest, FunctionsDialogActsWhileOpenAndSelectsWhatItMade) {
  Function("f", "1");
  ui.AnswerForm<FunctionsForm>([](FunctionsForm& form) {
    EXPECT_EQ(form.title, "Functions and programs");
    EXPECT_EQ(form.entries, Lines{"f"});
    EXPECT_TRUE(form.selected.empty());
    return FunctionsForm::kEdit;
  });
  ui.AnswerForm<FunctionsForm>([](FunctionsForm&) { return FunctionsForm::kCreate; });
  ui.AnswerForm<FunctionEditForm>([](FunctionEditForm& form) {
    form.name = "g";
    form.body = "x*2";
    form.description = "twice";
  });
  ui.AnswerForm<FunctionsForm>([](FunctionsForm& form) {
    EXPECT_EQ(form.entries, (Lines{"f", "g:  twice"}));
    EXPECT_EQ(form.selected, std::vector<size_t>{1});
    form.selected = {0};
    return FunctionsForm::kEdit;
  });
  ui.AnswerForm<FunctionEditForm>([](FunctionEditForm& form) {
    EXPECT_FALSE(form.creating);
    form.body = "a=1";
  });
  ui.AnswerForm<FunctionsForm>([](FunctionsForm& form) {
    EXPECT_EQ(form.selected, std::vector<size_t>{0});
    form.selected = {0, 1};
    return FunctionsForm::kCompile;
  });
  ui.AnswerForm<FunctionsForm>([](FunctionsForm& form) {
    form.selected = {0};
    return FunctionsForm::kCompile;
  });
  ui.AnswerForm<FunctionsForm>([](FunctionsForm& form) {
    form.selected = {0, 1};
    return FunctionsForm::kDelete;
  });
  ui.AnswerForm<FunctionsForm>([](FunctionsForm& form) {
    EXPECT_TRUE(form.entries.empty());
    EXPECT_TRUE(form.selected.empty());
    return FunctionsForm::kClose;
  });
  EXPECT_TRUE(FunctionsDialogCommand());
  EXPECT_EQ(ui.messages, (Lines{"No items selected in the list",
                                "Multiple selection is not permitted.\nPlease select one function to compile.",
                                "Function compiled successfully\n"}));
  EXPECT_EQ(ui.output, "Deleted Object <f>\r\nDeleted Object <g>\r\n");
  ui.AnswerForm<FunctionsForm>([](FunctionsForm&) {});  // Enter presses Edit
  EXPECT_TRUE(FunctionsDialogCommand());                // then the dialog is cancelled
  EXPECT_EQ(ui.messages.size(), 4u);
}

TEST_F(LanguageCommandsTest, VariablesDialogRefillsTheListAndSelectsTheFirst) {
  Variable("b", 2);
  ui.AnswerForm<VariablesForm>([](VariablesForm& form) {
    EXPECT_EQ(form.title, "Variables");
    EXPECT_EQ(form.entries, Lines{"b = 2"});
    EXPECT_TRUE(form.selected.empty());
    return VariablesForm::kCreate;
  });
  ui.AnswerForm<CreateVariableForm>([](CreateVariableForm& form) {
    form.name = "a";
    form.initial = 0.5;
  });
  ui.AnswerForm<VariablesForm>([](VariablesForm& form) {
    EXPECT_EQ(form.entries, (Lines{"a = 0.5", "b = 2"}));
    EXPECT_EQ(form.selected, std::vector<size_t>{0});
    form.selected = {1};
    return VariablesForm::kCreate;
  });
  ui.AnswerForm<CreateVariableForm>([](CreateVariableForm& form) { form.name = "1f"; });
  ui.AnswerForm<VariablesForm>([](VariablesForm& form) {
    EXPECT_EQ(form.selected, std::vector<size_t>{1});  // a rejected name leaves the list
    return VariablesForm::kEdit;
  });
  ui.AnswerForm<EditVariableForm>([](EditVariableForm& form) {
    EXPECT_EQ(form.name, "b");
    form.value = 5;
  });
  ui.AnswerForm<VariablesForm>([](VariablesForm& form) {
    EXPECT_EQ(form.entries, (Lines{"a = 0.5", "b = 5"}));
    EXPECT_EQ(form.selected, std::vector<size_t>{0});
    form.selected = {0, 1};
    return VariablesForm::kEdit;
  });
  ui.AnswerForm<VariablesForm>([](VariablesForm& form) {
    EXPECT_EQ(form.selected, (std::vector<size_t>{0, 1}));
    return VariablesForm::kDelete;
  });
  ui.AnswerForm<VariablesForm>([](VariablesForm& form) {
    EXPECT_TRUE(form.entries.empty());
    return VariablesForm::kClose;
  });
  EXPECT_TRUE(VariablesDialogCommand());
  EXPECT_EQ(ui.messages, (Lines{BadName("variable"),
                                "Multiple selection is not permitted.\nPlease select one variable to edit."}));
  EXPECT_EQ(ui.output, "Deleted Object <a>\r\nDeleted Object <b>\r\n");
}

}  // namespace
}  // namespace tq::testing
