// The stack machine: run-time errors and their messages, the result
// register, the built-in functions, the cancellation polls of loops, and
// input, output and print through a scripted port.
#include <cmath>

#include "commands/language_forms.h"
#include "commands/program_dialogs.h"
#include "core/user_cancel.h"
#include "lang/builtins.h"
#include "lang/function_objects.h"
#include "lang/interpreter.h"
#include "lang/lang_state.h"
#include "lang/program_io.h"
#include "support/workbench_test.h"

namespace tq::testing {
namespace {

// Programs reach the user through the program dialogs.
class InterpreterTest : public testing::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    lang::SetProgramIo(&FormProgramIoInstance());
  }
  void TearDown() override {
    lang::SetProgramIo(nullptr);
    WorkbenchTest::TearDown();
  }
};

TEST_F(InterpreterTest, RunTimeMessagesAndLimits) {
  const char* texts[] = {"Special function argument must be #0 ", "Special function argument must be \xF2" "0 ",
                         "Order of Special function must be \xF2" "0 ",
                         "Special function argument must be \xF2" "-1 ", "Unrecognized function ",
                         "Unrecognized operator ", "", " Error 108 "};
  for (int k : {1, 2, 3, 4, 5, 6, 8}) EXPECT_EQ(lang::EvalErrorText(k), texts[k - 1]) << k;
  EXPECT_EQ(RunError("gamma(0)"), texts[0]);
  EXPECT_EQ(RunError("gamma(-2)"), texts[1]);
  EXPECT_EQ(RunError("k=5\n1/-0\nk=6"), "Floating point error: Divide by zero ");
  EXPECT_EQ(Value("k"), 5);  // values before the error stay stored
  ASSERT_EQ(Compile("1+2"), 0);
  lang::Lang().program.code[9] = 'Z';  // replaces the second constant's opcode
  Eval();
  EXPECT_EQ(code, -5);
  EXPECT_EQ(runMessage, "Unrecognized operator ");
  // Too deep an expression or too long a print list ends the run.
  EXPECT_EQ(RunError(Repeat("1+(", 120) + "1" + std::string(120, ')')), " Error 109 ");
  EXPECT_EQ(Run(Repeat("1+(", 98) + "1" + std::string(98, ')')), 99);
  Variable("a", 1);
  EXPECT_EQ(RunError("print a" + Repeat(",a", 1100)), " Error 110 ");
  EXPECT_EQ(ui.output, "");
}

TEST_F(InterpreterTest, TheResultRegisterHoldsTheLastValue) {
  Variable("a", 7);
  ui.AnswerForm<ProgramMessageForm>([](ProgramMessageForm&) {});
  EXPECT_EQ(Run("output a"), 0);  // 0 right after start
  EXPECT_EQ(Run("41"), 41);
  ui.AnswerForm<ProgramMessageForm>([](ProgramMessageForm&) {});
  EXPECT_EQ(Run("output a"), 41);  // kept between runs
  Variable("x", 0);
  EXPECT_EQ(Run("f = 1\nv=2\n3*1\n"), 3);  // the last result statement wins
  EXPECT_EQ(Run("f = 1\n3\nv=2\n"), 2);
  EXPECT_EQ(Run("x*2", 4), 0);  // x is the workspace variable without analysis mode
  EXPECT_EQ(Run("ans*2", 4), 8);
  EXPECT_EQ(Run("ife (a>2)\nb=1\nelse\nb=2\nend\nb"), 1);
}

TEST_F(InterpreterTest, BuiltinFunctionsAtTheirLimits) {
  EXPECT_EQ(Run("int(-2.7)"), -2);
  EXPECT_EQ(Run("int(1e300)"), 2147483647.0);
  EXPECT_EQ(Run("int(-1e300)"), -2147483648.0);
  EXPECT_TRUE(std::isnan(Run("int(sqrt(-1))")));
  EXPECT_EQ(Run("log(1000)"), 3);
  EXPECT_NEAR(Run("arctanh(0.5)+loggamma(3)"), 0.5493061443 + std::log(2.0), 1e-9);
  ASSERT_EQ(Compile("rand()"), 0);
  for (int i = 0; i < 5000; ++i) {
    double value = Eval();
    ASSERT_TRUE(value >= 0.0 && value < 1.0) << value;
  }
}

TEST(SpecialFunctionTest, GammaAndFresnelKnownValues) {
  int32_t status = 0;
  EXPECT_NEAR(lang::Gamma(-0.5, &status), -3.5449077018, 1e-6);
  EXPECT_NEAR(lang::Gamma(0.75, &status), 1.2254167024, 1e-7);  // this routine's pi is 3.14159268
  EXPECT_TRUE(std::isinf(lang::Gamma(1e300, &status)));
  EXPECT_EQ(status, 0);
  EXPECT_NE(lang::LogGamma(1), 0.0);  // near 0, not exactly
  double c, s, cm, sm;
  lang::Fresnel(100, &c, &s);  // the asymptotic form
  EXPECT_NEAR(c, 0.5, 0.01);
  EXPECT_NEAR(s, 0.5, 0.01);
  lang::Fresnel(1, &c, &s);
  EXPECT_NEAR(c, 0.7798934004, 1e-6);
  EXPECT_NEAR(s, 0.4382591474, 1e-6);
  lang::Fresnel(-1, &cm, &sm);
  EXPECT_TRUE(cm == -c && sm == -s);  // odd, exactly
}

TEST_F(InterpreterTest, LoopConditionPollsOnEvery21stTest) {
  // Run start is poll 1, the 21st test poll 2; every 32nd poll asks the front end.
  ASSERT_EQ(Compile("i=0\nwhile (i<100000)\ni=i+1\nend\n"), 0);
  ui.RequestCancelAtPoll(1);
  ui.AnswerQuestions({true});
  Eval();
  EXPECT_EQ(code, -1000);
  EXPECT_EQ(runMessage, "Calculation terminated by user");
  EXPECT_EQ(Core().userCancelled, 1);
  EXPECT_EQ(Value("i"), 650);  // stopped at the loop's 31st poll, its 651st test
  EXPECT_EQ(ui.questions, std::vector<std::string>{"Do you want to stop calculation?"});
}

TEST_F(InterpreterTest, AnsweringNoLetsTheLoopContinue) {
  ASSERT_EQ(Compile("i=0\nwhile (i<2000)\ni=i+1\nend\ni"), 0);
  ui.RequestCancelAtPoll(1);
  ui.AnswerQuestions({false});
  EXPECT_EQ(Eval(), 2000);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(ui.questions.size(), 1u);
}

TEST_F(InterpreterTest, NotCompiledFailedCompileAndRunTimeError) {
  Eval(1);
  EXPECT_EQ(code, -1);
  EXPECT_EQ(runMessage, "Function is not compiled");
  Run("1");
  EXPECT_GT(Compile("1+"), 0);
  EXPECT_EQ(Eval(3), 3);
  EXPECT_EQ(code, -5);
  EXPECT_EQ(runMessage, "Function was not compiled properly");
  VariableObject* x = Variable("x", 0);  // a run-time error keeps the function compiled
  ASSERT_EQ(Compile("1/x"), 0);
  Eval();
  EXPECT_EQ(code, -5);
  x->value = 4;
  EXPECT_EQ(Eval(), 0.25);
  EXPECT_EQ(code, 0);
}

TEST_F(InterpreterTest, InputShowsFourFieldsOfFiveWithLabels) {
  Variable("e", 9);
  ProgramInputForm shown;
  ui.AnswerForm<ProgramInputForm>([&shown](ProgramInputForm& form) {
    shown = form;
    for (int k = 0; k < form.fieldCount; ++k) form.values[k] = k + 1;
  });
  EXPECT_EQ(Run("input \"A:\", a, b, \"C:\", c, d, e, \"end\""), 0);
  EXPECT_EQ(shown.fieldCount, 4);
  EXPECT_EQ(shown.labels[0] + "|" + shown.labels[1] + "|" + shown.labels[2] + "|" + shown.prompt, "A:||C:|end");
  EXPECT_EQ(shown.values[3], 0);
  EXPECT_EQ(Value("a") + Value("d"), 1 + 4);
  EXPECT_EQ(Value("e"), 9);  // the fifth variable keeps its value
  EXPECT_EQ(ui.output, "Input:\r\n1 \r\n2 \r\n3 \r\n4 \r\n");
  // Without variables the user is asked whether to go on.
  ui.AnswerQuestions({true});
  EXPECT_EQ(Run("input \"nothing\"\n5"), 5);
  EXPECT_EQ(RunError("input \"nothing\"\n5", -1000), "Calculation terminated by user");
  EXPECT_EQ(ui.questions,
            std::vector<std::string>(2, "Invalid input operator parameters. No input varaibles declared.\n"));
  // No form answer: the dialog is closed and the run ends.
  EXPECT_EQ(RunError("input a\nz=1", -1000), "Calculation terminated by user");
  EXPECT_EQ(Value("z"), 0);
}

TEST_F(InterpreterTest, OutputAndPrint) {
  ProgramMessageForm shown;
  ui.AnswerForm<ProgramMessageForm>([&shown](ProgramMessageForm& form) { shown = form; });
  EXPECT_EQ(Run("a=3\nb=a*a\noutput \"b is \", b\n"), 9);
  EXPECT_EQ(shown.text, "b is 9 ");
  Run("v=1/3\nprint \"one\\ntwo \", v, ans", 41);  // a line escape, 12 digits, the argument
  EXPECT_EQ(ui.output, "b is 9 \r\none\r\ntwo 0.333333333333 41 \r\n");
  EXPECT_GT(Compile("output a*a"), 0);  // the list takes no expressions
  EXPECT_EQ(RunError("output \"x\"\nk=1", -1000), "Calculation terminated by user");  // no answer stops
  EXPECT_EQ(Core().userCancelled, 1);
}

}  // namespace
}  // namespace tq::testing
