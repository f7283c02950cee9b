// Compiling a function by name with its messages, the usage checks, and
// evaluation with faults detected.
#include <cmath>

#include "core/operation_status.h"
#include "core/user_cancel.h"
#include "lang/function_checks.h"
#include "lang_test.h"

namespace tq::testing {
namespace {

class FunctionChecksTest : public LangTest {};

TEST_F(FunctionChecksTest, UnknownFunctionName) {
  std::string name = "nope";
  EXPECT_EQ(CompileFunctionByName(name), -1);
  EXPECT_EQ(ui.messages, std::vector<std::string>{
                             "Error:\nFunction name string is incorrect.\nPlease select valid "
                             "function name in the list"});
}

TEST_F(FunctionChecksTest, BadNameLengthIsRefusedSilently) {
  std::string empty = ":desc";
  EXPECT_EQ(CompileFunctionByName(empty), -1);
  std::string longName(1000, 'a');
  EXPECT_EQ(CompileFunctionByName(longName), -1);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FunctionChecksTest, ListEntryIsCutToTheName) {
  AddFunction("f", "x+1");
  AddVariable("x", 1);
  std::string entry = "f:  adds one";
  EXPECT_EQ(CompileFunctionByName(entry), 0);
  EXPECT_EQ(entry, "f");
}

TEST_F(FunctionChecksTest, SyntaxErrorMessages) {
  AddFunction("f", "1\nq+1");
  std::string name = "f";
  EXPECT_EQ(CompileFunctionByName(name), -1);
  AddFunction("g", "1+2 $ open");
  name = "g";
  EXPECT_EQ(CompileFunctionByName(name), -1);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0],
            "Syntax error in function f \nat line number 2  Unrecognized name [q]\nPlease correct "
            "error and try again.\n");
  EXPECT_EQ(ui.messages[1],
            "Syntax error in function g \nat line number 1\nPlease correct error and try again.\n");
}

TEST_F(FunctionChecksTest, AnalysisRules) {
  AddFunction("c", "2*3");
  AddFunction("a", "x*ans");
  AddFunction("p", "print x");
  AddFunction("s", "sin(x)");
  EXPECT_EQ(CheckFunctionForAnalysis("c"), -1);
  EXPECT_EQ(CheckFunctionForAnalysis("a"), -1);
  EXPECT_EQ(CheckFunctionForAnalysis("p"), -1);
  EXPECT_EQ(CheckFunctionForAnalysis("s"), 0);
  EXPECT_EQ(AnalysisMode, 0);
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(ui.messages[0],
            "Incorrect function argument:\nFunction c(x) must depend on variable x.\nPlease "
            "correct error and try again.");
  EXPECT_EQ(ui.messages[1],
            "Incorrect function argument:\nFunction af(x) must depend on variable x.\nFunction "
            "must not depend on variable ans.\nPlease correct error and try again.");
  EXPECT_EQ(ui.messages[2],
            "Incorrect operator:\nFunction p(x) must not contain user-interface operators: "
            "INPUT, OUTPUT, PRINT.\nPlease correct error and try again.");
}

TEST_F(FunctionChecksTest, ElementRules) {
  AddFunction("mn", "_M+_N");
  AddFunction("p", "print x");
  AddFunction("ps", "print \"hello\"");
  ui.AnswerQuestions({true, false, true});
  EXPECT_EQ(CheckFunctionForElements("mn"), 0);
  EXPECT_EQ(CheckFunctionForElements("mn"), -1);
  EXPECT_EQ(CheckFunctionForElements("p"), -1);
  EXPECT_EQ(CheckFunctionForElements("ps"), 0);
  ASSERT_EQ(ui.questions.size(), 3u);
  EXPECT_EQ(ui.questions[0],
            "Warning:\nFunction mn(x) should depend on variable x.\nFunction can use variables _M "
            "and _N to get \nrow and column numbers.\nThis function does not depend on variable "
            "x.\nDo you want to continue anyway?");
  EXPECT_EQ(ui.messages.size(), 1u);
}

class EvaluateAtTest : public LangTest {
 protected:
  void Check(const std::string& body) {
    AddFunction("f", body);
    ASSERT_EQ(CheckFunctionForAnalysis("f"), 0);
  }
  int32_t status = 0;
  std::string text;
};

TEST_F(EvaluateAtTest, Value) {
  Check("x^2+1");
  EXPECT_EQ(EvaluateAt(3, status, text), 10);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(text, "");
}

TEST_F(EvaluateAtTest, DivisionByZero) {
  Check("1/x");
  EvaluateAt(0, status, text);
  EXPECT_EQ(status, -1);
  EXPECT_EQ(text, "Floating point error: Divide by zero ");
  EXPECT_EQ(EvaluateAt(4, status, text), 0.25);
  EXPECT_EQ(status, 0);
}

TEST_F(EvaluateAtTest, FaultFlagsAreDetected) {
  Check("ln(x)");
  EvaluateAt(0, status, text);
  EXPECT_EQ(status, -1);
  EXPECT_EQ(text, "Floating point error\nDivide by zero\n");
  EXPECT_EQ(OperationStatus.faultCode, FAULT_FLT_DIVIDE_BY_ZERO);
  EXPECT_NE(OperationStatus.flags & OPERR_TRAPPED, 0);
  // The next point starts clean.
  EXPECT_EQ(EvaluateAt(1, status, text), 0);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(OperationStatus.flags, 0);
}

TEST_F(EvaluateAtTest, OverflowFlagIsDetected) {
  Check("x*1e300");
  EvaluateAt(1e300, status, text);
  EXPECT_EQ(status, -1);
  EXPECT_EQ(text, "Floating point error\nOverflow of numerical value\n");
}

TEST_F(EvaluateAtTest, InvalidOperationFlagIsDetected) {
  Check("sqrt(x)");
  EvaluateAt(-1, status, text);
  EXPECT_EQ(status, -1);
  EXPECT_EQ(text, "Floating point error\nInvalid operation\n");
}

TEST_F(EvaluateAtTest, InfiniteAndNanResultsWithoutFaults) {
  AddVariable("inf", INFINITY);
  AddVariable("nan", NAN);
  Check("x+inf");
  EXPECT_EQ(EvaluateAt(2, status, text), 2);
  EXPECT_EQ(status, -1);
  EXPECT_EQ(text, "Arithmetic calculation overflow.");
  EXPECT_EQ(OperationStatus.flags, 0);
  AddFunction("n", "x+nan");
  ASSERT_EQ(CheckFunctionForAnalysis("n"), 0);
  EXPECT_EQ(EvaluateAt(2, status, text), 2);
  EXPECT_EQ(text, "Invalid value of arithmetic function operand.");
}

TEST_F(EvaluateAtTest, UserStopEndsTheEvaluation) {
  Check("x");
  ui.RequestCancelAtPoll(1);
  ui.AnswerQuestions({true});
  for (int i = 0; i < 31; ++i) {
    EvaluateAt(1, status, text);
    ASSERT_EQ(status, 0);
  }
  EvaluateAt(1, status, text);
  EXPECT_EQ(status, -1);
  EXPECT_EQ(text, "Calculation terminated by user");
  EXPECT_EQ(UserCancelled, 1);
}

}  // namespace
}  // namespace tq::testing
