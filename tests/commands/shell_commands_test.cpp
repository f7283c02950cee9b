// The shell's own commands: the save-changes question, Exit, clearing the
// output window, the recent-file list and the help page's path.
#include <gtest/gtest.h>

#include "commands/file_commands.h"
#include "commands/file_forms.h"
#include "commands/session.h"
#include "commands/shell_commands.h"
#include "commands/shell_menus.h"
#include "core/ui_port.h"
#include "support/workbench_test.h"

namespace tq::testing {
namespace {

using Kind = ScriptedUi::QuestionKind;

class ShellCommandsTest : public WorkbenchTest {
 protected:
  void Modify() {
    Vector("v", {1, 2});
    NoteChange(CHANGE_OBJECT_LIST);
  }
};

TEST_F(ShellCommandsTest, UnmodifiedWorkspaceIsLeftWithoutAQuestion) {
  Vector("v", {1});
  ClearSessionModified();
  EXPECT_TRUE(SaveModifiedWorkspace());
  EXPECT_TRUE(ui.questions.empty());
}

TEST_F(ShellCommandsTest, SaveChangesQuestionAnswers) {
  Modify();
  ui.AnswerThreeWay(YesNoCancel::kCancel);
  EXPECT_FALSE(FileNewAfterQuestion());
  EXPECT_NE(Get<VectorObject>("v"), nullptr);
  ASSERT_EQ(ui.questions, std::vector<std::string>{"Save changes to Untitled?"});
  EXPECT_EQ(ui.questionKinds.back(), Kind::kYesNoCancel);

  ui.AnswerThreeWay(YesNoCancel::kNo);
  EXPECT_TRUE(FileNewAfterQuestion());
  EXPECT_EQ(Get<VectorObject>("v"), nullptr);
}

// Yes saves first; a save that is cancelled keeps the workspace.
TEST_F(ShellCommandsTest, YesSavesAndACancelledSaveKeepsTheWorkspace) {
  Modify();
  ui.AnswerThreeWay(YesNoCancel::kYes);  // Save As's file dialog is cancelled
  EXPECT_FALSE(FileNewAfterQuestion());
  EXPECT_NE(Get<VectorObject>("v"), nullptr);

  const std::string path = Path("w.mts");
  ui.AnswerThreeWay(YesNoCancel::kYes);
  ui.AnswerForm<FileNameForm>([&](FileNameForm& form) { form.path = path; });
  EXPECT_TRUE(FileNewAfterQuestion());
  EXPECT_EQ(Get<VectorObject>("v"), nullptr);
  EXPECT_EQ(ui.output, "Workspace saved in file\r\nDeleted Vector <v>\r\n");
  EXPECT_EQ(ui.questions.back(), "Save changes to Untitled?");
}

TEST_F(ShellCommandsTest, ExitDeletesTheObjectsWithTheirReports) {
  Vector("v", {1});
  Variable("x", 2);
  ClearSessionModified();
  EXPECT_TRUE(FileExitCommand());
  EXPECT_EQ(ui.output, "Deleted object <x>\r\nDeleted Vector <v>\r\n");
}

TEST_F(ShellCommandsTest, ClearWindowAsksAndClearsOnYesOnly) {
  Report("kept");
  EXPECT_FALSE(ClearWindowCommand());
  EXPECT_EQ(ui.output, "kept\r\n");
  ui.AnswerQuestions({true});
  EXPECT_TRUE(ClearWindowCommand());
  EXPECT_EQ(ui.output, "");
  EXPECT_EQ(ui.questions.back(), "Delete all text from application window ?");
}

TEST_F(ShellCommandsTest, DeleteAllObjectsWarnsBeforeItAsks) {
  ui.AnswerQuestions({false});
  EXPECT_FALSE(RunShellCommand(ShellCommand::kEditDeleteAllObjects));
  EXPECT_EQ(ui.questionKinds, std::vector<Kind>{Kind::kYesNoWarning});
}

TEST(RecentFileListTest, KeepsFiveMostRecentFirstWithoutDuplicates) {
  RecentFileList list({"a", "", "b"});
  EXPECT_EQ(list.entries(), (std::vector<std::string>{"a", "b"}));
  for (const char* path : {"c", "d", "e", "f", "b"}) list.Add(path);
  EXPECT_EQ(list.entries(), (std::vector<std::string>{"b", "f", "e", "d", "c"}));
  list.Remove("e");
  EXPECT_EQ(list.entries(), (std::vector<std::string>{"b", "f", "d", "c"}));
}

TEST(HelpPagePathTest, BesideTheProgramUnlessItsPathIsEmptyOrTooLong) {
  EXPECT_EQ(HelpPagePath("/opt/tq/tallyquist"), "/opt/tq/TableOfContents.htm");
  EXPECT_EQ(HelpPagePath(""), "");
  const std::string longest = "/" + std::string(1022, 'd');
  EXPECT_EQ(HelpPagePath(longest), "/TableOfContents.htm");
  EXPECT_EQ(HelpPagePath(longest + "x"), "");
}

}  // namespace
}  // namespace tq::testing
