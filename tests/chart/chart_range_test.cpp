#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_model.h"
#include "chart/chart_scale.h"
#include "chart_fixture.h"
#include "core/math_object.h"

namespace tq {
namespace {

using testing::PreparedChart;

TEST(ChartRange, AutoRangeIgnoresMissingAndNaNPoints) {
  PreparedChart prepared;
  ChartObject& chart = prepared.chart;
  prepared.AddSeries({-2, kMissingPoint, 3, NAN, 1}, {5, 0, -1, 100, 2e300});
  ASSERT_EQ(ComputeAutoRange(chart), 1);
  EXPECT_EQ(chart.ViewXMin, -2);
  EXPECT_EQ(chart.ViewXMax, 3);
  EXPECT_EQ(chart.ViewYMin, -1);
  EXPECT_EQ(chart.ViewYMax, 5);
}

TEST(ChartRange, AutoRangeFailsWithoutUsablePoints) {
  PreparedChart prepared;
  ChartObject& chart = prepared.chart;
  EXPECT_EQ(ComputeAutoRange(chart), 0);
  prepared.AddSeries({kMissingPoint}, {1});
  EXPECT_EQ(ComputeAutoRange(chart), 0);
}

TEST(ChartRange, AllXZeroPassesTheRangeButNotTheTicks) {
  PreparedChart prepared;
  ChartObject& chart = prepared.chart;
  prepared.AddSeries({0, 0, 0}, {1, 2, 3});
  ASSERT_EQ(ComputeAutoRange(chart), 1);
  EXPECT_EQ(ComputeTicks(chart), 0);
  EXPECT_EQ(chart.XTicks.valid, 0);
  EXPECT_EQ(chart.YTicks.valid, 0);  // both or neither
}

TEST(ChartRange, PolarRangeComesFromTheConvertedPoints) {
  PreparedChart prepared;
  ChartObject& chart = prepared.chart;
  chart.Options |= CHART_POLAR;
  prepared.AddSeries({0, M_PI / 2, M_PI}, {2, 3, 1});
  ASSERT_EQ(ComputeAutoRange(chart), 1);
  EXPECT_NEAR(chart.ViewXMin, -1, 1e-12);
  EXPECT_NEAR(chart.ViewXMax, 2, 1e-12);
  EXPECT_NEAR(chart.ViewYMin, 0, 1e-12);
  EXPECT_NEAR(chart.ViewYMax, 3, 1e-12);
}

TEST(ChartRange, HugeAngleOrRadiusGoesToTheOrigin) {
  double angle = 2e18, radius = 5;
  ToCartesian(angle, radius);
  EXPECT_EQ(angle, 0);
  EXPECT_EQ(radius, 0);
  angle = 1e18;  // still converted
  radius = 1;
  ToCartesian(angle, radius);
  EXPECT_NE(angle * angle + radius * radius, 0);
  angle = 0;
  radius = 1e101;
  ToCartesian(angle, radius);
  EXPECT_EQ(angle, 0);
  EXPECT_EQ(radius, 0);
}

TEST(ChartRange, UserRangeNeedsAPositiveExtentOnBothAxes) {
  ChartObject chart;
  EXPECT_EQ(UseUserRange(chart), 1);
  EXPECT_EQ(chart.ViewXMin, -10);
  EXPECT_EQ(chart.ViewYMax, 10);
  chart.YMax = chart.YMin;
  EXPECT_EQ(UseUserRange(chart), 0);
}

}  // namespace
}  // namespace tq
