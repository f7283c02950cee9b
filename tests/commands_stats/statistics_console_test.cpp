#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "cli/console_session.h"
#include "cli/console_ui.h"

namespace tq::cli {
namespace {

// A console session writing into two memory streams.
class StatisticsConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    out_ = open_memstream(&outText_, &outSize_);
    err_ = open_memstream(&errText_, &errSize_);
    ui_ = std::make_unique<ConsoleUi>(out_, err_, false, QuestionAnswer::kNo);
    session_ = std::make_unique<ConsoleSession>(*ui_);
  }
  void TearDown() override {
    session_.reset();
    ui_.reset();
    std::fclose(out_);
    std::fclose(err_);
    std::free(outText_);
    std::free(errText_);
  }
  bool Run(const std::string& line) { return session_->RunLine(line); }
  std::string Out() {
    std::fflush(out_);
    return std::string(outText_, outSize_);
  }
  std::string Err() {
    std::fflush(err_);
    return std::string(errText_, errSize_);
  }
  void Setup(std::initializer_list<const char*> lines) {
    for (const char* line : lines) ASSERT_TRUE(Run(line)) << line;
    std::fflush(out_);
    outMark_ = outSize_;
  }
  // Standard output since Setup.
  std::string NewOut() { return Out().substr(outMark_); }

  FILE* out_ = nullptr;
  FILE* err_ = nullptr;
  char* outText_ = nullptr;
  char* errText_ = nullptr;
  size_t outSize_ = 0, errSize_ = 0, outMark_ = 0;
  std::unique_ptr<ConsoleUi> ui_;
  std::unique_ptr<ConsoleSession> session_;
};

TEST_F(StatisticsConsoleTest, RegressionWithAndWithoutSave) {
  Setup({":vector x 4", ":values x 1 2 3 4", ":vector y 4", ":values y 3 5 7 10"});
  EXPECT_TRUE(Run(":regression y fit x --save cov res pred"));
  EXPECT_NE(NewOut().find("coeff. 01:       0.173205         1.95359         2.64641\n"),
            std::string::npos);
  EXPECT_TRUE(Run(":list"));
  EXPECT_NE(Out().find("cov  matrix 2x2\nres  vector (4)\npred  vector (4)\n"), std::string::npos);
  EXPECT_TRUE(Run(":regression y fit2 x"));
  EXPECT_EQ(Err(), "");
}

TEST_F(StatisticsConsoleTest, RegressionArgumentsAndUnknownVectors) {
  Setup({":vector x 4", ":vector y 4"});
  EXPECT_FALSE(Run(":regression y fit"));
  EXPECT_FALSE(Run(":regression y fit x --save cov res"));
  EXPECT_FALSE(Run(":regression y fit --save a b c"));
  EXPECT_EQ(Err(),
            "usage: :regression Y OUT X1 [X2 ...] [--save COV RES PRED]\n"
            "usage: :regression Y OUT X1 [X2 ...] [--save COV RES PRED]\n"
            "usage: :regression Y OUT X1 [X2 ...] [--save COV RES PRED]\n");
  EXPECT_FALSE(Run(":regression y fit nothing"));
  EXPECT_NE(Err().find("No vector named <nothing> in the list\n"), std::string::npos);
  EXPECT_EQ(NewOut(), "");
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
  EXPECT_NE(Err().find("Error:\nNumerical library error\nInvalid arguments in routine gammq\n"),
            std::string::npos);
  EXPECT_TRUE(Run(":ftest a b f"));
  EXPECT_TRUE(Run(":moments a m"));
}

TEST_F(StatisticsConsoleTest, RefusedDialogsFailTheLine) {
  Setup({":vector a 4", ":matrix M 2 2"});
  // The t-test dialog refuses the matrix; shown again, it is cancelled.
  EXPECT_FALSE(Run(":ttest M a t paired"));
  EXPECT_EQ(Err(), "Error:\nInvalid arguments type. Arguments must be vectors.\n");
  EXPECT_FALSE(Run(":inverse M Mi"));  // singular
  EXPECT_FALSE(Run(":solve M M x"));
  EXPECT_FALSE(Run(":moments M m"));
  EXPECT_EQ(NewOut(), "");
}

TEST_F(StatisticsConsoleTest, InverseAndSolve) {
  Setup({":matrix A 2 2", ":values A 0 1 1 0", ":vector b 2", ":values b 1 2"});
  EXPECT_TRUE(Run(":inverse A Ai"));
  EXPECT_TRUE(Run(":solve A b x"));
  EXPECT_EQ(NewOut(),
            "Inversed Matrix <A>\noutput stored in new matrix <Ai>\n"
            "Solved system of linear equations A*x=b\nMatrix A A  Vector b b\noutput stored in "
            "new vector <x>\n");
}

}  // namespace
}  // namespace tq::cli
