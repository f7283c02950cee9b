// The calculator: entries, function calls replaced by their values, the
// report lines, ans and the history.
#include "commands/calculator_commands.h"
#include "../lang_test.h"

namespace tq::testing {
namespace {

class CalculatorTest : public LangTest {
 protected:
  void SetUp() override {
    LangTest::SetUp();
    ResetCalculator();
  }
  bool Enter(const std::string& text) {
    Calculator().entry = text;
    Calculator().modified = true;
    return EvaluateEntry();
  }
};

TEST_F(CalculatorTest, OperatorContinuesTheAnswerAndADigitStartsAnew) {
  InsertText("2");
  InsertText("+");
  InsertText("3");
  ASSERT_TRUE(EvaluateEntry());
  EXPECT_EQ(Calculator().ans, 5);
  EXPECT_EQ(Calculator().entry, "5");
  EXPECT_EQ(ui.output, "2+3\r\n5\r\n");
  InsertText("*");
  InsertText("2");
  EXPECT_EQ(Calculator().entry, "5*2");
  ASSERT_TRUE(EvaluateEntry());
  EXPECT_EQ(Calculator().ans, 10);
  InsertText("7");
  EXPECT_EQ(Calculator().entry, "7");
  InsertText("^2");
  EXPECT_EQ(Calculator().entry, "7^2");
}

TEST_F(CalculatorTest, ListSelectionsInsertNames) {
  EXPECT_FALSE(InsertBuiltinItem(BuiltinListItems()[0]));
  EXPECT_TRUE(InsertBuiltinItem(BuiltinListItems()[1]));
  EXPECT_EQ(Calculator().entry, "sin(x)");
  EXPECT_TRUE(InsertFunctionItem("f:  description"));
  EXPECT_EQ(Calculator().entry, "sin(x)f");
  EXPECT_FALSE(StartFunctionEditMode());
  EXPECT_EQ(ui.messages, std::vector<std::string>{"There are no user defined functions. Please create function first."});
  AddFunction("f", "x");
  EXPECT_TRUE(StartFunctionEditMode());
}

TEST_F(CalculatorTest, AnsIsTheLastAnswer) {
  ASSERT_TRUE(Enter("ans+1"));
  EXPECT_EQ(Calculator().ans, 1);
  ASSERT_TRUE(Enter("ans*10"));
  EXPECT_EQ(Calculator().ans, 10);
}

TEST_F(CalculatorTest, UserFunctionCallsAreReplacedByTheirValues) {
  AddFunction("f", "f = x^2");
  ASSERT_TRUE(Enter("f(3)+1"));
  EXPECT_EQ(Calculator().ans, 10);
  ASSERT_TRUE(Enter("f(f(2))"));
  EXPECT_EQ(Calculator().ans, 16);
  EXPECT_EQ(ui.output, " (9)+1\r\n10\r\n (16)\r\n16\r\n");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CalculatorTest, ArgumentReadsAns) {
  AddFunction("g", "x+100");
  Calculator().ans = 5;
  ASSERT_TRUE(Enter("g(ans*2)"));
  EXPECT_EQ(Calculator().ans, 110);
}

TEST_F(CalculatorTest, SemicolonIsRefusedOutsideStrings) {
  EXPECT_FALSE(Enter("a=1;b=2"));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0],
            "Syntax error in expression\n\ncharacter \";\" is not allowed.\nCalculator does not "
            "support multiple \nexpressions in one line.\nTo complute multiple expressions \nmake "
            "user-defined function.");
  EXPECT_EQ(FindObject("a", OBJMASK_VARIABLE), nullptr);
  ui.messages.clear();
  EXPECT_EQ(ui.output, "");
  Enter("print \"a;b\"");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CalculatorTest, FailuresLeaveAnsAndHistory) {
  ASSERT_TRUE(Enter("4"));
  EXPECT_FALSE(Enter("1/0"));
  EXPECT_EQ(ui.messages.back(), "Runtime calculation error in expression\nFloating point error: Divide by zero ");
  EXPECT_FALSE(Enter("1+"));
  EXPECT_EQ(ui.messages.back(),
            "Syntax error in function\n1+\nat line number 1\nPlease correct error and try again.\n");
  EXPECT_FALSE(Enter("q+1"));
  EXPECT_EQ(ui.messages.back(),
            "Syntax error in function\nq+1\nat line number 1  Unrecognized name [q]\nPlease correct "
            "error and try again.\n");
  EXPECT_EQ(Calculator().ans, 4);
  EXPECT_EQ(Calculator().history.size(), 1u);
  EXPECT_EQ(Calculator().entry, "q+1");
}

TEST_F(CalculatorTest, FunctionThatFailsItsChecks) {
  AddFunction("c", "2*3");
  EXPECT_FALSE(Enter("c(1)+1"));
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1], "Unable to compile function \nc");
  AddFunction("inv", "1/x");
  EXPECT_FALSE(Enter("inv(0)+1"));
  EXPECT_EQ(ui.messages.back(), "Runtime calculation error in functioninv\nFloating point error: Divide by zero ");
}

TEST_F(CalculatorTest, HistoryKeepsTheLast33) {
  for (int i = 1; i <= 40; ++i) ASSERT_TRUE(Enter(std::to_string(i)));
  ASSERT_EQ(Calculator().history.size(), 33u);
  EXPECT_EQ(Calculator().history.front(), "8");
  EXPECT_EQ(Calculator().history.back(), "40");
}

TEST_F(CalculatorTest, CreatedVariablesAppearInTheList) {
  ASSERT_TRUE(Enter("rate=2"));
  EXPECT_EQ(Calculator().variableList, (std::vector<std::string>{" User defined variables", "rate"}));
  AddFunction("f", "x");
  EXPECT_EQ(FunctionListItems(), (std::vector<std::string>{" User defined functions", "f"}));
  EXPECT_EQ(BuiltinListItems().size(), 23u);
}

}  // namespace
}  // namespace tq::testing
