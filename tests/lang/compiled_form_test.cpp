// The byte code the compiler emits, its limits, and how syntax errors are
// counted.
#include "lang/lang_state.h"
#include "lang/opcodes.h"
#include "lang/parser.h"
#include "lang_test.h"

namespace tq::testing {
namespace {

VariableObject* gA;
VariableObject* gB;

std::string NameOf(const void* reference) {
  if (reference == &gA->value) return "a";
  if (reference == &gB->value) return "b";
  return "?";
}

class CompiledFormTest : public LangTest {
 protected:
  std::string Code() { return lang::Disassemble(lang::Program.code, size_t(lang::Program.length), NameOf); }
};

TEST_F(CompiledFormTest, IfBlockCompilesToTheListedInstructions) {
  gA = AddVariable("a", 0);
  ASSERT_EQ(Compile("if (a>1)\nb=2\nend\n"), 0);
  gB = FindObjectAs<VariableObject>("b", OBJMASK_VARIABLE);
  ASSERT_NE(gB, nullptr);
  // v(9) c(9) >(1) I(5) c(9) V(9) M at 42: the jump lands at 42 + 5.
  EXPECT_EQ(Code(), "v a\nc 1\n>\nI 47\nc 2\nV b\nM 1\n;\n");
  EXPECT_EQ(lang::Program.length, 48);
}

TEST_F(CompiledFormTest, WhileAndIfElseJumps) {
  gA = AddVariable("a", 0);
  gB = AddVariable("b", 0);
  ASSERT_EQ(Compile("while (a<3)\na=a+1\nend\n"), 0);
  EXPECT_EQ(Code(),
            "M 1\nv a\nc 3\n<\nI 67\nv a\nc 1\n+\nV a\nG 5\nM 2\n;\n");
  ASSERT_EQ(Compile("ife (a)\nb=1\nelse\nb=2\nend\n"), 0);
  EXPECT_EQ(Code(), "v a\nI 42\nc 1\nV b\nG 65\nM 1\nc 2\nV b\nM 2\n;\n");
}

TEST_F(CompiledFormTest, ResultStatementsAndBuiltins) {
  AddVariable("x", 0);
  ASSERT_EQ(Compile("f = sin(2)\nint(pi)\n_m*_n\nrand()"), 0);
  EXPECT_EQ(Code(),
            "c 2\nf 1\nF\nc 3.1415926535897931\nl\nF\nm\nn\n*\nF\nr\nF\n;\n");
}

TEST_F(CompiledFormTest, OutputListTakesXAndAnsAsTheArgumentCell) {
  gA = AddVariable("a", 0);
  gB = AddVariable("b", 0);
  ASSERT_EQ(Compile("output \"s\", a, ans"), 0);
  EXPECT_EQ(Code().substr(0, 2), "o\n");
  EXPECT_NE(Code().find("d a\nd ?\n.\n;\n"), std::string::npos);
}

TEST_F(CompiledFormTest, EveryErroneousLineIsCountedAndTheFirstLineKept) {
  AddVariable("a", 0);
  std::string error;
  EXPECT_EQ(CompileText("a=1\na=2\na=*3\na=4\n\n\na=)\na=5\n", &error), 2);
  EXPECT_EQ(error, "Syntax error.\nUnable to compile function.");
  EXPECT_EQ(lang::ErrorLine(), 3);
  EXPECT_EQ(lang::Program.compiled, 0);
  EXPECT_EQ(lang::Program.length, 0);
  // CompileFunction answers the line of the first error.
  EXPECT_EQ(Compile("1\n2\n3+\n4\n5\n6\n7+\n"), 3);
  EXPECT_EQ(Compile("1\n2\n3\n4\n5\n6\n7+\n"), 7);
}

TEST_F(CompiledFormTest, BlocksMustBeClosedByTheirOwnWord) {
  AddVariable("a", 0);
  EXPECT_GT(Compile("ife (a)\na=1\nend\n"), 0);
  EXPECT_GT(Compile("if (a)\na=1\nelse\na=2\nend\n"), 0);
  EXPECT_GT(Compile("if (a)\na=1\n"), 0);
  EXPECT_GT(Compile("end\n"), 0);
}

TEST_F(CompiledFormTest, EmptyTextsFail) {
  EXPECT_GT(Compile(""), 0);
  EXPECT_GT(Compile("\n\n;\n"), 0);
  EXPECT_GT(Compile("$ nothing $"), 0);
}

TEST_F(CompiledFormTest, ResultAssignmentNeedsTheBlank) {
  AddVariable("x", 3);
  EXPECT_EQ(Run("f = 2*x"), 6);
  EXPECT_EQ(FindObject("f", OBJMASK_VARIABLE), nullptr);
  EXPECT_EQ(Run("f=2*x"), 6);
  EXPECT_NE(FindObject("f", OBJMASK_VARIABLE), nullptr);
}

TEST_F(CompiledFormTest, TooBigFunctionFailsInsteadOfRunningTruncated) {
  std::string text;
  while (text.size() < 12000) text += "1+";
  text += "1";
  EXPECT_GT(Compile(text), 0);
  EXPECT_EQ(lang::Program.compiled, 0);
  // 900 constants of 9 bytes and 899 additions fit.
  std::string fits = "1";
  for (int i = 0; i < 899; ++i) fits += "+1";
  EXPECT_EQ(Run(fits), 900);
}

TEST_F(CompiledFormTest, TooManyBlocksFailToCompile) {
  AddVariable("a", 0);
  std::string text;
  for (int i = 0; i < 600; ++i) text += "if (a)\nend\n";
  EXPECT_GT(Compile(text), 0);
  std::string fewer;
  for (int i = 0; i < 400; ++i) fewer += "if (a)\nend\n";
  EXPECT_EQ(Compile(fewer), 0);
}

TEST_F(CompiledFormTest, TooDeepNestingFailsToCompile) {
  AddVariable("a", 0);
  std::string blocks;
  for (int i = 0; i < 150; ++i) blocks += "if (a)\n";
  for (int i = 0; i < 150; ++i) blocks += "end\n";
  EXPECT_GT(Compile(blocks), 0);
  std::string parens = std::string(5000, '(') + "1" + std::string(5000, ')');
  EXPECT_NE(Compile(parens), 0);
  EXPECT_EQ(lang::Program.compiled, 0);
}

}  // namespace
}  // namespace tq::testing
