// The scanner and compiler: names bound, created or unknown, operator
// precedence, the byte code emitted, its limits, and how errors are counted.
#include "lang/function_objects.h"
#include "lang/lang_state.h"
#include "lang/opcodes.h"
#include "lang/parser.h"
#include "support/workbench_test.h"

namespace tq::testing {
namespace {

VariableObject* gA;
VariableObject* gB;

std::string NameOf(const void* reference) {
  return reference == &gA->value ? "a" : reference == &gB->value ? "b" : "?";
}

class CompilerTest : public testing::WorkbenchTest {
 protected:
  std::string Code() { return lang::Disassemble(lang::Lang().program.code, size_t(lang::Lang().program.length), NameOf); }
};

TEST_F(CompilerTest, NamesBoundCreatedOrUnknown) {
  EXPECT_EQ(Run("a=1"), 1);  // a name followed by "=" creates the variable, even if the compile fails
  EXPECT_EQ(Value("a"), 1);
  EXPECT_EQ(Compile("b=1\nq+r\n"), 2);
  EXPECT_EQ(compileMessage, "Unrecognized name [q]");  // only the first unknown name
  EXPECT_NE(FindObject("b", OBJMASK_VARIABLE), nullptr);
  EXPECT_EQ(Compile("c = 1"), 1);  // a blank before "=" leaves the name unknown
  EXPECT_EQ(compileMessage, "Unrecognized name [c]");
  EXPECT_EQ(Run("f = 2"), 2);  // but makes "f = " a result statement
  EXPECT_EQ(FindObject("c", OBJMASK_VARIABLE), nullptr);
  EXPECT_EQ(FindObject("f", OBJMASK_VARIABLE), nullptr);
  EXPECT_EQ(Compile("errfunc(1)"), 1);  // beyond the twenty built-ins
  EXPECT_EQ(compileMessage, "Unrecognized name [errfunc]");
  Function("f1", "x*10");  // the name of a function compiles its body
  Variable("x", 2);
  EXPECT_EQ(Run(" f1 "), 20);
  EXPECT_EQ(CurrentFunctionName(), "f1");
  EXPECT_EQ(Run("sin(0)"), 0);
  EXPECT_EQ(CurrentFunctionName(), "");
  Function("g", "");  // an empty body: the name is compiled as a formula
  EXPECT_EQ(Compile("g"), 1);
  EXPECT_EQ(compileMessage, "Unrecognized name [g]");
}

TEST_F(CompilerTest, AnAssignmentNeverShadowsAnObjectOfAnotherKind) {
  auto* vector = Put("v", std::make_unique<VectorObject>(3, 7.0));
  Function("f", "f=x^2");
  for (const char* text : {"v=1", "V=1"}) {
    EXPECT_EQ(Compile(text), 1) << text;
    EXPECT_EQ(compileMessage, "Unrecognized name [v]");  // the scanner folds names
  }
  EXPECT_EQ(Compile("f"), 1);  // a function's own name is not a variable either
  EXPECT_EQ(compileMessage, "Unrecognized name [f]");
  ASSERT_EQ(CurrentObjectList()->size(), 2u);
  EXPECT_EQ(FindObject("v", OBJMASK_ANY), vector);
  EXPECT_EQ(FindObject("f", OBJMASK_VARIABLE), nullptr);
  EXPECT_EQ(ui.output, "");
}

TEST_F(CompilerTest, ScannerFormsAndCaseFolding) {
  Variable("x", 0.5);
  EXPECT_EQ(Run("SIN(X)"), Run("sin(x)"));
  EXPECT_EQ(Run("Pi"), 3.141592653589793);
  Run("Print \"AbC\"");  // strings keep their case
  EXPECT_EQ(ui.output, "AbC\r\n");
  EXPECT_EQ(Run("x=2;y=3"), 3);
  EXPECT_EQ(Value("x"), 2);
  EXPECT_EQ(Run("2.5e-3"), 2.5e-3);
  EXPECT_EQ(Run(".5*1E2"), 50);
  EXPECT_EQ(Run("$ a comment $ 3 $another$ +1"), 4);
  EXPECT_EQ(Compile(std::string(49, '1')), 0);
  // Error on line 1; 50 digits make two numbers.
  for (const char* text : {"1.5.2", "1e5e2", "1e.5", "1+2 $ open", "$only$", "1\t+2", "print \"abc\n",
                           "4 = = 4", "4 ! = 3", "11111111111111111111111111111111111111111111111111"})
    EXPECT_EQ(Compile(text), 1) << text;
}

TEST_F(CompilerTest, OperatorsBindAsListed) {
  Variable("a", 0);
  Variable("b", 5);
  const std::pair<const char*, double> cases[] = {
      {"2^3^2", 64},      // "^" is left-associative
      {"-2^2", 4},        // prefix minus binds tighter than "^"
      {"!a & b", 1},      // (!a) & b
      {"!a < b", 0},      // !(a < b)
      {"!b + b", 0},      // !(b + b)
      {"1 | 0 & 0", 1},   // "&" binds tighter than "|"
      {"1 < 2 == 1", 1},  // comparisons share one level, left to right
      {"5 > = 6", 0},     // ">=" may be written with a blank inside
      {"2^-1", 0.5},      {"-2*3+1", -5}, {"--3", 3},   {"8/4/2", 1},   {"10-4-3", 3},  {"2*3^2", 18},
      {"5 >= 5", 1},      {"4 <= 3", 0},  {"4 != 3", 1}, {"4 == 4", 1}, {"!5", 0}};
  for (auto [text, value] : cases) EXPECT_EQ(Run(text), value) << text;
}

TEST_F(CompilerTest, BlocksCompileToTheListedInstructions) {
  gA = Variable("a", 0);
  ASSERT_EQ(Compile("if (a>1)\nb=2\nend\n"), 0);
  gB = FindObjectAs<VariableObject>("b", OBJMASK_VARIABLE);
  ASSERT_NE(gB, nullptr);
  // v(9) c(9) >(1) I(5) c(9) V(9) M at 42: the jump lands at 42 + 5.
  EXPECT_EQ(Code(), "v a\nc 1\n>\nI 47\nc 2\nV b\nM 1\n;\n");
  EXPECT_EQ(lang::Lang().program.length, 48);
  ASSERT_EQ(Compile("while (a<3)\na=a+1\nend\n"), 0);
  EXPECT_EQ(Code(), "M 1\nv a\nc 3\n<\nI 67\nv a\nc 1\n+\nV a\nG 5\nM 2\n;\n");
  ASSERT_EQ(Compile("ife (a)\nb=1\nelse\nb=2\nend\n"), 0);
  EXPECT_EQ(Code(), "v a\nI 42\nc 1\nV b\nG 65\nM 1\nc 2\nV b\nM 2\n;\n");
  Variable("x", 0);
  ASSERT_EQ(Compile("f = sin(2)\nint(pi)\n_m*_n\nrand()"), 0);
  EXPECT_EQ(Code(), "c 2\nf 1\nF\nc 3.1415926535897931\nl\nF\nm\nn\n*\nF\nr\nF\n;\n");
  ASSERT_EQ(Compile("output \"s\", a, ans"), 0);  // x and ans share the argument cell
  EXPECT_EQ(Code().substr(0, 2), "o\n");
  EXPECT_NE(Code().find("d a\nd ?\n.\n;\n"), std::string::npos);
}

TEST_F(CompilerTest, ErrorsAreCountedAndTheFirstLineKept) {
  Variable("a", 0);
  std::string error;
  EXPECT_EQ(CompileText("a=1\na=2\na=*3\na=4\n\n\na=)\na=5\n", &error), 2);
  EXPECT_EQ(error, "Syntax error.\nUnable to compile function.");
  EXPECT_EQ(lang::ErrorLine(), 3);
  EXPECT_EQ(lang::Lang().program.compiled, 0);
  EXPECT_EQ(lang::Lang().program.length, 0);
  EXPECT_EQ(Compile("1\n2\n3+\n4\n5\n6\n7+\n"), 3);
  EXPECT_EQ(Compile("1\n+"), 2);
  EXPECT_EQ(compileMessage, "");
  EXPECT_EQ(CompileText("1", nullptr), -1);
  EXPECT_EQ(CompileText("", &error), -2);
  EXPECT_EQ(error, "Empty function text");
  EXPECT_EQ(Compile(std::string(100000, '1')), -1);
  EXPECT_EQ(compileMessage, "Function text is too long");
  // Blocks closed by the wrong word, unclosed or unopened; empty texts.
  for (const char* text : {"ife (a)\na=1\nend\n", "if (a)\na=1\nelse\na=2\nend\n", "if (a)\na=1\n", "end\n", "",
                           "\n\n;\n", "$ nothing $"})
    EXPECT_GT(Compile(text), 0) << text;
}

TEST_F(CompilerTest, LimitsFailTheCompileInsteadOfTruncating) {
  Variable("a", 0);
  EXPECT_GT(Compile(Repeat("1+", 6000) + "1"), 0);
  EXPECT_EQ(lang::Lang().program.compiled, 0);
  EXPECT_EQ(Run("1" + Repeat("+1", 899)), 900);  // 900 constants of 9 bytes fit
  EXPECT_GT(Compile(Repeat("if (a)\nend\n", 600)), 0);
  EXPECT_EQ(Compile(Repeat("if (a)\nend\n", 400)), 0);
  EXPECT_GT(Compile(Repeat("if (a)\n", 150) + Repeat("end\n", 150)), 0);
  EXPECT_NE(Compile(std::string(5000, '(') + "1" + std::string(5000, ')')), 0);
  EXPECT_EQ(lang::Lang().program.compiled, 0);
}

}  // namespace
}  // namespace tq::testing
