// Drawing a prepared chart: frame, grid or tick marks, tick labels, title
// and axis labels, then each ready series as a line and markers.
#pragma once

#include <cstdint>
#include <vector>

#include "chart/chart_canvas.h"
#include "core/math_object.h"

namespace tq {

// The vertices of a marker relative to its point, for a marker size that is
// already scaled for the target. Unknown shapes have none.
std::vector<DevicePoint> MarkerPolygon(int32_t shape, int32_t size);

// Draws the chart into the rectangle (0, 0, right, bottom) of the canvas.
// The points, range and ticks must have been prepared.
void DrawChart(ChartCanvas& canvas, const ChartObject& chart, int32_t right, int32_t bottom);

}  // namespace tq
