// Calculator lines and the language's console commands in a script.
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "cli/console_session.h"
#include "commands/calculator_commands.h"
#include "lang/lang_state.h"

namespace tq::cli {
namespace {

std::string Read(FILE* file) {
  std::string text(size_t(std::ftell(file)), '\0');
  std::rewind(file);
  EXPECT_EQ(std::fread(text.data(), 1, text.size(), file), text.size());
  return text;
}

TEST(LanguageConsoleTest, FunctionsProgramsAndVariablesInAScript) {
  lang::ResetLanguageState();
  ResetCalculator();
  FILE* out = std::tmpfile();
  FILE* err = std::tmpfile();
  ConsoleUi ui{out, err, false, QuestionAnswer::kNo};
  ConsoleSession session(ui);
  for (const char* line : {":function sq f = x^2", "sq(3)+1", "ans*2", ":var r 0.25", ":var r 2", ":var", ":var -d r",
                           ":function p input \"a\", a, b; c=a*b; output \"c=\", c; print \"end\"",
                           ":inputs 3 4", ":execute p"})
    EXPECT_TRUE(session.RunLine(line)) << line;
  EXPECT_FALSE(session.RunLine(":execute p"));  // the input queue is empty now
  EXPECT_EQ(Read(out), " (9)+1\n10\nans*2\n20\nr = 2\nDeleted Object <r>\nExecuting function p\nInput:\n3 \n4 \n"
                       "c=12 \nend\nCalculation completed\nExecuting function p\n");
  EXPECT_NE(Read(err).find("Calculation terminated by user"), std::string::npos);
  std::fclose(out);
  std::fclose(err);
}

}  // namespace
}  // namespace tq::cli
