#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/run_console.h"

namespace tq {
namespace {

namespace fs = std::filesystem;
using testing::RunConsole;

class ChartConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("tq_chart_console_" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  // The lines of a chart of two vector series, then `more`.
  std::vector<std::string> Script(std::vector<std::string> more) {
    std::vector<std::string> args;
    for (const char* line : {":vector vx 3", ":values vx 1 2 3", ":vector vy 3", ":values vy 4 5 7",
                             ":chart c My chart", ":series c up 1 vx vy color=red marker=square",
                             ":series c down 1 vy vx line=dash"}) {
      args.push_back("-c");
      args.push_back(line);
    }
    for (const std::string& line : more) {
      args.push_back("-c");
      args.push_back(line);
    }
    return args;
  }
  std::string Path(const char* file) const { return (dir / file).string(); }

  fs::path dir;
};

TEST_F(ChartConsoleTest, PlotWritesEachKindOfFile) {
  auto run = RunConsole(Script({":plot c " + Path("a.png"), ":plot c " + Path("a.svg") + " 300x200",
                                ":plot c " + Path("a.pdf")}));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find("Displaying chart object\nc\n"), std::string::npos);
  EXPECT_GT(fs::file_size(dir / "a.png"), 1000u);
  EXPECT_GT(fs::file_size(dir / "a.svg"), 1000u);
  EXPECT_GT(fs::file_size(dir / "a.pdf"), 1000u);
}

TEST_F(ChartConsoleTest, PlotRefusalsFailTheLine) {
  EXPECT_EQ(RunConsole(Script({":plot c " + Path("a.gif")})).err,
            "Unknown chart file type <" + Path("a.gif") + ">: use .png, .svg or .pdf\n");
  EXPECT_EQ(RunConsole(Script({":plot c " + Path("a.png") + " 10x600"})).err,
            "Invalid chart size <10x600>: WIDTHxHEIGHT, each 11 to 8000 pixels\n");
  auto missing = RunConsole(Script({":plot nothing " + Path("a.png")}));
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "No chart named <nothing> in the list\n");
  auto empty = RunConsole({"-c", ":chart e", "-c", ":chart e Retitled", "-c", ":list", "-c",
                           ":plot e " + Path("e.png")});
  EXPECT_EQ(empty.status, 1);
  EXPECT_EQ(empty.out, "e:  Retitled\nDisplaying chart object\ne\n");
  EXPECT_EQ(empty.err, "Unable to display chart.\nInvalid or empty chart data\n");
  EXPECT_FALSE(fs::exists(dir / "e.png"));
}

TEST_F(ChartConsoleTest, OptionsAreCheckedByTheDialog) {
  auto run = RunConsole(Script({":chartoptions c noauto range 0 10 5 5"}));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Error: Vertical axis maximum value must be greater than minimum value\n");
  EXPECT_EQ(RunConsole(Script({":chartoptions c range 0 1"})).err.rfind("usage: :chartoptions", 0),
            0u);
  EXPECT_EQ(RunConsole(Script({":chartoptions c nogrid polar noauto range -1 1 -1 1"})).status, 0);
}

TEST_F(ChartConsoleTest, SeriesRefusalsShowTheDialogsMessage) {
  auto run = RunConsole(Script({":series c up 1 vx nothing", ":series c up 2 - f"}));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "Error:\nUnable to find vector\n<nothing>\nPlease select or enter valid name.\n"
            "Series <up> of chart <c> is of type 1\n");
  EXPECT_EQ(RunConsole(Script({":series c x 1 vx vy color=purple"})).err.rfind("usage: :series", 0),
            0u);
}

}  // namespace
}  // namespace tq
