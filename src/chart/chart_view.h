// Zooming and panning a displayed chart: only the effective range and the
// ticks change, never the chart's own range or options.
#pragma once

#include <cstdint>

#include "core/math_object.h"

namespace tq {

// The chart coordinates of the screen point (px, py) of a drawing of size
// (right, bottom): the inverse of the screen mapping. False when the chart
// has no tick layout to map with.
bool ScreenToChart(const ChartObject& chart, int32_t right, int32_t bottom, double px, double py,
                   double& x, double& y);

// Shows xMin..xMax by yMin..yMax (in either order) with ticks laid out
// for it; false, with the view unchanged, when no ticks fit that range.
bool SetChartView(ChartObject& chart, double xMin, double xMax, double yMin, double yMax);
// Scales the effective range by 1 / factor about (x, y): a factor above 1
// zooms in.
bool ZoomChartView(ChartObject& chart, double x, double y, double factor);
// Moves the effective range by (dx, dy).
bool PanChartView(ChartObject& chart, double dx, double dy);
// The range the display chose: from the data or the user's range.
bool ResetChartView(ChartObject& chart);

}  // namespace tq
