// Showing a chart: its points, range and ticks are prepared with their
// messages, the front end shows it, and the temporary points are freed.
#pragma once

#include <cstdint>
#include <functional>

#include "chart/prepare_series.h"
#include "core/math_object.h"

namespace tq {

inline constexpr const char* kNoChartData = "Unable to display chart.\nInvalid or empty chart data";
inline constexpr const char* kChartCancelled = "Calculation terminated by user.\n";
inline constexpr const char* kInvalidChartRange =
    "Unable to display chart.\nInvalid range of horizontal or vertical data values or empty chart "
    "data.";

// Prepares the chart and calls `show` with it (the display window, a file
// writer); 1 when shown, else 0 after a message. The preparation's messages
// and the refusal go to `message` in the order they arise. The temporary
// points are purged in either case. `show` returns false when it failed;
// its message is its own.
int32_t DisplayChart(ChartObject& chart, const std::function<bool(ChartObject&)>& show,
                     const ChartMessageSink& message);

}  // namespace tq
