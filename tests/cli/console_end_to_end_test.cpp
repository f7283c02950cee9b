// The console binary end to end: exact standard output, messages on
// standard error, exit status.
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "support/run_console.h"

namespace tq::testing {
namespace {

TEST(ConsoleEndToEnd, MultiplyAndDisplay) {
  ConsoleRun run = RunConsole({"-c", ":matrix A 2 3 1", "-c", ":matrix B 3 2 2", "-c",
                               ":multiply A B C", "-c", ":display C"});
  EXPECT_EQ(run.out,
            "Created Matrix A 2x3\n"
            "Created Matrix B 3x2\n"
            "Multiplied matrices A and B\n"
            "output stored in new matrix <C>\n"
            "Matrix  C  2x2\n"
            "row 1:\n"
            "                  6.                    6.  \n"
            "row 2:\n"
            "                  6.                    6.  \n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 0);
}

TEST(ConsoleEndToEnd, ScriptFromStandardInputWithCommentsAndCaseInsensitiveWords) {
  ConsoleRun run = RunConsole({}, "# a comment\n\n   \n:VECTOR v 3 0.5\n:Values v 1 2.5\n:list\n");
  EXPECT_EQ(run.out, "Created Vector v (3)\nEditing Vector  v  (3)\nv  vector (3)\n");
  EXPECT_EQ(run.status, 0);
}

TEST(ConsoleEndToEnd, AQuestionIsAnsweredNoByDefaultAndTheLineFails) {
  ConsoleRun run = RunConsole({"-c", ":matrix m 1 1", "-c", ":vector v 2"});
  EXPECT_EQ(run.out, "Created Vector v (2)\n");
  EXPECT_EQ(run.err,
            "Warning\nspecified matrix dimensions 1 x 1;\nDo you want to create this small "
            "matrix?\n[No]\n");
  EXPECT_EQ(run.status, 1);
}

TEST(ConsoleEndToEnd, YesAnswersEveryQuestion) {
  ConsoleRun run = RunConsole({"--yes", "-c", ":matrix m 1 1", "-c", ":deleteall"});
  EXPECT_EQ(run.out, "Created Matrix m 1x1\nDeleted Matrix <m>\n");
  EXPECT_EQ(run.status, 0);
}

TEST(ConsoleEndToEnd, ARefusedDialogCountsAsCancelled) {
  ConsoleRun run = RunConsole({"-c", ":vector v 2", "-c", ":vector w 2", "-c", ":add v w pi"});
  EXPECT_EQ(run.out, "Created Vector v (2)\nCreated Vector w (2)\n");
  EXPECT_EQ(run.err,
            "Error: new variable name is reserved keyword \n<pi>\nPlease choose another name.\n");
  EXPECT_EQ(run.status, 1);
}

TEST(ConsoleEndToEnd, EngineFailureShowsErrorText) {
  ConsoleRun run = RunConsole(
      {"-c", ":matrix A 2 3", "-c", ":matrix B 3 2", "-c", ":add A B C", "-c", ":list"});
  EXPECT_EQ(run.err,
            "Error:\nInvalid arguments. Matrices must have equal number columns and equal number "
            "of rows.\n\n");
  EXPECT_EQ(run.out, "Created Matrix A 2x3\nCreated Matrix B 3x2\nA  matrix 2x3\nB  matrix 3x2\n");
  EXPECT_EQ(run.status, 1);
}

// An operation on a denormal operand is a fault, met before the overflow of
// 1/1e-320; a denormal result is not.
TEST(ConsoleEndToEnd, DenormalOperandsFault) {
  ConsoleRun run = RunConsole(
      {}, "1e-310*2\n:matrix A 2 2 1e-310\n:add A A C\n1/(1e-320)\n1e-300*1e-10\n:list\n");
  EXPECT_EQ(run.out, "Created Matrix A 2x2\n1e-300*1e-10\n1E-310\nA  matrix 2x2\n");
  const std::string fault = "Floating point or memory access error\n\n";
  EXPECT_EQ(run.err, "Runtime calculation error in expression\n" + fault + "Error:\n" + fault +
                         "Runtime calculation error in expression\n" + fault);
  EXPECT_EQ(run.status, 1);
}

TEST(ConsoleEndToEnd, DeleteAndTranspose) {
  ConsoleRun run = RunConsole({"-c", ":matrix A 2 3 4", "-c", ":transpose a T", "-c",
                               ":delete A t", "-c", ":list"});
  EXPECT_EQ(run.out,
            "Created Matrix A 2x3\nTransposed matrix <a>\noutput stored in new matrix <T>\n"
            "Deleted Matrix <A>\nDeleted Matrix <T>\n");
  EXPECT_EQ(run.status, 0);
}

TEST(ConsoleEndToEnd, BadArgumentsAndUnknownCommands) {
  ConsoleRun run = RunConsole({"-c", ":vector v", "-c", ":frobnicate", "-c", ":display nothing"});
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("usage: :vector NAME SIZE [INIT]"), std::string::npos);
  EXPECT_NE(run.err.find("Unknown command :frobnicate"), std::string::npos);
  EXPECT_NE(run.err.find("There are no matrices or vectors in the list."), std::string::npos);
  EXPECT_EQ(run.status, 1);
}

TEST(ConsoleEndToEnd, BadInvocation) {
  EXPECT_EQ(RunConsole({"--bogus"}).status, 2);
  EXPECT_EQ(RunConsole({"-c"}).status, 2);
  ConsoleRun help = RunConsole({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("usage: tallyquist-cli"), std::string::npos);
}

TEST(ConsoleEndToEnd, UnitConversion) {
  ConsoleRun run = RunConsole({"-c", ":convert temperature 0 1 1", "-c", ":convert Angle 1 0 180",
                               "-c", ":convert distance 7 7 1"});
  EXPECT_EQ(run.out,
            "convert from degrees Celsuis (C) 1\nto degrees Fahrenheit (F) 33.8\n"
            "convert from degrees 180\nto radians (rad) 3.14159\n");
  EXPECT_EQ(run.err, "You cannot convert to the same unit.\nPlease select different units.\n");
  EXPECT_EQ(run.status, 1);
}

TEST(ConsoleEndToEnd, FunctionBodiesTakeLineEndsOutsideStrings) {
  ConsoleRun run = RunConsole({"-c", R"(:function p a=2\nprint "a\n", a\nb=3)", "-c", ":execute p",
                               "-c", ":list"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("b = 3\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("a = 2\n"), std::string::npos) << run.out;
}

// A function, a calculator assignment and a reopened file never leave two
// objects of one name.
TEST(ConsoleEndToEnd, OneObjectPerNameThroughSaveAndOpen) {
  std::string folder = (std::filesystem::temp_directory_path() / "tq-names-XXXXXX").string();
  ASSERT_NE(mkdtemp(folder.data()), nullptr);
  const std::string path = folder + "/w.mts";
  ConsoleRun made = RunConsole({"-c", ":vector v 3 7", "-c", ":function v x+1", "-c", "v=1", "-c",
                                ":list", "-c", ":save " + path});
  EXPECT_EQ(made.out, "Created Vector v (3)\nDeleted Vector <v>\nv\nWorkspace saved in file\n");
  EXPECT_EQ(made.err, "Syntax error in function\nv=1\nat line number 1  Unrecognized name "
                      "[v]\nPlease correct error and try again.\n\n");
  EXPECT_EQ(made.status, 1);
  ConsoleRun opened = RunConsole({"-c", ":vector v 2 1", "-c", ":open " + path, "-c", ":list"});
  EXPECT_EQ(opened.out, "Created Vector v (2)\nDeleted Vector <v>\nWorkspace loaded from file\nv\n");
  EXPECT_EQ(opened.status, 0) << opened.err;
  std::filesystem::remove_all(folder);
}

TEST(ConsoleEndToEnd, HelpListsTheCommands) {
  ConsoleRun run = RunConsole({"-c", ":help"});
  for (const char* word : {":vector NAME SIZE [INIT]", ":matrix", ":values", ":display", ":delete",
                           ":deleteall", ":list", ":add", ":subtract", ":multiply", ":transpose"})
    EXPECT_NE(run.out.find(word), std::string::npos) << word;
  EXPECT_EQ(run.status, 0);
}

// One Ctrl+C stops a search whose function never returns: the scan ends at
// the evaluation the stop interrupted, and the stopped line fails.
TEST(ConsoleEndToEnd, OneInterruptStopsASearchAndTheLineFails) {
  char dir[] = "/tmp/tq-stop-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  const std::string base = dir;
  // The console is killed if it is still running after 20 s.
  const std::string script =
      std::string("'") + TQ_CLI_PATH +
      "' -c ':function f i=0\\nwhile (1)\\ni=i+1\\nend\\nx' -c ':minimums f -1 1 10 --nosave' "
      "</dev/null >" + base + "/out 2>" + base + "/err & p=$!; "
      "(sleep 20; kill -KILL $p 2>/dev/null) & w=$!; "
      "sleep 1; kill -INT $p; wait $p; echo $? >" + base + "/status; kill $w 2>/dev/null";
  ASSERT_EQ(std::system(script.c_str()), 0);
  auto read = [&](const char* name) {
    std::ifstream in(base + "/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  };
  EXPECT_EQ(read("status"), "1\n");
  EXPECT_EQ(read("err"), "Do you want to stop calculation?\n[Yes]\n");
  EXPECT_EQ(read("out"),
            "Attempting to find minimums of function f(x)\nin the interval from -1 to 1\n"
            "Calculation terminated by user\n0 minimums found\n");
  std::system(("rm -rf '" + base + "'").c_str());
}

}  // namespace
}  // namespace tq::testing
