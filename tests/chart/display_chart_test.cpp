#include "chart/display_chart.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chart/chart_model.h"
#include "core/object_list.h"
#include "core/user_cancel.h"
#include "fake_series_functions.h"
#include "support/scripted_ui.h"
#include "workspace_objects.h"

namespace tq {
namespace {

using Strings = std::vector<std::string>;

class DisplayChartTest : public testing::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    testing::InstallFakeSeriesFunctions();
    testing::PutFunction("square", "x*x");
    testing::PutVector("zeros", {0, 0, 0});
    testing::PutVector("fives", {5, 5, 5});
    testing::PutVector("ys", {1, 2, 3});
  }
  void TearDown() override {
    SetSeriesFunctions({});
    WorkbenchTest::TearDown();
  }
  SeriesObject& Series(int32_t type, const char* source1, const char* source2) {
    return testing::AddSeries(chart, type, source1, source2);
  }
  // Displays the chart; records what the front end was shown.
  int32_t Display() {
    return DisplayChart(chart, [this](ChartObject& shownChart) {
      shown = true;
      tempsWhileShown = document.tempObjects.size();
      xTicks = shownChart.XTicks;
      return true;
    });
  }

  ChartObject chart;
  bool shown = false;
  size_t tempsWhileShown = 0;
  TickLayout xTicks;
};

TEST_F(DisplayChartTest, ShowsWithTicksAndPurgesAfterwards) {
  Series(SERIES_RANGE_FUNCTION, "", "square");
  EXPECT_EQ(Display(), 1);
  EXPECT_TRUE(shown);
  EXPECT_EQ(tempsWhileShown, 2u);
  EXPECT_TRUE(document.tempObjects.empty());
  EXPECT_EQ(xTicks.valid, 1);
  EXPECT_EQ(xTicks.TickMin, 0);
  EXPECT_EQ(xTicks.TickMax, 10);
  EXPECT_EQ(chart.SeriesList[0]->XData, nullptr);  // no pointer into the purged list
  EXPECT_EQ(ui.messages, Strings{});
}

TEST_F(DisplayChartTest, NoReadySeriesIsRefused) {
  EXPECT_EQ(Display(), 0);
  EXPECT_EQ(ui.messages, Strings{"Unable to display chart.\nInvalid or empty chart data"});
  Series(SERIES_RANGE_FUNCTION, "", "nothing");
  ui.messages.clear();
  EXPECT_EQ(Display(), 0);
  EXPECT_EQ(ui.messages, (Strings{"Error in chart data: unable to find function <nothing>",
                                  "Unable to display chart.\nInvalid or empty chart data"}));
  EXPECT_FALSE(shown);
  EXPECT_TRUE(document.tempObjects.empty());
}

TEST_F(DisplayChartTest, AllXZeroIsRefusedWithTheRangeMessage) {
  Series(SERIES_TWO_VECTORS, "zeros", "ys");
  EXPECT_EQ(Display(), 0);
  EXPECT_EQ(ui.messages,
            Strings{"Unable to display chart.\nInvalid range of horizontal or vertical "
                    "data values or empty chart data."});
}

TEST_F(DisplayChartTest, AllXFiveIsWidened) {
  Series(SERIES_TWO_VECTORS, "fives", "ys");
  EXPECT_EQ(Display(), 1);
  EXPECT_LE(xTicks.TickMin, 4.95);
  EXPECT_GE(xTicks.TickMax, 5.05);
}

TEST_F(DisplayChartTest, UserRangeIsUsedWithoutAutoRange) {
  Series(SERIES_TWO_VECTORS, "zeros", "ys");
  chart.Options = CHART_GRIDLINES;
  EXPECT_EQ(Display(), 1);
  EXPECT_EQ(xTicks.TickMin, -10);
  EXPECT_EQ(xTicks.TickStep, 5);
  chart.XMax = chart.XMin;
  EXPECT_EQ(Display(), 0);
  EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(DisplayChartTest, ACancelIsReportedAsSuch) {
  SeriesFunctions functions = CurrentSeriesFunctions();
  auto evaluate = functions.evaluate;
  functions.evaluate = [evaluate](double x, int32_t& status) {
    UserCancelled = 1;
    return evaluate(x, status);
  };
  SetSeriesFunctions(functions);
  Series(SERIES_RANGE_FUNCTION, "", "square");
  EXPECT_EQ(Display(), 0);
  EXPECT_EQ(ui.messages, Strings{"Calculation terminated by user.\n"});
  EXPECT_TRUE(document.tempObjects.empty());
}

TEST_F(DisplayChartTest, AFailedShowIsNotADisplay) {
  Series(SERIES_TWO_VECTORS, "fives", "ys");
  EXPECT_EQ(DisplayChart(chart, [](ChartObject&) { return false; }), 0);
}

}  // namespace
}  // namespace tq
