// Computing the points of a chart's series before it is drawn.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "core/math_object.h"

namespace tq {

// Takes each message of a chart's preparation as it arises; the command
// shows it. Messages go out at once because a later series may still ask
// the stop question.
using ChartMessageSink = std::function<void(std::string_view)>;

// Computes the points of every valid series of the chart into temporary
// vectors (freed by PurgeTempObjects after drawing), gives `message` the
// reason for each series that has to be left out, and returns ReadySeries:
// the number of series whose points are ready. Stops at a confirmed user
// cancel.
int32_t PrepareSeries(ChartObject& chart, const ChartMessageSink& message);

}  // namespace tq
