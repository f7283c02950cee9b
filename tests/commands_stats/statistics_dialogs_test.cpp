#include "commands/statistics_dialogs.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/statistics_forms.h"
#include "commands/statistics_menu_commands.h"
#include "dialog_helpers.h"
#include "objects_fixture.h"
#include "stats/chi_square_options.h"

namespace tq {
namespace {

class StatisticsDialogsTest : public ObjectsTest {
 protected:
  void TTestOptions(int32_t type) {
    ui.AnswerForm<TTestOptionsForm>([type](TTestOptionsForm& form) {
      EXPECT_EQ(form.type, 0);
      form.type = type;
    });
  }
  void ChiSquareOptions(int32_t type, int32_t constraints) {
    ui.AnswerForm<ChiSquareOptionsForm>([=](ChiSquareOptionsForm& form) {
      form.type = type;
      form.constraints = constraints;
    });
  }
};

TEST_F(StatisticsDialogsTest, MomentsReport) {
  Vector("d", {1, 2, 3, 4});
  ui.AnswerForm<OperationForm>([](OperationForm& form) {
    EXPECT_EQ(form.title, "Moments of distribution");
    EXPECT_EQ(form.button, "Moments");
    EXPECT_EQ(form.sources[0].text, "d  vector (4)");
    form.output.text = "m";
  });
  EXPECT_TRUE(MenuMoments());
  EXPECT_EQ(ui.output,
            "Moments of distribution calculated.\r\nInput data vector <d>\r\noutput stored in new "
            "vector <m>\r\n"
            "mean (average) = 2.5\r\n"
            "average deviation = 1\r\n"
            "standard deviation = 1.29099\r\n"
            "variance = 1.66667\r\n"
            "skewness (third moment)  = 0\r\n"
            "kurtosis (fourth moment) = -2.0775\r\n");
}

TEST_F(StatisticsDialogsTest, MomentsOfConstantData) {
  Vector("d", {5, 5});
  AnswerOperation(ui, {"d"}, "m");
  EXPECT_TRUE(MomentsDialog());
  EXPECT_EQ(ui.output.substr(ui.output.find("variance")),
            "variance = 0\r\nVariance is too small.\r\nThird moment and fourth moment cannot be "
            "calculated\r\n");
}

TEST_F(StatisticsDialogsTest, MomentsChecksInOrder) {
  Vector("one", {1});
  Matrix("M", 2, 2, {1, 2, 3, 4});
  struct {
    std::string source, output, message;
  } rows[] = {
      {"", "m", "Error:\nInvalid argument.\nPlease select valid source vector."},
      {"one", "", "Error:\nInvalid output vector name.\nPlease select or enter valid name."},
      {"M", "m", "Error:\nUnable to find source vector\n<M>\nPlease select or enter valid name."},
      {"one", "2m",
       "Error:\nInvalid output vector name\n<2m>\nPlease enter valid name.\nName shall containg "
       "only letters and digits and charater _.\nFirst character must not be digit."},
      // A reserved word: only the name check's own message.
      {"one", "if",
       "Error: new variable name is reserved keyword \n<if>\nPlease choose another name."},
  };
  for (const auto& row : rows) {
    ui.messages.clear();
    AnswerOperation(ui, {row.source}, row.output);
    EXPECT_FALSE(MomentsDialog());
    EXPECT_EQ(ui.messages, (std::vector<std::string>{row.message}));
  }
  // An engine failure closes the dialog.
  ui.messages.clear();
  AnswerOperation(ui, {"one"}, "m");
  int shown = ui.formsShown;
  EXPECT_FALSE(MomentsDialog());
  EXPECT_EQ(ui.formsShown, shown + 1);
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "Error:\nInvalid argument. Vector must contain at least 2 values.\n"}));
}

TEST_F(StatisticsDialogsTest, TTestReport) {
  Vector("a", {1, 2, 3, 4});
  Vector("b", {2, 3, 4, 5});
  ui.AnswerForm<OperationForm>([](OperationForm& form) {
    EXPECT_EQ(form.title, "Student's t-test");
    EXPECT_EQ(form.button, "t-test");
    form.sources[0].text = "a";
    form.sources[1].text = "b";
    form.output.text = "t";
  });
  TTestOptions(0);
  EXPECT_TRUE(MenuTTest());
  EXPECT_EQ(ui.output,
            "Students t-test for sigificance\r\nof means difference\r\ninput vectors a and "
            "b\r\noutput stored in new vector <t>\r\n"
            "Two distributions are assumed \r\nto have equal true variance.\r\n"
            "Student's t = -1.09545\r\n"
            "significance  (P, two-tail)= 0.315334\r\n"
            "Significance is a probability that two \r\ndistributions have equal means.\r\n"
            "Small value, lesser than approximately 0.025\r\nindicates sigificant difference of "
            "means.\r\n");
}

TEST_F(StatisticsDialogsTest, TTestTypesAndOptionsCancelled) {
  Vector("a", {1, 2, 3, 4});
  Vector("b", {2, 3, 4, 6});
  AnswerOperation(ui, {"a", "b"}, "t");
  TTestOptions(1);
  EXPECT_TRUE(TTestDialog());
  EXPECT_NE(ui.output.find("Two distributions are assumed \r\nto have different true variances.\r\n"),
            std::string::npos);
  AnswerOperation(ui, {"a", "b"}, "t");
  TTestOptions(2);
  EXPECT_TRUE(TTestDialog());
  EXPECT_NE(ui.output.find("Two distributions contain paired samples.\r\n"), std::string::npos);

  // Cancelling the options leaves the t-test dialog open with nothing computed.
  ui.output.clear();
  AnswerOperation(ui, {"a", "b"}, "u");
  EXPECT_FALSE(TTestDialog());
  EXPECT_EQ(ui.formsShown, 7);  // last: t-test, options (cancelled), t-test again (cancelled)
  EXPECT_EQ(FindObject("u", OBJMASK_ANY), nullptr);
  EXPECT_EQ(ui.output, "");
}

TEST_F(StatisticsDialogsTest, TestDialogChecks) {
  Vector("a", {1, 1, 1, 1});
  Vector("b", {2, 2, 2, 2});
  Matrix("M", 2, 2, {1, 2, 3, 4});
  struct {
    std::string a, b, output, message;
  } rows[] = {
      {"", "b", "t", "Error:\nInvalid 1st argument.\nPlease select valid source matrix or vector."},
      {"a", "", "t", "Error:\nInvalid 2nd argument.\nPlease select valid source matrix or vector."},
      {"a", "b", "", "Error:\nInvalid output vector name.\nPlease select or enter valid name."},
      {"a", "q", "t", "Error:\nUnable to find 2nd argument\n<q>\nPlease select or enter valid name."},
      {"M", "b", "t", "Error:\nInvalid arguments type. Arguments must be vectors."},
  };
  for (const auto& row : rows) {
    ui.messages.clear();
    AnswerOperation(ui, {row.a, row.b}, row.output);
    EXPECT_FALSE(FTestDialog());
    EXPECT_EQ(ui.messages, (std::vector<std::string>{row.message}));
  }
  // A zero pooled deviation: the trapped fault, and the dialog closes.
  ui.messages.clear();
  AnswerOperation(ui, {"a", "b"}, "t");
  TTestOptions(0);
  EXPECT_FALSE(TTestDialog());
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{"Error:\nFloating point error\nDivide by zero\n"}));
}

TEST_F(StatisticsDialogsTest, FTestReport) {
  Vector("a", {-2, 0, 0, 0, 2});
  Vector("b", {-4, 0, 0, 0, 4});
  AnswerOperation(ui, {"a", "b"}, "f");
  EXPECT_TRUE(MenuFTest());
  EXPECT_EQ(ui.output,
            "F-test for sigificance\r\nof variance difference\r\ninput vectors a and b\r\noutput "
            "stored in new vector <f>\r\n"
            "F = 4\r\n"
            "significance  (P, two-tail)= 0.208\r\n"
            "Significance is a probability that two \r\ndistributions have equal variances.\r\n"
            "Small value, lesser than approximately 0.05\r\nindicates sigificant difference of "
            "variances.\r\n");
}

TEST_F(StatisticsDialogsTest, ChiSquareReports) {
  Vector("a", {10, 0, 7, 12});
  Vector("b", {8, 0, 9, 15});
  AnswerOperation(ui, {"a", "b"}, "c");
  ChiSquareOptions(1, 0);
  EXPECT_TRUE(MenuChiSquare());
  const std::string head =
      "Chi-square test for sigificance\r\nof distributions difference\r\ninput vectors a and "
      "b\r\noutput stored in new vector <c>\r\n";
  EXPECT_EQ(ui.output.substr(0, head.size()), head);
  EXPECT_NE(ui.output.find("\r\nsignificance (P, two-tail)= "), std::string::npos);
  EXPECT_NE(ui.output.find("Significance is a probability that two \r\ndata sets are drawn "
                           "from\r\nthe same distribution.\r\n"),
            std::string::npos);

  ui.output.clear();
  AnswerOperation(ui, {"a", "a"}, "c");
  ChiSquareOptions(1, 0);
  EXPECT_TRUE(ChiSquareDialog());
  EXPECT_EQ(ui.output,
            "Deleted Vector <c>\r\n"
            "Chi-square test for sigificance\r\nof distributions difference\r\ninput vectors a and "
            "a\r\noutput stored in new vector <c>\r\nError:\r\nUnable to compute Chi-square "
            "test.\r\n");
}

TEST_F(StatisticsDialogsTest, ChiSquareOptionsCancelled) {
  Vector("a", {10, 1, 7, 12});
  AnswerOperation(ui, {"a", "a"}, "c");
  EXPECT_FALSE(ChiSquareDialog());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.formsShown, 3);  // dialog, options (cancelled), dialog again (cancelled)
}

TEST_F(StatisticsDialogsTest, StatMenuNeedsAVector) {
  Matrix("M", 1, 1, {1});
  const std::string kNoVectors =
      "There are no data vectors in the list. You must create data vector before using this "
      "function.";
  EXPECT_FALSE(MenuMoments());
  EXPECT_FALSE(MenuTTest());
  EXPECT_FALSE(MenuFTest());
  EXPECT_FALSE(MenuChiSquare());
  EXPECT_FALSE(MenuRegression());
  EXPECT_EQ(ui.messages, std::vector<std::string>(5, kNoVectors));
  EXPECT_EQ(ui.formsShown, 0);
}

}  // namespace
}  // namespace tq
