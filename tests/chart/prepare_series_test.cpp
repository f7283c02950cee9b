#include "chart/prepare_series.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chart/chart_model.h"
#include "core/element_block.h"
#include "core/object_list.h"
#include "core/user_cancel.h"
#include "fake_series_functions.h"
#include "support/scripted_ui.h"
#include "workspace_objects.h"

namespace tq {
namespace {

using Strings = std::vector<std::string>;

class PrepareSeriesTest : public testing::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    testing::InstallFakeSeriesFunctions(&evaluations);
    Vector("vx", {-1, 0, 1, 2});
    Vector("vy", {1, 2, 3});
    Vector("one", {7});
    Function("square", "x*x");
    Function("inverse", "1/x");
    Function("broken", "fail");
    Function("refused", "???");
  }
  void TearDown() override {
    SetSeriesFunctions({});
    WorkbenchTest::TearDown();
  }
  void Vector(const char* name, std::vector<double> values) { testing::PutVector(name, values); }
  FunctionObject* Function(const char* name, const char* body) {
    return testing::PutFunction(name, body);
  }
  SeriesObject& Series(int32_t type, std::string source1, std::string source2) {
    return testing::AddSeries(chart, type, std::move(source1), std::move(source2));
  }
  // Prepares a chart of the one series and returns the messages shown.
  Strings Prepare() {
    ui.messages.clear();
    PrepareSeries(chart);
    return ui.messages;
  }

  ChartObject chart;
  int evaluations = 0;
};

TEST_F(PrepareSeriesTest, TwoVectorsUseTheShorterLength) {
  SeriesObject& s = Series(SERIES_TWO_VECTORS, "vx", "vy");
  EXPECT_EQ(Prepare(), Strings{});
  EXPECT_EQ(chart.ReadySeries, 1);
  EXPECT_EQ(s.Count, 3);
  EXPECT_EQ(s.XData, FindObject("vx", OBJMASK_VECTOR));
  EXPECT_TRUE(document.tempObjects.empty());
}

TEST_F(PrepareSeriesTest, TwoVectorsWithAMissingVectorAreLeftOutSilently) {
  Series(SERIES_TWO_VECTORS, "vx", "nothing");
  EXPECT_EQ(Prepare(), Strings{});
  EXPECT_EQ(chart.ReadySeries, 0);
}

TEST_F(PrepareSeriesTest, RangeFunctionMessagesInOrder) {
  SeriesObject& s = Series(SERIES_RANGE_FUNCTION, "", "");
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: invalid function name."});
  s.Source2 = "nothing";
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: unable to find function <nothing>"});
  s.Source2 = "square";
  s.RangeMin = s.RangeMax - 1e-10;
  s.PointCount = 5;  // the range is reported first
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: maximum of coordinate x must be greater than "
                               "minimum.\nPlease correct maximum and minimum values."});
  s.RangeMin = 1;
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: invalid number of data points."});
  s.PointCount = 20001;
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: invalid number of data points."});
  s.Source2 = "refused";
  s.PointCount = 10;
  EXPECT_EQ(Prepare(), Strings{testing::kFakeCheckMessage});
  s.Source2 = "broken";
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: Function is unable to calculate Y values for "
                               "at least two different X points. Function may be invalid or not "
                               "defined on specified interval of X."});
  EXPECT_EQ(chart.ReadySeries, 0);
}

TEST_F(PrepareSeriesTest, RangeFunctionAcceptsUpToTwentyThousandPoints) {
  SeriesObject& s = Series(SERIES_RANGE_FUNCTION, "", "square");
  s.RangeMin = 0;
  s.RangeMax = 1;
  s.PointCount = 15000.7;  // truncated
  EXPECT_EQ(Prepare(), Strings{});
  EXPECT_EQ(s.Count, 15000);
  EXPECT_EQ(s.XData->at(1), 0);
  EXPECT_DOUBLE_EQ(s.XData->at(15000), 1);
  EXPECT_DOUBLE_EQ(s.YData->at(15000), 1);
  EXPECT_EQ(document.tempObjects.size(), 2u);
}

TEST_F(PrepareSeriesTest, AFailedPointHoldsTheMarker) {
  SeriesObject& s = Series(SERIES_RANGE_FUNCTION, "", "inverse");
  s.RangeMin = -1;
  s.RangeMax = 1;
  s.PointCount = 11;
  EXPECT_EQ(Prepare(), Strings{});
  ASSERT_EQ(s.Count, 11);
  EXPECT_EQ(s.XData->at(6), 0);
  EXPECT_EQ(s.YData->at(6), kMissingPoint);
  EXPECT_EQ(s.YData->at(1), -1);
}

TEST_F(PrepareSeriesTest, NonFiniteRangeOrCountIsRefused) {
  SeriesObject& s = Series(SERIES_RANGE_FUNCTION, "", "square");
  s.RangeMax = INFINITY;
  EXPECT_EQ(Prepare().size(), 1u);
  s.RangeMax = 10;
  s.PointCount = NAN;
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: invalid number of data points."});
  EXPECT_EQ(evaluations, 0);
}

TEST_F(PrepareSeriesTest, AnInvalidFunctionIsLeftOutSilently) {
  FunctionObject* f = Function("stale", "x*x");
  f->status = STATUS_FAILED;
  Series(SERIES_RANGE_FUNCTION, "", "stale");
  EXPECT_EQ(Prepare(), Strings{});
  EXPECT_EQ(chart.ReadySeries, 0);
}

TEST_F(PrepareSeriesTest, VectorOfXMessagesInOrder) {
  SeriesObject& s = Series(SERIES_X_VECTOR_FUNCTION, "", "");
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: invalid function name."});
  s.Source2 = "nothing";
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: unable to find function <nothing>"});
  s.Source2 = "refused";  // the vector comes before the function check
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: invalid horizontal data vector name."});
  s.Source1 = "nothing";
  EXPECT_EQ(Prepare(),
            Strings{"Error in chart data: unable to find horizontal data vector <nothing>"});
  s.Source1 = "one";
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: too small data vector. Horizontal values "
                               "vector must have at least two elements"});
  EXPECT_EQ(s.PointCount, 1);
  s.Source1 = "vx";
  EXPECT_EQ(Prepare(), Strings{testing::kFakeCheckMessage});
  s.Source2 = "broken";
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: Function is unable to calculate Y values for "
                               "at least two different X points. Function may be invalid or not "
                               "defined on specified vector of horizontal data X."});
  s.Source2 = "square";
  EXPECT_EQ(Prepare(), Strings{});
  EXPECT_EQ(s.Count, 4);
  EXPECT_EQ(s.YData->at(4), 4);
}

TEST_F(PrepareSeriesTest, VectorOfXSkipsHugeArguments) {
  Vector("wide", {1, 2e300, 3});
  SeriesObject& s = Series(SERIES_X_VECTOR_FUNCTION, "wide", "square");
  EXPECT_EQ(Prepare(), Strings{});
  EXPECT_EQ(s.YData->at(2), kMissingPoint);
  EXPECT_EQ(evaluations, 2);
}

TEST_F(PrepareSeriesTest, VectorOfYMessagesInOrder) {
  SeriesObject& s = Series(SERIES_Y_VECTOR_FUNCTION, "square", "");
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: invalid vertical data vector name."});
  s.Source2 = "nothing";
  EXPECT_EQ(Prepare(),
            Strings{"Error in chart data: unable to find vertical data vector <nothing>"});
  s.Source2 = "one";
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: too small data vector. Vertical values vector "
                               "must have at least two elements"});
  s.Source1 = "broken";
  s.Source2 = "vx";
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: Function is unable to calculate X values for "
                               "at least two different X points. Function may be invalid or not "
                               "defined on specified vector of horizontal data X."});
  s.Source1 = "square";
  EXPECT_EQ(Prepare(), Strings{});
  EXPECT_EQ(s.YData, FindObject("vx", OBJMASK_VECTOR));
  EXPECT_EQ(s.XData->at(1), 1);
}

TEST_F(PrepareSeriesTest, ParametricMessagesInOrder) {
  SeriesObject& s = Series(SERIES_PARAMETRIC, "", "square");
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: invalid or empty function name."});
  s.Source1 = "nothing";
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: unable to find function <nothing>"});
  s.Source1 = "square";
  s.PointCount = 9;
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: invalid number of data points."});
  s.PointCount = 10;
  s.Source2 = "";
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: invalid or empty function name."});
  s.Source2 = "nothing";
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: unable to find function <nothing>"});
  const std::string failed =
      "Error in chart data: Unable to calculate X and Y values for at least two different points. "
      "Function may be inavlid or not defined on specified interval of parameter x.";
  s.Source2 = "refused";
  EXPECT_EQ(Prepare(), (Strings{testing::kFakeCheckMessage, failed}));
  s.Source2 = "broken";
  EXPECT_EQ(Prepare(), Strings{failed});
  s.Source1 = "broken";  // X fails everywhere: no good point although Y succeeds
  s.Source2 = "square";
  EXPECT_EQ(Prepare(), Strings{failed});
  s.Source1 = "inverse";
  s.RangeMin = -1;
  s.RangeMax = 1;
  s.PointCount = 11;
  EXPECT_EQ(Prepare(), Strings{});
  EXPECT_EQ(s.Count, 11);
  EXPECT_EQ(s.XData->at(6), kMissingPoint);
  EXPECT_EQ(s.YData->at(6), 0);
}

TEST_F(PrepareSeriesTest, TemporaryVectorFailureIsReported) {
  SeriesObject& s = Series(SERIES_RANGE_FUNCTION, "", "square");
  SetAllocationFailureAfter(1);  // X is made, Y is not
  EXPECT_EQ(Prepare(), Strings{"Error in chart data: Program is unable to create temporary data "
                               "vector.\nPossibly not enough memory."});
  EXPECT_EQ(s.Ready, 0);
}

TEST_F(PrepareSeriesTest, EachFailingSeriesIsLeftOutAndTheOthersPrepared) {
  Series(SERIES_TWO_VECTORS, "vx", "vy");
  Series(SERIES_RANGE_FUNCTION, "", "nothing");
  Series(7, "vx", "vy");  // unknown type
  SeriesObject& stale = Series(SERIES_TWO_VECTORS, "vx", "vy");
  stale.status = STATUS_FAILED;
  stale.Ready = 1;  // left from an earlier display
  stale.Count = 3;
  Series(SERIES_X_VECTOR_FUNCTION, "vx", "square");
  EXPECT_EQ(Prepare().size(), 1u);
  EXPECT_EQ(chart.ReadySeries, 2);
  EXPECT_EQ(chart.SeriesList[0]->Ready, 1);
  EXPECT_EQ(chart.SeriesList[1]->Ready, 0);
  EXPECT_EQ(chart.SeriesList[2]->Ready, 0);
  EXPECT_EQ(stale.Ready, 0);
  EXPECT_EQ(stale.Count, 0);
  EXPECT_EQ(chart.SeriesList[4]->Ready, 1);
}

TEST_F(PrepareSeriesTest, ACancelStopsThePreparation) {
  SeriesFunctions functions = CurrentSeriesFunctions();
  auto evaluate = functions.evaluate;
  functions.evaluate = [evaluate, this](double x, int32_t& status) {
    if (evaluations == 3) UserCancelled = 1;
    return evaluate(x, status);
  };
  SetSeriesFunctions(functions);
  Series(SERIES_RANGE_FUNCTION, "", "square");
  Series(SERIES_TWO_VECTORS, "vx", "vy");
  EXPECT_EQ(Prepare(), Strings{});
  EXPECT_EQ(evaluations, 4);
  EXPECT_EQ(chart.ReadySeries, 0);
}

TEST_F(PrepareSeriesTest, WithoutInstalledFunctionsFunctionSeriesAreLeftOut) {
  SetSeriesFunctions({});
  Series(SERIES_RANGE_FUNCTION, "", "square");
  EXPECT_EQ(Prepare(), Strings{});
  EXPECT_EQ(chart.ReadySeries, 0);
}

}  // namespace
}  // namespace tq
