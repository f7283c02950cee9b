#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/statistics_dialogs.h"
#include "commands/statistics_forms.h"
#include "commands/statistics_menu_commands.h"
#include "dialog_helpers.h"
#include "objects_fixture.h"

namespace tq {
namespace {

class RegressionDialogsTest : public ObjectsTest {
 protected:
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
};

TEST_F(RegressionDialogsTest, WorkedExampleReport) {
  Vector("x", {1, 2, 3, 4});
  Vector("y", {3, 5, 7, 10});
  ui.AnswerForm<ObjectChoiceForm>([](ObjectChoiceForm& form) {
    EXPECT_EQ(form.title, "Linear regression multiple variables");
    EXPECT_TRUE(form.multipleSelection);
    EXPECT_EQ(form.entries, (std::vector<std::string>{"x  vector (4)", "y  vector (4)"}));
    form.selected = {0};
  });
  ui.AnswerForm<OperationForm>([](OperationForm& form) {
    EXPECT_EQ(form.title, "Linear regression multiple");
    EXPECT_EQ(form.button, "Fitting");
    form.sources[0].text = "y  vector (4)";
    form.output.text = "fit";
  });
  ui.AnswerForm<RegressionOutputForm>([](RegressionOutputForm& form) {
    EXPECT_TRUE(form.saveExtras);
    EXPECT_EQ(form.covariance.text, "covariances");
    EXPECT_EQ(form.residuals.text, "residual_errors");
    EXPECT_EQ(form.predictions.text, "predictions");
  });
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
  EXPECT_NE(FindObject("covariances", OBJMASK_MATRIX), nullptr);
  EXPECT_NE(FindObject("residual_errors", OBJMASK_VECTOR), nullptr);
  EXPECT_NE(FindObject("predictions", OBJMASK_VECTOR), nullptr);
}

TEST_F(RegressionDialogsTest, ConstantExactlyZero) {
  Vector("x", {-1, 0, 1});
  Vector("y", {-2, 0, 2});
  SelectX({"x"});
  AnswerOperation(ui, {"y"}, "fit");
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
  AnswerOperation(ui, {"y"}, "fit");
  OutputOptions(false);
  EXPECT_TRUE(RegressionCommand());
  EXPECT_NE(ui.output.find("X(1) b  X(2) a  \r\n"), std::string::npos);
  EXPECT_NE(ui.output.find("coefficient 1 <b> = "), std::string::npos);
  EXPECT_NE(ui.output.find("coefficient 2 <a> = "), std::string::npos);
  EXPECT_NE(ui.output.find("coeff. 02:   "), std::string::npos);
}

TEST_F(RegressionDialogsTest, SelectionDialogMessages) {
  Vector("x", {1, 2, 3});
  ui.AnswerForm<ObjectChoiceForm>([](ObjectChoiceForm& form) { form.selected.clear(); });
  EXPECT_FALSE(RegressionCommand());
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{"No items selected in the list.Please select at one or "
                                      "several vectors of input variables X(i)."}));
  EXPECT_EQ(ui.formsShown, 2);
}

TEST_F(RegressionDialogsTest, FittingDialogChecks) {
  Vector("x", {1, 2, 3, 4});
  Vector("y", {3, 5, 7, 10});
  Matrix("M", 2, 2, {1, 2, 3, 4});
  struct {
    std::string y, output, message;
  } rows[] = {
      {"", "fit", "Error:\nInvalid 2nd argument.\nPlease select valid source matrix or vector."},
      {"y", "", "Error:\nInvalid output vector name.\nPlease select or enter valid name."},
      {"q", "fit", "Error:\nUnable to find 2nd argument\n<q>\nPlease select or enter valid name."},
      {"M", "fit", "Error:\nInvalid arguments type. Arguments must be vectors."},
  };
  for (const auto& row : rows) {
    ui.messages.clear();
    SelectX({"x"});
    AnswerOperation(ui, {row.y}, row.output);
    EXPECT_FALSE(RegressionCommand());
    EXPECT_EQ(ui.messages, (std::vector<std::string>{row.message}));
  }
  EXPECT_EQ(ui.output, "");
}

TEST_F(RegressionDialogsTest, OutputOptionsChecksKeepThemOpen) {
  Vector("x", {1, 2, 3, 4});
  Vector("y", {3, 5, 7, 10});
  SelectX({"x"});
  AnswerOperation(ui, {"y"}, "fit");
  OutputOptions(true, "  ");
  OutputOptions(true, "cov", "1res");
  OutputOptions(true, "cov", "res", "pred x");  // cut at the blank: "pred"
  EXPECT_TRUE(RegressionCommand());
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "Error:\nInvalid covariance matrix name.\nPlease enter valid name for matrix or "
                "vector.",
                "Error:\nInvalid residuals vector name\n<1res>\nPlease enter valid name.\nName "
                "shall containg only letters and digits and charater _.\nFirst character must "
                "not be digit."}));
  EXPECT_NE(FindObject("pred", OBJMASK_VECTOR), nullptr);
  EXPECT_NE(FindObject("cov", OBJMASK_MATRIX), nullptr);
}

TEST_F(RegressionDialogsTest, OutputOptionsCancelledComputesNothing) {
  Vector("x", {1, 2, 3, 4});
  Vector("y", {3, 5, 7, 10});
  SelectX({"x"});
  AnswerOperation(ui, {"y"}, "fit");
  EXPECT_FALSE(RegressionCommand());
  EXPECT_EQ(ui.formsShown, 4);  // selection, fitting, options (cancelled), fitting again
  EXPECT_EQ(FindObject("fit", OBJMASK_ANY), nullptr);
}

TEST_F(RegressionDialogsTest, TooManyVectors) {
  std::vector<std::string> names;
  for (int i = 0; i < 101; ++i) {
    names.push_back("x" + std::to_string(i));
    auto v = std::make_unique<VectorObject>(4, double(i));
    v->name = names.back();
    AddObject(std::move(v));
  }
  Vector("y", {3, 5, 7, 10});
  ui.AnswerForm<ObjectChoiceForm>([](ObjectChoiceForm& form) {
    for (size_t i = 0; i < 101; ++i) form.selected.push_back(i);
  });
  AnswerOperation(ui, {"y"}, "fit");
  EXPECT_FALSE(RegressionCommand());
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"Error:\nToo many vectors X."}));
}

TEST_F(RegressionDialogsTest, EngineFailureClosesTheDialog) {
  Vector("x1", {1, 2, 3, 4});
  Vector("x2", {2, 4, 6, 8});
  Vector("y", {1, 3, 2, 5});
  SelectX({"x1", "x2"});
  AnswerOperation(ui, {"y"}, "fit");
  OutputOptions(true);
  EXPECT_FALSE(RegressionCommand());
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"Error:\nNumerical library error\nSingular "
                                                   "Matrix, the equation cant be solved\n"}));
  EXPECT_EQ(ui.formsShown, 3);
  EXPECT_EQ(document.objects.size(), 3u);
}

}  // namespace
}  // namespace tq
