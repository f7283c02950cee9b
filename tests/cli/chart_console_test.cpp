#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/run_console.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

namespace fs = std::filesystem;

// Runs the lines, after those of a chart of two vector series unless told otherwise.
testing::ConsoleRun Console(std::vector<std::string> lines, bool withChart = true) {
  if (withChart)
    lines.insert(lines.begin(),
                 {":vector vx 3", ":values vx 1 2 3", ":vector vy 3", ":values vy 4 5 7",
                  ":chart c My chart", ":series c up 1 vx vy color=red marker=square",
                  ":series c down 1 vy vx line=dash"});
  std::vector<std::string> args;
  for (const std::string& line : lines) args.insert(args.end(), {"-c", line});
  return testing::RunConsole(args);
}

using ChartConsoleTest = testing::WorkbenchTest;

TEST_F(ChartConsoleTest, PlotWritesEachKindOfFile) {
  auto run = Console({":plot c " + Path("a.png"), ":plot c " + Path("a.svg") + " 300x200"});
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find("Displaying chart object\nc\n"), std::string::npos);
  for (const char* file : {"a.png", "a.svg"})  // their drawing is checked in chart_files_test
    EXPECT_GT(fs::file_size(Path(file)), 1000u) << file;
}

TEST_F(ChartConsoleTest, RefusalsFailTheLineWithTheirMessage) {
  EXPECT_EQ(Console({":plot c " + Path("a.gif")}).err,
            "Unknown chart file type <" + Path("a.gif") + ">: use .png, .svg or .pdf\n");
  EXPECT_EQ(Console({":plot c " + Path("a.png") + " 10x600"}).err,
            "Invalid chart size <10x600>: WIDTHxHEIGHT, each 11 to 8000 pixels\n");
  EXPECT_EQ(Console({":plot nothing " + Path("a.png")}).err,
            "No chart named <nothing> in the list\n");
  auto empty =
      Console({":chart e", ":chart e Retitled", ":list", ":plot e " + Path("e.png")}, false);
  EXPECT_EQ(empty.status, 1);
  EXPECT_EQ(empty.out, "e:  Retitled\nDisplaying chart object\ne\n");
  EXPECT_EQ(empty.err, "Unable to display chart.\nInvalid or empty chart data\n");
  EXPECT_FALSE(fs::exists(Path("e.png")));
  // Options and series are checked by their dialogs, whose messages are pinned there.
  EXPECT_EQ(Console({":chartoptions c noauto range 0 10 5 5"}).status, 1);
  EXPECT_EQ(Console({":chartoptions c nogrid polar noauto range -1 1 -1 1"}).status, 0);
  EXPECT_EQ(Console({":series c up 1 vx nothing", ":series c up 2 - f"}).err,
            "Error:\nUnable to find vector\n<nothing>\nPlease select or enter valid name.\nSeries "
            "<up> of chart <c> is of type 1\n");
  EXPECT_EQ(Console({":chartoptions c range 0 1"}).err.rfind(
                ":chartoptions: argument 2 (WORD...) \"range\": range takes four numbers\n"
                "usage: :chartoptions",
                0),
            0u);
  EXPECT_EQ(Console({":series c x 1 vx vy color=purple"}).err.rfind(
                ":series: \"color=purple\": not a drawing option of the list\n"
                "usage: :series",
                0),
            0u);
}

}  // namespace
}  // namespace tq
