// The File menu's commands, Save window text and the data file dialogs.
#include <gtest/gtest.h>

#include "commands/file_commands.h"
#include "commands/file_forms.h"
#include "commands/forms.h"
#include "support/scripted_ui.h"
#include "workspace/workspace_file.h"
#include "workspace_test_util.h"

namespace tq {
namespace {

const char kDeleteQuestion[] =
    "Delete all existing objects?\nIf you press Yes than all\nexisting objects will be "
    "\ndeleted.\nIf you choose No than\nnew objects will be added;\nobjects with same name will "
    "be replaced.";
const char kAppendQuestion[] =
    "File already exists.\nDo you want to append window text to the file?\nIf you press Yes, "
    "program will append text.\nIf you press No, program will replace text.";

class FileCommandsTest : public testing::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    KeepObjectsOnOpen = 0;
    CurrentWorkspacePath().clear();
  }

  void Add(const std::string& name, std::unique_ptr<MathObject> object) {
    object->name = name;
    AddObject(std::move(object));
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : document.objects.entries) names.push_back(entry->name);
    return names;
  }

  void AnswerPath(const std::string& path) {
    ui.AnswerForm<FileNameForm>([path](FileNameForm& form) { form.path = path; });
  }

  // A file holding a vector v.
  std::string FileWithVector() {
    Add("v", std::make_unique<VectorObject>(2, 1.0));
    const std::string path = dir_.Path("v.mts");
    EXPECT_EQ(SaveWorkspaceFile(path), 1);
    document.objects.entries.clear();
    ui.output.clear();
    return path;
  }

  testing::TempDir dir_;
};

TEST_F(FileCommandsTest, NewDeletesEveryObjectWithItsReport) {
  Add("a", std::make_unique<VariableObject>(1.0));
  Add("M", std::make_unique<MatrixObject>(2, 2, 0.0));
  Add("v", std::make_unique<VectorObject>(2, 0.0));
  EXPECT_TRUE(FileNewCommand());
  EXPECT_EQ(ui.output, "Deleted Vector <v>\r\nDeleted Matrix <M>\r\nDeleted object <a>\r\n");
  EXPECT_TRUE(document.objects.empty());
}

TEST_F(FileCommandsTest, OpenIntoAnEmptyWorkspaceAsksNothing) {
  const std::string path = FileWithVector();
  AnswerPath(path);
  EXPECT_TRUE(FileOpenCommand());
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_EQ(ui.output, "Workspace loaded from file\r\n");
  EXPECT_EQ(CurrentWorkspacePath(), path);
}

TEST_F(FileCommandsTest, OpenAnsweredYesReplaces) {
  const std::string path = FileWithVector();
  Add("V", std::make_unique<MatrixObject>(2, 2, 0.0));
  Add("a", std::make_unique<VariableObject>(1.0));
  ui.AnswerQuestions({true});
  EXPECT_TRUE(OpenDocumentFile(path));
  EXPECT_EQ(ui.questions, std::vector<std::string>{kDeleteQuestion});
  EXPECT_EQ(ui.output,
            "Deleted object <a>\r\nDeleted Matrix <V>\r\nWorkspace loaded from file\r\n");
  EXPECT_EQ(Names(), std::vector<std::string>{"v"});
  EXPECT_EQ(KeepObjectsOnOpen, 0);
}

TEST_F(FileCommandsTest, OpenAnsweredNoMerges) {
  const std::string path = FileWithVector();
  Add("V", std::make_unique<MatrixObject>(2, 2, 0.0));
  Add("a", std::make_unique<VariableObject>(1.0));
  ui.AnswerQuestions({false});
  EXPECT_TRUE(OpenDocumentFile(path));
  EXPECT_EQ(ui.output, "Deleted Matrix <V>\r\nWorkspace loaded from file\r\n");
  EXPECT_EQ(Names(), (std::vector<std::string>{"a", "v"}));
  EXPECT_EQ(KeepObjectsOnOpen, 0);
}

TEST_F(FileCommandsTest, RefusedOpenKeepsTheWorkspaceAndThePath) {
  CurrentWorkspacePath() = "old.mts";
  Add("a", std::make_unique<VariableObject>(1.0));
  const std::string path = dir_.Write("bad.mts", testing::FromHex("01 00 FF"));
  ui.AnswerQuestions({true});
  EXPECT_FALSE(OpenDocumentFile(path));
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(Names(), std::vector<std::string>{"a"});
  EXPECT_EQ(ui.output, "");
  EXPECT_EQ(CurrentWorkspacePath(), "old.mts");
  EXPECT_EQ(KeepObjectsOnOpen, 0);
}

TEST_F(FileCommandsTest, SaveUsesTheCurrentFileAndSaveAsAsksForOne) {
  Add("a", std::make_unique<VariableObject>(1.0));
  const std::string path = dir_.Path("w.mts");
  AnswerPath(path);
  EXPECT_TRUE(FileSaveCommand());  // no file yet: Save As
  EXPECT_EQ(ui.formsShown, 1);
  EXPECT_TRUE(FileSaveCommand());
  EXPECT_EQ(ui.formsShown, 1);
  EXPECT_EQ(ui.output, "Workspace saved in file\r\nWorkspace saved in file\r\n");
  EXPECT_FALSE(FileSaveAsCommand());  // cancelled
}

TEST_F(FileCommandsTest, SaveWindowTextOfAnEmptyWindow) {
  EXPECT_FALSE(SaveWindowTextCommand());
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Application window is empty.\nNothing to save."});
  EXPECT_EQ(ui.formsShown, 0);
}

TEST_F(FileCommandsTest, SaveWindowTextDropsCarriageReturns) {
  ui.output = "line 1\r\nline 2\r\n";
  FileNameForm shown;
  ui.AnswerForm<FileNameForm>([&](FileNameForm& form) {
    shown = form;
    form.path = dir_.Path("out.txt");
  });
  EXPECT_TRUE(SaveWindowTextCommand());
  EXPECT_EQ(dir_.ReadText("out.txt"), "line 1\nline 2\n");
  EXPECT_EQ(shown.filter, "Text Files (*.txt)|*.txt|Data Files (*.dat)|*.dat|All Files (*.*)|*.*||");
  EXPECT_EQ(shown.defaultExtension, "txt");
  EXPECT_TRUE(shown.save);
  EXPECT_TRUE(ui.questions.empty());
}

TEST_F(FileCommandsTest, SaveWindowTextToAnExistingFileAppendsOrReplaces) {
  ui.output = "new\r\n";
  const std::string path = dir_.WriteText("out.txt", "old\n");
  AnswerPath(path);
  ui.AnswerQuestions({true});
  EXPECT_TRUE(SaveWindowTextCommand());
  EXPECT_EQ(dir_.ReadText("out.txt"), "old\nnew\n");
  AnswerPath(path);
  ui.AnswerQuestions({false});
  EXPECT_TRUE(SaveWindowTextCommand());
  EXPECT_EQ(dir_.ReadText("out.txt"), "new\n");
  EXPECT_EQ(ui.questions, (std::vector<std::string>{kAppendQuestion, kAppendQuestion}));
}

TEST_F(FileCommandsTest, SaveWindowTextFailures) {
  ui.output = "text\r\n";
  AnswerPath(dir_.Path("none/out.txt"));
  EXPECT_FALSE(SaveWindowTextCommand());
  AnswerPath("/dev/full");  // opens, but the write fails
  ui.AnswerQuestions({false});
  EXPECT_FALSE(SaveWindowTextCommand());
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{"Unable to write text to fileN", "Unable to write text to fileN"}));
  // Paths of 512 characters or more are ignored silently.
  AnswerPath(dir_.Path(std::string(512, 'a')));
  EXPECT_FALSE(SaveWindowTextCommand());
  EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(FileCommandsTest, DataFileMenusNeedObjects) {
  EXPECT_FALSE(MenuImportData());
  EXPECT_FALSE(MenuExportData());
  EXPECT_EQ(ui.messages, (std::vector<std::string>{
                             "No items in the list.\nYou must create matrix or vector first.",
                             "No items in the list.\nYou must create matrix or vector first."}));
  EXPECT_EQ(ui.formsShown, 0);
}

TEST_F(FileCommandsTest, DataFileDialogWithNothingSelectedStaysOpen) {
  Add("x", std::make_unique<VariableObject>(1.0));  // a variable alone opens the dialog
  ObjectChoiceForm shown;
  ui.AnswerForm<ObjectChoiceForm>([&](ObjectChoiceForm& form) { shown = form; });
  EXPECT_FALSE(MenuImportData());
  EXPECT_EQ(shown.title, "Import data from file dialog");
  EXPECT_EQ(shown.prompt, "Import data from file to matrix or vector.\nPlease select matrix or vector");
  EXPECT_TRUE(shown.entries.empty());
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Please select one item in the list"});
  EXPECT_EQ(ui.formsShown, 2);  // shown again, then cancelled
}

TEST_F(FileCommandsTest, ExportThroughTheDialogs) {
  Add("v", std::make_unique<VectorObject>(1, 2.0));
  Add("M", std::make_unique<MatrixObject>(1, 1, 3.0));
  ObjectChoiceForm shown;
  ui.AnswerForm<ObjectChoiceForm>([&](ObjectChoiceForm& form) {
    shown = form;
    form.selected = {1};
  });
  const std::string path = dir_.Path("v.txt");
  AnswerPath(path);
  EXPECT_TRUE(MenuExportData());
  EXPECT_EQ(shown.title, "Export data from file dialog");
  EXPECT_EQ(shown.prompt, "Export data to file from matrix or vector.\nPlease select matrix or vector");
  EXPECT_EQ(shown.entries, (std::vector<std::string>{"M  matrix 1x1", "v  vector (1)"}));
  EXPECT_EQ(dir_.ReadText("v.txt"), "2.00000000000 \n");
  // A cancelled file dialog closes the list dialog too.
  ui.AnswerForm<ObjectChoiceForm>([](ObjectChoiceForm& form) { form.selected = {0}; });
  EXPECT_FALSE(MenuImportData());
  EXPECT_EQ(ui.formsShown, 4);
}

}  // namespace
}  // namespace tq
