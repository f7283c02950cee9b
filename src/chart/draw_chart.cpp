#include "chart/draw_chart.h"

#include <cmath>
#include <string>

#include "chart/chart_model.h"
#include "chart/chart_scale.h"
#include "chart/device_mapping.h"
#include "core/string_format.h"

namespace tq {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kGrey{120, 120, 120};
constexpr Pen kBlackPen{PenStyle::kSolid, 1, kBlack};
constexpr Pen kGridPen{PenStyle::kSolid, 1, kGrey};
constexpr double kPi = 3.14159;  // the circle marker's own value

struct Mapped {
  bool ok;
  DevicePoint point;
};

Mapped Map(double x, double y, const ChartObject& chart, DrawingState& state) {
  const int32_t ok = MapToDevice(x, y, chart, state);
  return {ok != 0, {static_cast<int32_t>(x), static_cast<int32_t>(y)}};
}

void DrawFrame(ChartCanvas& canvas, int32_t R, int32_t B) {
  canvas.MoveTo({10, 10});
  canvas.LineTo({10, B - 20});
  canvas.LineTo({R - 10, B - 20});
  canvas.LineTo({R - 10, 10});
  canvas.LineTo({10, 10});
}

void DrawGridOrTickMarks(ChartCanvas& canvas, const ChartObject& chart, DrawingState& state) {
  const int32_t R = state.right, B = state.bottom;
  const TickLayout& h = chart.XTicks;
  const TickLayout& v = chart.YTicks;
  const bool grid = chart.Options & CHART_GRIDLINES;
  if (grid) canvas.SetPen(kGridPen);
  for (int32_t i = 1; i < h.TickCount; ++i) {
    const int32_t px = Map(h.TickMin + i * h.TickStep, v.TickMin, chart, state).point.x;
    canvas.MoveTo({px, grid ? 10 : B - 17});
    canvas.LineTo({px, grid ? B - 20 : B - 23});
  }
  for (int32_t j = 1; j < v.TickCount; ++j) {
    const int32_t py = Map(h.TickMin, v.TickMin + j * v.TickStep, chart, state).point.y;
    canvas.MoveTo({grid ? 10 : 7, py});
    canvas.LineTo({grid ? R - 10 : 13, py});
  }
}

void DrawTickLabels(ChartCanvas& canvas, const ChartObject& chart, DrawingState& state) {
  const TickLayout& h = chart.XTicks;
  const TickLayout& v = chart.YTicks;
  const int32_t printShift = state.printing ? 1 : 0;
  for (int32_t i = 0; i <= h.TickCount; ++i) {
    const double value = h.TickMin + i * h.TickStep;
    const DevicePoint p = Map(value, v.TickMin, chart, state).point;
    TextBox box{p.x - 10, p.y + 2 - 10 * printShift, p.x + 10, p.y + 20 - 20 * printShift};
    HorizontalAlign align = HorizontalAlign::kCenter;
    if (i == 0) {
      box.left = p.x - 4;
      box.right = p.x + 20;
      align = HorizontalAlign::kLeft;
    } else if (i == h.TickCount) {
      box.left = p.x - 20;
      box.right = p.x + 4;
      align = HorizontalAlign::kRight;
    }
    canvas.Text(StringPrintf("%G", value), box, align, VerticalAlign::kTop);
  }
  for (int32_t j = 0; j <= v.TickCount; ++j) {
    const double value = v.TickMin + j * v.TickStep;
    const DevicePoint p = Map(h.TickMin, value, chart, state).point;
    TextBox box{p.x + 3 + 10 * printShift, p.y - 20, p.x + 20 + 10 * printShift, p.y - 2};
    VerticalAlign align = VerticalAlign::kBottom;
    if (j == v.TickCount && j != 0) {
      // The top label is centred beside its tick, a little lower when the
      // labels are few.
      const bool few = v.TickCount <= 5;
      box.top = p.y - (few ? 4 : 8);
      box.bottom = p.y + (few ? 16 : 8);
      align = VerticalAlign::kCenter;
    }
    canvas.Text(StringPrintf("%G ", value), box, HorizontalAlign::kLeft, align);
  }
}

void DrawTitleAndLabels(ChartCanvas& canvas, const ChartObject& chart, const DrawingState& state) {
  const int32_t R = state.right, B = state.bottom;
  const int32_t c = (R + 10) / 2;
  const bool printing = state.printing;
  if ((chart.Options & CHART_SHOW_XLABEL) && !chart.XLabel.empty()) {
    const TextBox box =
        printing ? TextBox{R - 130, 50, R - 30, 20} : TextBox{100, B - 30, R - 12, B - 21};
    canvas.Text(chart.XLabel, box, HorizontalAlign::kRight, VerticalAlign::kBottom);
  }
  if ((chart.Options & CHART_SHOW_YLABEL) && !chart.YLabel.empty()) {
    if (printing)
      canvas.Text(chart.YLabel, {50, B - 100, 225, B - 130}, HorizontalAlign::kLeft,
                  VerticalAlign::kTop);
    else
      canvas.Text(chart.YLabel, {30, 24, 125, 34}, HorizontalAlign::kLeft, VerticalAlign::kBottom);
  }
  if ((chart.Options & CHART_SHOW_TITLE) && !chart.Title.empty()) {
    const TextBox box =
        printing ? TextBox{c - 30, B - 50, c + 30, B - 80} : TextBox{c - 30, 30, c + 30, 40};
    canvas.Text(chart.Title, box, HorizontalAlign::kCenter, VerticalAlign::kTop);
  }
}

Pen SeriesPen(const SeriesObject& series) {
  PenStyle style = PenStyle::kSolid;
  if (series.LineType == LINE_NONE) style = PenStyle::kInvisible;
  if (series.LineType == LINE_DASH) style = PenStyle::kDash;
  return {style, 1, SeriesColor(series.LineColor)};
}

// The i-th point (0-based) of a series when drawable, converted if polar.
bool SeriesPoint(const SeriesObject& series, int32_t i, bool polar, double& x, double& y) {
  x = series.XData->data()[i];
  y = series.YData->data()[i];
  if (!IsDrawable(x) || !IsDrawable(y)) return false;
  if (polar) ToCartesian(x, y);
  return true;
}

void DrawSeriesLine(ChartCanvas& canvas, const ChartObject& chart, const SeriesObject& series,
                    DrawingState& state) {
  const bool polar = chart.Options & CHART_POLAR;
  double x = 0, y = 0;
  int32_t i = 0;
  while (i < series.Count && !SeriesPoint(series, i, polar, x, y)) ++i;
  if (i == series.Count) return;
  Mapped first = Map(x, y, chart, state);
  if (!first.ok) return;
  canvas.MoveTo(first.point);
  for (++i; i < series.Count; ++i) {
    if (!SeriesPoint(series, i, polar, x, y)) continue;
    const DevicePoint p = Map(x, y, chart, state).point;
    if (state.previousClipped && state.clipped)
      canvas.MoveTo(p);
    else
      canvas.LineTo(p);
  }
}

void DrawSeriesMarkers(ChartCanvas& canvas, const ChartObject& chart, const SeriesObject& series,
                       DrawingState& state) {
  const int32_t size = series.MarkerSize * (state.printing ? 4 : 1);
  const std::vector<DevicePoint> offsets = MarkerPolygon(series.MarkerShape, size);
  if (offsets.empty()) return;
  const Rgb color = SeriesColor(series.LineColor);
  canvas.SetPen({PenStyle::kSolid, 1, color});
  canvas.SetBrush(color);
  const bool polar = chart.Options & CHART_POLAR;
  std::vector<DevicePoint> vertices(offsets.size());
  for (int32_t i = 0; i < series.Count; ++i) {
    double x = 0, y = 0;
    if (!SeriesPoint(series, i, polar, x, y)) continue;
    const Mapped at = Map(x, y, chart, state);
    if (!at.ok || state.clipped) continue;
    for (size_t k = 0; k < offsets.size(); ++k)
      vertices[k] = {at.point.x + offsets[k].x, at.point.y + offsets[k].y};
    canvas.Polygon(vertices);
  }
}

}  // namespace

std::vector<DevicePoint> MarkerPolygon(int32_t shape, int32_t size) {
  const int32_t s = size;
  switch (shape) {
    case MARKER_POINT:
      return {{0, 0}};
    case MARKER_SQUARE:
      return {{-s, -s}, {s, -s}, {s, s}, {-s, s}};
    case MARKER_DIAMOND:
      return {{-s, 0}, {0, s}, {s, 0}, {0, -s}};
    case MARKER_TRIANGLE:
      return {{0, -s}, {2 * s / 3, s / 3}, {-2 * s / 3, s / 3}};
    case MARKER_CIRCLE: {
      std::vector<DevicePoint> circle;
      for (int k = 0; k < 8; ++k)
        circle.push_back({static_cast<int32_t>(s * std::sin(k * kPi / 4)),
                          static_cast<int32_t>(s * std::cos(k * kPi / 4))});
      return circle;
    }
    default:
      return {};
  }
}

void DrawChart(ChartCanvas& canvas, const ChartObject& chart, int32_t right, int32_t bottom) {
  if (chart.status != STATUS_VALID || right < 10 || bottom < 10) return;
  DrawingState state{right, bottom, canvas.UsesMetricMapping(), false, false};
  canvas.SetPen(kBlackPen);
  DrawFrame(canvas, right, bottom);
  if (chart.ReadySeries == 0 || !chart.XTicks.valid || !chart.YTicks.valid) return;
  if (chart.XTicks.TickCount > 1 && chart.YTicks.TickCount > 1)
    DrawGridOrTickMarks(canvas, chart, state);
  canvas.SetPen(kBlackPen);
  DrawFrame(canvas, right, bottom);
  DrawTickLabels(canvas, chart, state);
  DrawTitleAndLabels(canvas, chart, state);
  for (const auto& entry : chart.SeriesList) {
    const SeriesObject& series = *entry;
    if (series.status != STATUS_VALID || !series.Ready || !series.XData || !series.YData) continue;
    canvas.SetPen(SeriesPen(series));
    DrawSeriesLine(canvas, chart, series, state);
    if (series.MarkerShape > 0) DrawSeriesMarkers(canvas, chart, series, state);
    canvas.SetPen(kBlackPen);
  }
}

}  // namespace tq
