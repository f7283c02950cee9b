#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/inverse_dialogs.h"
#include "commands/statistics_dialogs.h"
#include "commands/statistics_forms.h"
#include "commands/statistics_menu_commands.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

// Each dialog's answers are queued in order; a refused answer shows the
// dialog again, and with no answer left a dialog is cancelled.
class DialogsTest : public testing::WorkbenchTest {
 protected:
  void Answer(std::vector<std::string> sources, std::string output) {
    ui.AnswerForm<OperationForm>([sources, output](OperationForm& form) {
      ASSERT_EQ(form.sources.size(), sources.size());
      for (size_t i = 0; i < sources.size(); ++i) form.sources[i].text = sources[i];
      form.output.text = output;
    });
  }
  template <class Form>
  void Options(int32_t type) {
    ui.AnswerForm<Form>([type](Form& form) { form.type = type; });
  }
  // Selects the entries of these names in the X(i) selection dialog.
  void SelectX(std::vector<std::string> names) {
    ui.AnswerForm<ObjectChoiceForm>([names](ObjectChoiceForm& form) {
      form.selected.clear();
      for (const std::string& name : names)
        for (size_t i = 0; i < form.entries.size(); ++i)
          if (form.entries[i].rfind(name + " ", 0) == 0) form.selected.push_back(i);
    });
  }
  void OutputOptions(bool save, std::string cov = "covariances",
                     std::string res = "residual_errors", std::string pred = "predictions") {
    ui.AnswerForm<RegressionOutputForm>([=](RegressionOutputForm& form) {
      form.saveExtras = save;
      form.covariance.text = cov;
      form.residuals.text = res;
      form.predictions.text = pred;
    });
  }
  // The refusal of a name that breaks the naming rules ("output matrix").
  static std::string BadName(const std::string& what, const std::string& name) {
    return "Error:\nInvalid " + what + " name\n<" + name +
           ">\nPlease enter valid name.\nName shall containg only letters and digits and "
           "charater _.\nFirst character must not be digit.";
  }
};

using InverseDialogsTest = DialogsTest;
using StatisticsDialogsTest = DialogsTest;
using RegressionDialogsTest = DialogsTest;

TEST_F(InverseDialogsTest, InverseChecksInOrderThenReportsAndReplaces) {
  Matrix("A", 2, 2, {0, 1, 1, 0});
  Matrix("B", 1, 1, {9});
  Matrix("Z", 2, 2, {0, 0, 0, 0});
  Vector("v", {1, 2});
  ui.AnswerForm<OperationForm>([](OperationForm& form) {
    EXPECT_EQ(form.title, "Inverse Matrix");
    EXPECT_EQ(form.ButtonText(kOkButton), "Inverse Matrix");
    ASSERT_EQ(form.sources.size(), 1u);
    EXPECT_EQ(form.sources[0].text, "A  matrix 2x2");
    EXPECT_EQ(form.output.entries, (std::vector<std::string>{"A", "B", "Z", "v"}));
    form.sources[0].text = "";
  });
  Answer({"A"}, "  ");
  Answer({"Q"}, "X");
  Answer({"A"}, "9x");
  Answer({"v"}, "X");
  Answer({"Z"}, "Zi");  // singular: the dialog stays open
  Answer({"A"}, " B ");
  EXPECT_TRUE(MenuInverse());
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "Error:\nInvalid 1st argument.\nPlease select valid source matrix.",
                "Error:\nInvalid output object name.\nPlease select or enter valid name.",
                "Error:\nUnable to find 1st argument\n<Q>\nPlease select or enter valid name.",
                BadName("output matrix", "9x"),
                "Error:\nInvalid arguments type. First argument must be matrix.\n",
                "Error:\nNumerical library error\nSingular Matrix, the equation cant be "
                "solved\n"}));
  EXPECT_EQ(FindObject("Zi", OBJMASK_ANY), nullptr);
  EXPECT_EQ(ui.output,
            "Deleted Matrix <B>\r\nInversed Matrix <A>\r\noutput stored in new matrix <B>\r\n");
  EXPECT_EQ(Get<MatrixObject>("B")->at(1, 2), 1.0);
}

TEST_F(InverseDialogsTest, SolveChecksKindsThenReports) {
  Matrix("A", 1, 1, {2});
  Vector("b", {4});
  Answer({"b", "A"}, "y");
  Answer({"A", ""}, "y");
  Answer({"A", "b"}, "1y");
  Answer({"A  matrix 1x1", "b"}, "x");
  EXPECT_TRUE(MenuSolve());
  EXPECT_EQ(ui.messages, (std::vector<std::string>{
                             "Error:\nInvalid arguments type. First argument must be matrix."
                             "\nSecond argument must be vector.",
                             "Error:\nInvalid 2nd argument.\nPlease select valid source vector.",
                             BadName("output vector", "1y")}));
  EXPECT_EQ(ui.output,
            "Solved system of linear equations A*x=b\r\nMatrix A A  Vector b b\r\noutput stored "
            "in new vector <x>\r\n");
  EXPECT_EQ(Get<VectorObject>("x")->at(1), 2.0);
}

TEST_F(InverseDialogsTest, MenusNeedTheirObjects) {
  EXPECT_FALSE(MenuInverse());
  EXPECT_FALSE(MenuSolve());
  Matrix("A", 1, 1, {1});
  EXPECT_FALSE(MenuSolve());
  const std::vector<std::string> kNoMatrices = ui.messages;
  ui.messages.clear();
  for (bool (*menu)() : {MenuMoments, MenuTTest, MenuFTest, MenuChiSquare, MenuRegression})
    EXPECT_FALSE(menu());
  EXPECT_EQ(ui.messages, std::vector<std::string>(5, "There are no data vectors in the list. You "
                                                     "must create data vector before using this "
                                                     "function."));
  EXPECT_EQ(kNoMatrices,
            (std::vector<std::string>{
                "There are no matrices in the list. You must create matrix before using this "
                "function. This will create inverse matrix. Input matrix must have equal number "
                "of rows and columns.",
                "There are no matrices in the list. This will solve system of linear equations in "
                "the form A*x=b where A is a matrix and x and b are vectors. You must create "
                "matrix A of equation coefficients before using this function. Matrix must have "
                "equal number of rows and columns",
                "There are no vectors in the list. This will solve system of linear equations in "
                "the form A*x=b where A is a matrix and x and b are vectors. You must create "
                "vector B of equation right side values before using this function. Number of "
                "vector elements must be equal to the number of rows and columns of matrix."}));
  EXPECT_EQ(ui.formsShown, 0);
}

TEST_F(StatisticsDialogsTest, MomentsChecksInOrderThenTheReport) {
  Vector("d", {1, 2, 3, 4});
  Vector("one", {1});
  Matrix("N", 2, 2, {1, 2, 3, 4});
  Answer({""}, "m");
  Answer({"d"}, "");
  Answer({"N"}, "m");
  Answer({"d"}, "2m");
  Answer({"d"}, "if");
  Answer({"one"}, "m");
  EXPECT_FALSE(MenuMoments());
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "Error:\nInvalid argument.\nPlease select valid source vector.",
                "Error:\nInvalid output vector name.\nPlease select or enter valid name.",
                "Error:\nUnable to find source vector\n<N>\nPlease select or enter valid name.",
                BadName("output vector", "2m"),
                // A reserved word: only the name check's own message.
                "Error: new variable name is reserved keyword \n<if>\nPlease choose another "
                "name.",
                "Error:\nInvalid argument. Vector must contain at least 2 values.\n"}));
  EXPECT_EQ(ui.formsShown, 6);  // the engine's refusal closes the dialog
  Vector("flat", {5, 5});
  Answer({"flat"}, "mf");
  EXPECT_TRUE(MomentsDialog());
  EXPECT_EQ(ui.output.substr(ui.output.find("variance")),
            "variance = 0\r\nVariance is too small.\r\nThird moment and fourth moment cannot be "
            "calculated\r\n");
  ui.output.clear();
  Answer({"d"}, "m");
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

TEST_F(StatisticsDialogsTest, TTestReportsOfEachType) {
  Vector("a", {1, 2, 3, 4});
  Vector("b", {2, 3, 4, 5});
  Answer({"a", "b"}, "t");
  Options<TTestOptionsForm>(0);
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
  Vector("c", {2, 3, 4, 6});
  Answer({"a", "c"}, "t");
  Options<TTestOptionsForm>(1);
  Answer({"a", "c"}, "t");
  Options<TTestOptionsForm>(2);
  EXPECT_TRUE(TTestDialog() && TTestDialog());
  EXPECT_NE(ui.output.find("assumed \r\nto have different true variances.\r\n"), std::string::npos);
  EXPECT_NE(ui.output.find("Two distributions contain paired samples.\r\n"), std::string::npos);
}

TEST_F(StatisticsDialogsTest, TestDialogChecksCancelledOptionsAndATrappedFault) {
  Vector("a", {1, 1, 1, 1});
  Vector("b", {2, 2, 2, 2});
  Matrix("M", 2, 2, {1, 2, 3, 4});
  Answer({"", "b"}, "t");
  Answer({"a", ""}, "t");
  Answer({"a", "b"}, "");
  Answer({"a", "q"}, "t");
  Answer({"M", "b"}, "t");
  EXPECT_FALSE(FTestDialog());
  Answer({"a", "b"}, "t");
  Options<TTestOptionsForm>(0);
  EXPECT_FALSE(TTestDialog());  // a zero pooled deviation, trapped: the dialog closes
  Answer({"a", "b"}, "t");
  EXPECT_FALSE(TTestDialog());  // options cancelled: the dialog again, cancelled
  Answer({"a", "b"}, "c");
  EXPECT_FALSE(ChiSquareDialog());
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "Error:\nInvalid 1st argument.\nPlease select valid source matrix or vector.",
                "Error:\nInvalid 2nd argument.\nPlease select valid source matrix or vector.",
                "Error:\nInvalid output vector name.\nPlease select or enter valid name.",
                "Error:\nUnable to find 2nd argument\n<q>\nPlease select or enter valid name.",
                "Error:\nInvalid arguments type. Arguments must be vectors.",
                "Error:\nFloating point error\nDivide by zero\n"}));
  EXPECT_EQ(ui.formsShown, 14);
  EXPECT_EQ(ui.output, "");
  EXPECT_EQ(document.objects.size(), 3u);
}

TEST_F(StatisticsDialogsTest, FTestAndChiSquareReports) {
  Vector("a", {-2, 0, 0, 0, 2});
  Vector("b", {-4, 0, 0, 0, 4});
  Answer({"a", "b"}, "f");
  EXPECT_TRUE(MenuFTest());
  EXPECT_EQ(ui.output,
            "F-test for sigificance\r\nof variance difference\r\ninput vectors a and b\r\noutput "
            "stored in new vector <f>\r\n"
            "F = 4\r\n"
            "significance  (P, two-tail)= 0.208\r\n"
            "Significance is a probability that two \r\ndistributions have equal variances.\r\n"
            "Small value, lesser than approximately 0.05\r\nindicates sigificant difference of "
            "variances.\r\n");
  Vector("c", {10, 0, 7, 12});
  Vector("d", {8, 0, 9, 15});
  const std::string head =
      "Chi-square test for sigificance\r\nof distributions difference\r\ninput vectors c and ";
  ui.output.clear();
  Answer({"c", "d"}, "x");
  Options<ChiSquareOptionsForm>(1);
  EXPECT_TRUE(MenuChiSquare());
  EXPECT_EQ(ui.output.rfind(head + "d\r\noutput stored in new vector <x>\r\n", 0), 0u);
  EXPECT_NE(ui.output.find("\r\nsignificance (P, two-tail)= "), std::string::npos);
  EXPECT_NE(ui.output.find("Significance is a probability that two \r\ndata sets are drawn "
                           "from\r\nthe same distribution.\r\n"),
            std::string::npos);
  ui.output.clear();
  Answer({"c", "c"}, "x");
  Options<ChiSquareOptionsForm>(1);
  EXPECT_TRUE(ChiSquareDialog());
  EXPECT_EQ(ui.output, "Deleted Vector <x>\r\n" + head +
                           "c\r\noutput stored in new vector <x>\r\nError:\r\nUnable to compute "
                           "Chi-square test.\r\n");
}

TEST_F(RegressionDialogsTest, WorkedExampleReport) {
  Vector("x", {1, 2, 3, 4});
  Vector("y", {3, 5, 7, 10});
  ui.AnswerForm<ObjectChoiceForm>([](ObjectChoiceForm& form) {
    EXPECT_EQ(form.title, "Linear regression multiple variables");
    EXPECT_TRUE(form.multipleSelection);
    EXPECT_EQ(form.entries, (std::vector<std::string>{"x  vector (4)", "y  vector (4)"}));
    form.selected = {0};
  });
  Answer({"y  vector (4)"}, "fit");
  ui.AnswerForm<RegressionOutputForm>([](RegressionOutputForm&) {});  // saved, default names
  EXPECT_TRUE(MenuRegression());
  EXPECT_EQ(ui.output,
            "Linear regression multiple variables\r\n"
            "Input data X(i)\r\n"
            "X(1) x  \r\n"
            "Output data Y  y\r\n"
            "Regression results\r\n"
            "constant =               0.50000000\r\n"
            "coefficient 1 <x> = 2.3000000\r\n"
            "Chi-square = 0.3\r\n"
            "Regression Variance = 0.15\r\n"
            "Standard errors and 95% confidence interval\r\n"
            "                  std. error          Lower 95%        Upper 95%\r\n"
            "constant:       0.474342        -0.448683         1.44868\r\n"
            "coeff. 01:       0.173205         1.95359         2.64641\r\n");
  EXPECT_NE(Get<MatrixObject>("covariances"), nullptr);
  EXPECT_NE(Get<VectorObject>("residual_errors"), nullptr);
  EXPECT_NE(Get<VectorObject>("predictions"), nullptr);
}

TEST_F(RegressionDialogsTest, EachDialogOpensOverTheOneBefore) {
  Vector("x", {1, 2, 3, 4});
  Vector("y", {3, 5, 7, 10});
  SelectX({"x"});
  std::vector<int> open;
  ui.AnswerForm<OperationForm>([&](OperationForm& form) {
    open.push_back(ui.dialogsOpen);
    form.sources[0].text = "y";
    form.output.text = "fit";
  });
  ui.AnswerForm<RegressionOutputForm>([&](RegressionOutputForm& form) {
    open.push_back(ui.dialogsOpen);
    form.saveExtras = false;
  });
  EXPECT_TRUE(RegressionCommand());
  EXPECT_EQ(open, (std::vector<int>{2, 3}));
  EXPECT_NE(Get<VectorObject>("fit"), nullptr);
}

TEST_F(RegressionDialogsTest, CancelledOptionsThenAConstantExactlyZero) {
  Vector("x", {-1, 0, 1});
  Vector("y", {-2, 0, 2});
  SelectX({"x"});
  Answer({"y"}, "fit");
  EXPECT_FALSE(RegressionCommand());
  EXPECT_EQ(ui.formsShown, 4);  // selection, fitting, options (cancelled), fitting again
  EXPECT_EQ(document.objects.size(), 2u);
  SelectX({"x"});
  Answer({"y"}, "fit");
  OutputOptions(false);
  EXPECT_TRUE(RegressionCommand());
  EXPECT_EQ(ui.output,
            "Linear regression multiple variables\r\nInput data X(i)\r\nX(1) x  \r\nOutput data "
            "Y  y\r\nError:\r\nUnable to compute linear regression.\r\n");
  // The result vector is stored all the same; nothing else is.
  EXPECT_NE(FindObject("fit", OBJMASK_VECTOR), nullptr);
  EXPECT_EQ(document.objects.size(), 3u);
}

TEST_F(RegressionDialogsTest, CoefficientsFollowTheListOrder) {
  Vector("b", {1, 0, 0, 1, 2});
  Vector("a", {1, 2, 3, 4, 6});
  Vector("y", {2, 3, 4, 6, 9});
  SelectX({"a", "b"});  // selected in the order of the list: b, then a
  Answer({"y"}, "fit");
  OutputOptions(false);
  EXPECT_TRUE(RegressionCommand());
  EXPECT_NE(ui.output.find("X(1) b  X(2) a  \r\n"), std::string::npos);
  EXPECT_LT(ui.output.find("coefficient 1 <b> = "), ui.output.find("coefficient 2 <a> = "));
}

TEST_F(RegressionDialogsTest, ChecksOfEachDialogInOrder) {
  Vector("x", {1, 2, 3, 4});
  Vector("y", {3, 5, 7, 10});
  ui.AnswerForm<ObjectChoiceForm>([](ObjectChoiceForm& form) { form.selected.clear(); });
  SelectX({"x"});
  Answer({""}, "fit");  // the other form checks are those of the t-test dialog
  Answer({"y"}, "fit");
  OutputOptions(true, "  ");
  OutputOptions(true, "cov", "1res");
  OutputOptions(true, "cov", "res", "pred x");  // cut at the blank: "pred"
  EXPECT_TRUE(RegressionCommand());
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "No items selected in the list.Please select at one or several vectors of input "
                "variables X(i).",
                "Error:\nInvalid 2nd argument.\nPlease select valid source matrix or vector.",
                "Error:\nInvalid covariance matrix name.\nPlease enter valid name for matrix or "
                "vector.",
                BadName("residuals vector", "1res")}));
  EXPECT_NE(Get<VectorObject>("pred"), nullptr);
}

TEST_F(RegressionDialogsTest, TooManyVectorsAndEngineFailure) {
  for (int i = 0; i < 101; ++i)
    Put(("x" + std::to_string(i)).c_str(), std::make_unique<VectorObject>(4, double(i)));
  Vector("y", {3, 5, 7, 10});
  ui.AnswerForm<ObjectChoiceForm>([](ObjectChoiceForm& form) {
    for (size_t i = 0; i < 101; ++i) form.selected.push_back(i);
  });
  Answer({"y"}, "fit");
  EXPECT_FALSE(RegressionCommand());
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"Error:\nToo many vectors X."}));
  // x0 and x1 are collinear: the engine fails and the dialogs close.
  SelectX({"x0", "x1"});
  Answer({"y"}, "fit");
  OutputOptions(true);
  EXPECT_FALSE(RegressionCommand());
  EXPECT_EQ(ui.messages.back(),
            "Error:\nNumerical library error\nSingular Matrix, the equation cant be solved\n");
  EXPECT_EQ(document.objects.size(), 102u);
}

}  // namespace
}  // namespace tq
