#include "chart/draw_chart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/print_chart.h"
#include "core/ui_port.h"
#include "support/chart_support.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

using Calls = std::vector<std::string>;
using testing::PreparedChart;
using testing::Starting;

// In 220 x 130, x maps to 10 + 10 (x + 10) and y to 110 - 5 (y + 10).
Calls Draw(PreparedChart& prepared, bool printed = false) {
  prepared.Scale();
  testing::RecordingCanvas canvas(printed);
  DrawChart(canvas, prepared.chart, 220, 130);
  return canvas.calls;
}

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
  const Calls frame = {"move 10,10", "line 10,110", "line 210,110", "line 210,10", "line 10,10"};
  const Calls expected =
      Join({{"pen solid 1 0,0,0"},
            frame,
            {"pen solid 1 120,120,120", "move 60,10", "line 60,110", "move 110,10", "line 110,110",
             "move 160,10", "line 160,110", "move 10,85", "line 210,85", "move 10,60",
             "line 210,60", "move 10,35", "line 210,35", "pen solid 1 0,0,0"},
            frame,
            {"text '-10' 6,112,30,130 left top", "text '-5' 50,112,70,130 center top",
             "text '0' 100,112,120,130 center top", "text '5' 150,112,170,130 center top",
             "text '10' 190,112,214,130 right top", "text '-10 ' 13,90,30,108 left bottom",
             "text '-5 ' 13,65,30,83 left bottom", "text '0 ' 13,40,30,58 left bottom",
             "text '5 ' 13,15,30,33 left bottom", "text '10 ' 13,6,30,26 left vcenter"},
            {"pen solid 1 210,0,0", "move 110,60", "line 160,35", "line 210,110",
             "pen solid 1 210,0,0", "brush 210,0,0", "polygon 109,59 111,59 111,61 109,61",
             "polygon 159,34 161,34 161,36 159,36", "polygon 209,109 211,109 211,111 209,111",
             "pen solid 1 0,0,0"}});
  EXPECT_EQ(Draw(prepared), expected);
}

TEST(DrawChart, TheTopLabelSitsHigherWithMoreThanFiveIntervals) {
  PreparedChart prepared;
  prepared.AddSeries({0}, {0});
  prepared.chart.YMin = 0;
  prepared.chart.YMax = 6;  // step 1, six intervals
  EXPECT_EQ(Starting(Draw(prepared), "text '6 '"), Calls{"text '6 ' 13,2,30,18 left vcenter"});
}

// On paper the bottom axis lies at y = 10: horizontal labels move by -10
// and -20, vertical ones right by 10, and y = 0 maps to 10 + 5 * 10 = 60.
TEST(DrawChart, TitleAndAxisLabelsOnScreenAndOnPaperOnlyWhenSetAndNotEmpty) {
  PreparedChart prepared;
  SeriesObject& series = prepared.AddSeries({0}, {0});
  series.MarkerShape = MARKER_DIAMOND;
  series.MarkerSize = 2;
  prepared.chart.Options |= CHART_SHOW_TITLE | CHART_SHOW_XLABEL | CHART_SHOW_YLABEL;
  prepared.chart.Title = "T";
  Calls c = Draw(prepared);
  EXPECT_EQ(Starting(c, "text 'X'"), Calls{"text 'X' 100,100,208,109 right bottom"});
  EXPECT_EQ(Starting(c, "text 'Y'"), Calls{"text 'Y' 30,24,125,34 left bottom"});
  EXPECT_EQ(Starting(c, "text 'T'"), Calls{"text 'T' 85,30,145,40 center top"});
  c = Draw(prepared, true);
  EXPECT_EQ(Starting(c, "text '-5'"), Calls{"text '-5' 50,2,70,10 center top"});
  EXPECT_EQ(Starting(c, "text '0 '"), Calls{"text '0 ' 23,40,40,58 left bottom"});
  EXPECT_EQ(Starting(c, "text 'X'"), Calls{"text 'X' 90,50,190,20 right bottom"});
  EXPECT_EQ(Starting(c, "text 'Y'"), Calls{"text 'Y' 50,30,225,0 left top"});
  EXPECT_EQ(Starting(c, "text 'T'"), Calls{"text 'T' 85,80,145,50 center top"});
  EXPECT_EQ(Starting(c, "polygon"), Calls{"polygon 102,60 110,68 118,60 110,52"});
  prepared.chart.Options &= ~CHART_SHOW_XLABEL;
  prepared.chart.Title = "";
  c = Draw(prepared);
  EXPECT_EQ(Starting(c, "text 'X'"), Calls{});
  EXPECT_EQ(Starting(c, "text ''"), Calls{});
  EXPECT_EQ(Starting(c, "text 'Y'").size(), 1u);
}

TEST(DrawChart, TickMarksCrossTheFrameWithoutGridlines) {
  PreparedChart prepared;
  prepared.AddSeries({0}, {0});
  prepared.chart.Options = 0;
  const Calls c = Draw(prepared);
  ASSERT_GT(c.size(), 18u);
  EXPECT_EQ(Calls(c.begin() + 6, c.begin() + 19),
            (Calls{"move 60,113", "line 60,107", "move 110,113", "line 110,107", "move 160,113",
                   "line 160,107", "move 7,85", "line 13,85", "move 7,60", "line 13,60",
                   "move 7,35", "line 13,35", "pen solid 1 0,0,0"}));
  EXPECT_EQ(Starting(c, "pen solid 1 120,120,120"), Calls{});
}

// The tails: a failed first point starts the line at the second; a segment
// between two clipped points and their markers are skipped; polar points
// are converted.
TEST(DrawChart, SeriesLinesAndMarkers) {
  PreparedChart failedFirst;
  SeriesObject& dashed = failedFirst.AddSeries({kMissingPoint, 0, 5}, {0, 0, 5});
  dashed.MarkerShape = MARKER_NONE;
  dashed.LineType = LINE_DASH;
  dashed.LineColor = 99;  // outside the table: black
  Calls c = Draw(failedFirst);
  EXPECT_EQ(Calls(c.end() - 4, c.end()),
            (Calls{"pen dash 1 0,0,0", "move 110,60", "line 160,35", "pen solid 1 0,0,0"}));
  PreparedChart clipped;
  clipped.AddSeries({0, 1000, 2000, 5}, {0, 0, 0, 5}).MarkerShape = MARKER_POINT;
  c = Draw(clipped);
  EXPECT_EQ(Calls(c.end() - 10, c.end()),
            (Calls{"pen solid 1 0,0,0", "move 110,60", "line 4000,60", "move 4000,60",
                   "line 160,35", "pen solid 1 0,0,0", "brush 0,0,0", "polygon 110,60",
                   "polygon 160,35", "pen solid 1 0,0,0"}));
  PreparedChart polar;
  polar.chart.Options |= CHART_POLAR;
  polar.AddSeries({0, 2e18}, {5, 5}).MarkerShape = MARKER_NONE;  // (5, 0), then the origin
  c = Draw(polar);
  EXPECT_EQ(Calls(c.end() - 3, c.end() - 1), (Calls{"move 160,60", "line 110,60"}));
}

TEST(DrawChart, OnlyTheFrameWithoutReadySeriesOrTicksAndNothingWhenTooSmall) {
  ChartObject chart;
  testing::RecordingCanvas canvas, small;
  DrawChart(canvas, chart, 220, 130);
  DrawChart(small, chart, 9, 130);
  EXPECT_EQ(canvas.calls.size(), 6u);
  EXPECT_EQ(small.calls, Calls{});
}

TEST(MarkerPolygon, ShapesAndTheirVertices) {
  using P = std::vector<DevicePoint>;
  EXPECT_EQ(MarkerPolygon(MARKER_NONE, 3).size() + MarkerPolygon(6, 3).size(), 0u);
  EXPECT_EQ(MarkerPolygon(MARKER_SQUARE, 0), (P{{0, 0}, {0, 0}, {0, 0}, {0, 0}}));
  EXPECT_EQ(MarkerPolygon(MARKER_TRIANGLE, 5), (P{{0, -5}, {3, 1}, {-3, 1}}));
  // pi is taken as 3.14159, so some vertices fall just short and truncate.
  EXPECT_EQ(MarkerPolygon(MARKER_CIRCLE, 5),
            (P{{0, 5}, {3, 3}, {4, 0}, {3, -3}, {0, -4}, {-3, -3}, {-4, 0}, {-3, 3}}));
}

// A printer that records its steps and fails at the one named `failAt`.
struct FakePrinter : ChartPrinter {
  bool ChoosePrinter() override { return Step("choose"); }
  bool HasDevice() override { return Step("device"); }
  bool StartDocument(std::string_view name) override {
    return Step("document " + std::string(name));
  }
  bool StartPage() override { return Step("page"); }
  void EndPage() override { Step("end page"); }
  void EndDocument() override { Step("end document"); }
  double PrintableDeviceHeight() override { return 27700; }
  int32_t PrintableMetricWidth() override { return width; }
  int32_t PrintableMetricHeight() override { return 2770; }
  ChartCanvas& MetricCanvas(double originY) override {
    Step("canvas " + std::to_string(int(originY)));
    return canvas;
  }
  bool Step(const std::string& name) {
    steps.push_back(name);
    return failAt.empty() || name.rfind(failAt, 0) != 0;
  }
  std::string failAt;
  int32_t width = 1900;
  Calls steps;
  testing::RecordingCanvas canvas{true};
};

class PrintChartTest : public testing::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    prepared.AddSeries({0}, {0});
    prepared.Scale();
  }
  // Prints and shows the failure's message, as the command does.
  int32_t Print() {
    std::string message;
    const int32_t printed = PrintChart(prepared.chart, printer, message);
    if (!message.empty()) ShowMessage(message);
    return printed;
  }
  PreparedChart prepared;
  FakePrinter printer;
};

TEST_F(PrintChartTest, OnePageWithTheCentredSquare) {
  EXPECT_EQ(Print(), 1);
  // origin: 27690 - 27690 * (2750 - 1890) / (2 * 2750)
  EXPECT_EQ(printer.steps, (Calls{"choose", "device", "document CDC::Printing chart page", "page",
                                  "canvas 23360", "end page", "end document"}));
  EXPECT_EQ(printer.canvas.calls[3], "line 1880,1870");  // the frame of the square of side 1890
  EXPECT_EQ(ui.messages, Calls{});
  printer.width = 110;  // a side of 100: nothing drawn
  printer.canvas.calls.clear();
  EXPECT_EQ(Print(), 1);
  EXPECT_EQ(printer.canvas.calls, Calls{});
}

// A cancelled print dialog ends quietly; a failed page still ends the document.
TEST_F(PrintChartTest, CancelAndFailuresInOrder) {
  Calls lastSteps;
  for (const char* step : {"choose", "device", "document", "page"}) {
    printer.failAt = step;
    printer.steps.clear();
    EXPECT_EQ(Print(), 0) << step;
    lastSteps.push_back(printer.steps.back());
  }
  EXPECT_EQ(lastSteps,
            (Calls{"choose", "device", "document CDC::Printing chart page", "end document"}));
  EXPECT_EQ(ui.messages, (Calls{"Application unable to initialize printer",
                                "Application unable to start printing document",
                                "Application unable to start printing page"}));
}

// Centred only on a page taller than wide, and then only below a hundred.
TEST(PrintPageLayout, ASquareCentredVertically) {
  auto layout = [](double deviceHeight, int32_t width, int32_t height) {
    const PrintLayout l = PrintPageLayout(deviceHeight, width, height);
    return StringPrintf("%d at %g", l.side, l.originY);
  };
  EXPECT_EQ(layout(19000, 2770, 1900), "1880 at 18990");  // A4 landscape
  EXPECT_EQ(layout(150, 100, 200), "90 at 105");          // 140 - 140 * 90 / 360
  EXPECT_EQ(layout(110, 100, 200), "90 at 100");          // the centred 75 would not exceed 100
}

}  // namespace
}  // namespace tq
