// The kinds of series and their drawing attributes.
#pragma once

#include <cstdint>

#include "core/math_object.h"

namespace tq {

// SeriesObject::SeriesType.
enum : int32_t {
  SERIES_TWO_VECTORS = 1,
  SERIES_RANGE_FUNCTION = 2,
  SERIES_X_VECTOR_FUNCTION = 3,
  SERIES_Y_VECTOR_FUNCTION = 4,
  SERIES_PARAMETRIC = 5,
};

// SeriesObject::LineType.
enum : int32_t { LINE_NONE = 0, LINE_SOLID = 1, LINE_DASH = 2 };

// SeriesObject::MarkerShape.
enum : int32_t {
  MARKER_NONE = 0,
  MARKER_POINT = 1,
  MARKER_SQUARE = 2,
  MARKER_DIAMOND = 3,
  MARKER_TRIANGLE = 4,
  MARKER_CIRCLE = 5,
};

// A computed coordinate that could not be obtained; every consumer ignores
// coordinates whose magnitude exceeds kPointLimit.
inline constexpr double kMissingPoint = 1.1e300;
inline constexpr double kPointLimit = 1e300;

// Whether a coordinate is usable (NaN is not).
inline bool IsDrawable(double value) { return value <= kPointLimit && value >= -kPointLimit; }

// Point counts of function series: what the series dialogs accept and what
// the point computation accepts (a stored series may hold more).
inline constexpr double kDialogMinPoints = 10, kDialogMaxPoints = 10000;
inline constexpr double kPrepareMinPoints = 10, kPrepareMaxPoints = 20000;

struct Rgb {
  uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

inline constexpr int32_t kColorCount = kLineColorCount;
// The line colours by LineColor; indexes outside the table are black.
Rgb SeriesColor(int32_t index);

// The list texts of the drawing options, in index order.
extern const char* const kLineTypeTexts[kLineTypeCount];
extern const char* const kColorTexts[kColorCount];
extern const char* const kMarkerShapeTexts[kMarkerShapeCount];
extern const char* const kMarkerSizeTexts[kMarkerSizeCount];

}  // namespace tq
