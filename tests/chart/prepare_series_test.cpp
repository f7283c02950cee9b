#include "chart/prepare_series.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "chart/display_chart.h"
#include "core/element_block.h"
#include "core/ui_port.h"
#include "core/user_cancel.h"
#include "support/chart_support.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

using Strings = std::vector<std::string>;

const std::string kE = "Error in chart data: ";
const std::string kNoFunction = kE + "unable to find function <nothing>";
const std::string kPoints = kE + "invalid number of data points.";
const std::string kRange = kE +
                           "maximum of coordinate x must be greater than minimum.\nPlease correct "
                           "maximum and minimum values.";
const std::string kNotShown = "Unable to display chart.\nInvalid or empty chart data";

class PrepareSeriesTest : public testing::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    testing::InstallFakeSeriesFunctions(&evaluations);
    for (auto& [name, values] : std::vector<std::pair<const char*, std::vector<double>>>{
             {"vx", {-1, 0, 1, 2}}, {"vy", {1, 2, 3}}, {"one", {7}}, {"zeros", {0, 0, 0}},
             {"wide", {1, 2e300, 3}}})
      Vector(name, values);
    for (auto [name, body] :
         {std::pair{"square", "x*x"}, {"inverse", "1/x"}, {"broken", "fail"}, {"refused", "???"}})
      Function(name, body);
  }
  SeriesObject& Series(int32_t type, std::string source1 = "", std::string source2 = "") {
    return testing::AddSeries(chart, type, source1, source2);
  }
  Strings Prepare() {
    ui.messages.clear();
    PrepareSeries(chart, ShowMessage);
    return ui.messages;
  }
  // Each row applies its edits to the series, prepares and expects the one
  // message, or none for "".
  void Walk(SeriesObject& s, const std::vector<std::pair<std::string, std::string>>& rows) {
    for (const auto& [edits, message] : rows) {
      testing::ForEachEdit(edits, [&](const std::string& field, const std::string& value) {
        const double number = std::strtod(value.c_str(), nullptr);
        if (field == "Source1") s.Source1 = value;
        if (field == "Source2") s.Source2 = value;
        if (field == "RangeMin") s.RangeMin = number;
        if (field == "RangeMax") s.RangeMax = number;
        if (field == "PointCount") s.PointCount = number;
      });
      EXPECT_EQ(Prepare(), message.empty() ? Strings{} : Strings{message}) << edits;
    }
  }
  // Displays the chart; records what the front end was shown.
  int32_t Display() {
    ui.messages.clear();
    return DisplayChart(
        chart,
        [this](ChartObject& shownChart) {
          tempsWhileShown = document.tempObjects.size();
          xTicks = shownChart.XTicks;
          return true;
        },
        ShowMessage);
  }

  ChartObject chart;
  int evaluations = 0;
  size_t tempsWhileShown = 0;
  TickLayout xTicks;
};

TEST_F(PrepareSeriesTest, RangeFunctionChecksInOrder) {
  SeriesObject& s = Series(SERIES_RANGE_FUNCTION);
  Walk(s, {{"", kE + "invalid function name."},
           {"Source2=nothing", kNoFunction},
           {"Source2=square;RangeMin=9.99999999995;PointCount=5", kRange},  // before the count
           {"RangeMax=inf;RangeMin=1", kRange},
           {"RangeMax=10", kPoints},
           {"PointCount=nan", kPoints},
           {"PointCount=20001", kPoints},
           {"Source2=refused;PointCount=10", testing::kFakeCheckMessage}});
  EXPECT_EQ(evaluations, 0);
  Walk(s, {{"Source2=broken",
            kE + "Function is unable to calculate Y values for at least two different X points. "
                 "Function may be invalid or not defined on specified interval of X."}});
  EXPECT_EQ(chart.ReadySeries, 0);
}

TEST_F(PrepareSeriesTest, RangeFunctionPointsAndTheirFailures) {
  SeriesObject& s = Series(SERIES_RANGE_FUNCTION, "", "square");
  Walk(s, {{"RangeMin=0;RangeMax=1;PointCount=20000", ""}});
  EXPECT_EQ(s.Count, 20000);
  EXPECT_DOUBLE_EQ(s.XData->at(20000), 1);
  EXPECT_DOUBLE_EQ(s.YData->at(20000), 1);
  EXPECT_EQ(document.tempObjects.size(), 2u);
  Walk(s, {{"Source2=inverse;RangeMin=-1;PointCount=11.9", ""}});  // the count is truncated
  ASSERT_EQ(s.Count, 11);
  EXPECT_EQ(s.YData->at(1), -1);
  EXPECT_EQ(s.XData->at(6), 0);
  EXPECT_EQ(s.YData->at(6), kMissingPoint);  // a failed point holds the marker
}

TEST_F(PrepareSeriesTest, VectorOfXChecksInOrder) {
  SeriesObject& s = Series(SERIES_X_VECTOR_FUNCTION);
  Walk(s, {{"", kE + "invalid function name."},
           {"Source2=nothing", kNoFunction},
           {"Source2=refused", kE + "invalid horizontal data vector name."},  // before the check
           {"Source1=nothing", kE + "unable to find horizontal data vector <nothing>"},
           {"Source1=one", kE + "too small data vector. Horizontal values vector must have at "
                                "least two elements"},
           {"Source1=vx", testing::kFakeCheckMessage},
           {"Source2=broken",
            kE + "Function is unable to calculate Y values for at least two different X points. "
                 "Function may be invalid or not defined on specified vector of horizontal data "
                 "X."}});
  evaluations = 0;
  Walk(s, {{"Source1=wide;Source2=square", ""}});
  EXPECT_EQ(s.Count, 3);
  EXPECT_EQ(s.YData->at(2), kMissingPoint);  // too large to evaluate
  EXPECT_EQ(s.YData->at(3), 9);
  EXPECT_EQ(evaluations, 2);
}

TEST_F(PrepareSeriesTest, VectorOfYChecksInOrder) {
  SeriesObject& s = Series(SERIES_Y_VECTOR_FUNCTION, "square");
  Walk(s, {{"", kE + "invalid vertical data vector name."},
           {"Source2=nothing", kE + "unable to find vertical data vector <nothing>"},
           {"Source2=one", kE + "too small data vector. Vertical values vector must have at "
                                "least two elements"},
           {"Source1=broken;Source2=vx",
            kE + "Function is unable to calculate X values for at least two different X points. "
                 "Function may be invalid or not defined on specified vector of horizontal data "
                 "X."},
           {"Source1=square", ""}});
  EXPECT_EQ(s.YData, FindObject("vx", OBJMASK_VECTOR));
  EXPECT_EQ(s.XData->at(1), 1);
}

TEST_F(PrepareSeriesTest, ParametricChecksInOrder) {
  SeriesObject& s = Series(SERIES_PARAMETRIC, "", "square");
  const std::string empty = kE + "invalid or empty function name.";
  const std::string failed = kE +
                             "Unable to calculate X and Y values for at least two different "
                             "points. Function may be inavlid or not defined on specified "
                             "interval of parameter x.";
  Walk(s, {{"", empty},
           {"Source1=nothing", kNoFunction},
           {"Source1=square;PointCount=9", kPoints},
           {"PointCount=10;Source2=", empty},  // the second function's checks are the same
           {"Source2=broken", failed},
           {"Source1=broken;Source2=square", failed},  // no point although Y succeeds
           {"Source1=inverse;RangeMin=-1;RangeMax=1;PointCount=11", ""}});
  EXPECT_EQ(s.XData->at(6), kMissingPoint);
  EXPECT_EQ(s.YData->at(6), 0);
  s.Source2 = "refused";
  EXPECT_EQ(Prepare(), (Strings{testing::kFakeCheckMessage, failed}));
}

TEST_F(PrepareSeriesTest, TemporaryVectorFailureIsReported) {
  SeriesObject& s = Series(SERIES_RANGE_FUNCTION, "", "square");
  SetAllocationFailureAfter(1);  // X is made, Y is not
  EXPECT_EQ(Prepare(),
            Strings{kE + "Program is unable to create temporary data vector.\nPossibly not "
                         "enough memory."});
  EXPECT_EQ(s.Ready, 0);
}

// Missing vectors, invalid functions and unknown types are left out silently.
TEST_F(PrepareSeriesTest, EachFailingSeriesIsLeftOutAndTheOthersPrepared) {
  Series(SERIES_TWO_VECTORS, "vx", "vy");
  Series(SERIES_RANGE_FUNCTION, "", "nothing");
  Series(7, "vx", "vy");
  Series(SERIES_TWO_VECTORS, "vx", "nothing");
  Function("stale", "x*x", STATUS_FAILED);
  Series(SERIES_RANGE_FUNCTION, "", "stale");
  SeriesObject& stale = Series(SERIES_TWO_VECTORS, "vx", "vy");
  stale.status = STATUS_FAILED;
  stale.Ready = 1;  // left from an earlier display
  stale.Count = 3;
  Series(SERIES_X_VECTOR_FUNCTION, "vx", "square");
  EXPECT_EQ(Prepare(), Strings{kNoFunction});
  EXPECT_EQ(chart.ReadySeries, 2);
  Strings ready;
  for (const auto& s : chart.SeriesList) ready.push_back(StringPrintf("%d %d", s->Ready, s->Count));
  EXPECT_EQ(ready, (Strings{"1 3", "0 0", "0 0", "0 0", "0 0", "0 0", "1 4"}));
  EXPECT_EQ(chart.SeriesList[0]->XData, FindObject("vx", OBJMASK_VECTOR));  // shorter length
  SetSeriesFunctions({});  // without installed functions
  EXPECT_EQ(Prepare(), Strings{kNoFunction});
  EXPECT_EQ(chart.ReadySeries, 1);
}

TEST_F(PrepareSeriesTest, ACancelStopsThePreparationAndTheDisplay) {
  SeriesFunctions functions = CurrentSeriesFunctions();
  functions.evaluate = [evaluate = functions.evaluate, this](double x, int32_t& status) {
    if (evaluations == 3) Core().userCancelled = 1;
    return evaluate(x, status);
  };
  SetSeriesFunctions(functions);
  Series(SERIES_RANGE_FUNCTION, "", "square");
  Series(SERIES_TWO_VECTORS, "vx", "vy");
  EXPECT_EQ(Prepare(), Strings{});
  EXPECT_EQ(evaluations, 4);
  EXPECT_EQ(chart.ReadySeries, 0);
  evaluations = 3;
  EXPECT_EQ(Display(), 0);
  EXPECT_EQ(ui.messages, Strings{"Calculation terminated by user.\n"});
  EXPECT_TRUE(document.tempObjects.empty());
}

TEST_F(PrepareSeriesTest, DisplayShowsWithTicksAndPurgesAfterwardsOrRefuses) {
  SeriesObject& s = Series(SERIES_RANGE_FUNCTION, "", "square");
  EXPECT_EQ(Display(), 1);
  EXPECT_EQ(tempsWhileShown, 2u);
  EXPECT_TRUE(document.tempObjects.empty());
  EXPECT_EQ(StringPrintf("%d %g..%g", xTicks.valid, xTicks.TickMin, xTicks.TickMax), "1 0..10");
  EXPECT_EQ(chart.SeriesList[0]->XData, nullptr);  // no pointer into the purged list
  EXPECT_EQ(ui.messages, Strings{});
  const auto failedShow = [](ChartObject&) { return false; };
  EXPECT_EQ(DisplayChart(chart, failedShow, ShowMessage), 0);
  s.Source2 = "nothing";
  EXPECT_EQ(Display(), 0);
  EXPECT_EQ(ui.messages, (Strings{kNoFunction, kNotShown}));
  s.SeriesType = SERIES_TWO_VECTORS;
  s.Source1 = "zeros";
  s.Source2 = "vy";
  EXPECT_EQ(Display(), 0);
  const Strings badRange = {
      "Unable to display chart.\nInvalid range of horizontal or vertical data values or empty "
      "chart data."};
  EXPECT_EQ(ui.messages, badRange);
  chart.Options = CHART_GRIDLINES;  // the user range
  EXPECT_EQ(Display(), 1);
  EXPECT_EQ(StringPrintf("%g step %g", xTicks.TickMin, xTicks.TickStep), "-10 step 5");
  chart.XMax = chart.XMin;
  EXPECT_EQ(Display(), 0);
  EXPECT_EQ(ui.messages, badRange);
}

}  // namespace
}  // namespace tq
