// Repainting the chart window's drawing area with five series of 20000
// points (lines and markers) at the window's opening size, beside the
// drawing on a canvas that only counts. Runs on the offscreen platform
// unless another is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>

#include "app/chart_window.h"
#include "chart_bench_data.h"

namespace tq {
namespace {

BENCHMARK(BM_DrawChart);

// The area repaints itself as after a resize or an uncovering: its paint
// event draws into the window's backing store.
void BM_RepaintChartArea(benchmark::State& state) {
  BenchChart bench;
  app::ChartWindow window(bench.chart, nullptr);
  window.show();
  QCoreApplication::processEvents();
  app::ChartArea* area = window.area();
  for (auto _ : state) area->repaint();
  state.counters["width"] = area->width();
  state.counters["height"] = area->height();
  state.SetItemsProcessed(state.iterations() * kPoints * kSeries);
}
BENCHMARK(BM_RepaintChartArea)->Unit(benchmark::kMillisecond);

// The same drawing into an image, as "Copy" makes it.
void BM_ChartAreaImage(benchmark::State& state) {
  BenchChart bench;
  app::ChartWindow window(bench.chart, nullptr);
  window.show();
  QCoreApplication::processEvents();
  for (auto _ : state) {
    QImage image = window.area()->Image();
    benchmark::DoNotOptimize(image.constBits());
  }
  state.SetItemsProcessed(state.iterations() * kPoints * kSeries);
}
BENCHMARK(BM_ChartAreaImage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tq

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
