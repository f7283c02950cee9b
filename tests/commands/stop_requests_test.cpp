// A stop request belongs to the command that was running when it was made:
// commands that do not poll drop it when they end, and a stopped display
// reports failure.
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "commands/arithmetic_dialogs.h"
#include "commands/file_commands.h"
#include "commands/file_forms.h"
#include "commands/forms.h"
#include "commands/inverse_dialogs.h"
#include "commands/object_commands.h"
#include "core/object_list.h"
#include "core/user_cancel.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

class StopRequestTest : public testing::WorkbenchTest {
 protected:
  void Enter(std::vector<std::string> sources, std::string output) {
    ui.AnswerForm<OperationForm>([=](OperationForm& f) {
      for (size_t i = 0; i < sources.size() && i < f.sources.size(); ++i)
        f.sources[i].text = sources[i];
      f.output.text = output;
    });
  }
  void ChooseFile(const std::string& path) {
    ui.AnswerForm<FileNameForm>([=](FileNameForm& f) { f.path = path; });
  }
  // Displays the 500-element vector "long" through its dialog; it polls.
  bool DisplayLong() {
    ui.AnswerForm<ObjectChoiceForm>([](ObjectChoiceForm& f) {
      for (size_t i = 0; i < f.entries.size(); ++i)
        if (f.entries[i].rfind("long ", 0) == 0) f.selected = {i};
    });
    ui.AnswerQuestions({true, true});  // display all; stop when asked
    return DisplayCommand();
  }
  std::string TempPath(const char* name) {
    return ::testing::TempDir() + "tq-stop-" + std::to_string(getpid()) + "-" + name;
  }
};

// Ctrl+C while each of these runs: the next display is not stopped by it.
TEST_F(StopRequestTest, CommandsThatDoNotPollDropTheRequestWhenTheyEnd) {
  Put("A", std::make_unique<MatrixObject>(2, 2, 1.0));
  Put("long", std::make_unique<VectorObject>(500, 1.0));
  const std::string path = TempPath("drop.mts");
  const struct {
    const char* name;
    std::function<bool()> run;
  } commands[] = {
      {"multiply", [&] { Enter({"A", "A"}, "C"); return MultiplyDialog(); }},
      {"multiply refused", [&] { Enter({"A", "none"}, "C"); return MultiplyDialog(); }},
      {"inverse", [&] { Enter({"A"}, "I"); return InverseDialog(); }},
      {"save", [&] { ChooseFile(path); return FileSaveAsCommand(); }},
      {"open", [&] { return OpenDocumentFile(path); }},
  };
  for (const auto& command : commands) {
    SCOPED_TRACE(command.name);
    ui.cancelPending = true;  // arrives while the command runs
    command.run();
    EXPECT_FALSE(ui.cancelPending);
    ui.questions.clear();
    ui.output.clear();
    EXPECT_TRUE(DisplayLong());
    EXPECT_EQ(ui.questions, std::vector<std::string>{
                                "Warning:\nVector is too big to display.\nAre you sure to display "
                                "all elements?"});
    EXPECT_NE(ui.output.find("Vector  long  (500)"), std::string::npos);
    EXPECT_EQ(Core().userCancelled, 0);
  }
  std::remove(path.c_str());
}

// A request made while a display runs stops it, and the display fails.
TEST_F(StopRequestTest, AStoppedDisplayFails) {
  Put("long", std::make_unique<VectorObject>(500, 1.0));
  ui.cancelPending = true;
  EXPECT_FALSE(DisplayLong());
  EXPECT_EQ(ui.questions.back(), kStopQuestion);
  EXPECT_EQ(Core().userCancelled, 1);
  // The next display starts afresh.
  ui.questions.clear();
  EXPECT_TRUE(DisplayLong());
  EXPECT_EQ(Core().userCancelled, 0);
}

}  // namespace
}  // namespace tq
