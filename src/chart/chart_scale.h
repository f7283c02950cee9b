// The visible range of a chart and the ticks of its axes.
#pragma once

#include <cstdint>

#include "core/math_object.h"

namespace tq {

// Polar (angle in radians, radius) to Cartesian, in place. Angles beyond
// 1e18 and radii beyond 1e100 give the origin.
void ToCartesian(double& angle, double& radius);

// The range that holds every drawable point of the ready series; 1 when at
// least one point was used.
int32_t ComputeAutoRange(ChartObject& chart);
// The user's range; 1 when both axes have a positive extent.
int32_t UseUserRange(ChartObject& chart);

// Ticks at multiples of a step of 1 or 5 times a power of ten that cover
// lo..hi with about 3 to 7 intervals; 1 on success.
int32_t NiceScale(double lo, double hi, double& tickMin, double& tickMax, double& step,
                  int32_t& count);
// The tick layouts of both axes from the effective range; both are valid
// only when both succeed.
int32_t ComputeTicks(ChartObject& chart);

}  // namespace tq
