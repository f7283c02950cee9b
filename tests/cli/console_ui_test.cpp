#include "cli/console_ui.h"

#include <cstdio>
#include <new>
#include <string>

#include <gtest/gtest.h>

#include "cli/console_commands.h"
#include "cli/console_session.h"
#include "core/output_text.h"

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
  int filled = 0;
  ui.QueueForm([&](Form&) { return ++filled > 0; });
  Form form;
  EXPECT_TRUE(ui.ShowForm(form));
  EXPECT_FALSE(ui.ShowForm(form));
  EXPECT_EQ(filled, 1);
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

TEST(ConsoleSessionTest, RunningOutOfMemoryEndsTheCommandNotTheProgram) {
  FILE* out = std::tmpfile();
  FILE* err = std::tmpfile();
  ConsoleUi ui(out, err, false, QuestionAnswer::kNo);
  ConsoleSession session(ui);
  ui.QueueForm([](Form&) -> bool { throw std::bad_alloc(); });  // the file dialog of :open
  EXPECT_FALSE(session.RunLine(":open any.mts"));
  EXPECT_TRUE(session.RunLine(":var a 1"));
  EXPECT_TRUE(session.RunLine(":list"));
  EXPECT_EQ(Read(err), "Not enough memory.\n");
  EXPECT_EQ(Read(out), "a = 1\n");
  std::fclose(out);
  std::fclose(err);
}

// An interrupt made while a command that does not poll ran is forgotten.
TEST(ConsoleUiTest, ADroppedInterruptIsNotTakenByTheNextPoll) {
  ConsoleUi ui(stdout, stderr, false, QuestionAnswer::kNo);
  g_interruptRequested = 1;
  ui.DropCancelRequest();
  EXPECT_FALSE(ui.CancelRequested());
  EXPECT_EQ(g_interruptRequested, 0);
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
