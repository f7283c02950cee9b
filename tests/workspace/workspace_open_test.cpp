// Opening replaces or merges with the reports of each; saving goes through
// a temporary file and never damages the file it replaces.
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "support/scripted_ui.h"
#include "workspace/workspace_file.h"
#include "workspace_test_util.h"

namespace tq {
namespace {

using testing::Bytes;

class WorkspaceOpenTest : public testing::WorkbenchTest {
 protected:
  MathObject& Add(const std::string& name, std::unique_ptr<MathObject> object) {
    object->name = name;
    MathObject& ref = *object;
    AddObject(std::move(object));
    return ref;
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : document.objects.entries) names.push_back(entry->name);
    return names;
  }

  // Saves the current objects to `name` and empties the workspace silently.
  std::string SaveAndClear(const std::string& name) {
    const std::string path = dir_.Path(name);
    EXPECT_EQ(SaveWorkspaceFile(path), 1);
    document.objects.entries.clear();
    ui.output.clear();
    return path;
  }

  size_t FilesInDir() const {
    size_t n = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(dir_.Path(""))) ++n;
    return n;
  }

  testing::TempDir dir_;
};

TEST_F(WorkspaceOpenTest, MergeReplacesObjectsOfTheSameNameAndAppends) {
  Add("v", std::make_unique<VectorObject>(2, 1.0));
  const std::string path = SaveAndClear("v.mts");
  Add("V", std::make_unique<MatrixObject>(2, 2, 0.0));
  Add("a", std::make_unique<VariableObject>(1.0));
  EXPECT_EQ(OpenWorkspaceFile(path, true), 1);
  EXPECT_EQ(ui.output, "Deleted Matrix <V>\r\nWorkspace loaded from file\r\n");
  EXPECT_EQ(Names(), (std::vector<std::string>{"a", "v"}));
  EXPECT_EQ(document.objects.entries[1]->kind, KIND_VECTOR);
}

TEST_F(WorkspaceOpenTest, ReplaceDeletesEveryObjectFirst) {
  Add("v", std::make_unique<VectorObject>(2, 1.0));
  Add("f", std::make_unique<FunctionObject>("x"));
  const std::string path = SaveAndClear("two.mts");
  Add("a", std::make_unique<VariableObject>(1.0));
  Add("M", std::make_unique<MatrixObject>(2, 2, 0.0));
  EXPECT_EQ(OpenWorkspaceFile(path, false), 1);
  EXPECT_EQ(ui.output,
            "Deleted Matrix <M>\r\nDeleted object <a>\r\nWorkspace loaded from file\r\n");
  EXPECT_EQ(Names(), (std::vector<std::string>{"v", "f"}));
}

TEST_F(WorkspaceOpenTest, LaterRecordReplacesAnEarlierOneOfTheSameName) {
  Add("x", std::make_unique<VariableObject>(1.0));
  Add("X", std::make_unique<VariableObject>(2.0));
  const std::string path = SaveAndClear("twice.mts");
  EXPECT_EQ(OpenWorkspaceFile(path, false), 1);
  EXPECT_EQ(ui.output, "Deleted Object <x>\r\nWorkspace loaded from file\r\n");
  EXPECT_EQ(Names(), (std::vector<std::string>{"X"}));
}

TEST_F(WorkspaceOpenTest, SaveReportsAndDropsObjectsThatAreNotValid) {
  Add("a", std::make_unique<VariableObject>(1.0));
  Add("bad", std::make_unique<VectorObject>(2, 0.0)).status = STATUS_FAILED;
  EXPECT_EQ(SaveWorkspaceFile(dir_.Path("w.mts")), 1);
  EXPECT_EQ(ui.output, "Deleted Vector <bad>\r\nWorkspace saved in file\r\n");
  EXPECT_EQ(Names(), (std::vector<std::string>{"a"}));
  EXPECT_EQ(FilesInDir(), 1u);  // no temporary file left behind
}

TEST_F(WorkspaceOpenTest, FailedSaveLeavesThePreviousFileIntact) {
  Add("a", std::make_unique<VariableObject>(1.0));
  const std::string path = dir_.Path("w.mts");
  ASSERT_EQ(SaveWorkspaceFile(path), 1);
  const Bytes before = dir_.Read("w.mts");
  Add("big", std::make_unique<VectorObject>(100000, 1.0));
  ui.output.clear();
  // A file size limit stands in for a full disk.
  struct rlimit saved;
  getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const int32_t result = SaveWorkspaceFile(path);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, SIG_DFL);
  EXPECT_EQ(result, 0);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], "Unable to write workspace file\n" + path + "\nFile too large");
  EXPECT_EQ(ui.output, "");
  EXPECT_EQ(dir_.Read("w.mts"), before);
  EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(WorkspaceOpenTest, SaveIntoAMissingFolderShowsAMessage) {
  const std::string path = dir_.Path("none/w.mts");
  EXPECT_EQ(SaveWorkspaceFile(path), 0);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], "Unable to write workspace file\n" + path + "\nNo such file or directory");
}

TEST_F(WorkspaceOpenTest, SaveKeepsThePermissionsOfTheReplacedFile) {
  const std::string path = dir_.Path("w.mts");
  ASSERT_EQ(SaveWorkspaceFile(path), 1);
  std::filesystem::permissions(path, std::filesystem::perms(0640));
  ASSERT_EQ(SaveWorkspaceFile(path), 1);
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
}

}  // namespace
}  // namespace tq
