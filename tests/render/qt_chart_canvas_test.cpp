// Markers copied from an image of one marker land where drawing each
// polygon puts them, in its colours; where a copy would not land on whole
// pixels the polygons are drawn themselves.
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

TEST_F(QtChartCanvasTest, CopiedMarkersCoverTheSamePixelsInTheSameColours) {
  const QImage copied = Draw(DrawOnCanvas), drawn = Draw(DrawEachPolygon);
  const QImage background = Draw([](QPainter&) {});
  int differing = 0, painted = 0;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x) {
      const QRgb a = copied.pixel(x, y), b = drawn.pixel(x, y);
      const std::string at = std::to_string(x) + "," + std::to_string(y);
      ASSERT_EQ(a == background.pixel(x, y), b == background.pixel(x, y)) << at;
      painted += b != background.pixel(x, y);
      // Blended once from the copy instead of twice (fill, then outline).
      const int most = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                 std::abs(qBlue(a) - qBlue(b))});
      ASSERT_LE(most, 2) << at;
      differing += a != b;
    }
  EXPECT_GT(painted, 1500);
  EXPECT_LT(differing, painted / 4) << differing << " of " << painted;
}

TEST_F(QtChartCanvasTest, ScaledTargetsGetEachPolygonDrawn) {
  const QImage canvas = Draw(DrawOnCanvas, 2), drawn = Draw(DrawEachPolygon, 2);
  EXPECT_TRUE(canvas == drawn);
}

}  // namespace
}  // namespace tq
