// Markers copied from an image of one marker land where drawing each
// polygon puts them, in its colours; where a copy would not land on whole
// pixels the polygons are drawn themselves. A long wide line drawn in
// pieces covers what it covers drawn whole.
#include "render/qt_chart_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "chart/draw_chart.h"
#include "render/chart_file_writer.h"

namespace tq {
namespace {

constexpr Rgb kRed{210, 0, 0}, kBlue{0, 0, 210};

struct Marker {
  Rgb color;
  int32_t shape, size;
  DevicePoint at;
};

// Two colours, every polygon shape and size, overlapping and apart, over a
// grey line so that the edges blend with something besides white.
std::vector<Marker> Markers() {
  std::vector<Marker> markers;
  int32_t x = 12;
  for (int32_t shape = MARKER_SQUARE; shape <= MARKER_CIRCLE; ++shape)
    for (int32_t size = 1; size <= 5; ++size)
      for (Rgb color : {kRed, kBlue}) {
        for (int32_t step = 0; step < 3; ++step)
          markers.push_back({color, shape, size, {x + step, 20 + step * (size % 2 ? 1 : -1)}});
        x += 8 + size;
      }
  return markers;
}

// The markers as DrawChart draws them onto the canvas.
void DrawOnCanvas(QPainter& painter) {
  QtChartCanvas canvas(painter);
  for (const Marker& m : Markers()) {
    canvas.SetPen({PenStyle::kSolid, 1, m.color});
    canvas.SetBrush(m.color);
    std::vector<DevicePoint> vertices;
    for (const DevicePoint& d : MarkerPolygon(m.shape, m.size))
      vertices.push_back({m.at.x + d.x, m.at.y + d.y});
    canvas.Polygon(vertices);
  }
}

// Each marker drawn as its own polygon, with the canvas's pen.
void DrawEachPolygon(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  for (const Marker& m : Markers()) {
    const QColor color(m.color.red, m.color.green, m.color.blue);
    QPen pen(color);
    pen.setWidthF(1);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(color);
    QPolygonF polygon;
    for (const DevicePoint& d : MarkerPolygon(m.shape, m.size))
      polygon.append(QPointF(m.at.x + d.x + 0.5, m.at.y + d.y + 0.5));
    painter.drawPolygon(polygon);
  }
}

QImage Draw(const std::function<void(QPainter&)>& draw, qreal ratio = 1) {
  QImage image(QSize(520, 40) * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(QColor(120, 120, 120));
  painter.drawLine(QPointF(0, 20.5), QPointF(520, 20.5));
  draw(painter);
  return image;
}

class QtChartCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override { EnsureGuiApplication(); }
};

// At 100% and on a screen scaled to 200% the markers are copied.
TEST_F(QtChartCanvasTest, CopiedMarkersCoverTheSamePixelsInTheSameColours) {
  for (const qreal ratio : {1.0, 2.0}) {
    const QImage copied = Draw(DrawOnCanvas, ratio), drawn = Draw(DrawEachPolygon, ratio);
    const QImage background = Draw([](QPainter&) {}, ratio);
    int differing = 0, painted = 0;
    for (int y = 0; y < drawn.height(); ++y)
      for (int x = 0; x < drawn.width(); ++x) {
        const QRgb a = copied.pixel(x, y), b = drawn.pixel(x, y);
        const std::string at =
            std::to_string(x) + "," + std::to_string(y) + " at ratio " + std::to_string(ratio);
        ASSERT_EQ(a == background.pixel(x, y), b == background.pixel(x, y)) << at;
        painted += b != background.pixel(x, y);
        // Blended once from the copy instead of twice (fill, then outline).
        const int most = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                   std::abs(qBlue(a) - qBlue(b))});
        ASSERT_LE(most, 2) << at;
        differing += a != b;
      }
    EXPECT_GT(painted, 1500 * ratio * ratio);
    EXPECT_LT(differing, painted / 4) << differing << " of " << painted;
  }
}

// A copy would land between device pixels: each polygon is drawn.
TEST_F(QtChartCanvasTest, TargetsScaledByAFractionGetEachPolygonDrawn) {
  const QImage canvas = Draw(DrawOnCanvas, 1.5), drawn = Draw(DrawEachPolygon, 1.5);
  EXPECT_TRUE(canvas == drawn);
}

// A zigzag of 300 points, sharp turns and straight runs, across the image.
std::vector<DevicePoint> Zigzag() {
  std::vector<DevicePoint> points;
  for (int32_t i = 0; i < 300; ++i) points.push_back({4 + i * 5 / 3, i % 7 < 4 ? 8 + i % 7 * 6 : 32});
  return points;
}

void DrawLineOnCanvas(QPainter& painter, PenStyle style) {
  QtChartCanvas canvas(painter);
  canvas.SetPen({style, 1, kBlue});
  const std::vector<DevicePoint> points = Zigzag();
  canvas.MoveTo(points.front());
  for (size_t i = 1; i < points.size(); ++i) canvas.LineTo(points[i]);
}

void DrawLineWhole(QPainter& painter, Qt::PenStyle style) {
  QPen pen(QColor(kBlue.red, kBlue.green, kBlue.blue));
  pen.setWidthF(1);
  pen.setStyle(style);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPolygonF line;
  for (const DevicePoint& p : Zigzag()) line.append(QPointF(p.x + 0.5, p.y + 0.5));
  painter.drawPolyline(line);
}

TEST_F(QtChartCanvasTest, AWideLineInPiecesCoversWhatItCoversWhole) {
  const QImage pieces = Draw([](QPainter& p) { DrawLineOnCanvas(p, PenStyle::kSolid); }, 2);
  const QImage whole = Draw([](QPainter& p) { DrawLineWhole(p, Qt::SolidLine); }, 2);
  const QImage background = Draw([](QPainter&) {}, 2);
  int differing = 0, painted = 0;
  for (int y = 0; y < whole.height(); ++y)
    for (int x = 0; x < whole.width(); ++x) {
      const QRgb a = pieces.pixel(x, y), b = whole.pixel(x, y);
      painted += b != background.pixel(x, y);
      const int most = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                 std::abs(qBlue(a) - qBlue(b))});
      // The joints' edge pixels blend twice; none is missed or added.
      differing += most > 0;
      EXPECT_LE(most, 24) << x << "," << y;
    }
  EXPECT_GT(painted, 3000);
  EXPECT_LT(differing, 30) << differing << " of " << painted;
}

// Dashes and one-pixel lines are drawn whole.
TEST_F(QtChartCanvasTest, DashedAndThinLinesAreDrawnWhole) {
  EXPECT_TRUE(Draw([](QPainter& p) { DrawLineOnCanvas(p, PenStyle::kDash); }, 2) ==
              Draw([](QPainter& p) { DrawLineWhole(p, Qt::DashLine); }, 2));
  EXPECT_TRUE(Draw([](QPainter& p) { DrawLineOnCanvas(p, PenStyle::kSolid); }) ==
              Draw([](QPainter& p) { DrawLineWhole(p, Qt::SolidLine); }));
}

}  // namespace
}  // namespace tq
