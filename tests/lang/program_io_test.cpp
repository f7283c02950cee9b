// Input, output and print statements through a scripted port.
#include "core/user_cancel.h"
#include "lang/program_io.h"
#include "lang_test.h"

namespace tq::testing {
namespace {

class ProgramIoTest : public LangTest {
 protected:
  double Value(const char* name) { return FindObjectAs<VariableObject>(name, OBJMASK_VARIABLE)->value; }
};

TEST_F(ProgramIoTest, InputShowsFourFieldsOfFiveWithLabels) {
  AddVariable("e", 9);
  ProgramInputForm shown;
  ui.AnswerForm<ProgramInputForm>([&shown](ProgramInputForm& form) {
    shown = form;
    for (int k = 0; k < form.fieldCount; ++k) form.values[k] = k + 1;
  });
  EXPECT_EQ(Run("input \"A:\", a, b, \"C:\", c, d, e, \"end\""), 0);
  EXPECT_EQ(shown.fieldCount, 4);
  EXPECT_EQ(shown.labels[0], "A:");
  EXPECT_EQ(shown.labels[1], "");
  EXPECT_EQ(shown.labels[2], "C:");
  EXPECT_EQ(shown.values[3], 0);
  EXPECT_EQ(shown.prompt, "end");
  EXPECT_EQ(Value("a"), 1);
  EXPECT_EQ(Value("d"), 4);
  EXPECT_EQ(Value("e"), 9);  // the fifth variable keeps its value
  EXPECT_EQ(ui.output, "Input:\r\n1 \r\n2 \r\n3 \r\n4 \r\n");
}

TEST_F(ProgramIoTest, StopInInputEndsTheRun) {
  int32_t code = 0;
  ASSERT_EQ(Compile("input a\nb=1"), 0);
  std::string message;
  EvaluateFunction(0, &code, message);  // no form answer: the dialog is closed
  EXPECT_EQ(code, -1000);
  EXPECT_EQ(message, "Calculation terminated by user");
  EXPECT_EQ(FindObjectAs<VariableObject>("b", OBJMASK_VARIABLE)->value, 0);
}

TEST_F(ProgramIoTest, InputWithoutVariables) {
  ui.AnswerQuestions({true});
  EXPECT_EQ(Run("input \"nothing\"\n5"), 5);
  EXPECT_EQ(ui.questions,
            std::vector<std::string>{"Invalid input operator parameters. No input varaibles declared.\n"});
  EXPECT_EQ(RunError("input \"nothing\"\n5", -1000), "Calculation terminated by user");
}

TEST_F(ProgramIoTest, OutputReportsAndAsksToContinue) {
  ProgramMessageForm shown;
  ui.AnswerForm<ProgramMessageForm>([&shown](ProgramMessageForm& form) { shown = form; });
  EXPECT_EQ(Run("a=3\nb=a*a\noutput \"b is \", b\n"), 9);
  EXPECT_EQ(shown.text, "b is 9 ");
  EXPECT_EQ(ui.output, "b is 9 \r\n");
  EXPECT_EQ(RunError("output \"x\"\nk=1", -1000), "Calculation terminated by user");
  EXPECT_EQ(UserCancelled, 1);
}

TEST_F(ProgramIoTest, OutputListTakesNoExpressions) {
  AddVariable("a", 1);
  EXPECT_GT(Compile("output a*a"), 0);
}

TEST_F(ProgramIoTest, PrintExpandsLineEscapesAndFormatsValues) {
  Run("v=1/3\nprint \"one\\ntwo \", v, ans", 41);
  EXPECT_EQ(ui.output, "one\r\ntwo 0.333333333333 41 \r\n");
}

}  // namespace
}  // namespace tq::testing
