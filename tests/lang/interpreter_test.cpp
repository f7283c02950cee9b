// The stack machine: run-time errors and their messages, the result
// register, int and rand, and the cancellation polls of loops.
#include <cmath>
#include <cstdint>

#include "core/user_cancel.h"
#include "lang/interpreter.h"
#include "lang/lang_state.h"
#include "lang/program_io.h"
#include "lang_test.h"

namespace tq::testing {
namespace {

class InterpreterTest : public LangTest {};

TEST_F(InterpreterTest, DivisionByZeroEndsTheRun) {
  EXPECT_EQ(RunError("1/0"), "Floating point error: Divide by zero ");
  EXPECT_EQ(RunError("1/-0"), "Floating point error: Divide by zero ");
}

TEST_F(InterpreterTest, RunTimeMessages) {
  EXPECT_EQ(lang::EvalErrorText(1), "Special function argument must be #0 ");
  EXPECT_EQ(lang::EvalErrorText(2), "Special function argument must be \xF2" "0 ");
  EXPECT_EQ(lang::EvalErrorText(3), "Order of Special function must be \xF2" "0 ");
  EXPECT_EQ(lang::EvalErrorText(4), "Special function argument must be \xF2" "-1 ");
  EXPECT_EQ(lang::EvalErrorText(5), "Unrecognized function ");
  EXPECT_EQ(lang::EvalErrorText(6), "Unrecognized operator ");
  EXPECT_EQ(lang::EvalErrorText(8), " Error 108 ");
  EXPECT_EQ(RunError("gamma(0)"), "Special function argument must be #0 ");
  EXPECT_EQ(RunError("gamma(-2)"), "Special function argument must be \xF2" "0 ");
}

TEST_F(InterpreterTest, UnknownOpcodeIsAnUnrecognizedOperator) {
  ASSERT_EQ(Compile("1+2"), 0);
  lang::Program.code[9] = 'Z';  // replaces the second constant's opcode
  int32_t code = 0;
  std::string message;
  EvaluateFunction(0, &code, message);
  EXPECT_EQ(code, -5);
  EXPECT_EQ(message, "Unrecognized operator ");
}

TEST_F(InterpreterTest, ValuesBeforeAnErrorStayStored) {
  RunError("k=5\n1/0\nk=6");
  EXPECT_EQ(FindObjectAs<VariableObject>("k", OBJMASK_VARIABLE)->value, 5);
}

TEST_F(InterpreterTest, ResultRegisterIsKeptBetweenRuns) {
  AddVariable("a", 7);
  ui.AnswerForm<ProgramMessageForm>([](ProgramMessageForm&) {});
  EXPECT_EQ(Run("output a"), 0);  // 0 right after start
  EXPECT_EQ(Run("41"), 41);
  ui.AnswerForm<ProgramMessageForm>([](ProgramMessageForm&) {});
  EXPECT_EQ(Run("output a"), 41);
}

TEST_F(InterpreterTest, LastResultStatementWins) {
  AddVariable("x", 0);
  EXPECT_EQ(Run("f = 1\nv=2\n3*1\n", 0), 3);
  EXPECT_EQ(Run("f = 1\n3\nv=2\n", 0), 2);
  EXPECT_EQ(Run("x*2", 4), 0);  // x is the workspace variable without AnalysisMode
  EXPECT_EQ(Run("ans*2", 4), 8);
}

TEST_F(InterpreterTest, IntTruncatesTowardZeroWithinThe32BitRange) {
  EXPECT_EQ(Run("int(-2.7)"), -2);
  EXPECT_EQ(Run("int(2.7)"), 2);
  EXPECT_EQ(Run("int(1e300)"), 2147483647.0);
  EXPECT_EQ(Run("int(-1e300)"), -2147483648.0);
  EXPECT_TRUE(std::isnan(Run("int(sqrt(-1))")));
}

TEST_F(InterpreterTest, RandStaysBelowOne) {
  ASSERT_EQ(Compile("rand()"), 0);
  for (int i = 0; i < 5000; ++i) {
    int32_t code = 0;
    std::string message;
    double value = EvaluateFunction(0, &code, message);
    ASSERT_GE(value, 0.0);
    ASSERT_LT(value, 1.0);
  }
}

TEST_F(InterpreterTest, LoopsRun) {
  EXPECT_EQ(Run("i=0\ns=0\nwhile (i<10)\ni=i+1\ns=s+i\nend\ns"), 55);
  EXPECT_EQ(Run("a=3\nife (a>2)\nb=1\nelse\nb=2\nend\nb"), 1);
  EXPECT_EQ(Run("a=1\nife (a>2)\nb=1\nelse\nb=2\nend\nb"), 2);
}

TEST_F(InterpreterTest, LoopConditionPollsOnEvery21stTest) {
  // The start of the run is poll 1; the loop's 21st test is poll 2, its
  // 42nd poll 3. Every 32nd poll asks the front end.
  ASSERT_EQ(Compile("i=0\nwhile (i<100000)\ni=i+1\nend\n"), 0);
  ui.RequestCancelAtPoll(1);
  ui.AnswerQuestions({true});
  int32_t code = 0;
  std::string message;
  EvaluateFunction(0, &code, message);
  EXPECT_EQ(code, -1000);
  EXPECT_EQ(message, "Calculation terminated by user");
  EXPECT_EQ(UserCancelled, 1);
  EXPECT_EQ(ui.questions, std::vector<std::string>{"Do you want to stop calculation?"});
  // Stopped at the 32nd poll: the 31st of the loop, its 651st test.
  EXPECT_EQ(FindObjectAs<VariableObject>("i", OBJMASK_VARIABLE)->value, 650);
}

TEST_F(InterpreterTest, AnsweringNoLetsTheLoopContinue) {
  ASSERT_EQ(Compile("i=0\nwhile (i<2000)\ni=i+1\nend\ni"), 0);
  ui.RequestCancelAtPoll(1);
  ui.AnswerQuestions({false});
  int32_t code = 0;
  std::string message;
  EXPECT_EQ(EvaluateFunction(0, &code, message), 2000);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(ui.questions.size(), 1u);
}

TEST_F(InterpreterTest, ValueStackLimitEndsTheRun) {
  std::string deep;
  for (int i = 0; i < 120; ++i) deep += "1+(";
  deep += "1" + std::string(120, ')');
  EXPECT_EQ(RunError(deep), " Error 109 ");
  std::string shallow;
  for (int i = 0; i < 98; ++i) shallow += "1+(";
  shallow += "1" + std::string(98, ')');
  EXPECT_EQ(Run(shallow), 99);
}

TEST_F(InterpreterTest, IoListLimitEndsTheRun) {
  AddVariable("a", 1);
  std::string text = "print a";
  for (int i = 0; i < 1100; ++i) text += ",a";
  EXPECT_EQ(RunError(text), " Error 110 ");
  EXPECT_EQ(ui.output, "");
}

TEST_F(InterpreterTest, NotCompiledAndFailedCompile) {
  int32_t code = 0;
  std::string message;
  EvaluateFunction(1, &code, message);
  EXPECT_EQ(code, -1);
  EXPECT_EQ(message, "Function is not compiled");
  Run("1");
  EXPECT_GT(Compile("1+"), 0);
  EXPECT_EQ(EvaluateFunction(3, &code, message), 3);
  EXPECT_EQ(code, -5);
  EXPECT_EQ(message, "Function was not compiled properly");
}

}  // namespace
}  // namespace tq::testing
