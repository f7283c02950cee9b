// The "Display Chart" window: the chart drawn in an area that follows the
// window's size, its buttons below, and viewing aids that change only
// what is shown (zoom, pan, a legend), never the chart.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QPrinter>
#include <QRect>
#include <QWidget>

#include "core/math_object.h"

class QCheckBox;
class QPushButton;

namespace tq::app {

// The white area the chart is drawn in, with the mouse's zoom and pan.
class ChartArea final : public QWidget {
  Q_OBJECT

 public:
  ChartArea(ChartObject& chart, QWidget* parent);

  void SetLegendShown(bool shown);
  void ResetView();
  // The chart as the area shows it, at the screen's pixel density.
  QImage Image() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Render(QPainter& painter) const;
  void DrawLegend(QPainter& painter) const;
  bool ToChart(QPointF point, double& x, double& y) const;

  ChartObject& chart_;
  bool legend_ = false;
  enum class Drag { kNone, kPan, kZoom } drag_ = Drag::kNone;
  QPoint pressed_;
  QRect zoomRect_;
  double pressedView_[4] = {};  // x min, x max, y min, y max at the press
  double unitsPerPixel_[2] = {};
};

class ChartWindow final : public QDialog {
  Q_OBJECT

 public:
  ChartWindow(ChartObject& chart, QWidget* parent);

  ChartArea* area() const { return area_; }
  QPrinter& printer() { return printer_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Print();
  void PrintPreview();
  void SaveImage();
  void CopyImage();

  ChartObject& chart_;
  ChartArea* area_;
  QWidget* buttonRow_;
  QPrinter printer_;
};

}  // namespace tq::app
