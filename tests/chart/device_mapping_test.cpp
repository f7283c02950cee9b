#include "chart/device_mapping.h"

#include <gtest/gtest.h>

#include "chart_fixture.h"

namespace tq {
namespace {

using testing::PreparedChart;

class DeviceMappingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    prepared.AddSeries({0}, {0});
    prepared.Scale();
  }
  PreparedChart prepared;
  DrawingState screen{220, 130, false, false, false};
  DrawingState printer{220, 130, true, false, false};
};

TEST_F(DeviceMappingTest, ScreenMapsTheTickRangeOntoThePlotArea) {
  double x = -10, y = -10;
  ASSERT_EQ(MapToDevice(x, y, prepared.chart, screen), 1);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(y, 110);  // bottom - 20
  x = 10, y = 10;
  MapToDevice(x, y, prepared.chart, screen);
  EXPECT_EQ(x, 210);  // right - 10
  EXPECT_EQ(y, 10);
}

TEST_F(DeviceMappingTest, PrinterYGrowsUpwards) {
  double x = -10, y = -10;
  MapToDevice(x, y, prepared.chart, printer);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(y, 10);
  x = 0, y = 10;
  MapToDevice(x, y, prepared.chart, printer);
  EXPECT_EQ(x, 110);
  EXPECT_EQ(y, 110);
}

TEST_F(DeviceMappingTest, CoordinatesBeyondTheLimitAreClippedAndFlagged) {
  double x = 1000, y = 0;  // 10 + 10 * 1010 = 10110
  MapToDevice(x, y, prepared.chart, screen);
  EXPECT_EQ(x, 4000);
  EXPECT_TRUE(screen.clipped);
  EXPECT_FALSE(screen.previousClipped);
  x = 0, y = -1000;  // 110 + 5 * 990 = 5060
  MapToDevice(x, y, prepared.chart, screen);
  EXPECT_EQ(y, 4000);
  EXPECT_TRUE(screen.clipped);
  EXPECT_TRUE(screen.previousClipped);
  x = -1000, y = 0;
  MapToDevice(x, y, prepared.chart, screen);
  EXPECT_EQ(x, -4000);
  x = 0, y = 0;
  MapToDevice(x, y, prepared.chart, screen);
  EXPECT_FALSE(screen.clipped);
  EXPECT_TRUE(screen.previousClipped);
}

TEST_F(DeviceMappingTest, ThePrinterLimitIsTenTimesLarger) {
  double x = 1000, y = 0;
  MapToDevice(x, y, prepared.chart, printer);
  EXPECT_EQ(x, 10110);
  EXPECT_FALSE(printer.clipped);
  x = 10000;
  MapToDevice(x, y, prepared.chart, printer);
  EXPECT_EQ(x, 40000);
  EXPECT_TRUE(printer.clipped);
}

TEST_F(DeviceMappingTest, NothingIsMappedWithoutReadySeriesOrTicks) {
  double x = 5, y = 5;
  prepared.chart.ReadySeries = 0;
  EXPECT_EQ(MapToDevice(x, y, prepared.chart, screen), 0);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  prepared.chart.ReadySeries = 1;
  prepared.chart.YTicks.valid = 0;
  x = y = 5;
  EXPECT_EQ(MapToDevice(x, y, prepared.chart, screen), 0);
  prepared.chart.YTicks.valid = 1;
  prepared.chart.XTicks.TickMax = prepared.chart.XTicks.TickMin + 1e-101;
  EXPECT_EQ(MapToDevice(x, y, prepared.chart, screen), 0);
}

}  // namespace
}  // namespace tq
