// The scanner: case folding, strings, comments, numbers, and the names it
// binds, creates or records as unknown.
#include <cmath>

#include "lang/lang_state.h"
#include "lang/program_io.h"
#include "lang_test.h"

namespace tq::testing {
namespace {

class LexerTest : public LangTest {};

TEST_F(LexerTest, NameFollowedByEqualsCreatesTheVariable) {
  EXPECT_EQ(Run("a=1"), 1);
  auto* a = FindObjectAs<VariableObject>("a", OBJMASK_VARIABLE);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->value, 1);
}

TEST_F(LexerTest, BlankBeforeEqualsLeavesTheNameUnknown) {
  EXPECT_EQ(Compile("a = 1"), 1);
  EXPECT_EQ(compileMessage, "Unrecognized name [a]");
  EXPECT_EQ(FindObject("a", OBJMASK_VARIABLE), nullptr);
}

TEST_F(LexerTest, CreatedVariableStaysAfterAFailedCompile) {
  EXPECT_EQ(Compile("b=1\nq+1\n"), 2);
  EXPECT_NE(FindObject("b", OBJMASK_VARIABLE), nullptr);
  EXPECT_EQ(compileMessage, "Unrecognized name [q]");
}

TEST_F(LexerTest, OnlyTheFirstUnknownNameIsRecorded) {
  EXPECT_EQ(Compile("q+r"), 1);
  EXPECT_EQ(compileMessage, "Unrecognized name [q]");
}

TEST_F(LexerTest, CaseIsFoldedOutsideStrings) {
  AddVariable("x", 0.5);
  EXPECT_EQ(Run("SIN(X)"), Run("sin(x)"));
  EXPECT_EQ(Run("Pi"), 3.141592653589793);
  Run("Print \"AbC\"");
  EXPECT_EQ(ui.output, "AbC\r\n");
}

TEST_F(LexerTest, SemicolonSeparatesStatements) {
  EXPECT_EQ(Run("x=2;y=3"), 3);
  EXPECT_EQ(FindObjectAs<VariableObject>("x", OBJMASK_VARIABLE)->value, 2);
}

TEST_F(LexerTest, NumberForms) {
  EXPECT_EQ(Run("2.5e-3"), 2.5e-3);
  EXPECT_EQ(Run(".5"), 0.5);
  EXPECT_EQ(Run("1E2"), 100);
  EXPECT_EQ(Run("100"), 100);
  EXPECT_GT(Compile("1.5.2"), 0);
  EXPECT_GT(Compile("1e5e2"), 0);
  EXPECT_GT(Compile("1e.5"), 0);
}

TEST_F(LexerTest, CommentsAreSkippedAndMustBeClosed) {
  EXPECT_EQ(Run("$ a comment $ 3 $another$+1"), 4);
  EXPECT_EQ(Compile("1+2 $ open"), 1);
  EXPECT_EQ(Compile("$only$"), 1);
}

TEST_F(LexerTest, NamesBeyondTheTwentyBuiltinsAreUnknown) {
  EXPECT_EQ(Compile("errfunc(1)"), 1);
  EXPECT_EQ(compileMessage, "Unrecognized name [errfunc]");
}

TEST_F(LexerTest, TabIsASyntaxError) {
  EXPECT_EQ(Compile("1\t+2"), 1);
  EXPECT_EQ(Run("1 +2"), 3);
}

TEST_F(LexerTest, UnclosedStringIsASyntaxError) {
  EXPECT_EQ(Compile("print \"abc\n"), 1);
}

TEST_F(LexerTest, UsageFlagsOnlyInAnalysisMode) {
  AddVariable("x", 0);
  Compile("x+ans");
  EXPECT_EQ(UsesX, 0);
  EXPECT_EQ(UsesAns, 0);
  AnalysisMode = 1;
  Compile("x+ans");
  EXPECT_EQ(UsesX, 1);
  EXPECT_EQ(UsesAns, 1);
  EXPECT_EQ(UsesUiOperator, 0);
  Compile("print x");
  EXPECT_EQ(UsesUiOperator, 1);
  EXPECT_EQ(UsesAns, 0);  // cleared when the compile starts
  AnalysisMode = 0;
}

TEST_F(LexerTest, InputListCreatesItsVariables) {
  ui.AnswerForm<ProgramInputForm>([](ProgramInputForm&) {});
  EXPECT_EQ(Compile("input p, q"), 0);
  EXPECT_NE(FindObject("p", OBJMASK_VARIABLE), nullptr);
  EXPECT_NE(FindObject("q", OBJMASK_VARIABLE), nullptr);
}

TEST_F(LexerTest, LongestNumberIsCut) {
  // 49 digits are one number; the fiftieth starts another, which is an error.
  EXPECT_GT(Compile(std::string(50, '1')), 0);
  EXPECT_EQ(Compile(std::string(49, '1')), 0);
}

}  // namespace
}  // namespace tq::testing
