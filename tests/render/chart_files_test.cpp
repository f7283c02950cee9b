#include <signal.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "chart/display_chart.h"
#include "core/ui_port.h"
#include "render/chart_file_writer.h"
#include "support/chart_support.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

namespace fs = std::filesystem;

class ChartFilesTest : public testing::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    EnsureGuiApplication();
    testing::InstallFakeSeriesFunctions();
    chart.Title = "Every kind of series";
    chart.Options = CHART_AUTO_RANGE | CHART_GRIDLINES | CHART_SHOW_TITLE;
    for (auto [name, body] : {std::pair{"sine", "sin(x)"}, {"cosine", "cos(x)"}, {"square", "x*x"}})
      Function(name, body);
  }
  void Series(int32_t type, const char* s1, const char* s2, int32_t color, int32_t marker,
              double rangeMin = 0, double rangeMax = 0, int points = 0) {
    SeriesObject& s = testing::AddSeries(chart, type, s1, s2);
    s.LineColor = color;
    s.LineType = color % 2 ? LINE_DASH : LINE_SOLID;
    s.MarkerShape = marker;
    s.RangeMin = rangeMin;
    s.RangeMax = rangeMax;
    s.PointCount = points;
  }
  void TwoVectorSeries() {
    Vector("vx", {0, 1, 2, 3, 4});
    Vector("vy", {0, 1, 4, 9, 16});
    Series(SERIES_TWO_VECTORS, "vx", "vy", 2, MARKER_SQUARE);
  }
  // Displays the chart into a file; returns the writer's error text.
  std::string WriteChart(const std::string& file, int32_t width = 800, int32_t height = 600) {
    std::string error;
    DisplayChart(
        chart,
        [&](ChartObject& c) {
          return WriteChartFile(c, Path(file), width, height, error);
        },
        ShowMessage);
    return error;
  }

  ChartObject chart;
};

TEST_F(ChartFilesTest, PngShowsEverySeriesColourOnWhite) {
  Vector("vx", {-3, -2, -1, 0, 1, 2, 3});  // one series of each kind over -3..3
  Vector("vy", {-3.2, -1.3, -0.6, -0.5, -0.4, 0.3, 2.2});
  Vector("vys", {-1.5, -1, -0.5, 0, 0.5, 1, 1.5});
  Series(SERIES_TWO_VECTORS, "vx", "vy", 2, MARKER_SQUARE);
  Series(SERIES_RANGE_FUNCTION, "", "sine", 4, MARKER_NONE, -3, 3, 200);
  Series(SERIES_X_VECTOR_FUNCTION, "vx", "cosine", 3, MARKER_CIRCLE);
  Series(SERIES_Y_VECTOR_FUNCTION, "square", "vys", 6, MARKER_TRIANGLE);
  Series(SERIES_PARAMETRIC, "cosine", "sine", 8, MARKER_DIAMOND, 0, 6.2832, 25);
  ASSERT_EQ(WriteChart("demo.png"), "");
  EXPECT_EQ(ui.messages, std::vector<std::string>{});
  QImage image(QString::fromStdString(Path("demo.png")));
  ASSERT_EQ(image.size(), QSize(800, 600));
  EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255));
  std::set<QRgb> seen;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y));
  for (int32_t color : {2, 3, 4, 6, 8}) {
    const Rgb rgb = SeriesColor(color);
    EXPECT_TRUE(seen.count(qRgb(rgb.red, rgb.green, rgb.blue))) << "colour " << color;
  }
}

TEST_F(ChartFilesTest, SvgHoldsTheLabelsAsText) {
  TwoVectorSeries();
  ASSERT_EQ(WriteChart("chart.svg", 400, 300), "");
  const std::string svg = ReadText("chart.svg");
  for (const char* text : {"width=\"400", ">0</text>", ">1</text>", ">4</text>", ">0 </text>",
                           ">10 </text>", ">20 </text>", ">Every kind of series</text>"})
    EXPECT_NE(svg.find(text), std::string::npos) << text;
}

TEST_F(ChartFilesTest, PdfIsOnePage) {
  TwoVectorSeries();
  ASSERT_EQ(WriteChart("chart.pdf"), "");
  const std::string pdf = ReadText("chart.pdf");
  EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
  size_t pages = 0;  // "/Type /Page" but not "/Type /Pages"
  for (size_t at = 0; (at = pdf.find("/Type /Page", at + 1)) != std::string::npos;)
    pages += pdf[at + 11] != 's';
  EXPECT_EQ(pages, 1u);
}

TEST_F(ChartFilesTest, TheTypeComesFromTheEndingAndAMissingFolderIsRefused) {
  TwoVectorSeries();
  EXPECT_EQ(ChartFileTypeOf("a.PNG"), ChartFileType::kPng);
  EXPECT_EQ(ChartFileTypeOf("dir.pdf/a"), ChartFileType::kUnknown);
  EXPECT_EQ(WriteChart("a.jpg"), "Unknown chart file type <" + Path("a.jpg") +
                                     ">: the name must end in .png, .svg or .pdf");
  EXPECT_EQ(WriteChart("missing/a.png"), "Unable to write chart file <" + Path("missing/a.png") + ">");
}

TEST_F(ChartFilesTest, AFullDiskOrAFileSizeLimitFailsEveryKind) {
  TwoVectorSeries();
  for (const char* ext : {"png", "svg", "pdf"}) {
    SCOPED_TRACE(ext);
    const std::string full = std::string("full.") + ext;  // every write to it fails: no space
    fs::create_symlink("/dev/full", Path(full));
    EXPECT_EQ(WriteChart(full), "Unable to write chart file <" + Path(full) + ">");
    const std::string big = std::string("big.") + ext;
    struct rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit small = {1024, saved.rlim_max};
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string error = WriteChart(big);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, SIG_DFL);
    EXPECT_EQ(error, "Unable to write chart file <" + Path(big) + ">");
    ASSERT_EQ(WriteChart(big), "");
    EXPECT_GT(fs::file_size(Path(big)), 1024u);
  }
}

// Its time is measured in bench/bench_chart.cpp.
TEST_F(ChartFilesTest, FiveSeriesOfTwentyThousandPointsDrawAndLeaveNoTemporaries) {
  for (int k = 0; k < 5; ++k)
    Series(SERIES_RANGE_FUNCTION, "", "sine", 2 + k, 1 + k, -100 + k, 100 + k, 20000);
  ASSERT_EQ(WriteChart("big.png"), "");
  EXPECT_TRUE(document.tempObjects.empty());
}

}  // namespace
}  // namespace tq
