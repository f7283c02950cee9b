// From chart coordinates to the units of the drawing target.
#pragma once

#include <cstdint>

#include "core/math_object.h"

namespace tq {

// The state of one drawing pass: the rectangle (left and top 0), the print
// flag and whether the last two mapped points were clipped.
struct DrawingState {
  int32_t right = 0;
  int32_t bottom = 0;
  bool printing = false;
  bool clipped = false;          // the last mapped point
  bool previousClipped = false;  // the one before it
};

// Coordinates beyond these are set to the limit and count as clipped.
inline constexpr double kScreenClipLimit = 4000;
inline constexpr double kPrintClipLimit = 40000;

// Maps (x, y) in place to device units within the plot area, which runs
// from 10 to right - 10 and from 10 to bottom - 20 (on a printed page from
// 10 upwards). Returns 0 and sets both to 0 when the chart has no ready
// series, no valid tick layout or a tick range below 1e-100.
int32_t MapToDevice(double& x, double& y, const ChartObject& chart, DrawingState& state);

}  // namespace tq
