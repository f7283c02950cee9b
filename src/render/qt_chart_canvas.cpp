#include "render/qt_chart_canvas.h"

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QRectF>
#include <QString>

namespace tq {

namespace {

QColor ToColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

// Text height: about 8 points on a 96 dpi screen, 2.5 mm on paper.
constexpr int kScreenFontPixels = 11;
constexpr double kPrintFontUnits = 25;

QFont ChartFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace

QtChartCanvas::QtChartCanvas(QPainter& painter) : painter_(painter), metric_(false) {
  QFont font = ChartFont();
  font.setPixelSize(kScreenFontPixels);
  painter_.setFont(font);
  painter_.setRenderHint(QPainter::Antialiasing, true);
  ApplyPen();
}

QtChartCanvas::QtChartCanvas(QPainter& painter, double deviceUnitsPerUnit, QPointF origin)
    : painter_(painter), metric_(true), scale_(deviceUnitsPerUnit), origin_(origin) {
  QFont font = ChartFont();
  font.setPixelSize(qMax(1, qRound(kPrintFontUnits * scale_)));
  painter_.setFont(font);
  painter_.setRenderHint(QPainter::Antialiasing, true);
  ApplyPen();
}

QtChartCanvas::~QtChartCanvas() { Flush(); }

QPointF QtChartCanvas::ToDevice(DevicePoint p) const {
  // On screen the half-pixel shift puts one-pixel lines on pixel centres.
  if (!metric_) return QPointF(p.x + 0.5, p.y + 0.5);
  return QPointF(origin_.x() + p.x * scale_, origin_.y() - p.y * scale_);
}

void QtChartCanvas::ApplyPen() {
  if (pen_.style == PenStyle::kInvisible) {
    painter_.setPen(Qt::NoPen);
    return;
  }
  QPen pen(ToColor(pen_.color));
  pen.setWidthF(metric_ ? pen_.width * scale_ : pen_.width);
  pen.setStyle(pen_.style == PenStyle::kDash ? Qt::DashLine : Qt::SolidLine);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter_.setPen(pen);
}

void QtChartCanvas::Flush() {
  if (line_.size() >= 2 && pen_.style != PenStyle::kInvisible) painter_.drawPolyline(line_);
  line_.clear();
}

void QtChartCanvas::SetPen(const Pen& pen) {
  Flush();
  pen_ = pen;
  ApplyPen();
}

void QtChartCanvas::SetBrush(Rgb color) {
  Flush();
  painter_.setBrush(QBrush(ToColor(color)));
}

void QtChartCanvas::MoveTo(DevicePoint to) {
  Flush();
  current_ = ToDevice(to);
}

void QtChartCanvas::LineTo(DevicePoint to) {
  if (line_.isEmpty()) line_.append(current_);
  current_ = ToDevice(to);
  line_.append(current_);
}

void QtChartCanvas::Polygon(std::span<const DevicePoint> vertices) {
  Flush();
  if (vertices.empty()) return;
  if (vertices.size() == 1) {
    painter_.drawPoint(ToDevice(vertices[0]));
    return;
  }
  // A marker of size 0 collapses to its point and shows nothing.
  bool degenerate = true;
  for (const DevicePoint& v : vertices) degenerate = degenerate && v == vertices[0];
  if (degenerate) return;
  QPolygonF polygon;
  polygon.reserve(qsizetype(vertices.size()));
  for (const DevicePoint& v : vertices) polygon.append(ToDevice(v));
  painter_.drawPolygon(polygon);
}

void QtChartCanvas::Text(std::string_view text, const TextBox& box, HorizontalAlign horizontal,
                         VerticalAlign vertical) {
  Flush();
  const QRectF rect =
      QRectF(ToDevice({box.left, box.top}), ToDevice({box.right, box.bottom})).normalized();
  int flags = Qt::TextDontClip | Qt::TextSingleLine;
  flags |= horizontal == HorizontalAlign::kLeft    ? Qt::AlignLeft
           : horizontal == HorizontalAlign::kRight ? Qt::AlignRight
                                                   : Qt::AlignHCenter;
  flags |= vertical == VerticalAlign::kTop      ? Qt::AlignTop
           : vertical == VerticalAlign::kBottom ? Qt::AlignBottom
                                                : Qt::AlignVCenter;
  // Text is always drawn in black, whatever the pen.
  const QPen pen = painter_.pen();
  painter_.setPen(Qt::black);
  painter_.drawText(rect, flags, QString::fromUtf8(text.data(), qsizetype(text.size())));
  painter_.setPen(pen);
}

}  // namespace tq
