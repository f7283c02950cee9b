// Computing the points of a chart's series before it is drawn.
#pragma once

#include <cstdint>

#include "core/math_object.h"

namespace tq {

// Computes the points of every valid series of the chart into temporary
// vectors (freed by PurgeTempObjects after drawing), shows a message for
// each series that has to be left out, and returns ReadySeries: the number
// of series whose points are ready. Stops at a confirmed user cancel.
int32_t PrepareSeries(ChartObject& chart);

}  // namespace tq
