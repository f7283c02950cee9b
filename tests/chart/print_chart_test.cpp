#include "chart/print_chart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart_fixture.h"
#include "recording_canvas.h"
#include "support/scripted_ui.h"

namespace tq {
namespace {

using Strings = std::vector<std::string>;

// A printer that records the steps and fails where it is told to.
class FakePrinter : public ChartPrinter {
 public:
  bool ChoosePrinter() override { return Step("choose", choose); }
  bool HasDevice() override { return Step("device", device); }
  bool StartDocument(std::string_view name) override {
    return Step("document " + std::string(name), document);
  }
  bool StartPage() override { return Step("page", page); }
  void EndPage() override { steps.push_back("end page"); }
  void EndDocument() override { steps.push_back("end document"); }
  double PrintableDeviceHeight() override { return 27700; }
  int32_t PrintableMetricWidth() override { return width; }
  int32_t PrintableMetricHeight() override { return 2770; }
  ChartCanvas& MetricCanvas(double originY) override {
    steps.push_back("canvas " + std::to_string(int(originY)));
    return canvas;
  }

  bool choose = true, device = true, document = true, page = true;
  int32_t width = 1900;
  Strings steps;
  testing::RecordingCanvas canvas{true};

 private:
  bool Step(std::string name, bool result) {
    steps.push_back(std::move(name));
    return result;
  }
};

class PrintChartTest : public testing::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    prepared.AddSeries({0}, {0});
    prepared.Scale();
  }
  testing::PreparedChart prepared;
  FakePrinter printer;
};

TEST_F(PrintChartTest, OnePageWithTheCentredSquare) {
  EXPECT_EQ(PrintChart(prepared.chart, printer), 1);
  // origin: 27690 - 27690 * (2750 - 1890) / (2 * 2750)
  EXPECT_EQ(printer.steps, (Strings{"choose", "device", "document CDC::Printing chart page", "page",
                                    "canvas 23360", "end page", "end document"}));
  // The frame of the square of side 1890.
  EXPECT_EQ(printer.canvas.calls[3], "line 1880,1870");
  EXPECT_EQ(ui.messages, Strings{});
}

TEST_F(PrintChartTest, CancelledPrintDialogDoesNothing) {
  printer.choose = false;
  EXPECT_EQ(PrintChart(prepared.chart, printer), 0);
  EXPECT_EQ(printer.steps, Strings{"choose"});
  EXPECT_EQ(ui.messages, Strings{});
}

TEST_F(PrintChartTest, FailuresAndTheirMessages) {
  printer.device = false;
  EXPECT_EQ(PrintChart(prepared.chart, printer), 0);
  printer.device = true;
  printer.document = false;
  EXPECT_EQ(PrintChart(prepared.chart, printer), 0);
  printer.document = true;
  printer.page = false;
  printer.steps.clear();
  EXPECT_EQ(PrintChart(prepared.chart, printer), 0);
  EXPECT_EQ(printer.steps.back(), "end document");
  EXPECT_EQ(ui.messages, (Strings{"Application unable to initialize printer",
                                  "Application unable to start printing document",
                                  "Application unable to start printing page"}));
}

TEST_F(PrintChartTest, NoDrawingOnASideOfAHundredOrLess) {
  printer.width = 110;
  EXPECT_EQ(PrintChart(prepared.chart, printer), 1);
  EXPECT_TRUE(printer.canvas.calls.empty());
}

TEST(PrintPageLayout, ASquareCentredVertically) {
  // A4 minus margins: 190 x 277 mm at 10 device units per 0.1 mm.
  PrintLayout layout = PrintPageLayout(27700, 1900, 2770);
  EXPECT_EQ(layout.side, 1890);
  // (H - 10) - (H - 10)(2750 - 1890) / (2 * 2750)
  EXPECT_DOUBLE_EQ(layout.originY, 27690 - 27690.0 * 860 / 5500);
  PrintLayout landscape = PrintPageLayout(19000, 2770, 1900);
  EXPECT_EQ(landscape.side, 1880);
  EXPECT_EQ(landscape.originY, 18990);
  PrintLayout small = PrintPageLayout(150, 100, 200);
  EXPECT_EQ(small.side, 90);
  EXPECT_EQ(small.originY, 105);  // 140 - 140 * 90 / 360
  PrintLayout tiny = PrintPageLayout(110, 100, 200);
  EXPECT_EQ(tiny.originY, 100);  // the centred origin 75 would not exceed 100
}

}  // namespace
}  // namespace tq
