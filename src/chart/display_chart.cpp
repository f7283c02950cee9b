#include "chart/display_chart.h"

#include "chart/chart_model.h"
#include "chart/chart_scale.h"
#include "chart/prepare_series.h"
#include "core/object_list.h"
#include "core/user_cancel.h"

namespace tq {

namespace {

int32_t Refuse(const char* refusal, const ChartMessageSink& message) {
  PurgeTempObjects();
  message(refusal);
  return 0;
}

// The points refer to temporary vectors that are about to go.
void ForgetPoints(ChartObject& chart) {
  for (auto& series : chart.SeriesList) {
    series->Ready = 0;
    series->Count = 0;
    series->XData = series->YData = nullptr;
  }
  chart.ReadySeries = 0;
}

}  // namespace

int32_t DisplayChart(ChartObject& chart, const std::function<bool(ChartObject&)>& show,
                     const ChartMessageSink& message) {
  Core().userCancelled = 0;
  PrepareSeries(chart, message);
  // A stop is reported as such even when it left no series ready.
  if (Core().userCancelled) {
    ForgetPoints(chart);
    return Refuse(kChartCancelled, message);
  }
  if (chart.ReadySeries == 0) {
    ForgetPoints(chart);
    return Refuse(kNoChartData, message);
  }
  const int32_t ranged =
      (chart.Options & CHART_AUTO_RANGE) ? ComputeAutoRange(chart) : UseUserRange(chart);
  if (!ranged || !ComputeTicks(chart)) {
    ForgetPoints(chart);
    return Refuse(kInvalidChartRange, message);
  }
  const bool shown = show(chart);
  ForgetPoints(chart);
  PurgeTempObjects();
  return shown ? 1 : 0;
}

}  // namespace tq
