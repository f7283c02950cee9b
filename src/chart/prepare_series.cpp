#include "chart/prepare_series.h"

#include <cmath>
#include <memory>
#include <string>

#include "chart/chart_model.h"
#include "chart/series_functions.h"
#include "core/object_list.h"
#include "core/user_cancel.h"

namespace tq {

namespace {

constexpr const char* kInvalidFunctionName = "Error in chart data: invalid function name.";
constexpr const char* kInvalidOrEmptyFunctionName =
    "Error in chart data: invalid or empty function name.";
constexpr const char* kRangeOrder =
    "Error in chart data: maximum of coordinate x must be greater than minimum.\nPlease correct "
    "maximum and minimum values.";
constexpr const char* kPointCount = "Error in chart data: invalid number of data points.";
constexpr const char* kNoMemory =
    "Error in chart data: Program is unable to create temporary data vector.\nPossibly not "
    "enough memory.";
constexpr const char* kRangeFunctionFailed =
    "Error in chart data: Function is unable to calculate Y values for at least two different X "
    "points. Function may be invalid or not defined on specified interval of X.";
constexpr const char* kXVectorFunctionFailed =
    "Error in chart data: Function is unable to calculate Y values for at least two different X "
    "points. Function may be invalid or not defined on specified vector of horizontal data X.";
constexpr const char* kYVectorFunctionFailed =
    "Error in chart data: Function is unable to calculate X values for at least two different X "
    "points. Function may be invalid or not defined on specified vector of horizontal data X.";
constexpr const char* kParametricFailed =
    "Error in chart data: Unable to calculate X and Y values for at least two different points. "
    "Function may be inavlid or not defined on specified interval of parameter x.";

// The texts that differ between the vector of horizontal and of vertical values.
struct VectorTexts {
  const char* emptyName;
  const char* notFound;
  const char* tooSmall;
  const char* calculationFailed;
};

constexpr VectorTexts kHorizontalVector = {
    "Error in chart data: invalid horizontal data vector name.",
    "Error in chart data: unable to find horizontal data vector <",
    "Error in chart data: too small data vector. Horizontal values vector must have at least two "
    "elements",
    kXVectorFunctionFailed};
constexpr VectorTexts kVerticalVector = {
    "Error in chart data: invalid vertical data vector name.",
    "Error in chart data: unable to find vertical data vector <",
    "Error in chart data: too small data vector. Vertical values vector must have at least two "
    "elements",
    kYVectorFunctionFailed};

// A vector that can serve as data: valid with at least one element.
VectorObject* FindDataVector(const std::string& name) {
  auto* vector = FindObjectAs<VectorObject>(name, OBJMASK_VECTOR);
  return vector && vector->status == STATUS_VALID && vector->size >= 1 ? vector : nullptr;
}

// Looks a function up, giving the messages for an empty or unknown name.
// A function that exists but is not valid is left out silently.
FunctionObject* FindSeriesFunction(const std::string& name, const char* emptyMessage, bool* found,
                                   const ChartMessageSink& message) {
  *found = false;
  if (name.empty()) {
    message(emptyMessage);
    return nullptr;
  }
  auto* function = FindObjectAs<FunctionObject>(name, OBJMASK_FUNCTION | OBJMASK_WITH_FAILED);
  if (!function) {
    message("Error in chart data: unable to find function <" + name + ">");
    return nullptr;
  }
  *found = true;
  return function->status == STATUS_VALID ? function : nullptr;
}

// Compiles a found function for evaluation; false (after the check's own
// message, if any) when it cannot be used.
bool CheckSeriesFunction(const FunctionObject* function, const ChartMessageSink& message) {
  if (!function) return false;
  const SeriesFunctions& functions = CurrentSeriesFunctions();
  if (!functions.check || !functions.evaluate) return false;
  std::string text;
  if (functions.check(function->name, text) == 0) return true;
  if (!text.empty()) message(text);
  return false;
}

// Evaluates the checked function; kMissingPoint when it fails.
double EvaluatePoint(double x, bool* good) {
  int32_t status = -1;
  double y = CurrentSeriesFunctions().evaluate(x, status);
  *good = status == 0;
  return *good ? y : kMissingPoint;
}

// A temporary vector of n elements in the temporary list, or nullptr after
// the memory message.
VectorObject* CreateTempVector(int32_t n, const ChartMessageSink& message) {
  auto vector = std::make_unique<VectorObject>(n, 0.0);
  VectorObject* raw = vector.get();
  if (vector->status != STATUS_VALID || !AddTempObject(std::move(vector))) {
    message(kNoMemory);
    return nullptr;
  }
  return raw;
}

// The range and point count of a function series. NaN and infinite limits
// are refused as well: they would give no usable point spacing.
bool CheckRangeAndPoints(const SeriesObject& series, const ChartMessageSink& message) {
  if (!(series.RangeMax - 1e-10 > series.RangeMin) || !std::isfinite(series.RangeMax) ||
      !std::isfinite(series.RangeMin)) {
    message(kRangeOrder);
    return false;
  }
  if (!(series.PointCount >= kPrepareMinPoints && series.PointCount <= kPrepareMaxPoints)) {
    message(kPointCount);
    return false;
  }
  return true;
}

// The parameter of point i (0-based) of a range series.
double RangePoint(const SeriesObject& series, int32_t i, int32_t n) {
  double h = (series.RangeMax - series.RangeMin) / (n - 1);
  return series.RangeMin + i * h;
}

void PrepareTwoVectors(SeriesObject& series) {
  VectorObject* x = FindDataVector(series.Source1);
  VectorObject* y = FindDataVector(series.Source2);
  if (!x || !y) return;
  series.XData = x;
  series.YData = y;
  series.Count = x->size < y->size ? x->size : y->size;
}

void PrepareRangeFunction(SeriesObject& series, const ChartMessageSink& message) {
  bool found = false;
  FunctionObject* function =
      FindSeriesFunction(series.Source2, kInvalidFunctionName, &found, message);
  if (!found || !CheckRangeAndPoints(series, message) || !CheckSeriesFunction(function, message))
    return;
  const auto n = static_cast<int32_t>(series.PointCount);
  VectorObject* x = CreateTempVector(n, message);
  if (!x) return;
  VectorObject* y = CreateTempVector(n, message);
  if (!y) return;
  int32_t good = 0;
  for (int32_t i = 0; i < n && !Core().userCancelled; ++i) {
    double value = RangePoint(series, i, n);
    bool ok = false;
    x->at(i + 1) = value;
    y->at(i + 1) = EvaluatePoint(value, &ok);
    good += ok;
  }
  if (Core().userCancelled) return;
  if (good < 2) {
    message(kRangeFunctionFailed);
    return;
  }
  series.XData = x;
  series.YData = y;
  series.Count = n;
}

// Types 3 and 4: a vector of one coordinate and a function for the other.
void PrepareVectorFunction(SeriesObject& series, const std::string& functionName,
                           const std::string& vectorName, const VectorTexts& texts,
                           bool vectorIsHorizontal, const ChartMessageSink& message) {
  bool found = false;
  FunctionObject* function =
      FindSeriesFunction(functionName, kInvalidFunctionName, &found, message);
  if (!found) return;
  if (vectorName.empty()) {
    message(texts.emptyName);
    return;
  }
  VectorObject* data = FindDataVector(vectorName);
  if (!data) {
    message(std::string(texts.notFound) + vectorName + ">");
    return;
  }
  series.PointCount = data->size;
  if (data->size < 2) {
    message(texts.tooSmall);
    return;
  }
  if (!CheckSeriesFunction(function, message)) return;
  VectorObject* computed = CreateTempVector(data->size, message);
  if (!computed) return;
  int32_t good = 0;
  for (int32_t i = 1; i <= data->size && !Core().userCancelled; ++i) {
    double argument = data->at(i);
    bool ok = false;
    computed->at(i) = IsDrawable(argument) ? EvaluatePoint(argument, &ok) : kMissingPoint;
    good += ok;
  }
  if (Core().userCancelled) return;
  if (good < 2) {
    message(texts.calculationFailed);
    return;
  }
  series.XData = vectorIsHorizontal ? data : computed;
  series.YData = vectorIsHorizontal ? computed : data;
  series.Count = data->size;
}

void PrepareParametric(SeriesObject& series, const ChartMessageSink& message) {
  bool found = false;
  FunctionObject* fx =
      FindSeriesFunction(series.Source1, kInvalidOrEmptyFunctionName, &found, message);
  if (!found || !CheckRangeAndPoints(series, message) || !CheckSeriesFunction(fx, message)) return;
  const auto n = static_cast<int32_t>(series.PointCount);
  VectorObject* x = CreateTempVector(n, message);
  if (!x) return;
  for (int32_t i = 0; i < n && !Core().userCancelled; ++i) {
    bool ok = false;
    x->at(i + 1) = EvaluatePoint(RangePoint(series, i, n), &ok);
  }
  if (Core().userCancelled) return;

  FunctionObject* fy =
      FindSeriesFunction(series.Source2, kInvalidOrEmptyFunctionName, &found, message);
  if (!found) return;
  VectorObject* y = nullptr;
  int32_t good = 0;
  if (CheckSeriesFunction(fy, message) && (y = CreateTempVector(n, message)) != nullptr) {
    for (int32_t i = 0; i < n && !Core().userCancelled; ++i) {
      bool ok = false;
      y->at(i + 1) = EvaluatePoint(RangePoint(series, i, n), &ok);
      good += ok && IsDrawable(x->at(i + 1));
    }
    if (Core().userCancelled) return;
  }
  if (!y || good < 2) {
    message(kParametricFailed);
    return;
  }
  series.XData = x;
  series.YData = y;
  series.Count = n;
}

}  // namespace

int32_t PrepareSeries(ChartObject& chart, const ChartMessageSink& message) {
  chart.ReadySeries = 0;
  for (auto& entry : chart.SeriesList) {
    SeriesObject& series = *entry;
    // Points of an earlier display are never reused, not even by a series
    // that is skipped now.
    series.Count = 0;
    series.Ready = 0;
    series.XData = nullptr;
    series.YData = nullptr;
    if (series.status != STATUS_VALID) continue;
    // After a confirmed stop the remaining series are left out.
    if (Core().userCancelled) continue;
    switch (series.SeriesType) {
      case SERIES_TWO_VECTORS:
        PrepareTwoVectors(series);
        break;
      case SERIES_RANGE_FUNCTION:
        PrepareRangeFunction(series, message);
        break;
      case SERIES_X_VECTOR_FUNCTION:
        PrepareVectorFunction(series, series.Source2, series.Source1, kHorizontalVector, true,
                              message);
        break;
      case SERIES_Y_VECTOR_FUNCTION:
        PrepareVectorFunction(series, series.Source1, series.Source2, kVerticalVector, false,
                              message);
        break;
      case SERIES_PARAMETRIC:
        PrepareParametric(series, message);
        break;
      default:
        continue;
    }
    if (series.XData && series.YData && series.Count >= 1) {
      series.Ready = 1;
      ++chart.ReadySeries;
    }
  }
  return chart.ReadySeries;
}

}  // namespace tq
