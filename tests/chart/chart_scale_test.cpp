#include "chart/chart_scale.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/device_mapping.h"
#include "support/chart_support.h"

namespace tq {
namespace {

using testing::PreparedChart;

std::string Scaled(double lo, double hi) {
  double tickMin, tickMax, step;
  int32_t count;
  if (!NiceScale(lo, hi, tickMin, tickMax, step, count)) return "refused";
  return StringPrintf("%g..%g step %g, %d", tickMin, tickMax, step, count);
}

TEST(NiceScale, TicksAndRefusals) {
  EXPECT_EQ(Scaled(-10, 10), "-10..10 step 5, 4");
  // Two intervals are halved once, eight or more doubled once.
  EXPECT_EQ(Scaled(0, 100), "0..100 step 25, 4");
  EXPECT_EQ(Scaled(0, 1), "0..1 step 0.25, 4");
  EXPECT_EQ(Scaled(0, 9), "0..10 step 2, 5");
  // All values 5: the range is widened by 1% of the magnitude to 4.95..5.05.
  EXPECT_EQ(Scaled(5, 5), "4.94..5.06 step 0.02, 6");
  EXPECT_EQ(Scaled(-1e300, 1e300), "-1e+300..1e+300 step 5e+299, 4");
  EXPECT_EQ(Scaled(1e-300, 3e-300), "5e-301..3e-300 step 5e-301, 4");
  EXPECT_EQ(
      (std::vector<std::string>{Scaled(0, 0), Scaled(1, 0), Scaled(0, INFINITY), Scaled(NAN, 1),
                                Scaled(-1e308, 1e308)}),  // the last extent overflows
      std::vector<std::string>(5, "refused"));
}

std::string AutoRange(ChartObject& c) {
  if (!ComputeAutoRange(c)) return "refused";
  return StringPrintf("%g..%g %g..%g", c.ViewXMin, c.ViewXMax, c.ViewYMin, c.ViewYMax);
}

TEST(ChartRange, AutoRangeSkipsMissingAndNaNPointsAndNeedsOneUsable) {
  PreparedChart prepared;
  EXPECT_EQ(AutoRange(prepared.chart), "refused");
  prepared.AddSeries({kMissingPoint}, {1});
  EXPECT_EQ(AutoRange(prepared.chart), "refused");
  prepared.AddSeries({-2, kMissingPoint, 3, NAN, 1}, {5, 0, -1, 100, 2e300});
  EXPECT_EQ(AutoRange(prepared.chart), "-2..3 -1..5");
}

TEST(ChartRange, PolarRangeComesFromTheConvertedPointsAndHugeOnesGoToTheOrigin) {
  PreparedChart prepared;
  prepared.chart.Options |= CHART_POLAR;
  prepared.AddSeries({0, M_PI / 2, M_PI}, {2, 3, 1});
  EXPECT_EQ(AutoRange(prepared.chart), "-1..2 0..3");
  auto origin = [](double angle, double radius) {
    ToCartesian(angle, radius);
    return angle == 0 && radius == 0;
  };
  EXPECT_EQ((std::vector<bool>{origin(2e18, 5), origin(1e18, 1), origin(0, 1e101)}),
            (std::vector<bool>{true, false, true}));
}

// In 220 x 130 the range -10..10 fills 10..210 across and 10..110 down.
TEST(DeviceMapping, ClippedBeyondFourThousandOnScreenAndFortyThousandOnPaper) {
  PreparedChart prepared;
  prepared.AddSeries({0}, {0});
  prepared.Scale();
  DrawingState screen{220, 130, false, false, false}, printer{220, 130, true, false, false};
  auto map = [&](double x, double y, DrawingState& state) {
    if (!MapToDevice(x, y, prepared.chart, state)) return StringPrintf("none %g,%g", x, y);
    return StringPrintf("%g,%g%s%s", x, y, state.clipped ? " clipped" : "",
                        state.previousClipped ? " after clipped" : "");
  };
  EXPECT_EQ(map(1000, 0, screen), "4000,60 clipped");                  // 10 + 10 * 1010 = 10110
  EXPECT_EQ(map(0, -1000, screen), "110,4000 clipped after clipped");  // 110 + 5 * 990 = 5060
  EXPECT_EQ(map(-1000, 0, screen), "-4000,60 clipped after clipped");
  EXPECT_EQ(map(0, 0, screen), "110,60 after clipped");
  EXPECT_EQ(map(1000, 0, printer), "10110,60");
  EXPECT_EQ(map(10000, 0, printer), "40000,60 clipped");
  // Nothing is mapped without ready series or ticks.
  prepared.chart.YTicks.valid = 0;
  EXPECT_EQ(map(5, 5, screen), "none 0,0");
  prepared.chart.YTicks.valid = 1;
  prepared.chart.XTicks.TickMax = prepared.chart.XTicks.TickMin + 1e-101;
  EXPECT_EQ(map(5, 5, screen), "none 0,0");
  prepared.chart.ReadySeries = 0;
  EXPECT_EQ(map(5, 5, screen), "none 0,0");
}

}  // namespace
}  // namespace tq
