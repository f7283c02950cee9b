#include "chart/chart_scale.h"

#include <cmath>

#include "chart/chart_model.h"

namespace tq {

void ToCartesian(double& angle, double& radius) {
  if (std::fabs(angle) <= 1e18 && std::fabs(radius) <= 1e100) {
    const double theta = angle, r = radius;
    angle = r * std::cos(theta);
    radius = r * std::sin(theta);
  } else {
    angle = 0.0;
    radius = 0.0;
  }
}

int32_t ComputeAutoRange(ChartObject& chart) {
  chart.ViewXMax = chart.ViewYMax = -kMissingPoint;
  chart.ViewXMin = chart.ViewYMin = kMissingPoint;
  const bool polar = chart.Options & CHART_POLAR;
  for (const auto& series : chart.SeriesList) {
    if (!series->Ready || !series->XData || !series->YData) continue;
    const double* xs = series->XData->data();
    const double* ys = series->YData->data();
    for (int32_t i = 0; i < series->Count; ++i) {
      double x = xs[i], y = ys[i];
      if (!IsDrawable(x) || !IsDrawable(y)) continue;
      if (polar) ToCartesian(x, y);
      if (x > chart.ViewXMax) chart.ViewXMax = x;
      if (x < chart.ViewXMin) chart.ViewXMin = x;
      if (y > chart.ViewYMax) chart.ViewYMax = y;
      if (y < chart.ViewYMin) chart.ViewYMin = y;
    }
  }
  return chart.ViewXMax >= chart.ViewXMin && chart.ViewYMax >= chart.ViewYMin;
}

int32_t UseUserRange(ChartObject& chart) {
  chart.ViewXMin = chart.XMin;
  chart.ViewXMax = chart.XMax;
  chart.ViewYMin = chart.YMin;
  chart.ViewYMax = chart.YMax;
  return chart.XMax > chart.XMin + 1e-30 && chart.YMax > chart.YMin + 1e-30;
}

namespace {

// 10^e for an integer e, by repeated multiplication or division.
double PowerOfTen(int e) {
  double p = 1.0;
  for (int i = 0; i < e; ++i) p *= 10.0;
  for (int i = 0; i > e; --i) p /= 10.0;
  return p;
}

// Ticks of `step` that cover lo..hi. The interval count stays a double
// until it is known to fit.
double LayTicks(double lo, double hi, double step, double& tickMin, double& tickMax) {
  tickMax = std::ceil(hi / step) * step;
  tickMin = std::floor(lo / step) * step;
  return std::trunc((tickMax - tickMin) / step);
}

}  // namespace

int32_t NiceScale(double lo, double hi, double& tickMin, double& tickMax, double& step,
                  int32_t& count) {
  count = 0;
  if (lo - 1e-50 > hi) return 0;
  // NaN or infinite limits have no ticks.
  if (!std::isfinite(lo) || !std::isfinite(hi)) return 0;
  const double m = std::fmax(std::fabs(hi), std::fabs(lo));
  if (hi - lo < 0.1 * m) {
    hi = hi + 0.01 * m;
    lo = lo - 0.01 * m;
  }
  const double range = std::fabs(hi - lo);
  if (range == 0.0 || !std::isfinite(range)) return 0;
  const double logRange = std::log10(range);
  const double e = std::floor(logRange);
  const double mantissa = std::pow(10.0, logRange - e);
  step = (mantissa < 2.5 ? 0.5 : 1.0) * PowerOfTen(static_cast<int>(e));
  double intervals = LayTicks(lo, hi, step, tickMin, tickMax);
  if (intervals >= 8) {
    step = 2 * step;
    intervals = LayTicks(lo, hi, step, tickMin, tickMax);
  } else if (intervals <= 2) {
    step = step / 2;
    intervals = LayTicks(lo, hi, step, tickMin, tickMax);
  }
  if (!(intervals >= 1 && intervals <= 10000)) return 0;
  count = static_cast<int32_t>(intervals);
  return 1;
}

int32_t ComputeTicks(ChartObject& chart) {
  TickLayout& x = chart.XTicks;
  TickLayout& y = chart.YTicks;
  const int32_t xOk =
      NiceScale(chart.ViewXMin, chart.ViewXMax, x.TickMin, x.TickMax, x.TickStep, x.TickCount);
  const int32_t yOk =
      NiceScale(chart.ViewYMin, chart.ViewYMax, y.TickMin, y.TickMax, y.TickStep, y.TickCount);
  x.valid = y.valid = xOk && yOk;
  return x.valid;
}

}  // namespace tq
