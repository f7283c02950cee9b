#include <cmath>

#include <gtest/gtest.h>

#include "numeric/integration.h"
#include "numeric_test.h"

namespace tq::testing {
namespace {

using IntegrationTest = NumericTest;

TEST_F(IntegrationTest, ToleranceRefusalsThenTheSquareOnZeroToThree) {
  AddFunction("f", "x*x");
  Integral("f", 0, 3, 1e-20, 1e-17);
  Integral("f", 0, 3, 1e-20, 2);
  Integral("f", 0, 3, 1e-101, 1e-10);
  Integral("f", 0, 3);
  EXPECT_TRUE(IntegralCommand());
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "Error:\nInvalid arguments. \nError tolerance must be positive value greater than "
                "1.E-16.\n",
                "Error:\nInvalid arguments. \nError tolerance value is too big.\n",
                "Error:\nError tolerance must be greater than 1.E-100"}));
  const std::string kHead = "Calculating integral of function f(x)\r\non the interval from 0 to 3\r\n";
  // The refusals of the engine follow its heading.
  EXPECT_EQ(ui.output.substr(0, ui.output.find("residual")),
            kHead + kHead + kHead + "integral = 9\r\n");
  EXPECT_EQ(ui.output.find("Warning"), std::string::npos);
}

TEST_F(IntegrationTest, APoleAtTheMidpointEndsTheIntegration) {
  AddFunction("f", "1/x");
  Integral("f", -1, 1);
  EXPECT_FALSE(IntegralCommand());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].find("Runtime calculation error in user \r\nfunction f(x) when x=0\n"),
            0u);
  EXPECT_EQ(ui.formsShown, 1);
}

TEST_F(IntegrationTest, AFailureAtALimitIsShownAndReported) {
  AddFunction("f", "sqrt(x)");
  Integral("f", -1, 1);
  EXPECT_FALSE(IntegralCommand());
  ASSERT_EQ(ui.messages.size(), 1u);
  const std::string kAtA =
      "Runtime calculation error when computing user function f(x)\nat the lower limit of "
      "interval x=A\n";
  EXPECT_EQ(ui.messages[0].rfind(kAtA, 0), 0u);
  EXPECT_NE(ui.output.find(kAtA + "\r\n"), std::string::npos);
}

double Cosine(double x) { return std::cos(x); }
double Steep(double x) { return 1.0 / std::sqrt(std::fabs(x - 0.3) + 1e-30); }

TEST(Quanc8Test, AgreesWithKnownIntegrals) {
  Quanc8Result r = Quanc8(0, 1.5707963267948966, 0, 1e-12, Cosine);
  EXPECT_NEAR(r.result, 1.0, 1e-12);
  EXPECT_EQ(r.flag, 0.0);
  EXPECT_EQ(Quanc8(2, 2, 0, 1e-10, Cosine).evaluations, 0);
  Quanc8Result hard = Quanc8(0, 1, 1e-20, 1e-14, Steep);
  EXPECT_NE(hard.flag, 0.0);  // the singularity exhausts levels or budget
}

}  // namespace
}  // namespace tq::testing
