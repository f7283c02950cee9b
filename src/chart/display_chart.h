// Showing a chart: its points, range and ticks are prepared with their
// messages, the front end shows it, and the temporary points are freed.
#pragma once

#include <cstdint>
#include <functional>

#include "core/math_object.h"

namespace tq {

inline constexpr const char* kNoChartData = "Unable to display chart.\nInvalid or empty chart data";
inline constexpr const char* kChartCancelled = "Calculation terminated by user.\n";
inline constexpr const char* kInvalidChartRange =
    "Unable to display chart.\nInvalid range of horizontal or vertical data values or empty chart "
    "data.";

// Prepares the chart and calls `show` with it (the display window, a file
// writer); 1 when shown, else 0 after a message. The temporary points are
// purged in either case. `show` returns false when it failed; its message
// is its own.
int32_t DisplayChart(ChartObject& chart, const std::function<bool(ChartObject&)>& show);

// Where a chart goes on a printed page, in 0.1 mm with y growing upwards.
struct PrintLayout {
  double originY = 0;  // the origin's distance from the top of the page, in device units
  int32_t side = 0;    // the square drawing's side; nothing is drawn at 100 or less
};

// The page layout: printable height H in device units, printable width
// and height in 0.1 mm; the square of side min(W - 10, H - 20) centred
// vertically.
PrintLayout PrintPageLayout(double deviceHeight, int32_t metricWidth, int32_t metricHeight);

}  // namespace tq
