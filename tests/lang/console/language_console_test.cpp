// Calculator lines and the language's console commands in a script.
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "cli/console_session.h"
#include "commands/calculator_commands.h"
#include "lang/lang_state.h"

namespace tq::cli {
namespace {

class LanguageConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    lang::ResetLanguageState();
    ResetCalculator();
  }
  void TearDown() override {
    std::fclose(out_);
    std::fclose(err_);
  }
  std::string Read(FILE* file) {
    std::fflush(file);
    std::rewind(file);
    std::string text;
    int c;
    while ((c = std::fgetc(file)) != EOF) text += char(c);
    return text;
  }
  FILE* out_ = std::tmpfile();
  FILE* err_ = std::tmpfile();
  ConsoleUi ui_{out_, err_, false, QuestionAnswer::kNo};
};

TEST_F(LanguageConsoleTest, CalculatorLinesCallUserFunctions) {
  ConsoleSession session(ui_);
  EXPECT_TRUE(session.RunLine(":function sq f = x^2"));
  EXPECT_TRUE(session.RunLine("sq(3)+1"));
  EXPECT_TRUE(session.RunLine("ans*2"));
  EXPECT_EQ(Read(out_), " (9)+1\n10\nans*2\n20\n");
}

TEST_F(LanguageConsoleTest, ProgramTakesQueuedInputsAndContinuesAfterOutput) {
  ConsoleSession session(ui_);
  EXPECT_TRUE(session.RunLine(":function p input \"a\", a, b; c=a*b; output \"c=\", c; print \"end\""));
  EXPECT_TRUE(session.RunLine(":inputs 3 4"));
  EXPECT_TRUE(session.RunLine(":execute p"));
  EXPECT_EQ(Read(out_), "Executing function p\nInput:\n3 \n4 \nc=12 \nend\nCalculation completed\n");
  EXPECT_FALSE(session.RunLine(":execute p"));  // the queue is empty now
  EXPECT_NE(Read(err_).find("Calculation terminated by user"), std::string::npos);
}

TEST_F(LanguageConsoleTest, VariablesAreCreatedSetAndDeleted) {
  ConsoleSession session(ui_);
  EXPECT_TRUE(session.RunLine(":var r 0.25"));
  EXPECT_TRUE(session.RunLine(":var r 2"));
  EXPECT_TRUE(session.RunLine(":var"));
  EXPECT_TRUE(session.RunLine(":var -d r"));
  EXPECT_EQ(Read(out_), "r = 2\nDeleted Object <r>\n");
}

}  // namespace
}  // namespace tq::cli
