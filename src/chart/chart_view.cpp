#include "chart/chart_view.h"

#include <cmath>
#include <utility>

#include "chart/chart_scale.h"

namespace tq {

namespace {

// The screen mapping draws nothing for a narrower tick range.
constexpr double kMinTickRange = 1e-100;

bool Drawable(const TickLayout& ticks) { return ticks.TickMax - ticks.TickMin >= kMinTickRange; }

}  // namespace

bool ScreenToChart(const ChartObject& chart, int32_t right, int32_t bottom, double px, double py,
                   double& x, double& y) {
  const TickLayout& h = chart.XTicks;
  const TickLayout& v = chart.YTicks;
  if (!h.valid || !v.valid || right <= 20 || bottom <= 30) return false;
  x = h.TickMin + (px - 10) * (h.TickMax - h.TickMin) / (right - 20);
  y = v.TickMin + ((bottom - 20) - py) * (v.TickMax - v.TickMin) / (bottom - 30);
  return std::isfinite(x) && std::isfinite(y);
}

bool SetChartView(ChartObject& chart, double xMin, double xMax, double yMin, double yMax) {
  if (xMin > xMax) std::swap(xMin, xMax);
  if (yMin > yMax) std::swap(yMin, yMax);
  const struct {
    double xMin, xMax, yMin, yMax;
    TickLayout x, y;
  } before{chart.ViewXMin, chart.ViewXMax, chart.ViewYMin,
           chart.ViewYMax, chart.XTicks,   chart.YTicks};
  chart.ViewXMin = xMin, chart.ViewXMax = xMax;
  chart.ViewYMin = yMin, chart.ViewYMax = yMax;
  // A range too narrow to tell its ends apart on screen is refused too.
  if (xMax - xMin > 0 && yMax - yMin > 0 && ComputeTicks(chart) && Drawable(chart.XTicks) &&
      Drawable(chart.YTicks))
    return true;
  chart.ViewXMin = before.xMin, chart.ViewXMax = before.xMax;
  chart.ViewYMin = before.yMin, chart.ViewYMax = before.yMax;
  chart.XTicks = before.x, chart.YTicks = before.y;
  return false;
}

bool ZoomChartView(ChartObject& chart, double x, double y, double factor) {
  if (!(factor > 0)) return false;
  return SetChartView(chart, x + (chart.ViewXMin - x) / factor, x + (chart.ViewXMax - x) / factor,
                      y + (chart.ViewYMin - y) / factor, y + (chart.ViewYMax - y) / factor);
}

bool PanChartView(ChartObject& chart, double dx, double dy) {
  return SetChartView(chart, chart.ViewXMin + dx, chart.ViewXMax + dx, chart.ViewYMin + dy,
                      chart.ViewYMax + dy);
}

bool ResetChartView(ChartObject& chart) {
  const int32_t ranged =
      (chart.Options & CHART_AUTO_RANGE) ? ComputeAutoRange(chart) : UseUserRange(chart);
  return ranged && ComputeTicks(chart);
}

}  // namespace tq
