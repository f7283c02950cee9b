#include "chart/chart_view.h"

#include <gtest/gtest.h>

#include "chart/device_mapping.h"
#include "support/chart_support.h"

namespace tq {
namespace {

using testing::PreparedChart;

std::string Shown(const ChartObject& c) {
  return StringPrintf("view %g..%g %g..%g ticks %g..%g %g..%g", c.ViewXMin, c.ViewXMax,
                      c.ViewYMin, c.ViewYMax, c.XTicks.TickMin, c.XTicks.TickMax,
                      c.YTicks.TickMin, c.YTicks.TickMax);
}

class ChartViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    p.AddSeries({0, 1, 2, 3, 4}, {0, 2, 4, 6, 8});
    p.Scale();  // the user range -10..10 by -10..10
  }
  PreparedChart p;
  ChartObject& chart = p.chart;
};

// Screen points go back to the chart coordinates they were mapped from.
TEST_F(ChartViewTest, ScreenToChartInvertsTheScreenMapping) {
  for (auto [x, y] : {std::pair{-10.0, -10.0}, {10.0, 10.0}, {2.5, -7.5}}) {
    double px = x, py = y;
    DrawingState state{640, 480};
    ASSERT_EQ(MapToDevice(px, py, chart, state), 1);
    double bx = 0, by = 0;
    ASSERT_TRUE(ScreenToChart(chart, 640, 480, px, py, bx, by));
    EXPECT_DOUBLE_EQ(bx, x);
    EXPECT_DOUBLE_EQ(by, y);
  }
  chart.XTicks.valid = 0;
  double x = 0, y = 0;
  EXPECT_FALSE(ScreenToChart(chart, 640, 480, 100, 100, x, y));
}

TEST_F(ChartViewTest, ZoomPanAndResetChangeOnlyTheView) {
  EXPECT_TRUE(ZoomChartView(chart, 0, 0, 2));
  EXPECT_EQ(Shown(chart), "view -5..5 -5..5 ticks -5..5 -5..5");
  EXPECT_TRUE(ZoomChartView(chart, 5, 5, 0.5));  // out again about the corner
  EXPECT_EQ(Shown(chart), "view -15..5 -15..5 ticks -15..5 -15..5");
  EXPECT_TRUE(PanChartView(chart, 1, -2));
  EXPECT_EQ(Shown(chart), "view -14..6 -17..3 ticks -15..10 -20..5");
  EXPECT_TRUE(SetChartView(chart, 3, 1, 4, 2));  // corners in either order
  EXPECT_EQ(Shown(chart), "view 1..3 2..4 ticks 1..3 2..4");
  EXPECT_TRUE(ResetChartView(chart));
  EXPECT_EQ(Shown(chart), "view -10..10 -10..10 ticks -10..10 -10..10");
  chart.Options |= CHART_AUTO_RANGE;
  EXPECT_TRUE(ResetChartView(chart));
  EXPECT_EQ(Shown(chart), "view 0..4 0..8 ticks 0..4 0..8");
  EXPECT_EQ(StringPrintf("%d %g %g", chart.Options, chart.XMin, chart.YMax), "17 -10 10");
}

// A range without ticks leaves the view as it was.
TEST_F(ChartViewTest, RefusedRangesKeepTheView) {
  const std::string before = Shown(chart);
  EXPECT_FALSE(SetChartView(chart, 1, 1, 0, 1));
  EXPECT_FALSE(SetChartView(chart, 0, 1, 0, NAN));
  EXPECT_FALSE(ZoomChartView(chart, 0, 0, 0));
  EXPECT_FALSE(ZoomChartView(chart, 0, 0, 1e308));
  EXPECT_FALSE(PanChartView(chart, 1e308, 0));
  EXPECT_EQ(Shown(chart), before);
  EXPECT_EQ(chart.XTicks.valid, 1);
}

}  // namespace
}  // namespace tq
