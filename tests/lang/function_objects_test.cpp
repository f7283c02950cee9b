// Compiling a text or a function object's body, and evaluating it.
#include "lang_test.h"

namespace tq::testing {
namespace {

class FunctionObjectsTest : public LangTest {};

TEST_F(FunctionObjectsTest, NameOfAFunctionCompilesItsBody) {
  AddFunction("f1", "x*10");
  AddVariable("x", 2);
  EXPECT_EQ(Run(" f1 "), 20);
  EXPECT_EQ(CurrentFunctionName(), "f1");
  EXPECT_EQ(Run("sin(0)"), 0);
  EXPECT_EQ(CurrentFunctionName(), "");
}

TEST_F(FunctionObjectsTest, EmptyBodyCompilesTheNameAsAFormula) {
  AddFunction("g", "");
  EXPECT_EQ(Compile("g"), 1);
  EXPECT_EQ(compileMessage, "Unrecognized name [g]");
}

TEST_F(FunctionObjectsTest, TooLongText) {
  EXPECT_EQ(Compile(std::string(100000, '1')), -1);
  EXPECT_EQ(compileMessage, "Function text is too long");
}

TEST_F(FunctionObjectsTest, UnknownNameGivesLineAndName) {
  EXPECT_EQ(Compile("q+1"), 1);
  EXPECT_EQ(compileMessage, "Unrecognized name [q]");
  EXPECT_EQ(Compile("1\n+"), 2);
  EXPECT_EQ(compileMessage, "");
}

TEST_F(FunctionObjectsTest, CompileTextRefusals) {
  std::string error;
  EXPECT_EQ(CompileText("1", nullptr), -1);
  EXPECT_EQ(CompileText("", &error), -2);
  EXPECT_EQ(error, "Empty function text");
}

TEST_F(FunctionObjectsTest, RunTimeErrorKeepsTheFunctionCompiled) {
  AddVariable("x", 0);
  ASSERT_EQ(Compile("1/x"), 0);
  int32_t code = 0;
  std::string message;
  EvaluateFunction(0, &code, message);
  EXPECT_EQ(code, -5);
  FindObjectAs<VariableObject>("x", OBJMASK_VARIABLE)->value = 4;
  message.clear();
  EXPECT_EQ(EvaluateFunction(0, &code, message), 0.25);
  EXPECT_EQ(code, 0);
}

}  // namespace
}  // namespace tq::testing
