#include "cli/console_ui.h"

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/console_commands.h"
#include "commands/dialog.h"
#include "commands/language_forms.h"

namespace tq::cli {
namespace {

std::string Read(FILE* file) {
  std::fflush(file);
  std::rewind(file);
  std::string text;
  int c;
  while ((c = std::fgetc(file)) != EOF) text += char(c);
  return text;
}

TEST(ConsoleUiTest, ReportLineEndsBecomeLineEnds) {
  FILE* out = std::tmpfile();
  FILE* err = std::tmpfile();
  ConsoleUi ui(out, err, false, QuestionAnswer::kAsk);
  ui.Output("Added matrices A and B\r\noutput stored in new matrix <C>\r\n");
  ui.Output("row 1:\r\n");
  EXPECT_EQ(Read(out), "Added matrices A and B\noutput stored in new matrix <C>\nrow 1:\n");
  std::fclose(out);
  std::fclose(err);
}

TEST(ConsoleUiTest, FormsAreAnsweredInOrderThenCancelled) {
  ConsoleUi ui(stdout, stderr, false, QuestionAnswer::kNo);
  CreateVariableForm form;
  ui.QueueForm([](Form& f) -> std::optional<ButtonId> { return f.defaultButton; });
  ui.QueueForm([](Form&) -> std::optional<ButtonId> { return kFirstFormButton; });
  std::vector<ButtonId> pressed;
  // Every button keeps the dialog open: each answer in turn, then none is left.
  FormDialog dialog(form, [&](ButtonId button) {
    pressed.push_back(button);
    return DialogResult::kStayOpen;
  });
  EXPECT_EQ(ui.RunDialog(dialog), DialogResult::kCancelled);
  EXPECT_EQ(pressed, (std::vector<ButtonId>{kOkButton, kFirstFormButton}));
  ui.QueueForm([](Form&) -> std::optional<ButtonId> { return kOkButton; });
  FormDialog closing(form, [](ButtonId) { return DialogResult::kClose; });
  EXPECT_EQ(ui.RunDialog(closing), DialogResult::kClose);
  ui.QueueForm([](Form&) -> std::optional<ButtonId> { return std::nullopt; });
  EXPECT_EQ(ui.RunDialog(closing), DialogResult::kCancelled);
}

TEST(ConsoleUiTest, AnInterruptInAScriptAnswersTheStopQuestionYes) {
  FILE* err = std::tmpfile();
  ConsoleUi ui(stdout, err, false, QuestionAnswer::kNo);
  EXPECT_FALSE(ui.CancelRequested());
  g_interruptRequested = 1;
  EXPECT_TRUE(ui.CancelRequested());
  EXPECT_TRUE(ui.AskYesNo("Do you want to stop calculation?"));
  EXPECT_FALSE(ui.AskYesNo("another question"));
  EXPECT_EQ(Read(err), "Do you want to stop calculation?\n[Yes]\nanother question\n[No]\n");
  std::fclose(err);
}

TEST(ConsoleCommandsTest, NumberArguments) {
  EXPECT_EQ(ParseNumber("2.5"), 2.5);
  EXPECT_EQ(ParseNumber("-1e3"), -1000.0);
  EXPECT_FALSE(ParseNumber("2,5"));
  EXPECT_FALSE(ParseNumber(""));
  EXPECT_EQ(ParseInteger("42"), 42);
  EXPECT_FALSE(ParseInteger("4.5"));
  EXPECT_FALSE(ParseInteger("99999999999"));
}

}  // namespace
}  // namespace tq::cli
