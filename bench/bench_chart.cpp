// Drawing a chart of five series of 20000 points (lines and markers) on a
// canvas that only counts, beside the plain loop that maps the same points.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "chart/chart_model.h"
#include "chart/chart_scale.h"
#include "chart/draw_chart.h"

namespace tq {
namespace {

constexpr int32_t kPoints = 20000, kSeries = 5;

class CountingCanvas : public ChartCanvas {
 public:
  bool UsesMetricMapping() const override { return false; }
  void SetPen(const Pen&) override { ++calls; }
  void SetBrush(Rgb) override { ++calls; }
  void MoveTo(DevicePoint p) override { calls += p.x; }
  void LineTo(DevicePoint p) override { calls += p.y; }
  void Polygon(std::span<const DevicePoint> v) override { calls += int64_t(v.size()); }
  void Text(std::string_view, const TextBox&, HorizontalAlign, VerticalAlign) override { ++calls; }
  int64_t calls = 0;
};

struct BenchChart {
  BenchChart() {
    chart.Options = CHART_AUTO_RANGE | CHART_GRIDLINES;
    for (int k = 0; k < kSeries; ++k) {
      auto x = std::make_unique<VectorObject>(kPoints, 0.0);
      auto y = std::make_unique<VectorObject>(kPoints, 0.0);
      for (int32_t i = 1; i <= kPoints; ++i) {
        x->at(i) = -100 + 200.0 * i / kPoints;
        y->at(i) = std::sin(x->at(i) + k);
      }
      auto series = std::make_unique<SeriesObject>();
      series->XData = x.get();
      series->YData = y.get();
      series->Count = kPoints;
      series->Ready = 1;
      series->MarkerShape = 1 + k;
      chart.SeriesList.push_back(std::move(series));
      vectors.push_back(std::move(x));
      vectors.push_back(std::move(y));
    }
    chart.ReadySeries = kSeries;
    ComputeAutoRange(chart);
    ComputeTicks(chart);
  }
  ChartObject chart;
  std::vector<std::unique_ptr<VectorObject>> vectors;
};

void BM_DrawChart(benchmark::State& state) {
  BenchChart bench;
  for (auto _ : state) {
    CountingCanvas canvas;
    DrawChart(canvas, bench.chart, 800, 600);
    benchmark::DoNotOptimize(canvas.calls);
  }
  state.SetItemsProcessed(state.iterations() * kPoints * kSeries);
}
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
