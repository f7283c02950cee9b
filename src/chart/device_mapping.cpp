#include "chart/device_mapping.h"

#include <cmath>

namespace tq {

namespace {

// Limits a device coordinate; a NaN counts as clipped as well.
double Clip(double value, double limit, bool& clipped) {
  if (value > limit) {
    clipped = true;
    return limit;
  }
  if (value < -limit) {
    clipped = true;
    return -limit;
  }
  if (std::isnan(value)) {
    clipped = true;
    return limit;
  }
  return value;
}

}  // namespace

int32_t MapToDevice(double& x, double& y, const ChartObject& chart, DrawingState& state) {
  const TickLayout& h = chart.XTicks;
  const TickLayout& v = chart.YTicks;
  const double width = h.TickMax - h.TickMin;
  const double height = v.TickMax - v.TickMin;
  if (chart.ReadySeries == 0 || !h.valid || !v.valid || width < 1e-100 || height < 1e-100) {
    x = y = 0.0;
    return 0;
  }
  const double R = state.right, B = state.bottom;
  x = 10 + (R - 20) * (x - h.TickMin) / width;
  if (state.printing)
    y = 10 + (B - 30) * (y - v.TickMin) / height;
  else
    y = (B - 20) - (B - 30) * (y - v.TickMin) / height;
  state.previousClipped = state.clipped;
  state.clipped = false;
  const double limit = state.printing ? kPrintClipLimit : kScreenClipLimit;
  x = Clip(x, limit, state.clipped);
  y = Clip(y, limit, state.clipped);
  return 1;
}

}  // namespace tq
