#include "stats/special_functions.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "core/operation_status.h"
#include "reference_statistics.h"
#include "support/scripted_ui.h"

namespace tq {
namespace {

class SpecialFunctionsTest : public testing::WorkbenchTest {
 protected:
  std::string Message() const { return std::string(OperationMessage()); }
};

// The continued fractions stop when a step changes the value by less than
// 3e-7 relative; the results are at least that close to the exact values.
constexpr double kPromised = 3e-7;

TEST_F(SpecialFunctionsTest, LogGammaMatchesTheLibrary) {
  for (double x : {0.5, 1.0, 1.5, 2.0, 3.7, 10.0, 55.5, 170.0})
    EXPECT_NEAR(StatLogGamma(x), std::lgamma(x), 1e-9 * std::max(1.0, std::fabs(std::lgamma(x))))
        << x;
}

TEST_F(SpecialFunctionsTest, IncompleteBetaAgreesWithItsSeries) {
  for (double a : {0.5, 1.0, 2.5, 3.0, 7.5, 20.0})
    for (double b : {0.5, 1.5, 2.0, 4.0, 12.5})
      for (double x : {0.0, 0.01, 0.2, 0.45, 0.5, 0.7, 0.93, 0.999, 1.0}) {
        double expected = double(reference::IncompleteBeta(a, b, x));
        EXPECT_NEAR(IncompleteBeta(a, b, x), expected, kPromised * std::max(expected, 1e-3))
            << a << " " << b << " " << x;
      }
  EXPECT_EQ(Message(), "");
}

TEST_F(SpecialFunctionsTest, UpperIncompleteGammaAgreesWithItsSeries) {
  for (double a : {0.5, 1.0, 1.5, 3.0, 4.5, 10.0})
    for (double x : {0.0, 0.1, 0.5, 1.0, 2.0, 3.5, 7.0, 12.0}) {
      double expected = double(reference::UpperIncompleteGamma(a, x));
      EXPECT_NEAR(gammq(a, x), expected, kPromised * std::max(expected, 1e-3))
          << a << " " << x;
    }
}

TEST_F(SpecialFunctionsTest, InvalidArgumentsAreRecordedOutsideAProtectedCall) {
  struct {
    double value;
    const char* message;
  } rows[] = {
      {IncompleteBeta(1, 1, -0.1), "Invalid parameter x for incomplete beta function"},
      {IncompleteBeta(1, 1, 1.5), "Invalid parameter x for incomplete beta function"},
      {gammq(0.0, 1.0), "Invalid arguments in routine gammq"},
      {gammq(1.0, -1.0), "Invalid arguments in routine gammq"},
  };
  for (const auto& row : rows) EXPECT_EQ(row.value, 0.0);
  EXPECT_EQ(Message(), "Numerical library error\nInvalid arguments in routine gammq\n");
  double lnGamma = 0;
  EXPECT_EQ(gser(2.0, -1.0, lnGamma), 0.0);
  EXPECT_EQ(Message(), "Numerical library error\nx less than 0 in routine gser\n");
  EXPECT_EQ(gser(2.0, 0.0, lnGamma), 0.0);
}

TEST_F(SpecialFunctionsTest, NonConvergenceHasTheRoutinesText) {
  double lnGamma = 0;
  gser(500.0, 499.0, lnGamma);
  EXPECT_EQ(Message(), "Numerical library error\na too large, ITMAX too small in routine gser\n");
  ResetOperationStatus();
  gcf(1e6, 1e6 + 2.0, lnGamma);
  EXPECT_EQ(Message(), "Numerical library error\na too large, ITMAX too small in gcf\n");
  ResetOperationStatus();
  BetaContinuedFraction(1e5, 1e5, 0.5);
  EXPECT_EQ(Message(),
            "Numerical library error\nInvalid parameters for incomplete beta function, x or y is "
            "too big, or MAXIT too small\n");
}

}  // namespace
}  // namespace tq
