// The Functions and programs dialog, the Execute menu and running programs.
#include "commands/calculator_commands.h"
#include "commands/function_commands.h"
#include "commands/language_forms.h"
#include "lang/program_io.h"
#include "../lang_test.h"

namespace tq::testing {
namespace {

class FunctionCommandsTest : public LangTest {
 protected:
  void SetUp() override {
    LangTest::SetUp();
    ResetCalculator();
  }
  void AnswerCreate(const std::string& name, const std::string& body, const std::string& description = "") {
    ui.AnswerForm<FunctionEditForm>([=](FunctionEditForm& form) {
      form.name = name;
      form.body = body;
      form.description = description;
    });
  }
};

TEST_F(FunctionCommandsTest, CreateChecksNameAndBodyAndStaysOpen) {
  AnswerCreate("1f", "x");
  AnswerCreate("f", "");
  AnswerCreate("f", std::string(32768, '1'));
  AnswerCreate("f", std::string(32767, '1'), "ones");
  EXPECT_TRUE(CreateFunctionButton());
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(ui.messages[0],
            "Error:\nInvalid function name\n<1f>\nPlease enter valid name.\nName shall containg only "
            "letters and digits and charater _.\nFirst character must not be digit.");
  EXPECT_EQ(ui.messages[1], "Error:\nFunction body is empty.");
  EXPECT_EQ(ui.messages[2],
            "Error:\nFunction body is too long.\nFunctions longer than 32767 bytes are not permitted.");
  EXPECT_EQ(FunctionListEntries(), std::vector<std::string>{"f:  ones"});
}

TEST_F(FunctionCommandsTest, ReservedNameShowsOnlyItsOwnMessage) {
  AnswerCreate("sin", "x");
  EXPECT_FALSE(CreateFunctionButton());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("reserved function name"), std::string::npos);
}

TEST_F(FunctionCommandsTest, SelectionRules) {
  AddFunction("f", "1");
  AddFunction("g", "2");
  EXPECT_FALSE(CompileFunctionButton({}));
  EXPECT_FALSE(CompileFunctionButton({"f", "g"}));
  EXPECT_EQ(ExecuteFunctionButton({"f", "g"}), ExecuteOutcome::kStayOpen);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{
                             "No items selected in the list",
                             "Multiple selection is not permitted.\nPlease select one function to compile.",
                             "Multiple selection is not permitted.\nPlease select one function to execute."}));
}

TEST_F(FunctionCommandsTest, CompileReportsSuccessOrTheError) {
  AddFunction("ok", "a=1");
  AddFunction("bad", "1\n2+");
  EXPECT_TRUE(CompileFunctionButton({"ok:  description"}));
  EXPECT_FALSE(CompileFunctionButton({"bad"}));
  EXPECT_EQ(ui.messages, (std::vector<std::string>{
                             "Function compiled successfully\n",
                             "Syntax error in function\nbad\nat line number 2\nPlease correct error and try again.\n"}));
}

TEST_F(FunctionCommandsTest, EditAndDelete) {
  AddFunction("f", "1");
  AddFunction("g", "2");
  ui.AnswerForm<FunctionEditForm>([](FunctionEditForm& form) {
    EXPECT_FALSE(form.creating);
    EXPECT_EQ(form.body, "1");
    form.body = "3";
    form.description = "three";
  });
  EXPECT_TRUE(EditFunctionButton({"f"}));
  EXPECT_EQ(FunctionListEntries(), (std::vector<std::string>{"f:  three", "g"}));
  EXPECT_TRUE(DeleteFunctionsButton({"f:  three", "g"}));
  EXPECT_TRUE(FunctionListEntries().empty());
  EXPECT_FALSE(DeleteFunctionsButton({}));
}

TEST_F(FunctionCommandsTest, ExecutingAPrintProgramReadsTheLastAnswer) {
  AddFunction("p", "print ans");
  Calculator().ans = 41;
  EXPECT_EQ(ExecuteFunctionButton({"p"}), ExecuteOutcome::kReopen);
  EXPECT_EQ(ui.output, "Executing function p\r\n41 \r\nCalculation completed\r\n");
}

TEST_F(FunctionCommandsTest, BodyUsingXNeedsAVariable) {
  AddFunction("p", "x+1");
  EXPECT_EQ(ExecuteFunctionButton({"p"}), ExecuteOutcome::kStayOpen);
  EXPECT_EQ(ui.messages.back(),
            "Syntax error in function\np\nat line number 1  Unrecognized name [x]\nPlease correct error "
            "and try again.\n");
}

TEST_F(FunctionCommandsTest, StopInAProgramEndsWithTheMessage) {
  AddFunction("p", "output \"hello\"\nprint \"after\"");
  EXPECT_EQ(ExecuteFunctionButton({"p"}), ExecuteOutcome::kClosed);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Calculation terminated by user"});
  EXPECT_EQ(ui.output, "Executing function p\r\nhello\r\n");
}

TEST_F(FunctionCommandsTest, ExecuteMenu) {
  EXPECT_FALSE(ExecuteFunctionMenuCommand());
  EXPECT_EQ(ui.messages.back(),
            "There are no user-defined functions currently.\nYou need to create function(s) first.");
  AddFunction("a", "print \"A\"");
  FunctionObject* b = AddFunction("b", "print \"B\"");
  b->description = std::string(100, 'd');
  std::vector<std::string> items = ExecuteMenuItems();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0], "a               ");
  EXPECT_EQ(items[1], "b                 " + std::string(62, 'd'));
  ui.AnswerForm<ExecuteMenuForm>([](ExecuteMenuForm& form) { form.chosen = 1; });
  EXPECT_TRUE(ExecuteFunctionMenuCommand());
  EXPECT_EQ(ui.output, "Executing function b\r\nB\r\nCalculation completed\r\n");
}

TEST_F(FunctionCommandsTest, CompileErrorTexts) {
  ShowCompileError("", 1, "");
  ShowCompileError("1+", -1, "Unrecognized name [q]");
  ShowCompileError(std::string(1024, 'a'), 1, "");
  EXPECT_EQ(ui.messages, (std::vector<std::string>{
                             "Syntax error in expression\nPlease correct error and try again.\n",
                             "Syntax error in expression\n1+\nUnrecognized name [q]\nPlease correct error and try again.\n",
                             "Syntax error in expression\nPlease correct error and try again.\n"}));
}

}  // namespace
}  // namespace tq::testing
