#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_scale.h"

namespace tq {
namespace {

struct Scale {
  int32_t ok;
  double tickMin, tickMax, step;
  int32_t count;
};

Scale Scaled(double lo, double hi) {
  Scale s{};
  s.ok = NiceScale(lo, hi, s.tickMin, s.tickMax, s.step, s.count);
  return s;
}

TEST(NiceScale, DefaultUserRangeGivesStepFiveAndFiveTicks) {
  Scale s = Scaled(-10, 10);
  ASSERT_EQ(s.ok, 1);
  EXPECT_EQ(s.step, 5);
  EXPECT_EQ(s.tickMin, -10);
  EXPECT_EQ(s.tickMax, 10);
  EXPECT_EQ(s.count, 4);
}

TEST(NiceScale, TwoIntervalsAreHalvedOnce) {
  Scale s = Scaled(0, 100);  // step 50 with 2 intervals first
  ASSERT_EQ(s.ok, 1);
  EXPECT_EQ(s.step, 25);
  EXPECT_EQ(s.count, 4);
  Scale unit = Scaled(0, 1);
  ASSERT_EQ(unit.ok, 1);
  EXPECT_EQ(unit.step, 0.25);
  EXPECT_EQ(unit.count, 4);
}

TEST(NiceScale, EightIntervalsOrMoreAreDoubledOnce) {
  Scale s = Scaled(0, 9);  // step 1 with 9 intervals
  ASSERT_EQ(s.ok, 1);
  EXPECT_EQ(s.step, 2);
  EXPECT_EQ(s.tickMax, 10);
  EXPECT_EQ(s.count, 5);
}

TEST(NiceScale, AllZeroIsRefused) { EXPECT_EQ(Scaled(0, 0).ok, 0); }

TEST(NiceScale, ReversedRangeIsRefused) { EXPECT_EQ(Scaled(1, 0).ok, 0); }

TEST(NiceScale, ANarrowRangeIsWidenedByOnePercentOfItsMagnitude) {
  // All values 5: the range becomes 4.95..5.05.
  Scale s = Scaled(5, 5);
  ASSERT_EQ(s.ok, 1);
  EXPECT_LE(s.tickMin, 4.95);
  EXPECT_GE(s.tickMax, 5.05);
  EXPECT_GT(s.tickMin, 4.9);
  EXPECT_LT(s.tickMax, 5.1);
  EXPECT_NEAR(s.step, 0.02, 1e-15);
}

TEST(NiceScale, NonFiniteLimitsAreRefused) {
  EXPECT_EQ(Scaled(0, INFINITY).ok, 0);
  EXPECT_EQ(Scaled(NAN, 1).ok, 0);
  EXPECT_EQ(Scaled(-1e308, 1e308).ok, 0);  // the extent itself overflows
}

TEST(NiceScale, ExtremeButFiniteRangesStillScale) {
  Scale big = Scaled(-1e300, 1e300);
  ASSERT_EQ(big.ok, 1);
  EXPECT_GE(big.count, 3);
  Scale tiny = Scaled(1e-300, 3e-300);
  ASSERT_EQ(tiny.ok, 1);
  EXPECT_GE(tiny.count, 3);
}

}  // namespace
}  // namespace tq
