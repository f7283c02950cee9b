// Drawing a chart of five series of 20000 points (lines and markers) on a
// canvas that only counts, beside the plain loop that maps the same points.
#include <benchmark/benchmark.h>

#include "chart_bench_data.h"

namespace tq {
namespace {

BENCHMARK(BM_DrawChart);

// The same points mapped twice (line and markers) by the bare formula.
void BM_PlainMappingLoop(benchmark::State& state) {
  BenchChart bench;
  const TickLayout& h = bench.chart.XTicks;
  const TickLayout& v = bench.chart.YTicks;
  for (auto _ : state) {
    int64_t sum = 0;
    for (int pass = 0; pass < 2; ++pass)
      for (const auto& series : bench.chart.SeriesList)
        for (int32_t i = 0; i < series->Count; ++i) {
          const double px =
              10 + 780 * (series->XData->data()[i] - h.TickMin) / (h.TickMax - h.TickMin);
          const double py =
              580 - 570 * (series->YData->data()[i] - v.TickMin) / (v.TickMax - v.TickMin);
          sum += int32_t(px) + int32_t(py);
        }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kPoints * kSeries);
}
BENCHMARK(BM_PlainMappingLoop);

}  // namespace
}  // namespace tq

BENCHMARK_MAIN();
