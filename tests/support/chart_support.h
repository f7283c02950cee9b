// Shared by the chart, render and chart command tests: a chart with hand-set
// points, stand-in series functions, a recording canvas.
#pragma once

#include <cmath>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "chart/chart_canvas.h"
#include "chart/chart_model.h"
#include "chart/chart_scale.h"
#include "chart/series_functions.h"
#include "core/math_object.h"
#include "core/object_list.h"
#include "core/string_format.h"
#include "core/ui_port.h"

namespace tq::testing {

// A vector outside the workspace.
inline std::unique_ptr<VectorObject> MakeVector(const std::vector<double>& values) {
  auto v = std::make_unique<VectorObject>(int32_t(values.size()), 0.0);
  for (size_t i = 0; i < values.size(); ++i) v->at(int32_t(i + 1)) = values[i];
  return v;
}

inline SeriesObject& AddSeries(ChartObject& chart, int32_t type, std::string source1,
                               std::string source2) {
  auto s = std::make_unique<SeriesObject>();
  s->SeriesType = type;
  s->Source1 = std::move(source1);
  s->Source2 = std::move(source2);
  chart.SeriesList.push_back(std::move(s));
  return *chart.SeriesList.back();
}

// Calls set(field, value) for each edit of "field=value;field=value".
template <class Set>
void ForEachEdit(const std::string& edits, Set set) {
  std::istringstream in(edits);
  for (std::string edit; std::getline(in, edit, ';');) {
    const size_t eq = edit.find('=');
    set(edit.substr(0, eq), edit.substr(eq + 1));
  }
}

// A chart over the user range -10..10 on both axes (ticks every 5) whose
// ready series point into vectors it owns.
struct PreparedChart {
  PreparedChart() {
    chart.name = "c";
    chart.Options = CHART_GRIDLINES;
  }
  SeriesObject& AddSeries(const std::vector<double>& xs, const std::vector<double>& ys) {
    auto series = std::make_unique<SeriesObject>();
    series->status = STATUS_VALID;
    series->XData = vectors.emplace_back(MakeVector(xs)).get();
    series->YData = vectors.emplace_back(MakeVector(ys)).get();
    series->Count = int32_t(xs.size());
    series->Ready = 1;
    chart.ReadySeries++;
    return *chart.SeriesList.emplace_back(std::move(series));
  }
  void Scale() {
    UseUserRange(chart);
    ComputeTicks(chart);
  }
  ChartObject chart;
  std::vector<std::unique_ptr<VectorObject>> vectors;
};

inline constexpr const char* kFakeCheckMessage = "check refused";

// Function objects are known by their bodies: "x", "x*x", "sin(x)", "cos(x)", "1/x" (fails at 0) and "fail" (fails
// everywhere); the check refuses any other body with kFakeCheckMessage.
inline void InstallFakeSeriesFunctions(int* evaluations = nullptr) {
  static std::string current;
  SeriesFunctions functions;
  functions.check = [](const std::string& name, std::string& message) -> int32_t {
    auto* function = FindObjectAs<FunctionObject>(name, OBJMASK_FUNCTION);
    const std::string body = function ? function->body : "";
    static const std::set<std::string> kKnown = {"x", "x*x", "sin(x)", "cos(x)", "1/x", "fail"};
    if (!kKnown.count(body)) {
      message = kFakeCheckMessage;
      return 1;
    }
    current = body;
    return 0;
  };
  functions.evaluate = [evaluations](double x, int32_t& status) -> double {
    if (evaluations) ++*evaluations;
    status = 0;
    if (current == "x") return x;
    if (current == "x*x") return x * x;
    if (current == "sin(x)") return std::sin(x);
    if (current == "cos(x)") return std::cos(x);
    if (current == "1/x" && x != 0) return 1 / x;
    status = -1;
    return x;
  };
  SetSeriesFunctions(functions);
}

// A canvas that writes down each call as one line.
class RecordingCanvas : public ChartCanvas {
 public:
  explicit RecordingCanvas(bool metric = false) : metric_(metric) {}

  bool UsesMetricMapping() const override { return metric_; }
  void SetPen(const Pen& pen) override {
    static const char* const kStyles[] = {"solid", "dash", "none"};
    calls.push_back(StringPrintf("pen %s %d %d,%d,%d", kStyles[int(pen.style)], pen.width,
                                 pen.color.red, pen.color.green, pen.color.blue));
  }
  void SetBrush(Rgb c) override {
    calls.push_back(StringPrintf("brush %d,%d,%d", c.red, c.green, c.blue));
  }
  void MoveTo(DevicePoint p) override { calls.push_back(StringPrintf("move %d,%d", p.x, p.y)); }
  void LineTo(DevicePoint p) override { calls.push_back(StringPrintf("line %d,%d", p.x, p.y)); }
  void Polygon(std::span<const DevicePoint> vertices) override {
    std::string text = "polygon";
    for (const DevicePoint& v : vertices) text += StringPrintf(" %d,%d", v.x, v.y);
    calls.push_back(text);
  }
  void Text(std::string_view text, const TextBox& b, HorizontalAlign h, VerticalAlign v) override {
    static const char* const kH[] = {"left", "center", "right"};
    static const char* const kV[] = {"top", "vcenter", "bottom"};
    calls.push_back(StringPrintf("text '%.*s' %d,%d,%d,%d %s %s", int(text.size()), text.data(),
                                 b.left, b.top, b.right, b.bottom, kH[int(h)], kV[int(v)]));
  }

  std::vector<std::string> calls;

 private:
  bool metric_;
};

// The calls that start with `prefix`.
inline std::vector<std::string> Starting(const std::vector<std::string>& calls,
                                         const std::string& prefix) {
  std::vector<std::string> out;
  for (const std::string& c : calls)
    if (c.rfind(prefix, 0) == 0) out.push_back(c);
  return out;
}

}  // namespace tq::testing
