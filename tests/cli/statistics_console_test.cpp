#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "cli/support/in_process_console.h"
#include "support/workbench_test.h"

namespace tq::cli {
namespace {

// The console session is made after the fixture has reset the session.
class StatisticsConsoleTest : public testing::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    console.emplace();
  }
  void TearDown() override {
    console.reset();
    WorkbenchTest::TearDown();
  }
  bool Run(const std::string& line) { return console->Run(line); }
  // Runs the lines that set up the objects; NewOut is the output after them.
  void Setup(std::initializer_list<const char*> lines) {
    for (const char* line : lines) ASSERT_TRUE(Run(line)) << line;
    mark = console->Out().size();
  }
  std::string NewOut() { return console->Out().substr(mark); }

  std::optional<testing::InProcessConsole> console;
  size_t mark = 0;
};

// The reports themselves are pinned by the dialog tests; here the arguments.
TEST_F(StatisticsConsoleTest, ArgumentsAndRefusals) {
  Setup({":vector x 4", ":values x 1 2 3 4", ":vector y 4", ":values y 3 5 7 10", ":matrix A 2 2",
         ":values A 0 1 1 0", ":vector b 2", ":matrix Z 2 2"});
  const std::string usage = "usage: :regression Y OUT X1 [X2 ...] [--save COV RES PRED]\n";
  for (const char* line : {":regression y fit", ":regression y fit x --save cov res",
                           ":regression y fit --save a b c", ":ttest x y t same",
                           ":chisquare x y c observed 6", ":chisquare x y c modelled"})
    EXPECT_FALSE(Run(line)) << line;
  const std::string expected =
      ":regression: argument 3 (X1) is missing\n" + usage +
      ":regression: argument 4 (X2) \"--save\": --save takes three names: COV RES PRED\n" + usage +
      ":regression: argument 3 (X1) \"--save\": at least one X comes before --save\n" + usage;
  EXPECT_EQ(console->Err().substr(0, expected.size()), expected);
  EXPECT_TRUE(Run(":regression y fit x --save cov res pred"));
  EXPECT_TRUE(Run(":list"));
  EXPECT_NE(console->Out().find("cov  matrix 2x2\nres  vector (4)\npred  vector (4)\n"),
            std::string::npos);
  for (const char* line : {":ttest x y t equal", ":chisquare x y c observed 1", ":ftest x y f",
                           ":moments x m", ":inverse A Ai"})
    EXPECT_TRUE(Run(line)) << line;
  EXPECT_NE(NewOut().find("Inversed Matrix <A>\noutput stored in new matrix <Ai>\n"),
            std::string::npos);  // lines end in \n only
  Setup({});
  const std::string errors = console->Err();
  EXPECT_FALSE(Run(":regression y fit nothing"));
  EXPECT_FALSE(Run(":ttest Z b t paired"));  // refused, then cancelled
  EXPECT_FALSE(Run(":inverse Z Zi"));        // singular
  EXPECT_EQ(console->Err().substr(errors.size()),
            "No vector named <nothing> in the list\nNo items selected in the list.Please select at "
            "one or several vectors of input variables X(i).\n"
            "Error:\nInvalid arguments type. Arguments must be vectors.\n"
            "Error:\nNumerical library error\nSingular Matrix, the equation cant be solved\n\n");
  EXPECT_EQ(NewOut(), "");
}

}  // namespace
}  // namespace tq::cli
