// Files through the console binary: saving respects what the path names, a
// workspace that cannot be allocated is refused whole, a file size limit
// fails :plot, and a script that cannot be read fails the run.
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "support/run_console.h"
#include "support/workbench_test.h"

namespace tq::testing {
namespace {

namespace fs = std::filesystem;

class ConsoleFilesTest : public WorkbenchTest {
 protected:
  static ConsoleRun Run(const std::vector<std::string>& lines, const std::string& limits = "") {
    std::vector<std::string> args;
    for (const std::string& line : lines) args.insert(args.end(), {"-c", line});
    return RunConsole(args, "", limits);
  }
};

const std::string kCannotWrite = "Unable to write workspace file\n";
constexpr uintmax_t kOneVariableFile = 36;

TEST_F(ConsoleFilesTest, SaveRefusesReadOnlyFilesAndFifosAndFollowsLinks) {
  Write("ro.mts", "old");
  fs::permissions(Path("ro.mts"), fs::perms(0444));
  Write("real.mts", "old");
  fs::create_symlink("real.mts", Path("link.mts"));
  ASSERT_EQ(mkfifo(Path("fifo.mts").c_str(), 0644), 0);
  const std::string longest = std::string(NAME_MAX - 4, 'n') + ".mts";
  ConsoleRun run = Run({":var a 1", ":save " + Path("ro.mts"), ":save " + Path("link.mts"),
                        ":save " + Path("fifo.mts"), ":save " + Path(longest)});
  EXPECT_EQ(run.err, kCannotWrite + Path("ro.mts") + "\nPermission denied\n" + kCannotWrite +
                         Path("fifo.mts") + "\nNot a regular file.\n");
  EXPECT_EQ(run.out, "Workspace saved in file\nWorkspace saved in file\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(fs::file_size(Path("ro.mts")), 3u);
  EXPECT_TRUE(fs::is_symlink(Path("link.mts")));
  EXPECT_EQ(fs::file_size(Path("real.mts")), kOneVariableFile);
  EXPECT_EQ(fs::status(Path("fifo.mts")).type(), fs::file_type::fifo);
  EXPECT_EQ(fs::file_size(Path(longest)), kOneVariableFile);
}

TEST_F(ConsoleFilesTest, AWorkspaceThatCannotBeAllocatedIsRefusedWhole) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer's shadow memory does not fit under a memory limit";
#endif
  // A vector of 10^8 elements (800 MB, sparse on disk) under a 500 MB limit.
  const int64_t count = 100000000;
  {
    std::ofstream out(Path("big.mts"), std::ios::binary);
    const char head[] = "\x01\x00\xFF\xFF\x01\x00\x0A\x00MathObject\x02\x00\x00\x00\x03"
                        "big\x00\xE1\xF5\x05";  // kind 2, name "big", size 10^8
    out.write(head, sizeof head - 1);
    out.seekp(std::streamoff(sizeof head - 1 + count * 8));
    out.write("\x41\x42\x0F\x00", 4);
  }
  ConsoleRun run = Run({":var a 1", ":open " + Path("big.mts"), ":list", ":save " + Path("after.mts")},
                       "ulimit -v 500000");
  const std::string refusal =
      "Unable to read workspace file\n" + Path("big.mts") + "\nunable allocate vector\n";
  ASSERT_GE(run.err.size(), refusal.size());
  EXPECT_EQ(run.err.substr(run.err.size() - refusal.size()), refusal);  // after the merge question
  EXPECT_EQ(run.out, "a = 1\nWorkspace saved in file\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(fs::file_size(Path("after.mts")), kOneVariableFile);
}

TEST_F(ConsoleFilesTest, PlotPastAFileSizeLimitFailsTheLine) {
  std::vector<std::string> lines = {":vector vx 3",      ":values vx 1 2 3", ":vector vy 3",
                                    ":values vy 4 5 7", ":chart c My chart", ":series c up 1 vx vy"};
  std::string expected;
  for (const char* file : {"c.png", "c.svg", "c.pdf"}) {
    lines.push_back(":plot c " + Path(file));
    expected += "Unable to write chart file <" + Path(file) + ">\n";
  }
  ConsoleRun limited = Run(lines, "ulimit -f 2");  // a kilobyte or two
  EXPECT_EQ(limited.err, expected);
  EXPECT_EQ(limited.status, 1);
  ConsoleRun free = Run(lines);
  EXPECT_EQ(free.err, "");
  EXPECT_EQ(free.status, 0);
}

TEST_F(ConsoleFilesTest, AScriptThatCannotBeReadFailsTheRun) {
  const std::string folder = Path("folder");
  fs::create_directory(folder);
  ConsoleRun run = RunConsole({"-f", folder, "-f", "/proc/self/mem", "-c", ":var a 1"});
  EXPECT_EQ(run.err, "Unable to read script file " + folder +
                         ": Is a directory\nUnable to read script file /proc/self/mem: "
                         "Input/output error\n");
  EXPECT_EQ(run.status, 1);
  if (geteuid() != 0) {  // a privileged user reads any file
    Write("locked.tqs", ":var a 1\n");
    fs::permissions(Path("locked.tqs"), fs::perms::none);
    run = RunConsole({"-f", Path("locked.tqs")});
    EXPECT_EQ(run.err, "Unable to open script file " + Path("locked.tqs") + ": Permission denied\n");
    EXPECT_EQ(run.status, 1);
  }
}

}  // namespace
}  // namespace tq::testing
