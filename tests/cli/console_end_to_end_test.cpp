// The console binary end to end: exact standard output, messages on
// standard error, exit status.
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "support/run_console.h"
#include "support/workbench_test.h"

namespace tq::testing {
namespace {

TEST(ConsoleEndToEnd, MultiplyThenDisplayPrintsTheProduct) {
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
  EXPECT_EQ(run.err, "<stdin>:1: Runtime calculation error in expression\n" + fault +
                         "<stdin>:3: Error:\n" + fault +
                         "<stdin>:4: Runtime calculation error in expression\n" + fault);
  EXPECT_EQ(run.status, 1);
}

TEST(ConsoleEndToEnd, NamesOfTransposeAndDeleteIgnoreCase) {
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

// A refusal names the argument and the reason, then shows the usage.
TEST(ConsoleEndToEnd, ARefusalSaysWhichArgumentAndWhy) {
  struct Case {
    const char* line;
    const char* err;
  } cases[] = {
      {":vector v", ":vector: argument 2 (SIZE) is missing\nusage: :vector NAME SIZE [INIT]\n"},
      {":display a b", ":display: argument 2 \"b\" is one too many\nusage: :display NAME\n"},
      {":matrix m 2 2.5",
       ":matrix: argument 3 (COLS) \"2.5\": not a whole number\n"
       "usage: :matrix NAME ROWS COLS [INIT]\n"},
      {":integral f 0 nothing",
       ":integral: argument 3 (UPPER) \"nothing\": Syntax error in function; at line number 1  "
       "Unrecognized name [nothing]\nusage: :integral F LOWER UPPER [ABSTOL [RELTOL]]\n"},
      {":var r 1/0",
       ":var: argument 2 (VALUE) \"1/0\": Runtime calculation error in expression; Floating point "
       "error: Divide by zero\nusage: :var [NAME [VALUE] | -d NAME...]\n"},
      {":var r a=1",
       ":var: argument 2 (VALUE) \"a=1\": not a number or a constant expression\n"
       "usage: :var [NAME [VALUE] | -d NAME...]\n"},
      {":ttest a b c same",
       ":ttest: argument 4 (equal|unequal|paired) \"same\": not equal, unequal or paired\n"
       "usage: :ttest A B OUT equal|unequal|paired\n"},
      {":convert volume 0 1 1",
       ":convert: argument 1 (FAMILY) \"volume\": not a unit family (weight, distance, angle or "
       "temperature)\nusage: :convert FAMILY FROM TO VALUE\n"},
      {":convert temperature degrees K 1",
       ":convert: argument 2 (FROM) \"degrees\": more than one unit has that name: degrees "
       "Celsuis (C), degrees Fahrenheit (F), degrees Kelvin (K)\n"
       "usage: :convert FAMILY FROM TO VALUE\n"},
      {":convert distance 0 8 1",
       ":convert: argument 3 (TO) \"8\": no unit has that index (0 to 7)\n"
       "usage: :convert FAMILY FROM TO VALUE\n"},
  };
  for (const Case& c : cases) {
    ConsoleRun run = RunConsole({"-c", c.line});
    EXPECT_EQ(run.err, c.err) << c.line;
    EXPECT_EQ(run.out, "") << c.line;
    EXPECT_EQ(run.status, 1) << c.line;
  }
}

// Number arguments are constant expressions, evaluated as the calculator
// would; ans stays what the last calculator line left.
TEST(ConsoleEndToEnd, NumberArgumentsTakeConstantExpressions) {
  ConsoleRun run = RunConsole({"-c", "2+5", "-c", ":var r 1/3", "-c", ":vector v 2^2 -pi",
                               "-c", ":var s ans*2", "-c", ":var", "-c", "ans"});
  EXPECT_EQ(run.out,
            "2+5\n7\nCreated Vector v (4)\nr = 0.333333333333\ns = 14\nans\n7\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 0);
}

TEST(ConsoleEndToEnd, QuitAndExitEndTheRun) {
  ConsoleRun piped = RunConsole({}, ":vector v 2\n:quit\n:vector w 2\n");
  EXPECT_EQ(piped.out, "Created Vector v (2)\n");
  EXPECT_EQ(piped.status, 0);
  ConsoleRun lines = RunConsole({"-c", ":display x", "-c", ":EXIT", "-c", ":vector w 2"});
  EXPECT_EQ(lines.out, "");
  EXPECT_EQ(lines.status, 1);  // the failure before :exit still counts
}

TEST(ConsoleEndToEnd, VersionNamesTheProgram) {
  ConsoleRun run = RunConsole({"--version"});
  EXPECT_EQ(run.out.rfind("tallyquist-cli ", 0), 0u) << run.out;
  EXPECT_EQ(run.status, 0);
}

class ConsoleScriptTest : public WorkbenchTest {
 protected:
  void Script(const std::string& text) { Write("script.tqs", text); }
  const std::string path = Path("script.tqs");
};

// A failing line's messages name the script and the line; a failure that
// showed nothing says so on its own line; other lines run on.
TEST_F(ConsoleScriptTest, FailingLinesNameTheScriptAndLine) {
  Script(":vector v 2\n\n# comment\n:display nothing\n:matrix m 1 1\n:vector w 3\n");
  ConsoleRun run = RunConsole({"-f", path});
  EXPECT_EQ(run.out, "Created Vector v (2)\nCreated Vector w (3)\n");
  EXPECT_EQ(run.err, path + ":4: No matrix or vector named <nothing> in the list\n" + path +
                         ":4: Please select one item in the list\n"
                         "Warning\nspecified matrix dimensions 1 x 1;\nDo you want to create this "
                         "small matrix?\n[No]\n" +
                         path + ":5: the line was not carried out\n");
  EXPECT_EQ(run.status, 1);

  ConsoleRun piped = RunConsole({}, ":vector v 2\n:vector v\n");
  EXPECT_EQ(piped.err.rfind("<stdin>:2: :vector: argument 2 (SIZE) is missing\n", 0), 0u)
      << piped.err;
}

TEST_F(ConsoleScriptTest, HaltStopsAtTheFirstFailingLine) {
  Script(":vector v 2\n:display nothing\n:vector w 3\n");
  ConsoleRun run = RunConsole({"--halt", "-f", path, "-c", ":vector x 2"});
  EXPECT_EQ(run.out, "Created Vector v (2)\n");
  EXPECT_EQ(run.status, 1);
  ConsoleRun piped = RunConsole({"--halt"}, ":frobnicate\n:vector w 3\n");
  EXPECT_EQ(piped.out, "");
  EXPECT_EQ(piped.status, 1);
}

// Ctrl+C in a script stops the running command, then the run ends with
// status 130 before the next line.
TEST_F(ConsoleScriptTest, InterruptEndsAScriptWithStatus130) {
  Script(":function f while (1)\\nend\n:execute f\n:vector w 2\n");
  ConsoleRun run = RunConsoleInterrupted({"-f", path}, "");
  EXPECT_EQ(run.status, 130);
  EXPECT_EQ(run.out, "Executing function f\n");
  EXPECT_NE(run.err.find(path + ":2: Calculation terminated by user\n"), std::string::npos)
      << run.err;
}

TEST(ConsoleEndToEnd, InterruptEndsPipedInputWithStatus130) {
  // Standard input stays open: the console waits for a line when stopped.
  ConsoleRun run = RunConsoleInterrupted({}, ":vector v 2\n");
  EXPECT_EQ(run.status, 130);
  EXPECT_EQ(run.out, "Created Vector v (2)\n");
  EXPECT_EQ(run.err, "");
}

TEST(ConsoleEndToEnd, BadOptionsEndWithStatusTwoAndHelpWithZero) {
  EXPECT_EQ(RunConsole({"--bogus"}).status, 2);
  EXPECT_EQ(RunConsole({"-c"}).status, 2);
  ConsoleRun help = RunConsole({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("usage: tallyquist-cli"), std::string::npos);
}

TEST(ConsoleEndToEnd, ConvertTakesUnitIndexes) {
  ConsoleRun run = RunConsole({"-c", ":convert temperature 0 1 1", "-c", ":convert Angle 1 0 180",
                               "-c", ":convert distance 7 7 1"});
  EXPECT_EQ(run.out,
            "convert from degrees Celsuis (C) 1\nto degrees Fahrenheit (F) 33.8\n"
            "convert from degrees 180\nto radians (rad) 3.14159\n");
  EXPECT_EQ(run.err, "You cannot convert to the same unit.\nPlease select different units.\n");
  EXPECT_EQ(run.status, 1);
}

// Units by name: the abbreviation, the whole entry or a prefix only one
// entry has, any case, "_" for a blank.
TEST(ConsoleEndToEnd, ConvertTakesUnitNamesIgnoringCase) {
  ConsoleRun run = RunConsole({"-c", ":convert temperature c F 100", "-c",
                               ":convert ANGLE DEG rad 180", "-c", ":convert weight pou kilo 1",
                               "-c", ":convert distance miles METERS_(m) 1", "-c",
                               ":convert temperature degrees_k 0 0"});
  EXPECT_EQ(run.out,
            "convert from degrees Celsuis (C) 100\nto degrees Fahrenheit (F) 212\n"
            "convert from degrees 180\nto radians (rad) 3.14159\n"
            "convert from pounds (lb) 1\nto kilograms (kg) 0.453592\n"
            "convert from miles 1\nto meters (m) 1609.34\n"
            "convert from degrees Kelvin (K) 0\nto degrees Celsuis (C) -273.15\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 0);
}

TEST(ConsoleEndToEnd, UnitsListsEachFamilyWithIndexes) {
  ConsoleRun one = RunConsole({"-c", ":units Temperature"});
  EXPECT_EQ(one.out,
            "temperature:\n  0  degrees Celsuis (C)\n  1  degrees Fahrenheit (F)\n"
            "  2  degrees Kelvin (K)\n");
  ConsoleRun all = RunConsole({"-c", ":units"});
  EXPECT_EQ(all.out.rfind("weight:\n  0  kilograms (kg)\n", 0), 0u) << all.out;
  for (const char* head : {"\ndistance:\n", "\nangle:\n", "\ntemperature:\n"})
    EXPECT_NE(all.out.find(head), std::string::npos) << head;
  EXPECT_EQ(all.status, 0);
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
TEST_F(ConsoleScriptTest, OneObjectPerNameThroughSaveAndOpen) {
  const std::string file = Path("w.mts");
  ConsoleRun made = RunConsole({"-c", ":vector v 3 7", "-c", ":function v x+1", "-c", "v=1", "-c",
                                ":list", "-c", ":save " + file});
  EXPECT_EQ(made.out, "Created Vector v (3)\nDeleted Vector <v>\nv\nWorkspace saved in file\n");
  EXPECT_EQ(made.err, "Syntax error in function\nv=1\nat line number 1  Unrecognized name "
                      "[v]\nPlease correct error and try again.\n\n");
  EXPECT_EQ(made.status, 1);
  ConsoleRun opened = RunConsole({"-c", ":vector v 2 1", "-c", ":open " + file, "-c", ":list"});
  EXPECT_EQ(opened.out, "Created Vector v (2)\nDeleted Vector <v>\nWorkspace loaded from file\nv\n");
  EXPECT_EQ(opened.status, 0) << opened.err;
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
TEST(ConsoleEndToEnd, OneInterruptStopsASearchAndEndsTheRun) {
  char dir[] = "/tmp/tq-stop-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  const std::string base = dir;
  // The console is killed if it is still running after 20 s.
  const std::string script =
      std::string("'") + TQ_CLI_PATH +
      "' -c ':function f i=0\\nwhile (1)\\ni=i+1\\nend\\nx' -c ':minimums f -1 1 10 --nosave' "
      "</dev/null >" + base + "/out 2>" + base + "/err & p=$!; "
      "(sleep 20; kill -KILL $p) >/dev/null 2>&1 & w=$!; "
      "sleep 1; kill -INT $p; wait $p; echo $? >" + base + "/status; pkill -P $w; kill $w 2>/dev/null; true";
  ASSERT_EQ(std::system(script.c_str()), 0);
  auto read = [&](const char* name) {
    std::ifstream in(base + "/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  };
  EXPECT_EQ(read("status"), "130\n");  // the run ends after the line the stop ended
  EXPECT_EQ(read("err"), "Do you want to stop calculation?\n[Yes]\n");
  EXPECT_EQ(read("out"),
            "Attempting to find minimums of function f(x)\nin the interval from -1 to 1\n"
            "Calculation terminated by user\n0 minimums found\n");
  std::system(("rm -rf '" + base + "'").c_str());
}

}  // namespace
}  // namespace tq::testing
