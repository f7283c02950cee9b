#include "stats/significance_tests.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "stats/special_functions.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

// Independent references in long double: I_x(a, b) by its hypergeometric series
// for x <= 1/2 (symmetry for the rest), Q(a, x) = 1 - P(a, x) by the series of P.
long double RefBeta(long double a, long double b, long double x) {
  if (x <= 0) return 0;
  if (x >= 1) return 1;
  if (x > 0.5L) return 1 - RefBeta(b, a, 1 - x);
  long double sum = 0, term = 1;
  for (int n = 0; n < 100000 && term > 1e-30L * sum; ++n) {
    sum += term;
    term *= x * (a + b + n) / (a + 1 + n);
  }
  long double front = a * std::log(x) + b * std::log1p(-x) - std::log(a);
  return std::exp(front - std::lgamma(a) - std::lgamma(b) + std::lgamma(a + b)) * sum;
}
long double RefGammaQ(long double a, long double x) {
  if (x <= 0) return 1;
  long double term = 1 / a, sum = term;
  for (int n = 1; n < 100000 && term > 1e-30L * sum; ++n) sum += term *= x / (a + n);
  return 1 - std::exp(-x + a * std::log(x) - std::lgamma(a)) * sum;
}
long double RefStudent(long double t, long double df) {
  return RefBeta(df / 2, 0.5L, df / (df + t * t));
}

// The continued fractions stop at a relative change below 3e-7.
constexpr double kPromised = 3e-7;
const std::string kLib = "Numerical library error\n";
const std::string kShort =
    "Invalid arguments.\nVectors are too short\nEach distribution must have at least 4 samples.\n";

class SignificanceTest : public testing::WorkbenchTest {
 protected:
  double At(const char* name, int i) { return Get<VectorObject>(name)->at(i); }
};

TEST_F(SignificanceTest, SpecialFunctionsAgreeWithTheirSeries) {
  for (double x : {0.5, 1.0, 3.7, 55.5, 170.0})
    EXPECT_NEAR(StatLogGamma(x), std::lgamma(x), 1e-9 * std::max(1.0, std::fabs(std::lgamma(x))));
  for (double a : {0.5, 1.0, 2.5, 7.5, 20.0})
    for (double b : {0.5, 1.5, 4.0, 12.5})
      for (double x : {0.0, 0.01, 0.45, 0.5, 0.7, 0.999, 1.0}) {
        double expected = double(RefBeta(a, b, x));
        EXPECT_NEAR(IncompleteBeta(a, b, x), expected, kPromised * std::max(expected, 1e-3))
            << a << " " << b << " " << x;
      }
  for (double a : {0.5, 1.0, 3.0, 10.0})
    for (double x : {0.0, 0.1, 1.0, 3.5, 12.0}) {
      double expected = double(RefGammaQ(a, x));
      EXPECT_NEAR(gammq(a, x), expected, kPromised * std::max(expected, 1e-3)) << a << " " << x;
    }
  EXPECT_EQ(Message(), "");
}

TEST_F(SignificanceTest, SpecialFunctionFailuresAreRecorded) {
  EXPECT_EQ(IncompleteBeta(1, 1, 1.5), 0.0);
  EXPECT_EQ(Message(), kLib + "Invalid parameter x for incomplete beta function\n");
  EXPECT_EQ(gammq(0.0, 1.0), 0.0);
  EXPECT_EQ(gammq(1.0, -1.0), 0.0);
  EXPECT_EQ(Message(), kLib + "Invalid arguments in routine gammq\n");
  double lnGamma = 0;
  EXPECT_EQ(gser(2.0, -1.0, lnGamma), 0.0);
  EXPECT_EQ(Message(), kLib + "x less than 0 in routine gser\n");
  gser(500.0, 499.0, lnGamma);
  EXPECT_EQ(Message(), kLib + "a too large, ITMAX too small in routine gser\n");
  gcf(1e6, 1e6 + 2.0, lnGamma);
  EXPECT_EQ(Message(), kLib + "a too large, ITMAX too small in gcf\n");
  BetaContinuedFraction(1e5, 1e5, 0.5);
  EXPECT_EQ(Message(), kLib + "Invalid parameters for incomplete beta function, x or y is too "
                              "big, or MAXIT too small\n");
}

TEST_F(SignificanceTest, EachTTestTypeGivesItsTAndSignificance) {
  Vector("a", {1, 2, 3, 4});
  Vector("b", {2, 3, 4, 6});  // variances 5/3 and 35/12; paired differences -1, -1, -1, -2
  const double s = (5.0 / 3 + 35.0 / 12) / 4;
  const double welch = s * s / ((25.0 / 144 + 1225.0 / 2304) / 3);
  const struct {
    int32_t type;
    double t, df;
  } rows[] = {{TTEST_EQUAL_VARIANCE, -1.25 / std::sqrt(s), 6},
              {TTEST_UNEQUAL_VARIANCE, -1.25 / std::sqrt(s), welch},
              {TTEST_PAIRED, -5.0, 3}};
  for (const auto& row : rows) {
    ASSERT_EQ(StudentTTest("a", "b", "t", row.type), 1);
    EXPECT_NEAR(At("t", 1), row.t, 1e-12) << row.type;
    EXPECT_NEAR(At("t", 2), double(RefStudent(row.t, row.df)), kPromised) << row.type;
  }
}

TEST_F(SignificanceTest, FTestIsSymmetricAndPutsTheLargerVarianceOnTop) {
  Vector("a", {-2, 0, 0, 0, 0, 2});  // variance 8/5, 5 degrees of freedom
  Vector("b", {-4, 0, 0, 4});        // variance 32/3, 3 degrees of freedom
  ASSERT_EQ(FTest("a", "b", "ab"), 1);
  ASSERT_EQ(FTest("b", "a", "ba"), 1);
  EXPECT_NEAR(At("ab", 1), 20.0 / 3, 1e-14);
  EXPECT_EQ(At("ba", 1), At("ab", 1));
  EXPECT_EQ(At("ba", 2), At("ab", 2));
  EXPECT_NEAR(At("ab", 2), double(2 * RefBeta(2.5L, 1.5L, 0.2L)), kPromised);
}

TEST_F(SignificanceTest, ZeroVariancesAreRefusedOrTrapped) {
  Vector("c", {3, 3, 3, 3});
  Vector("d", {1, 2, 3, 4});
  Vector("out", {5});
  const std::string kF = kLib + "Unable to compute F-test. ";
  Refused(FTest("c", "d", "out"), kF + "First distribution has zero variance.\n");
  Refused(FTest("d", "c", "out"), kF + "Second distribution has zero variance.\n");
  Vector("e", {2, 2, 2, 2});
  for (int32_t type : {TTEST_EQUAL_VARIANCE, TTEST_UNEQUAL_VARIANCE, TTEST_PAIRED}) {
    SCOPED_TRACE(type);
    Refused(StudentTTest("c", "e", "out", type), "Floating point error\nDivide by zero\n");
    Refused(StudentTTest("c", "c", "out", type), "Floating point error\nInvalid operation\n");
  }
  EXPECT_EQ(Get<VectorObject>("out")->size, 1);
  EXPECT_EQ(At("out", 1), 5.0);
  EXPECT_EQ(document.objects.size(), 4u);
}

TEST_F(SignificanceTest, ChiSquareSkipsEmptyBinsAndRefusesBadExpectedCounts) {
  Vector("a", {10, 0, 7, 12, 5});
  Vector("b", {8, 0, 9, 15, 2});
  EXPECT_TRUE(CheckChiSquareArguments("a", "b", "c"));
  Refused(ChiSquareTest("a", "b", "c", 2, 0), "Invalid problem type parameter\n");
  Refused(ChiSquareTest("a", "b", "c", CHISQUARE_OBSERVED, 6), "Invalid problem type parameter\n");
  ASSERT_EQ(ChiSquareTest("a", "b", "c", CHISQUARE_OBSERVED, 1), 1);
  // The empty bin adds nothing and lowers the degrees of freedom: 5 - 1 - 1.
  long double chi = 4.0L / 18 + 4.0L / 16 + 9.0L / 27 + 9.0L / 7;
  EXPECT_NEAR(At("c", 1), double(chi), 1e-14);
  EXPECT_NEAR(At("c", 2), double(RefGammaQ(1.5L, chi / 2)), kPromised);

  Vector("obs", {18, 22, 29, 31});
  Vector("exp", {25, 25, 25, 25});
  ASSERT_EQ(ChiSquareTest("obs", "exp", "c", CHISQUARE_EXPECTED, 0), 1);
  chi = (49.0L + 9 + 16 + 36) / 25;
  EXPECT_NEAR(At("c", 1), double(chi), 1e-14);
  EXPECT_NEAR(At("c", 2), double(RefGammaQ(2, chi / 2)), kPromised);
  Vector("bad", {25, 0, 25, 25});
  Refused(ChiSquareTest("obs", "bad", "c2", CHISQUARE_EXPECTED, 0), kLib + "Bad expected number in chsone\n");
  // Five constraints: negative degrees of freedom.
  Refused(ChiSquareTest("obs", "exp", "c2", CHISQUARE_OBSERVED, 5), kLib + "Invalid arguments in routine gammq\n");
  Refused(ChiSquareTest("a", "obs", "c2", CHISQUARE_OBSERVED, 0),
          "Vectors must have same number of elements.\nOperation failed\n");
  EXPECT_EQ(FindObject("c2", OBJMASK_ANY), nullptr);
}

TEST_F(SignificanceTest, MessagesInCheckOrder) {
  const std::string kNotFound = " source vector with the specified name\n";
  Vector("four", {1, 2, 3, 4});
  Vector("five", {1, 2, 3, 4, 5});
  Vector("three", {1, 2, 3});
  Matrix("M", 2, 2, {1, 2, 3, 4});
  Refused(StudentTTest("", "four", "t", 0), "Invalid 1st vector name\n");
  Refused(StudentTTest("four", std::string(1001, 'x'), "t", 0), "Invalid 2nd vector name\n");
  Refused(StudentTTest("four", "four", "", 0), "Invalid destination vector name\n");
  Refused(StudentTTest("nothing", "four", "t", 3), "Invalid problem type parameter\n");
  Refused(StudentTTest("four", "four", "t", -1), "Invalid problem type parameter\n");
  Refused(StudentTTest("M", "four", "t", 0), "Unable to find 1st" + kNotFound);
  Refused(StudentTTest("four", "M", "t", 0), "Unable to find 2nd" + kNotFound);
  Refused(StudentTTest("three", "five", "t", TTEST_PAIRED),
          "Invalid arguments. \nVectors have different sizes. \nTwo distributions must have "
          "equal number of samples.\n");
  Refused(StudentTTest("three", "four", "t", 0), kShort);
  Refused(StudentTTest("four", "three", "t", 1), kShort);
  // The same checks guard the other tests; the chi-square test then asks
  // for no options.
  Refused(FTest("three", "four", "f"), kShort);
  Refused(CheckChiSquareArguments("four", "M", "c"), "Unable to find 2nd" + kNotFound);
  EXPECT_EQ(ui.formsShown, 0);
  SetCurrentDocument(nullptr);
  Refused(FTest("four", "four", "f"), "Pointer on math objects list is corrupted\n");
}

}  // namespace
}  // namespace tq
