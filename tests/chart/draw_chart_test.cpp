#include "chart/draw_chart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart_fixture.h"
#include "recording_canvas.h"

namespace tq {
namespace {

using Calls = std::vector<std::string>;
using testing::PreparedChart;
using testing::RecordingCanvas;

// Rectangle 220 x 130: x maps to 10 + 10 (x + 10), y to 110 - 5 (y + 10).
constexpr int kRight = 220, kBottom = 130;

const Calls kFrame = {"move 10,10", "line 10,110", "line 210,110", "line 210,10", "line 10,10"};

Calls Join(std::initializer_list<Calls> parts) {
  Calls all;
  for (const Calls& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(DrawChart, SmallChartInOrder) {
  PreparedChart prepared;
  SeriesObject& series = prepared.AddSeries({0, 5, kMissingPoint, 10}, {0, 5, 0, -10});
  series.LineColor = 2;
  series.MarkerShape = MARKER_SQUARE;
  series.MarkerSize = 1;
  prepared.Scale();
  RecordingCanvas canvas;
  DrawChart(canvas, prepared.chart, kRight, kBottom);

  const Calls expected = Join({
      {"pen solid 1 0,0,0"},
      kFrame,
      {"pen solid 1 120,120,120", "move 60,10", "line 60,110", "move 110,10", "line 110,110",
       "move 160,10", "line 160,110", "move 10,85", "line 210,85", "move 10,60", "line 210,60",
       "move 10,35", "line 210,35", "pen solid 1 0,0,0"},
      kFrame,
      {"text '-10' 6,112,30,130 left top", "text '-5' 50,112,70,130 center top",
       "text '0' 100,112,120,130 center top", "text '5' 150,112,170,130 center top",
       "text '10' 190,112,214,130 right top"},
      {"text '-10 ' 13,90,30,108 left bottom", "text '-5 ' 13,65,30,83 left bottom",
       "text '0 ' 13,40,30,58 left bottom", "text '5 ' 13,15,30,33 left bottom",
       "text '10 ' 13,6,30,26 left vcenter"},
      {"pen solid 1 210,0,0", "move 110,60", "line 160,35", "line 210,110"},
      {"pen solid 1 210,0,0", "brush 210,0,0", "polygon 109,59 111,59 111,61 109,61",
       "polygon 159,34 161,34 161,36 159,36", "polygon 209,109 211,109 211,111 209,111"},
      {"pen solid 1 0,0,0"},
  });
  EXPECT_EQ(canvas.calls, expected);
}

TEST(DrawChart, TheTopLabelSitsHigherWithMoreThanFiveIntervals) {
  PreparedChart prepared;
  prepared.AddSeries({0}, {0});
  prepared.chart.YMin = 0;
  prepared.chart.YMax = 6;  // step 1, six intervals
  prepared.Scale();
  ASSERT_EQ(prepared.chart.YTicks.TickCount, 6);
  RecordingCanvas canvas;
  DrawChart(canvas, prepared.chart, kRight, kBottom);
  EXPECT_EQ(canvas.Starting("text '6 '"), Calls{"text '6 ' 13,2,30,18 left vcenter"});
}

TEST(DrawChart, TitleAndAxisLabelsOnScreen) {
  PreparedChart prepared;
  prepared.AddSeries({0}, {0}).MarkerShape = MARKER_NONE;
  prepared.chart.Options |= CHART_SHOW_TITLE | CHART_SHOW_XLABEL | CHART_SHOW_YLABEL;
  prepared.chart.Title = "T";
  prepared.Scale();
  RecordingCanvas canvas;
  DrawChart(canvas, prepared.chart, kRight, kBottom);
  // c = (220 + 10) / 2 = 115
  EXPECT_EQ(canvas.Starting("text 'X'"), Calls{"text 'X' 100,100,208,109 right bottom"});
  EXPECT_EQ(canvas.Starting("text 'Y'"), Calls{"text 'Y' 30,24,125,34 left bottom"});
  EXPECT_EQ(canvas.Starting("text 'T'"), Calls{"text 'T' 85,30,145,40 center top"});
}

TEST(DrawChart, EmptyTextsAndUnsetBitsAreNotDrawn) {
  PreparedChart prepared;
  prepared.AddSeries({0}, {0});
  prepared.chart.Options |= CHART_SHOW_TITLE | CHART_SHOW_YLABEL;
  prepared.chart.Title = "";
  prepared.Scale();
  RecordingCanvas canvas;
  DrawChart(canvas, prepared.chart, kRight, kBottom);
  EXPECT_TRUE(canvas.Starting("text 'X'").empty());
  EXPECT_EQ(canvas.Starting("text 'Y'").size(), 1u);
  EXPECT_EQ(canvas.Starting("text ''").size(), 0u);
}

TEST(DrawChart, PrintedPageMovesLabelsAndScalesMarkers) {
  PreparedChart prepared;
  SeriesObject& series = prepared.AddSeries({0}, {0});
  series.MarkerShape = MARKER_DIAMOND;
  series.MarkerSize = 2;
  prepared.chart.Options |= CHART_SHOW_TITLE | CHART_SHOW_XLABEL | CHART_SHOW_YLABEL;
  prepared.chart.Title = "T";
  prepared.Scale();
  RecordingCanvas canvas(true);
  DrawChart(canvas, prepared.chart, kRight, kBottom);
  // The bottom axis lies at y = 10; horizontal labels move by -10 and -20.
  EXPECT_EQ(canvas.Starting("text '-5'"), Calls{"text '-5' 50,2,70,10 center top"});
  // Vertical labels move right by 10; y = 0 maps to 10 + 5 * 10 = 60.
  EXPECT_EQ(canvas.Starting("text '0 '"), Calls{"text '0 ' 23,40,40,58 left bottom"});
  EXPECT_EQ(canvas.Starting("text 'X'"), Calls{"text 'X' 90,50,190,20 right bottom"});
  EXPECT_EQ(canvas.Starting("text 'Y'"), Calls{"text 'Y' 50,30,225,0 left top"});
  EXPECT_EQ(canvas.Starting("text 'T'"), Calls{"text 'T' 85,80,145,50 center top"});
  EXPECT_EQ(canvas.Starting("polygon"), Calls{"polygon 102,60 110,68 118,60 110,52"});
}

TEST(DrawChart, TickMarksCrossTheFrameWithoutGridlines) {
  PreparedChart prepared;
  prepared.AddSeries({0}, {0});
  prepared.chart.Options = 0;
  prepared.Scale();
  RecordingCanvas canvas;
  DrawChart(canvas, prepared.chart, kRight, kBottom);
  const Calls& c = canvas.calls;
  ASSERT_GT(c.size(), 18u);
  const Calls marks(c.begin() + 6, c.begin() + 18);
  EXPECT_EQ(marks, (Calls{"move 60,113", "line 60,107", "move 110,113", "line 110,107",
                          "move 160,113", "line 160,107", "move 7,85", "line 13,85", "move 7,60",
                          "line 13,60", "move 7,35", "line 13,35"}));
  EXPECT_EQ(c[18], "pen solid 1 0,0,0");
  EXPECT_TRUE(canvas.Starting("pen solid 1 120,120,120").empty());
}

TEST(DrawChart, AFailedFirstPointStartsTheLineAtTheSecond) {
  PreparedChart prepared;
  SeriesObject& series = prepared.AddSeries({kMissingPoint, 0, 5}, {0, 0, 5});
  series.MarkerShape = MARKER_NONE;
  series.LineType = LINE_DASH;
  series.LineColor = 99;  // outside the table: black
  prepared.Scale();
  RecordingCanvas canvas;
  DrawChart(canvas, prepared.chart, kRight, kBottom);
  const Calls& c = canvas.calls;
  EXPECT_EQ(Calls(c.end() - 4, c.end()),
            (Calls{"pen dash 1 0,0,0", "move 110,60", "line 160,35", "pen solid 1 0,0,0"}));
}

TEST(DrawChart, SegmentsBetweenTwoClippedPointsAreSkippedAndTheirMarkersToo) {
  PreparedChart prepared;
  SeriesObject& series = prepared.AddSeries({0, 1000, 2000, 5}, {0, 0, 0, 5});
  series.MarkerShape = MARKER_POINT;
  prepared.Scale();
  RecordingCanvas canvas;
  DrawChart(canvas, prepared.chart, kRight, kBottom);
  const Calls& c = canvas.calls;
  EXPECT_EQ(Calls(c.end() - 10, c.end()),
            (Calls{"pen solid 1 0,0,0", "move 110,60", "line 4000,60", "move 4000,60",
                   "line 160,35", "pen solid 1 0,0,0", "brush 0,0,0", "polygon 110,60",
                   "polygon 160,35", "pen solid 1 0,0,0"}));
}

TEST(DrawChart, PolarPointsAreConverted) {
  PreparedChart prepared;
  prepared.chart.Options |= CHART_POLAR;
  SeriesObject& series = prepared.AddSeries({0, 2e18}, {5, 5});  // (5, 0), then the origin
  series.MarkerShape = MARKER_NONE;
  prepared.Scale();
  RecordingCanvas canvas;
  DrawChart(canvas, prepared.chart, kRight, kBottom);
  const Calls& c = canvas.calls;
  EXPECT_EQ(Calls(c.end() - 3, c.end() - 1), (Calls{"move 160,60", "line 110,60"}));
}

TEST(DrawChart, OnlyTheFrameWithoutReadySeriesOrTicks) {
  PreparedChart prepared;
  prepared.chart.Options = 0;
  prepared.chart.ReadySeries = 0;
  RecordingCanvas canvas;
  DrawChart(canvas, prepared.chart, kRight, kBottom);
  EXPECT_EQ(canvas.calls.size(), 6u);
  RecordingCanvas small;
  DrawChart(small, prepared.chart, 9, kBottom);
  EXPECT_TRUE(small.calls.empty());
}

TEST(MarkerPolygon, ShapesAndTheirVertices) {
  using P = std::vector<DevicePoint>;
  EXPECT_EQ(MarkerPolygon(MARKER_NONE, 3), P{});
  EXPECT_EQ(MarkerPolygon(MARKER_POINT, 3), (P{{0, 0}}));
  EXPECT_EQ(MarkerPolygon(MARKER_SQUARE, 3), (P{{-3, -3}, {3, -3}, {3, 3}, {-3, 3}}));
  EXPECT_EQ(MarkerPolygon(MARKER_DIAMOND, 3), (P{{-3, 0}, {0, 3}, {3, 0}, {0, -3}}));
  EXPECT_EQ(MarkerPolygon(MARKER_TRIANGLE, 3), (P{{0, -3}, {2, 1}, {-2, 1}}));
  EXPECT_EQ(MarkerPolygon(MARKER_TRIANGLE, 5), (P{{0, -5}, {3, 1}, {-3, 1}}));
  // pi is taken as 3.14159, so some vertices fall just short and truncate.
  EXPECT_EQ(MarkerPolygon(MARKER_CIRCLE, 3),
            (P{{0, 3}, {2, 2}, {2, 0}, {2, -2}, {0, -2}, {-2, -2}, {-2, 0}, {-2, 2}}));
  EXPECT_EQ(MarkerPolygon(MARKER_CIRCLE, 5),
            (P{{0, 5}, {3, 3}, {4, 0}, {3, -3}, {0, -4}, {-3, -3}, {-4, 0}, {-3, 3}}));
  EXPECT_EQ(MarkerPolygon(MARKER_SQUARE, 0), (P{{0, 0}, {0, 0}, {0, 0}, {0, 0}}));
  EXPECT_EQ(MarkerPolygon(6, 3), P{});
}

}  // namespace
}  // namespace tq
