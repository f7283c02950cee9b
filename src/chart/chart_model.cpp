#include "chart/chart_model.h"

namespace tq {

namespace {

constexpr Rgb kColors[kColorCount] = {
    {0, 0, 0},       {0, 0, 0},     {210, 0, 0},   {0, 210, 0},   {0, 0, 210},
    {120, 120, 120}, {190, 0, 190}, {190, 190, 0}, {0, 190, 190},
};

}  // namespace

Rgb SeriesColor(int32_t index) {
  if (index < 0 || index >= kColorCount) return {0, 0, 0};
  return kColors[index];
}

const char* const kLineTypeTexts[kLineTypeCount] = {"no line", "solid line", "dash line"};
const char* const kColorTexts[kColorCount] = {
    "default color", "black", "red", "green", "blue", "grey", "magenta", "yellow", "light blue"};
const char* const kMarkerShapeTexts[kMarkerShapeCount] = {"no marker", "point",    "square",
                                          "diamond",   "triangle", "circle"};
const char* const kMarkerSizeTexts[kMarkerSizeCount] = {"0 (no marker)", "1", "2", "3", "4", "5"};

}  // namespace tq
