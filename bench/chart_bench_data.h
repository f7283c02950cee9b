// The chart the chart benchmarks draw: five series of 20000 points (lines
// and markers, one marker shape each), and a canvas that only counts.
#pragma once

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "chart/chart_model.h"
#include "chart/chart_scale.h"
#include "chart/draw_chart.h"

namespace tq {

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

// The drawing with the screen mapping at 800 x 600 on the counting canvas:
// the coordinates alone, the anchor of the chart benchmarks.
inline void BM_DrawChart(benchmark::State& state) {
  BenchChart bench;
  for (auto _ : state) {
    CountingCanvas canvas;
    DrawChart(canvas, bench.chart, 800, 600);
    benchmark::DoNotOptimize(canvas.calls);
  }
  state.SetItemsProcessed(state.iterations() * kPoints * kSeries);
}

}  // namespace tq
