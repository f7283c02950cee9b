#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "cli/console_session.h"
#include "cli/console_ui.h"

namespace tq::cli {
namespace {

// A stream writing into memory.
struct MemoryStream {
  char* text = nullptr;
  size_t size = 0;
  FILE* file = open_memstream(&text, &size);
  ~MemoryStream() {
    std::fclose(file);
    std::free(text);
  }
  std::string Text() {
    std::fflush(file);
    return std::string(text, size);
  }
};

class StatisticsConsoleTest : public ::testing::Test {
 protected:
  bool Run(const std::string& line) { return session.RunLine(line); }
  // Runs the lines that set up the objects; NewOut is the output after them.
  void Setup(std::initializer_list<const char*> lines) {
    for (const char* line : lines) ASSERT_TRUE(Run(line)) << line;
    mark = out.Text().size();
  }
  std::string NewOut() { return out.Text().substr(mark); }

  MemoryStream out, err;
  ConsoleUi ui{out.file, err.file, false, QuestionAnswer::kNo};
  ConsoleSession session{ui};
  size_t mark = 0;
};

TEST_F(StatisticsConsoleTest, Regression) {
  Setup({":vector x 4", ":values x 1 2 3 4", ":vector y 4", ":values y 3 5 7 10"});
  EXPECT_FALSE(Run(":regression y fit"));
  EXPECT_FALSE(Run(":regression y fit x --save cov res"));
  EXPECT_FALSE(Run(":regression y fit --save a b c"));
  const std::string usage = "usage: :regression Y OUT X1 [X2 ...] [--save COV RES PRED]\n";
  EXPECT_EQ(err.Text(), usage + usage + usage);
  EXPECT_FALSE(Run(":regression y fit nothing"));
  const std::string errors = err.Text();
  EXPECT_NE(errors.find("No vector named <nothing> in the list\n"), std::string::npos);
  EXPECT_EQ(NewOut(), "");
  EXPECT_TRUE(Run(":regression y fit x --save cov res pred"));
  EXPECT_NE(NewOut().find("coeff. 01:       0.173205         1.95359         2.64641\n"),
            std::string::npos);
  EXPECT_TRUE(Run(":list"));
  EXPECT_NE(out.Text().find("cov  matrix 2x2\nres  vector (4)\npred  vector (4)\n"),
            std::string::npos);
  EXPECT_TRUE(Run(":regression y fit2 x"));
  EXPECT_EQ(err.Text(), errors);
}

TEST_F(StatisticsConsoleTest, TestsAndTheirOptions) {
  Setup({":vector a 4", ":values a 1 2 3 4", ":vector b 4", ":values b 2 3 4 5"});
  EXPECT_TRUE(Run(":ttest a b t equal"));
  EXPECT_NE(NewOut().find("Student's t = -1.09545\nsignificance  (P, two-tail)= 0.315334\n"),
            std::string::npos);
  EXPECT_FALSE(Run(":ttest a b t same"));
  EXPECT_FALSE(Run(":chisquare a b c observed 6"));
  EXPECT_FALSE(Run(":chisquare a b c modelled"));
  EXPECT_TRUE(Run(":chisquare a b c observed 1"));
  EXPECT_FALSE(Run(":chisquare a b c observed 5"));
  EXPECT_NE(
      err.Text().find("Error:\nNumerical library error\nInvalid arguments in routine gammq\n"),
      std::string::npos);
  EXPECT_TRUE(Run(":ftest a b f"));
  EXPECT_TRUE(Run(":moments a m"));
}

TEST_F(StatisticsConsoleTest, InverseSolveAndRefusedDialogs) {
  Setup({":matrix A 2 2", ":values A 0 1 1 0", ":vector b 2", ":values b 1 2", ":matrix Z 2 2"});
  EXPECT_TRUE(Run(":inverse A Ai"));
  EXPECT_TRUE(Run(":solve A b x"));
  EXPECT_EQ(NewOut(),
            "Inversed Matrix <A>\noutput stored in new matrix <Ai>\n"
            "Solved system of linear equations A*x=b\nMatrix A A  Vector b b\noutput stored in "
            "new vector <x>\n");
  Setup({});
  // The t-test dialog refuses the matrix; shown again, it is cancelled.
  EXPECT_FALSE(Run(":ttest Z b t paired"));
  EXPECT_EQ(err.Text(), "Error:\nInvalid arguments type. Arguments must be vectors.\n");
  EXPECT_FALSE(Run(":inverse Z Zi"));  // singular
  EXPECT_FALSE(Run(":solve Z Z y"));
  EXPECT_FALSE(Run(":moments Z m"));
  EXPECT_EQ(NewOut(), "");
}

}  // namespace
}  // namespace tq::cli
