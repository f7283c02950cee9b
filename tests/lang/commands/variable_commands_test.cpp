// The Variables dialog's buttons.
#include "commands/language_forms.h"
#include "commands/variable_commands.h"
#include "../lang_test.h"

namespace tq::testing {
namespace {

class VariableCommandsTest : public LangTest {
 protected:
  void AnswerCreate(const std::string& name, double value) {
    ui.AnswerForm<CreateVariableForm>([=](CreateVariableForm& form) {
      form.name = name;
      form.initial = value;
    });
  }
};

TEST_F(VariableCommandsTest, CreateListsNameAndValue) {
  AnswerCreate("y", 1.0 / 3);
  AnswerCreate("x", 0.1);
  AnswerCreate("Z", 2);
  EXPECT_TRUE(CreateVariableCommand());
  EXPECT_TRUE(CreateVariableCommand());
  EXPECT_TRUE(CreateVariableCommand());
  EXPECT_EQ(VariableListEntries(), (std::vector<std::string>{"x = 0.1", "y = 0.333333333333", "Z = 2"}));
  EXPECT_EQ(ui.output, "");
}

TEST_F(VariableCommandsTest, CreateReplacesAnObjectOfAnyKind) {
  auto matrix = std::make_unique<MatrixObject>(2, 2, 0.0);
  matrix->name = "m";
  AddObject(std::move(matrix));
  AnswerCreate("M", 5);
  EXPECT_TRUE(CreateVariableCommand());
  EXPECT_EQ(ui.output, "Deleted Matrix <m>\r\n");
  EXPECT_EQ(FindObject("m", OBJMASK_MATRIX), nullptr);
}

TEST_F(VariableCommandsTest, InvalidAndReservedNames) {
  AnswerCreate("1x", 0);
  AnswerCreate("pi", 0);
  EXPECT_FALSE(CreateVariableCommand());
  EXPECT_FALSE(CreateVariableCommand());
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0],
            "Error:\nInvalid variable name\n<1x>\nPlease enter valid name.\nName shall containg only "
            "letters and digits and charater _.\nFirst character must not be digit.");
  EXPECT_NE(ui.messages[1].find("reserved keyword"), std::string::npos);
}

TEST_F(VariableCommandsTest, EditAndDelete) {
  AddVariable("a", 1);
  AddVariable("b", 2);
  EXPECT_FALSE(EditVariableCommand({}));
  EXPECT_FALSE(EditVariableCommand({"a = 1", "b = 2"}));
  ui.AnswerForm<EditVariableForm>([](EditVariableForm& form) {
    EXPECT_EQ(form.name, "a");
    EXPECT_EQ(form.value, 1);
    form.value = 7;
  });
  EXPECT_TRUE(EditVariableCommand({"a = 1"}));
  EXPECT_EQ(VariableListEntries(), (std::vector<std::string>{"a = 7", "b = 2"}));
  EXPECT_EQ(ui.messages, (std::vector<std::string>{
                             "No items selected in the list",
                             "Multiple selection is not permitted.\nPlease select one variable to edit."}));
  EXPECT_FALSE(DeleteVariablesCommand({}));
  EXPECT_TRUE(DeleteVariablesCommand({"a = 7", "b = 2"}));
  EXPECT_TRUE(VariableListEntries().empty());
}

}  // namespace
}  // namespace tq::testing
