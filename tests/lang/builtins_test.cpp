// The built-in functions, with gamma, its logarithm and the Fresnel
// integrals against known values.
#include <cmath>

#include "lang/builtins.h"
#include "lang_test.h"

namespace tq::testing {
namespace {

using lang::Fresnel;
using lang::Gamma;
using lang::LogGamma;

double G(double x) {
  int32_t status = 0;
  double value = Gamma(x, &status);
  EXPECT_EQ(status, 0) << x;
  return value;
}

TEST(GammaTest, KnownValues) {
  EXPECT_NEAR(G(5), 24, 1e-12);
  EXPECT_EQ(G(1), 1.0);
  EXPECT_NEAR(G(0.5), 1.7724538509, 1e-8);
  EXPECT_NEAR(G(-0.5), -3.5449077018, 1e-6);
  EXPECT_NEAR(G(4.5), 11.6317283966, 1e-8);
  EXPECT_NEAR(G(0.75), 1.2254167024, 1e-7);  // this routine's pi is 3.14159268
}

TEST(GammaTest, ZeroAndNegativeIntegersAreRefused) {
  int32_t status = 0;
  Gamma(0, &status);
  EXPECT_EQ(status, 1);
  for (double x : {-1.0, -2.0, -3.0, -10.0}) {
    status = 0;
    Gamma(x, &status);
    EXPECT_EQ(status, 2) << x;
  }
}

TEST(GammaTest, HugeAndNanArgumentsEndQuickly) {
  int32_t status = 0;
  EXPECT_TRUE(std::isinf(Gamma(1e300, &status)));
  EXPECT_TRUE(std::isnan(Gamma(NAN, &status)));
  EXPECT_EQ(status, 0);
}

TEST(LogGammaTest, KnownValues) {
  EXPECT_NEAR(LogGamma(1), 0, 1e-9);
  EXPECT_NE(LogGamma(1), 0.0);
  EXPECT_NEAR(LogGamma(10), std::log(362880.0), 1e-9);
}

TEST(FresnelTest, KnownValues) {
  double c, s;
  Fresnel(0, &c, &s);
  EXPECT_EQ(c, 0);
  EXPECT_EQ(s, 0);
  Fresnel(1, &c, &s);
  EXPECT_NEAR(c, 0.7798934004, 1e-6);
  EXPECT_NEAR(s, 0.4382591474, 1e-6);
  double cm, sm;
  Fresnel(-1, &cm, &sm);
  EXPECT_EQ(cm, -c);
  EXPECT_EQ(sm, -s);
  Fresnel(2.5, &c, &s);
  EXPECT_NEAR(c, 0.4574130, 1e-6);
  EXPECT_NEAR(s, 0.6191818, 1e-6);
  Fresnel(100, &c, &s);
  EXPECT_NEAR(c, 0.5, 0.01);
  EXPECT_NEAR(s, 0.5, 0.01);
}

class BuiltinCallTest : public LangTest {};

TEST_F(BuiltinCallTest, ElementaryFunctions) {
  EXPECT_EQ(Run("sech(0)"), 1);
  EXPECT_NEAR(Run("arctanh(0.5)"), 0.5493061443, 1e-9);
  EXPECT_EQ(Run("exp(1)"), std::exp2(1.4426950408889634));
  EXPECT_EQ(Run("log(1000)"), 3);
  EXPECT_EQ(Run("ln(1)"), 0);
  EXPECT_EQ(Run("abs(-3)"), 3);
  EXPECT_EQ(Run("sqrt(16)"), 4);
  EXPECT_NEAR(Run("frens(1)"), 0.4383, 1e-4);
  EXPECT_NEAR(Run("gamma(5)"), 24, 1e-12);
  EXPECT_NEAR(Run("loggamma(3)"), std::log(2.0), 1e-9);
}

}  // namespace
}  // namespace tq::testing
