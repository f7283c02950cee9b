// The chart window: its layout at two sizes, the drawing, the viewing aids
// that change only what is shown, saving and copying, and printing.
#include "app/chart_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <functional>

#include "app/app_test.h"
#include "app/chart_printer.h"
#include "chart/chart_model.h"
#include "chart/chart_view.h"
#include "chart/display_chart.h"
#include "chart/print_chart.h"
#include "core/object_list.h"
#include "core/ui_port.h"

namespace tq::app::testing {
namespace {

QPushButton* ButtonNamed(QWidget* window, const QString& text) {
  for (QPushButton* button : window->findChildren<QPushButton*>())
    if (button->text() == text) return button;
  ADD_FAILURE() << "no button " << text.toStdString();
  return nullptr;
}

struct View {
  double xMin, xMax, yMin, yMax;
  bool operator==(const View&) const = default;
};

View ViewOf(const ChartObject& chart) {
  return {chart.XTicks.TickMin, chart.XTicks.TickMax, chart.YTicks.TickMin, chart.YTicks.TickMax};
}

class ChartWindowTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    auto x = std::make_unique<VectorObject>(5, 0.0);
    auto y = std::make_unique<VectorObject>(5, 0.0);
    for (int32_t i = 1; i <= 5; ++i) {
      x->at(i) = i - 1;        // 0 .. 4
      y->at(i) = (i - 1) * 2;  // 0 .. 8
    }
    x->name = "x";
    y->name = "y";
    AddObject(std::move(x));
    AddObject(std::move(y));
    chart.name = chart.Title = "c";
    chart.status = STATUS_VALID;
    auto series = std::make_unique<SeriesObject>();
    series->name = series->Label = "line";
    series->Source1 = "x";
    series->Source2 = "y";
    series->LineColor = 2;  // red
    series->status = STATUS_VALID;
    chart.SeriesList.push_back(std::move(series));
    chart.SeriesCount = 1;
  }
  // Displays the chart in its window, shown (not run), for `check`.
  void Show(const std::function<void(ChartWindow&)>& check) {
    const int32_t shown = DisplayChart(
        chart,
        [&](ChartObject& c) {
          ChartWindow chartWindow(c, window.get());
          chartWindow.show();
          EXPECT_TRUE(QTest::qWaitForWindowExposed(&chartWindow));
          check(chartWindow);
          return true;
        },
        tq::ShowMessage);
    EXPECT_EQ(shown, 1);
  }

  ChartObject chart;
};

TEST_F(ChartWindowTest, AreaAndButtonsFollowTheWindowSize) {
  Show([](ChartWindow& chartWindow) {
    for (QSize size : {QSize(640, 480), QSize(320, 200)}) {
      chartWindow.resize(size);
      QTest::qWait(20);
      ASSERT_EQ(chartWindow.size(), size);
      const int w = size.width(), h = size.height();
      QPushButton* close = ButtonNamed(&chartWindow, "Close window");
      QPushButton* print = ButtonNamed(&chartWindow, "Print");
      ASSERT_TRUE(close && print);
      EXPECT_EQ(chartWindow.area()->geometry(), QRect(10, 10, w - 20, h - 42)) << w;
      const QRect closeAt(close->mapTo(&chartWindow, QPoint()), close->size());
      const QPoint printAt = print->mapTo(&chartWindow, QPoint());
      EXPECT_EQ(closeAt.x(), 12);
      EXPECT_EQ(printAt.x(), closeAt.right() + 1 + 8);
      EXPECT_EQ(closeAt.bottom() + 1, h - 4);
      EXPECT_EQ(printAt.y(), closeAt.y());
      // Narrower than the row: whole buttons, the last ones past the edge.
      for (QAbstractButton* button : chartWindow.findChildren<QAbstractButton*>())
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
    }
  });
}

// The frame runs from (10, 10) to (R - 10, B - 20) of the area at any size.
TEST_F(ChartWindowTest, RedrawsTheChartAtEverySize) {
  Show([](ChartWindow& chartWindow) {
    for (QSize size : {QSize(640, 480), QSize(400, 300)}) {
      chartWindow.resize(size);
      QTest::qWait(20);
      const QImage image = chartWindow.area()->Image();
      const int r = chartWindow.area()->width(), b = chartWindow.area()->height();
      const qreal ratio = image.devicePixelRatio();
      auto at = [&](int x, int y) { return image.pixelColor(int(x * ratio), int(y * ratio)); };
      EXPECT_EQ(at(5, 5), QColor(Qt::white));
      EXPECT_EQ(at(10, b / 2), QColor(Qt::black)) << r;
      EXPECT_EQ(at(r - 10, b / 2), QColor(Qt::black)) << r;
      EXPECT_EQ(at(r / 2 + 3, b - 20), QColor(Qt::black)) << b;
      EXPECT_EQ(at(r - 5, b / 2), QColor(Qt::white));
    }
  });
}

TEST_F(ChartWindowTest, ZoomAndPanChangeOnlyTheRangeShown) {
  const int32_t options = chart.Options;
  Show([&](ChartWindow& chartWindow) {
    ChartArea* area = chartWindow.area();
    const View start = ViewOf(chart);
    EXPECT_EQ(start, (View{0, 4, 0, 8}));
    // Four notches of the wheel at the centre of the plot area.
    const QPointF centre((area->width()) / 2.0, (area->height() - 10) / 2.0);
    QWheelEvent wheel(centre, area->mapToGlobal(centre), QPoint(), QPoint(0, 4 * 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area, &wheel);
    const View zoomed = ViewOf(chart);
    EXPECT_GT(zoomed.xMin, start.xMin);
    EXPECT_LT(zoomed.xMax, start.xMax);
    EXPECT_LT(zoomed.xMax - zoomed.xMin, 4);

    // Dragged right by half the plot's width: the range moves left by half of it.
    const View before = ViewOf(chart);
    const double half = (before.xMax - before.xMin) / 2;
    const int dx = (area->width() - 20) / 2;
    const QPoint from(area->width() / 2 - dx / 2, area->height() / 2);
    QTest::mousePress(area, Qt::LeftButton, {}, from);
    QTest::mouseMove(area, from + QPoint(dx, 0));
    QTest::mouseRelease(area, Qt::LeftButton, {}, from + QPoint(dx, 0));
    EXPECT_NEAR(chart.ViewXMin, zoomed.xMin - half, half * 0.5);
    EXPECT_LT(ViewOf(chart).xMin, before.xMin);

    ButtonNamed(&chartWindow, "Reset view")->click();
    EXPECT_EQ(ViewOf(chart), start);

    // A rectangle dragged with the right button is the new range.
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    const QPoint a(60, 60), b(area->width() / 2, area->height() / 2);
    ASSERT_TRUE(ScreenToChart(chart, area->width(), area->height(), a.x(), a.y(), x0, y1));
    ASSERT_TRUE(ScreenToChart(chart, area->width(), area->height(), b.x(), b.y(), x1, y0));
    QTest::mousePress(area, Qt::RightButton, {}, a);
    QTest::mouseMove(area, b);
    QTest::mouseRelease(area, Qt::RightButton, {}, b);
    EXPECT_EQ((View{chart.ViewXMin, chart.ViewXMax, chart.ViewYMin, chart.ViewYMax}),
              (View{x0, x1, y0, y1}));
  });
  EXPECT_EQ(chart.Options, options);
  EXPECT_EQ((View{chart.XMin, chart.XMax, chart.YMin, chart.YMax}), (View{-10, 10, -10, 10}));
}

TEST_F(ChartWindowTest, LegendIsOffUntilTicked) {
  Show([](ChartWindow& chartWindow) {
    auto* legend = chartWindow.findChild<QCheckBox*>();
    ASSERT_NE(legend, nullptr);
    EXPECT_EQ(legend->text(), "Legend");
    EXPECT_FALSE(legend->isChecked());
    auto redIn = [&](const QImage& image) {
      // The top right corner of the plot area, where the legend goes.
      const qreal ratio = image.devicePixelRatio();
      const int right = int((chartWindow.area()->width() - 12) * ratio);
      for (int x = right - int(40 * ratio); x < right; ++x)
        for (int y = int(12 * ratio); y < int(40 * ratio); ++y)
          if (image.pixelColor(x, y) == QColor(210, 0, 0)) return true;
      return false;
    };
    EXPECT_FALSE(redIn(chartWindow.area()->Image()));
    QTest::mouseClick(legend, Qt::LeftButton, {}, QPoint(4, legend->height() / 2));
    EXPECT_TRUE(redIn(chartWindow.area()->Image()));
  });
}

TEST_F(ChartWindowTest, SavesAndCopiesTheChartAsShown) {
  QTemporaryDir dir;
  const QString path = dir.filePath("chart.png");
  Show([&](ChartWindow& chartWindow) {
    OnNextModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->nameFilters(),
                (QStringList{"PNG image (*.png)", "SVG drawing (*.svg)", "PDF document (*.pdf)"}));
      dialog->selectFile(path);
      static_cast<QDialog*>(dialog)->accept();
    });
    ButtonNamed(&chartWindow, "Save as image...")->click();
    QImage saved(path);
    EXPECT_EQ(saved.size(), chartWindow.area()->size());
    ButtonNamed(&chartWindow, "Copy")->click();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), chartWindow.area()->size() * chartWindow.area()->devicePixelRatioF());
  });
}

// One page, the drawing a square across the printable width, centred
// from top to bottom.
TEST_F(ChartWindowTest, PrintsToAPdfFileWithTheSquareCentred) {
  QTemporaryDir dir;
  const QString path = dir.filePath("chart.pdf");
  Show([&](ChartWindow&) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QtChartPrinter chartPrinter(printer, nullptr);
    std::string message;
    ASSERT_EQ(PrintChart(chart, chartPrinter, message), 1);
    EXPECT_EQ(message, "");
    const PrintLayout layout =
        PrintPageLayout(printer.height(), chartPrinter.PrintableMetricWidth(),
                        chartPrinter.PrintableMetricHeight());
    EXPECT_EQ(layout.side, chartPrinter.PrintableMetricWidth() - 10);
    const QRectF drawn = chartPrinter.DeviceRect(layout.side);
    const double millimetre = printer.resolution() / 25.4;
    EXPECT_EQ(drawn.width(), drawn.height());
    EXPECT_NEAR(drawn.left(), 0, 0.01);
    EXPECT_NEAR(drawn.right(), printer.width(), 1.1 * millimetre);
    EXPECT_NEAR(drawn.center().y(), printer.height() / 2.0, 2 * millimetre);
  });
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString pdf = QString::fromLatin1(file.readAll());
  EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
}

// The Print button asks for the printer first.
TEST_F(ChartWindowTest, PrintButtonShowsThePrintDialog) {
  QTemporaryDir dir;
  const QString path = dir.filePath("button.pdf");
  Show([&](ChartWindow& chartWindow) {
    chartWindow.printer().setOutputFormat(QPrinter::PdfFormat);
    chartWindow.printer().setOutputFileName(path);
    OnNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<QPrintDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
      EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintSelection));
      static_cast<QDialog*>(dialog)->accept();
    });
    ButtonNamed(&chartWindow, "Print")->click();
  });
  EXPECT_TRUE(QFile::exists(path));
  EXPECT_EQ(messages, QStringList{});
}

}  // namespace
}  // namespace tq::app::testing
