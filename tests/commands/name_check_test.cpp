#include <string>

#include <gtest/gtest.h>

#include "commands/name_check.h"
#include "core/core_state.h"
#include "core/object_list.h"
#include "support/scripted_ui.h"

namespace tq {
namespace {

using NameCheckTest = testing::WorkbenchTest;

TEST_F(NameCheckTest, ValidNames) {
  for (const char* name : {"x1", "_tmp", "Rate_2", "beta", "bessel", "errfunciter", "a"}) {
    EXPECT_EQ(ValidateNewName(name), 1) << name;
  }
  EXPECT_EQ(ValidateNewName(std::string(1000, 'a')), 1);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(NameCheckTest, MalformedNamesAreRefusedWithoutMessage) {
  for (const std::string& name : {std::string("1x"), std::string("a b"), std::string("a-b"),
                                  std::string(), std::string(1001, 'a'), std::string("na\xe9")}) {
    EXPECT_EQ(ValidateNewName(name), 0) << name;
    EXPECT_EQ(Core().nameMessageShown, 0);
  }
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(NameCheckTest, ReservedKeywordsIgnoringCase) {
  EXPECT_EQ(ValidateNewName("PI"), 0);
  EXPECT_EQ(Core().nameMessageShown, 1);
  EXPECT_EQ(ValidateNewName("While"), 0);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0],
            "Error: new variable name is reserved keyword \n<PI>\nPlease choose another name.");
  EXPECT_EQ(ui.messages[1],
            "Error: new variable name is reserved keyword \n<While>\nPlease choose another name.");
}

TEST_F(NameCheckTest, ReservedFunctionNames) {
  EXPECT_EQ(ValidateNewName("Sqrt"), 0);
  EXPECT_EQ(ValidateNewName("arctanh"), 0);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0],
            "Error: new variable name is reserved function name \n<Sqrt>\nPlease choose another "
            "name.");
  // A later valid name clears the flag.
  EXPECT_EQ(ValidateNewName("ok"), 1);
  EXPECT_EQ(Core().nameMessageShown, 0);
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
