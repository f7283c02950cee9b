#include <cmath>

#include <gtest/gtest.h>

#include "numeric/integration.h"
#include "support/numeric_dialogs.h"
#include "support/workbench_test.h"
#include "commands/language_forms.h"

namespace tq::testing {
namespace {

using IntegrationTest = WorkbenchTest;

TEST_F(IntegrationTest, ToleranceRefusalsThenTheSquareOnZeroToThree) {
  Function("f", "x*x");
  AnswerIntegral(ui, "f", 0, 3, 1e-20, 1e-17);
  AnswerIntegral(ui, "f", 0, 3, 1e-20, 2);
  AnswerIntegral(ui, "f", 0, 3, 1e-101, 1e-10);
  AnswerIntegral(ui, "f", 0, 3);
  EXPECT_TRUE(IntegralCommand());
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "Error:\nInvalid arguments. \nError tolerance must be positive value greater than "
                "1.E-16.\n",
                "Error:\nInvalid arguments. \nError tolerance value is too big.\n",
                "Error:\nError tolerance must be greater than 1.E-100"}));
  const std::string kHead =
      "Calculating integral of function f(x)\r\non the interval from 0 to 3\r\n";
  // The refusals of the engine follow its heading.
  EXPECT_EQ(ui.output.substr(0, ui.output.find("residual")),
            kHead + kHead + kHead + "integral = 9\r\n");
  EXPECT_EQ(ui.output.find("Warning"), std::string::npos);
}

// A failed evaluation ends the integration and closes the dialog.
TEST_F(IntegrationTest, APoleAtTheMidpointAndAFailureAtALimit) {
  Function("f", "1/x");
  Function("g", "sqrt(x)");
  AnswerIntegral(ui, "f", -1, 1);
  EXPECT_FALSE(IntegralCommand());
  AnswerIntegral(ui, "g", -1, 1);
  EXPECT_FALSE(IntegralCommand());
  EXPECT_EQ(ui.formsShown, 2);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].find("Runtime calculation error in user \r\nfunction f(x) when x=0\n"),
            0u);
  const std::string kAtA =
      "Runtime calculation error when computing user function f(x)\nat the lower limit of "
      "interval x=A\n";
  EXPECT_EQ(ui.messages[1].find(kAtA), 0u);
  EXPECT_NE(ui.output.find(kAtA + "\r\n"), std::string::npos);
}

TEST(Quanc8Test, AgreesWithKnownIntegrals) {
  auto cosine = [](double x) { return std::cos(x); };
  Quanc8Result r = Quanc8(0, 1.5707963267948966, 0, 1e-12, cosine);
  EXPECT_NEAR(r.result, 1.0, 1e-12);
  EXPECT_EQ(r.flag, 0.0);
  EXPECT_EQ(Quanc8(2, 2, 0, 1e-10, cosine).evaluations, 0);
  // A singularity exhausts the levels or the budget.
  auto steep = [](double x) { return 1.0 / std::sqrt(std::fabs(x - 0.3) + 1e-30); };
  EXPECT_NE(Quanc8(0, 1, 1e-20, 1e-14, steep).flag, 0.0);
}

// "New" and "Edit" act while the dialog stays open and select the function.
TEST_F(IntegrationTest, NewAndEditSelectTheFunctionTheyMade) {
  Function("a", "x");
  ui.AnswerForm<IntegralForm>([](IntegralForm& f) {
    f.function = "";
    return kEditFunction;  // nothing chosen
  });
  ui.AnswerForm<IntegralForm>([](IntegralForm&) { return kNewFunction; });
  ui.AnswerForm<FunctionEditForm>([](FunctionEditForm& f) {
    f.name = "sq";
    f.body = "x";
  });
  ui.AnswerForm<IntegralForm>([](IntegralForm& f) {
    EXPECT_EQ(f.function, "sq");
    return kEditFunction;
  });
  ui.AnswerForm<FunctionEditForm>([](FunctionEditForm& f) { f.body = "x*x"; });
  ui.AnswerForm<IntegralForm>([](IntegralForm& f) {
    EXPECT_EQ(f.functions, (std::vector<std::string>{"a", "sq"}));
    EXPECT_EQ(f.function, "sq");
    f.lower = 0;
    f.upper = 3;
  });
  EXPECT_TRUE(IntegralCommand());
  EXPECT_EQ(ui.messages, std::vector<std::string>{"No items selected in the list"});
  EXPECT_NE(ui.output.find("integral = 9\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tq::testing
