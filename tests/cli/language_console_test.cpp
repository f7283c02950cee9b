// Calculator lines and the language's console commands in a script.
#include <string>

#include <gtest/gtest.h>

#include "cli/support/in_process_console.h"
#include "commands/calculator_commands.h"
#include "commands/session.h"
#include "lang/lang_state.h"
#include "support/workbench_test.h"

namespace tq::cli {
namespace {

using LanguageConsoleTest = testing::WorkbenchTest;

TEST_F(LanguageConsoleTest, FunctionsProgramsAndVariablesInAScript) {
  testing::InProcessConsole s;
  for (const char* line : {":function sq f = x^2", "sq(3)+1", "ans*2", ":var r 0.25", ":var r 2", ":var", ":var -d r",
                           ":function p input \"a\", a, b; c=a*b; output \"c=\", c; print \"end\"",
                           ":inputs 3 4", ":execute p"})
    EXPECT_TRUE(s.Run(line)) << line;
  EXPECT_FALSE(s.Run(":execute p"));  // the input queue is empty now
  EXPECT_EQ(s.Out(), " (9)+1\n10\nans*2\n20\nr = 2\nDeleted Object <r>\nExecuting function p\nInput:\n3 \n4 \n"
                     "c=12 \nend\nCalculation completed\nExecuting function p\n");
  EXPECT_NE(s.Err().find("Calculation terminated by user"), std::string::npos);
}

// :var -d selects in the Variables list, which holds only variables, sorted
// ignoring case; :var without a value keeps an existing variable's value.
TEST_F(LanguageConsoleTest, VariablesAsTheDialogHoldsThem) {
  testing::InProcessConsole s(QuestionAnswer::kYes);
  for (const char* line : {":var b 1", ":var a 2", ":var C 3", ":var D 4", ":matrix M 1 1",
                           ":function f x", ":var -d C b a", ":var D", ":var n", ":var"})
    EXPECT_TRUE(s.Run(line)) << line;
  const struct {
    const char* line;
    const char* error;
  } refused[] = {{":var -d M", "No variable named <M> in the list\nNo items selected in the list\n"},
                 {":var -d f", "No variable named <f> in the list\nNo items selected in the list\n"},
                 {":var -d nope D", "No variable named <nope> in the list\n"}};
  for (const auto& row : refused) {
    const size_t at = s.Err().size();
    EXPECT_FALSE(s.Run(row.line)) << row.line;
    EXPECT_EQ(s.Err().substr(at), row.error) << row.line;
  }
  EXPECT_EQ(s.Out(),
            "Created Matrix M 1x1\nDeleted Object <a>\nDeleted Object <b>\nDeleted Object <C>\n"
            "D = 4\nn = 0\nDeleted Object <D>\n");
}

// :compile and :execute choose a function of the list by its whole name.
TEST_F(LanguageConsoleTest, CompileAndExecuteNameAFunction) {
  testing::InProcessConsole s(QuestionAnswer::kYes);
  const std::string longName(90, 'g');
  for (const std::string& line : {std::string("20+1"), ":function " + longName + " print ans",
                                  ":compile " + longName, ":execute " + longName})
    EXPECT_TRUE(s.Run(line)) << line;
  EXPECT_FALSE(s.Run(":compile 1+1"));
  EXPECT_FALSE(s.Run(":execute " + longName + "x"));
  EXPECT_EQ(s.Out(), "20+1\n21\nExecuting function " + longName + "\n21 \nCalculation completed\n");
  EXPECT_EQ(s.Err(), "Function compiled successfully\n\nNo items selected in the list\n"
                     "No function named <" + longName + "x> in the Execute menu\n");
}

}  // namespace
}  // namespace tq::cli
