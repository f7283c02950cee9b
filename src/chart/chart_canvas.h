// The drawing surface of a chart: pens, brushes, lines, polygons and text
// in a box. Each target (an image, a vector file, a printed page, a test
// recorder) implements it, so that the chart drawing knows no toolkit.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "chart/chart_model.h"

namespace tq {

struct DevicePoint {
  int32_t x = 0, y = 0;
  bool operator==(const DevicePoint&) const = default;
};

enum class PenStyle { kSolid, kDash, kInvisible };

struct Pen {
  PenStyle style = PenStyle::kSolid;
  int32_t width = 1;
  Rgb color;
  bool operator==(const Pen&) const = default;
};

// A box given as (left, top, right, bottom) in the target's units; on a
// printed page y grows upwards, so its top lies above its bottom.
struct TextBox {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const TextBox&) const = default;
};

enum class HorizontalAlign { kLeft, kCenter, kRight };
enum class VerticalAlign { kTop, kCenter, kBottom };

class ChartCanvas {
 public:
  virtual ~ChartCanvas() = default;

  // True for a printed page: units of 0.1 mm with y growing upwards.
  virtual bool UsesMetricMapping() const = 0;

  virtual void SetPen(const Pen& pen) = 0;
  // Fill of the following polygons.
  virtual void SetBrush(Rgb color) = 0;
  virtual void MoveTo(DevicePoint to) = 0;
  // A line from the current position, which then moves to `to`.
  virtual void LineTo(DevicePoint to) = 0;
  // A filled polygon outlined with the pen; a single vertex is a point.
  virtual void Polygon(std::span<const DevicePoint> vertices) = 0;
  // One line of text, aligned in the box and not clipped to it.
  virtual void Text(std::string_view text, const TextBox& box, HorizontalAlign horizontal,
                    VerticalAlign vertical) = 0;
};

}  // namespace tq
