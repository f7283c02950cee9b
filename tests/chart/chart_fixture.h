// A chart whose points, range and ticks are set by hand: the user range
// -10..10 on both axes (ticks every 5) and series over vectors the test owns.
#pragma once

#include <memory>
#include <vector>

#include "chart/chart_model.h"
#include "chart/chart_scale.h"
#include "core/math_object.h"

namespace tq::testing {

class PreparedChart {
 public:
  PreparedChart() {
    chart.name = "c";
    chart.Options = CHART_GRIDLINES;
  }

  SeriesObject& AddSeries(std::vector<double> xs, std::vector<double> ys) {
    auto x = std::make_unique<VectorObject>(int32_t(xs.size()), 0.0);
    auto y = std::make_unique<VectorObject>(int32_t(ys.size()), 0.0);
    for (size_t i = 0; i < xs.size(); ++i) x->at(int32_t(i + 1)) = xs[i];
    for (size_t i = 0; i < ys.size(); ++i) y->at(int32_t(i + 1)) = ys[i];
    auto series = std::make_unique<SeriesObject>();
    series->status = STATUS_VALID;
    series->XData = x.get();
    series->YData = y.get();
    series->Count = int32_t(xs.size());
    series->Ready = 1;
    vectors.push_back(std::move(x));
    vectors.push_back(std::move(y));
    chart.SeriesList.push_back(std::move(series));
    chart.ReadySeries++;
    return *chart.SeriesList.back();
  }

  // The user range and its ticks.
  void Scale() {
    UseUserRange(chart);
    ComputeTicks(chart);
  }

  ChartObject chart;
  std::vector<std::unique_ptr<VectorObject>> vectors;
};

}  // namespace tq::testing
