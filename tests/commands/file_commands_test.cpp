// The File menu's commands, Save window text and the data file dialogs.
#include <gtest/gtest.h>

#include "commands/file_commands.h"
#include "commands/file_forms.h"
#include "commands/forms.h"
#include "commands/session.h"
#include "support/workspace_bytes.h"

namespace tq::testing {
namespace {

const char kDeleteQuestion[] =
    "Delete all existing objects?\nIf you press Yes than all\nexisting objects will be "
    "\ndeleted.\nIf you choose No than\nnew objects will be added;\nobjects with same name will "
    "be replaced.";
const char kAppendQuestion[] =
    "File already exists.\nDo you want to append window text to the file?\nIf you press Yes, "
    "program will append text.\nIf you press No, program will replace text.";
const char kNoItems[] = "No items in the list.\nYou must create matrix or vector first.";

class FileCommandsTest : public WorkbenchTest {
 protected:
  void AnswerPath(const std::string& path) {
    ui.AnswerForm<FileNameForm>([path](FileNameForm& form) { form.path = path; });
  }
};

TEST_F(FileCommandsTest, NewAndOpenWhichAsksToReplaceOrMergeOnlyWhenObjectsExist) {
  Put("v", std::make_unique<VectorObject>(2, 1.0));
  Function("f", "x");
  const std::string path = Path("v.mts");
  ASSERT_EQ(SaveShowingFailure(path), 1);
  EXPECT_TRUE(FileNewCommand());  // deletes every object, the last first
  EXPECT_EQ(ui.output, "Workspace saved in file\r\nDeleted object <f>\r\nDeleted Vector <v>\r\n");
  ui.output.clear();
  AnswerPath(path);
  EXPECT_TRUE(FileOpenCommand());
  EXPECT_EQ(ui.output, "Workspace loaded from file\r\n");
  EXPECT_EQ(CurrentWorkspacePath(), path);
  for (bool replace : {true, false}) {
    SCOPED_TRACE(replace);
    DeleteAllObjects();
    Put("V", std::make_unique<MatrixObject>(2, 2, 0.0));  // the same name as v
    Variable("a", 1.0);
    ui.output.clear();
    ui.AnswerQuestions({replace});
    EXPECT_TRUE(OpenDocumentFile(path));
    EXPECT_EQ(ui.output, replace ? "Deleted object <a>\r\nDeleted Matrix <V>\r\nWorkspace loaded from file\r\n"
                                 : "Deleted Matrix <V>\r\nWorkspace loaded from file\r\n");
    EXPECT_EQ(Names(), replace ? (Lines{"v", "f"}) : (Lines{"a", "v", "f"}));
    EXPECT_EQ(Commands().keepObjectsOnOpen, 0);
  }
  EXPECT_EQ(ui.questions, Lines(2, kDeleteQuestion));
  CurrentWorkspacePath() = "old.mts";
  ui.AnswerQuestions({true});  // a damaged file keeps the workspace and the path
  EXPECT_FALSE(OpenDocumentFile(Write("bad.mts", FromHex("01 00 FF"))));
  EXPECT_EQ(Names(), (Lines{"a", "v", "f"}));
  EXPECT_EQ(CurrentWorkspacePath(), "old.mts");
  EXPECT_EQ(Commands().keepObjectsOnOpen, 0);
}

TEST_F(FileCommandsTest, SaveUsesTheCurrentFileAndSaveAsAsksForOne) {
  AnswerPath(Path("w.mts"));
  EXPECT_TRUE(FileSaveCommand());  // no file yet: Save As
  EXPECT_TRUE(FileSaveCommand());
  EXPECT_EQ(ui.formsShown, 1);
  EXPECT_EQ(ui.output, "Workspace saved in file\r\nWorkspace saved in file\r\n");
  EXPECT_FALSE(FileSaveAsCommand());  // cancelled
}

TEST_F(FileCommandsTest, SaveWindowTextNeedsTextAndAsksToAppend) {
  EXPECT_FALSE(SaveWindowTextCommand());  // the window is empty
  ui.output = "line 1\r\nline 2\r\n";
  FileNameForm shown;
  ui.AnswerForm<FileNameForm>([&](FileNameForm& form) {
    shown = form;
    form.path = Path("out.txt");
  });
  EXPECT_TRUE(SaveWindowTextCommand());
  EXPECT_EQ(ReadText("out.txt"), "line 1\nline 2\n");  // without carriage returns
  EXPECT_EQ(shown.filter, "Text Files (*.txt)|*.txt|Data Files (*.dat)|*.dat|All Files (*.*)|*.*||");
  ui.output = "new\r\n";
  for (bool append : {true, false}) {
    AnswerPath(Path("out.txt"));
    ui.AnswerQuestions({append});
    EXPECT_TRUE(SaveWindowTextCommand());
    EXPECT_EQ(ReadText("out.txt"), append ? "line 1\nline 2\nnew\n" : "new\n");
  }
  EXPECT_EQ(ui.questions, Lines(2, kAppendQuestion));
  AnswerPath(Path("none/out.txt"));
  EXPECT_FALSE(SaveWindowTextCommand());
  AnswerPath("/dev/full");  // opens, but the write fails
  ui.AnswerQuestions({false});
  EXPECT_FALSE(SaveWindowTextCommand());
  AnswerPath(Path(std::string(512, 'a')));  // ignored silently
  EXPECT_FALSE(SaveWindowTextCommand());
  EXPECT_EQ(ui.messages, (Lines{"Application window is empty.\nNothing to save.", "Unable to write text to fileN",
                                "Unable to write text to fileN"}));
}

TEST_F(FileCommandsTest, ImportAndExportNeedAMatrixOrVector) {
  EXPECT_FALSE(MenuImportData());
  EXPECT_FALSE(MenuExportData());
  EXPECT_EQ(ui.formsShown, 0);
  Variable("x", 1.0);  // a variable alone opens the dialog
  ui.AnswerForm<ObjectChoiceForm>([](ObjectChoiceForm&) {});
  EXPECT_FALSE(MenuImportData());  // nothing selected: shown again, then cancelled
  EXPECT_EQ(ui.formsShown, 2);
  Put("v", std::make_unique<VectorObject>(1, 2.0));
  Put("M", std::make_unique<MatrixObject>(1, 1, 3.0));
  Lines entries;
  ui.AnswerForm<ObjectChoiceForm>([&](ObjectChoiceForm& form) {
    entries = form.entries;
    form.selected = {1};
  });
  AnswerPath(Path("v.txt"));
  EXPECT_TRUE(MenuExportData());
  EXPECT_EQ(entries, (Lines{"M  matrix 1x1", "v  vector (1)"}));
  EXPECT_EQ(ReadText("v.txt"), "2.00000000000 \n");
  ui.AnswerForm<ObjectChoiceForm>([](ObjectChoiceForm& form) { form.selected = {0}; });
  EXPECT_FALSE(MenuImportData());  // a cancelled file dialog closes the list too
  EXPECT_EQ(ui.formsShown, 6);
  EXPECT_EQ(ui.messages, (Lines{kNoItems, kNoItems, "Please select one item in the list"}));
}

TEST_F(FileCommandsTest, TheFileDialogOpensOverTheStillOpenList) {
  Put("v", std::make_unique<VectorObject>(1, 2.0));
  for (bool save : {true, false}) {
    SCOPED_TRACE(save);
    ui.AnswerForm<ObjectChoiceForm>([](ObjectChoiceForm& form) { form.selected = {0}; });
    int openBelow = 0;
    ui.AnswerForm<FileNameForm>([&](FileNameForm& form) {
      openBelow = ui.dialogsOpen - 1;
      form.path = Path("v.txt");
    });
    EXPECT_TRUE(save ? MenuExportData() : MenuImportData());
    EXPECT_EQ(openBelow, 1);
    EXPECT_EQ(ui.dialogsOpen, 0);
  }
  EXPECT_EQ(ui.output,
            "Writing data from vector  v  (1)\r\nto file " + Path("v.txt") +
                "\r\nSucceeded;  1 elements stored\r\nReading data to vector  v  (1)\r\nfrom "
                "file " + Path("v.txt") + "\r\nSucceeded;\r\nvector with 1 elements loaded\r\n");
}

TEST_F(FileCommandsTest, AFailedObjectIsRefusedAfterTheFileDialog) {
  auto failed = std::make_unique<VectorObject>(1, 2.0);
  failed->status = STATUS_FAILED;
  Put("v", std::move(failed));
  ui.AnswerForm<ObjectChoiceForm>([](ObjectChoiceForm& form) { form.selected = {0}; });
  AnswerPath(Path("v.txt"));
  EXPECT_FALSE(MenuExportData());
  EXPECT_EQ(ui.formsShown, 2);
  EXPECT_EQ(ui.messages, (Lines{"Error:\nObject state is not valid.\nLast operation on this "
                                "object has failed.\nUnable to display object."}));
  EXPECT_EQ(ui.output, "");
}

}  // namespace
}  // namespace tq::testing
