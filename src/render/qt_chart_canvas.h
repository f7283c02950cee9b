// The chart canvas on a QPainter: on screen units are pixels with y
// growing downwards; on a printed page units are 0.1 mm with y growing
// upwards from an origin near the bottom of the page.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <vector>

#include "chart/chart_canvas.h"

namespace tq {

class QtChartCanvas : public ChartCanvas {
 public:
  // Screen mapping: one unit is one device pixel.
  explicit QtChartCanvas(QPainter& painter);
  // Printer mapping: one unit is `deviceUnitsPerUnit` device units, y up
  // from `origin` (device units).
  QtChartCanvas(QPainter& painter, double deviceUnitsPerUnit, QPointF origin);
  ~QtChartCanvas() override;

  bool UsesMetricMapping() const override { return metric_; }
  void SetPen(const Pen& pen) override;
  void SetBrush(Rgb color) override;
  void MoveTo(DevicePoint to) override;
  void LineTo(DevicePoint to) override;
  void Polygon(std::span<const DevicePoint> vertices) override;
  void Text(std::string_view text, const TextBox& box, HorizontalAlign horizontal,
            VerticalAlign vertical) override;

  // Draws the line being collected; called before anything else is drawn.
  void Flush();

 private:
  QPointF ToDevice(DevicePoint p) const;
  void ApplyPen();
  void DrawWideLineInPieces();
  void Stamp(std::span<const DevicePoint> vertices);
  void MakeStamp(std::span<const DevicePoint> vertices);

  QPainter& painter_;
  bool metric_;
  double scale_ = 1.0;
  QPointF origin_;
  Pen pen_;
  QPolygonF line_;  // consecutive LineTo points, drawn as one polyline
  QPolygonF polygon_;
  // Polygons are copied from an image of the last one drawn with the same
  // pen and brush, where that lands on the same pixels.
  int stampScale_ = 0;  // the painter's whole-number scale, 0 for none
  QImage stamp_;
  QPoint stampOrigin_;                   // the image's top left relative to the first vertex
  std::vector<DevicePoint> stampShape_;  // the vertices relative to the first
  QPointF current_;
};

}  // namespace tq
