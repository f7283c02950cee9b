// A canvas that writes down what is drawn, one line per call.
#pragma once

#include <string>
#include <vector>

#include "chart/chart_canvas.h"
#include "core/string_format.h"

namespace tq::testing {

class RecordingCanvas : public ChartCanvas {
 public:
  explicit RecordingCanvas(bool metric = false) : metric_(metric) {}

  bool UsesMetricMapping() const override { return metric_; }
  void SetPen(const Pen& pen) override {
    const char* style = pen.style == PenStyle::kSolid  ? "solid"
                        : pen.style == PenStyle::kDash ? "dash"
                                                       : "none";
    calls.push_back(StringPrintf("pen %s %d %d,%d,%d", style, pen.width, pen.color.red,
                                 pen.color.green, pen.color.blue));
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
    const char* hs = h == HorizontalAlign::kLeft    ? "left"
                     : h == HorizontalAlign::kRight ? "right"
                                                    : "center";
    const char* vs = v == VerticalAlign::kTop      ? "top"
                     : v == VerticalAlign::kBottom ? "bottom"
                                                   : "vcenter";
    calls.push_back(StringPrintf("text '%.*s' %d,%d,%d,%d %s %s", int(text.size()), text.data(),
                                 b.left, b.top, b.right, b.bottom, hs, vs));
  }

  // The calls whose text starts with `prefix`.
  std::vector<std::string> Starting(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& c : calls)
      if (c.rfind(prefix, 0) == 0) out.push_back(c);
    return out;
  }

  std::vector<std::string> calls;

 private:
  bool metric_;
};

}  // namespace tq::testing
