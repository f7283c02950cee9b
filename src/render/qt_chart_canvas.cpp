#include "render/qt_chart_canvas.h"

#include <QBrush>
#include <QColor>
#include <QPaintEngine>
#include <QPen>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <cmath>

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

// The scale at which a polygon drawn into an image and that image copied to
// the painter lands on the same device pixels, or 0 when it does not: a
// raster target moved by whole pixels and scaled by a whole number (a screen
// at 100% or 200%), plain source-over painting.
int StampScale(const QPainter& painter) {
  const QPaintEngine* engine = painter.paintEngine();
  const QTransform transform = painter.deviceTransform();
  const double scale = transform.m11();
  const bool whole = transform.type() <= QTransform::TxScale && scale >= 1.0 &&
                     scale == std::floor(scale) && transform.m22() == scale &&
                     transform.dx() == std::floor(transform.dx()) &&
                     transform.dy() == std::floor(transform.dy());
  const bool plain = engine && engine->type() == QPaintEngine::Raster &&
                     painter.opacity() == 1.0 &&
                     painter.compositionMode() == QPainter::CompositionMode_SourceOver;
  return whole && plain ? int(scale) : 0;
}

}  // namespace

QtChartCanvas::QtChartCanvas(QPainter& painter) : painter_(painter), metric_(false) {
  QFont font = ChartFont();
  font.setPixelSize(kScreenFontPixels);
  painter_.setFont(font);
  painter_.setRenderHint(QPainter::Antialiasing, true);
  ApplyPen();
  stampScale_ = StampScale(painter_);
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
  if (line_.size() >= 2 && pen_.style != PenStyle::kInvisible) {
    if (stampScale_ >= 2 && pen_.style == PenStyle::kSolid)
      DrawWideLineInPieces();
    else
      painter_.drawPolyline(line_);
  }
  line_.clear();
}

// Qt fills a wide line's outline as one shape, and the time that takes grows
// with the number of edges each row of pixels crosses: a line of 20000
// points on a screen scaled to 200% took a tenth of a second. In pieces of
// kPiece segments it takes a hundredth; a round dot at each joint between two
// pieces makes the round join the whole line has there. (A one-pixel line is
// drawn segment by segment anyway; dashes would start again at each piece.)
void QtChartCanvas::DrawWideLineInPieces() {
  constexpr qsizetype kPiece = 64;
  const qsizetype count = line_.size();
  for (qsizetype from = 0; from + 1 < count; from += kPiece)
    painter_.drawPolyline(line_.constData() + from, int(std::min(kPiece + 1, count - from)));
  if (count <= kPiece + 1) return;
  QPen dot = painter_.pen();
  const QPen pen = dot;
  dot.setCapStyle(Qt::RoundCap);
  painter_.setPen(dot);
  for (qsizetype joint = kPiece; joint + 1 < count; joint += kPiece) painter_.drawPoint(line_[joint]);
  painter_.setPen(pen);
}

void QtChartCanvas::SetPen(const Pen& pen) {
  Flush();
  pen_ = pen;
  ApplyPen();
  stamp_ = QImage();
}

void QtChartCanvas::SetBrush(Rgb color) {
  Flush();
  painter_.setBrush(QBrush(ToColor(color)));
  stamp_ = QImage();
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
  if (stampScale_) {
    Stamp(vertices);
    return;
  }
  polygon_.resize(qsizetype(vertices.size()));
  for (size_t i = 0; i < vertices.size(); ++i) polygon_[qsizetype(i)] = ToDevice(vertices[i]);
  painter_.drawPolygon(polygon_);
}

// A series draws thousands of copies of one marker, and each polygon costs
// about a microsecond however small it is; so the marker is drawn once into
// a small image and the image is copied to each place, some ten times
// faster. The copy blends its edge pixels once where the polygon blends the
// fill and then the outline, so they may differ by a level or two of 255.
void QtChartCanvas::Stamp(std::span<const DevicePoint> vertices) {
  const DevicePoint at = vertices[0];
  bool same = !stamp_.isNull() && stampShape_.size() == vertices.size();
  for (size_t i = 0; same && i < vertices.size(); ++i)
    same = stampShape_[i] == DevicePoint{vertices[i].x - at.x, vertices[i].y - at.y};
  if (!same) MakeStamp(vertices);
  painter_.drawImage(QPoint(at.x + stampOrigin_.x(), at.y + stampOrigin_.y()), stamp_);
}

void QtChartCanvas::MakeStamp(std::span<const DevicePoint> vertices) {
  const DevicePoint at = vertices[0];
  stampShape_.clear();
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  for (const DevicePoint& v : vertices) {
    const DevicePoint offset{v.x - at.x, v.y - at.y};
    stampShape_.push_back(offset);
    left = std::min(left, offset.x);
    top = std::min(top, offset.y);
    right = std::max(right, offset.x);
    bottom = std::max(bottom, offset.y);
  }
  // The outline reaches half a pixel beyond the vertices; the margin
  // leaves room to spare.
  constexpr int32_t kMargin = 2;
  stampOrigin_ = QPoint(left - kMargin, top - kMargin);
  // On a scaled screen the image holds the device pixels, and is copied at
  // the painter's scale, one pixel to one.
  stamp_ = QImage((right - left + 1 + 2 * kMargin) * stampScale_,
                  (bottom - top + 1 + 2 * kMargin) * stampScale_,
                  QImage::Format_ARGB32_Premultiplied);
  stamp_.setDevicePixelRatio(stampScale_);
  stamp_.fill(Qt::transparent);
  polygon_.resize(qsizetype(vertices.size()));
  for (size_t i = 0; i < vertices.size(); ++i)
    polygon_[qsizetype(i)] = QPointF(stampShape_[i].x - stampOrigin_.x() + 0.5,
                                     stampShape_[i].y - stampOrigin_.y() + 0.5);
  QPainter painter(&stamp_);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(painter_.pen());
  painter.setBrush(painter_.brush());
  painter.drawPolygon(polygon_);
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
