#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "chart/chart_model.h"
#include "chart/display_chart.h"
#include "chart/fake_series_functions.h"
#include "chart/workspace_objects.h"
#include "core/object_list.h"
#include "render/chart_file_writer.h"
#include "support/scripted_ui.h"

namespace tq {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

class ChartFilesTest : public testing::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    EnsureGuiApplication();
    testing::InstallFakeSeriesFunctions();
    dir = fs::temp_directory_path() / ("tq_chart_files_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    chart.name = "demo";
    chart.Title = "Every kind of series";
    chart.Options = CHART_AUTO_RANGE | CHART_GRIDLINES | CHART_SHOW_TITLE | CHART_SHOW_XLABEL |
                    CHART_SHOW_YLABEL;
  }
  void TearDown() override {
    fs::remove_all(dir);
    SetSeriesFunctions({});
    WorkbenchTest::TearDown();
  }
  void Vector(const char* name, std::vector<double> values) { testing::PutVector(name, values); }
  void Function(const char* name, const char* body) { testing::PutFunction(name, body); }
  SeriesObject& Series(int32_t type, const char* s1, const char* s2, int32_t color, int32_t line,
                       int32_t marker) {
    SeriesObject& s = testing::AddSeries(chart, type, s1, s2);
    s.LineColor = color;
    s.LineType = line;
    s.MarkerShape = marker;
    return s;
  }
  // One series of each kind over -3..3.
  void BuildDemo() {
    std::vector<double> xs, ys, small;
    for (int i = 0; i <= 12; ++i) {
      const double x = -3 + 0.5 * i;
      xs.push_back(x);
      ys.push_back(0.1 * x * x * x - 0.5);
      small.push_back(-1.5 + 0.25 * i);
    }
    Vector("vx", xs);
    Vector("vy", ys);
    Vector("vys", small);
    Function("sine", "sin(x)");
    Function("cosine", "cos(x)");
    Function("square", "x*x");
    Series(SERIES_TWO_VECTORS, "vx", "vy", 2, LINE_SOLID, MARKER_SQUARE);
    SeriesObject& sine = Series(SERIES_RANGE_FUNCTION, "", "sine", 4, LINE_SOLID, MARKER_NONE);
    sine.RangeMin = -3;
    sine.RangeMax = 3;
    sine.PointCount = 200;
    Series(SERIES_X_VECTOR_FUNCTION, "vx", "cosine", 3, LINE_DASH, MARKER_CIRCLE);
    Series(SERIES_Y_VECTOR_FUNCTION, "square", "vys", 6, LINE_SOLID, MARKER_TRIANGLE);
    SeriesObject& circle =
        Series(SERIES_PARAMETRIC, "cosine", "sine", 8, LINE_DASH, MARKER_DIAMOND);
    circle.RangeMin = 0;
    circle.RangeMax = 6.2832;
    circle.PointCount = 25;
    chart.XLabel = "x";
    chart.YLabel = "y";
  }
  // Displays the chart into a file; returns the writer's error text.
  std::string Write(const std::string& file, int32_t width = 800, int32_t height = 600) {
    std::string error;
    DisplayChart(chart, [&](ChartObject& c) {
      return WriteChartFile(c, (dir / file).string(), width, height, error);
    });
    return error;
  }

  ChartObject chart;
  fs::path dir;
};

TEST_F(ChartFilesTest, PngShowsTheSeriesColoursOnWhite) {
  BuildDemo();
  ASSERT_EQ(Write("demo.png"), "");
  EXPECT_EQ(ui.messages, std::vector<std::string>{});
  QImage image(QString::fromStdString((dir / "demo.png").string()));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), 800);
  EXPECT_EQ(image.height(), 600);
  EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
  // Every series colour appears somewhere.
  for (Rgb rgb : {SeriesColor(2), SeriesColor(3), SeriesColor(4), SeriesColor(6), SeriesColor(8)}) {
    bool found = false;
    for (int y = 0; y < image.height() && !found; ++y)
      for (int x = 0; x < image.width() && !found; ++x)
        found = image.pixelColor(x, y) == QColor(rgb.red, rgb.green, rgb.blue);
    EXPECT_TRUE(found) << int(rgb.red) << "," << int(rgb.green) << "," << int(rgb.blue);
  }
  if (const char* demo = std::getenv("TQ_CHART_DEMO_PNG"))
    fs::copy_file(dir / "demo.png", demo, fs::copy_options::overwrite_existing);
}

TEST_F(ChartFilesTest, SvgHoldsTheTickLabelsAndTitleAsText) {
  Vector("vx", {0, 1, 2, 3, 4});
  Vector("vy", {0, 1, 4, 9, 16});
  Series(SERIES_TWO_VECTORS, "vx", "vy", 2, LINE_SOLID, MARKER_SQUARE);
  ASSERT_EQ(Write("chart.svg", 400, 300), "");
  const std::string svg = ReadAll(dir / "chart.svg");
  for (const char* text : {">0</text>", ">1</text>", ">4</text>", ">0 </text>", ">10 </text>",
                           ">20 </text>", ">Every kind of series</text>"})
    EXPECT_NE(svg.find(text), std::string::npos) << text;
  EXPECT_NE(svg.find("width=\"400"), std::string::npos);
}

TEST_F(ChartFilesTest, PdfIsOnePage) {
  BuildDemo();
  ASSERT_EQ(Write("chart.pdf"), "");
  const std::string pdf = ReadAll(dir / "chart.pdf");
  EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
  EXPECT_EQ(Count(pdf, "/Type /Page\n") + Count(pdf, "/Type /Page\r") + Count(pdf, "/Type /Page/") +
                Count(pdf, "/Type /Page "),
            1u);
}

TEST_F(ChartFilesTest, UnknownTypesAndUnwritablePathsAreReported) {
  EXPECT_EQ(ChartFileTypeOf("a.PNG"), ChartFileType::kPng);
  EXPECT_EQ(ChartFileTypeOf("a.svg"), ChartFileType::kSvg);
  EXPECT_EQ(ChartFileTypeOf("dir.pdf/a"), ChartFileType::kUnknown);
  EXPECT_EQ(ChartFileTypeOf("a.jpg"), ChartFileType::kUnknown);
  Vector("vx", {0, 1});
  Vector("vy", {0, 1});
  Series(SERIES_TWO_VECTORS, "vx", "vy", 1, LINE_SOLID, MARKER_POINT);
  EXPECT_EQ(Write("a.jpg"), "Unknown chart file type <" + (dir / "a.jpg").string() +
                                ">: the name must end in .png, .svg or .pdf");
  EXPECT_EQ(Write("missing/a.png"),
            "Unable to write chart file <" + (dir / "missing/a.png").string() + ">");
}

TEST_F(ChartFilesTest, FiveSeriesOfTwentyThousandPointsDrawWellUnderASecond) {
  Function("sine", "sin(x)");
  for (int k = 0; k < 5; ++k) {
    SeriesObject& s =
        Series(SERIES_RANGE_FUNCTION, "", "sine", 2 + k, k % 2 ? LINE_DASH : LINE_SOLID, 1 + k);
    s.RangeMin = -100 + k;
    s.RangeMax = 100 + k;
    s.PointCount = 20000;
  }
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(Write("big.png"), "");
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
#if defined(__SANITIZE_ADDRESS__)
  const double limit = 10.0;  // instrumented build
#else
  const double limit = 1.0;
#endif
  EXPECT_LT(seconds, limit);
  EXPECT_TRUE(document.tempObjects.empty());
}

}  // namespace
}  // namespace tq
