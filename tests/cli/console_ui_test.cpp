#include "cli/console_ui.h"

#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/console_commands.h"
#include "cli/console_session.h"
#include "cli/interactive_prompt.h"
#include "cli/support/in_process_console.h"
#include "commands/calculator_commands.h"
#include "commands/dialog.h"
#include "commands/language_forms.h"
#include "core/output_text.h"
#include "support/workbench_test.h"

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

TEST(ConsoleUiTest, TheWindowTextKeepsWhatTheOutputWindowHoldsAndOutputGetsEverything) {
  FILE* out = std::tmpfile();
  ConsoleUi ui(out, stderr, false, QuestionAnswer::kNo);
  size_t printed = 0;
  for (int i = 0; i < 100000; ++i) {
    const std::string line = std::to_string(i) + "\r\n";
    ui.Output(line);
    printed += line.size() - 1;
  }
  const std::string text = ui.WindowText();
  EXPECT_LT(text.size(), kOutputTextLimit + kOutputTextLimit / 4);
  EXPECT_EQ(text.substr(text.size() - 7), "99999\r\n");
  EXPECT_EQ(Read(out).size(), printed);
  std::fclose(out);
}

using ConsoleSessionTest = testing::WorkbenchTest;

TEST_F(ConsoleSessionTest, RunningOutOfMemoryEndsTheCommandNotTheProgram) {
  testing::InProcessConsole console;
  console.ui.QueueForm([](Form&) -> bool { throw std::bad_alloc(); });  // the file dialog of :open
  EXPECT_FALSE(console.Run(":open any.mts"));
  EXPECT_TRUE(console.Run(":var a 1"));
  EXPECT_TRUE(console.Run(":list"));
  EXPECT_EQ(console.Err(), "Not enough memory.\n");
  EXPECT_EQ(console.Out(), "a = 1\n");
}

// An interrupt made while a command that does not poll ran is forgotten.
TEST(ConsoleUiTest, ADroppedInterruptIsNotTakenByTheNextPoll) {
  ConsoleUi ui(stdout, stderr, false, QuestionAnswer::kNo);
  g_interruptRequested = 1;
  ui.DropCancelRequest();
  EXPECT_FALSE(ui.CancelRequested());
  EXPECT_EQ(g_interruptRequested, 0);
}

TEST(ConsoleCommandsTest, NumbersAndWholeNumbersParseStrictly) {
  EXPECT_EQ(ParseNumber("2.5"), 2.5);
  EXPECT_EQ(ParseNumber("-1e3"), -1000.0);
  EXPECT_FALSE(ParseNumber("2,5"));
  EXPECT_FALSE(ParseNumber(""));
  EXPECT_EQ(ParseInteger("42"), 42);
  EXPECT_FALSE(ParseInteger("4.5"));
  EXPECT_FALSE(ParseInteger("99999999999"));
}

TEST_F(ConsoleSessionTest, ConstantExpressionArgumentsLeaveTheCalculatorAlone) {
  testing::InProcessConsole console;
  ASSERT_TRUE(console.Run("6*7"));
  const CalculatorState before = Calculator();
  std::string why;
  EXPECT_EQ(NumberArgument("1/4", &why), 0.25);
  EXPECT_EQ(NumberArgument("ans/2", &why), 21.0);
  EXPECT_EQ(NumberArgument("2^3^2", &why), 64.0);
  EXPECT_EQ(IntegerArgument("-2^2", &why), 4);
  EXPECT_FALSE(IntegerArgument("pi", &why));
  EXPECT_EQ(why, "not a whole number");
  for (const char* refused : {"a=1", "print 1", "1;2", "\"1\"", "$c$ 1"}) {
    EXPECT_FALSE(NumberArgument(refused, &why)) << refused;
    EXPECT_EQ(why, "not a number or a constant expression") << refused;
  }
  EXPECT_FALSE(NumberArgument("", &why));
  EXPECT_EQ(why, "empty");
  EXPECT_EQ(Calculator().ans, before.ans);
  EXPECT_EQ(Calculator().entry, before.entry);
  EXPECT_EQ(Calculator().history, before.history);
  EXPECT_EQ(console.Out(), "6*7\n42\n");  // the arguments reported nothing
}

TEST_F(ConsoleSessionTest, ThePromptCompletesCommandWordsThenObjectNames) {
  testing::InProcessConsole console;
  for (const char* line : {":vector alpha 2", ":vector alps 2", ":var beta 1"})
    ASSERT_TRUE(console.Run(line)) << line;
  using Words = std::vector<std::string>;
  EXPECT_EQ(CompletionCandidates(":disp", 0, ":disp"), Words{":display"});
  EXPECT_EQ(CompletionCandidates(" :de", 1, ":de"), (Words{":delete", ":deleteall", ":describe"}));
  EXPECT_EQ(CompletionCandidates(":mi", 1, "mi"), (Words{"minimums"}));
  EXPECT_EQ(CompletionCandidates(":display al", 9, "al"), (Words{"alpha", "alps"}));
  EXPECT_EQ(CompletionCandidates("2*b", 2, "b"), Words{"beta"});
  EXPECT_EQ(CompletionCandidates("2*z", 2, "z"), Words{});
}

TEST(InteractivePromptTest, QuitWordsAndHistoryPlace) {
  EXPECT_TRUE(IsQuitWord("quit"));
  EXPECT_TRUE(IsQuitWord("  exit \t"));
  EXPECT_FALSE(IsQuitWord("quit now"));
  EXPECT_FALSE(IsQuitWord("Exit"));  // a calculator line like any other
  EXPECT_FALSE(IsQuitWord(""));
  const char* data = std::getenv("XDG_DATA_HOME");
  const std::string saved = data ? data : "";
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  setenv("XDG_DATA_HOME", "/var/tq-data", 1);
  EXPECT_EQ(HistoryFilePath(), "/var/tq-data/tallyquist/history");
  setenv("XDG_DATA_HOME", "relative", 1);  // ignored, as the base directory rules say
  setenv("HOME", "/home/someone", 1);
  EXPECT_EQ(HistoryFilePath(), "/home/someone/.local/share/tallyquist/history");
  if (data)
    setenv("XDG_DATA_HOME", saved.c_str(), 1);
  else
    unsetenv("XDG_DATA_HOME");
  setenv("HOME", home.c_str(), 1);
}

}  // namespace
}  // namespace tq::cli
