#include <string>

#include <gtest/gtest.h>

#include "commands/name_check.h"
#include "core/core_state.h"
#include "core/object_list.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

using NameCheckTest = testing::WorkbenchTest;

// The rules themselves are pinned in core; here which refusals show a
// message, its text, and the flag a later valid name clears.
TEST_F(NameCheckTest, OnlyReservedNamesAreRefusedWithAMessage) {
  const std::string kKeyword = "Error: new variable name is reserved keyword \n<";
  const std::string kFunction = "Error: new variable name is reserved function name \n<";
  const std::string kAgain = ">\nPlease choose another name.";
  const struct {
    std::string name;
    int32_t accepted;
    std::string message;
  } rows[] = {
      {"Rate_2", 1, ""},
      {"errfunciter", 1, ""},
      {"a b", 0, ""},
      {std::string(1001, 'a'), 0, ""},
      {"PI", 0, kKeyword + "PI" + kAgain},
      {"While", 0, kKeyword + "While" + kAgain},
      {"Sqrt", 0, kFunction + "Sqrt" + kAgain},
      {"ok", 1, ""},  // clears the flag
  };
  for (const auto& row : rows) {
    ui.messages.clear();
    EXPECT_EQ(ValidateNewName(row.name), row.accepted) << row.name;
    EXPECT_EQ(ui.messages, row.message.empty() ? testing::Lines{} : testing::Lines{row.message})
        << row.name;
    EXPECT_EQ(Core().nameMessageShown, row.message.empty() ? 0 : 1) << row.name;
  }
}

TEST_F(NameCheckTest, EveryReservedWordIsRefused) {
  for (const char* word : {"if", "while", "end", "ife", "else", "ans", "pi", "rand", "_n", "_m",
                           "int", "input", "output", "print", "sin", "cos", "exp", "abs", "log",
                           "tan", "acos", "asin", "atan", "sinh", "tanh", "cosh", "sqrt", "ln",
                           "loggamma", "gamma", "frenc", "frens", "sech", "arctanh"}) {
    EXPECT_EQ(ValidateNewName(word), 0) << word;
  }
  EXPECT_EQ(ui.messages.size(), 34u);
}

}  // namespace
}  // namespace tq
