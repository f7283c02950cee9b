#include "numeric/search_engine.h"

#include <cmath>
#include <string>

#include "core/fp_flags.h"
#include "core/operation_status.h"
#include "core/ui_port.h"
#include "lang/function_objects.h"

namespace tq {

const char* IntervalFailure(double lower, double upper) {
  if (!(upper > lower))
    return "Invalid arguments. \nUpper limit of interval must be greater than lower limit.";
  if (!(lower + 1e-30 < upper))
    return "Invalid arguments. \nInterval is too narrow. \nIncrease difference between upper and "
           "lower limits of interval.";
  // An infinite limit or width leaves no grid: every point would be NaN.
  if (!std::isfinite(lower) || !std::isfinite(upper))
    return "Invalid arguments. \nLimits of interval must be finite values.";
  if (!std::isfinite(upper - lower))
    return "Invalid arguments. \nInterval is too wide. \nDecrease difference between upper and "
           "lower limits of interval.";
  return nullptr;
}

namespace {

const char* ArgumentFailure(double lower, double upper, int32_t intervals, int32_t minIntervals,
                            int32_t maxIterations, double tolerance) {
  if (const char* failure = IntervalFailure(lower, upper)) return failure;
  if (intervals < minIntervals)
    return minIntervals == 3 ? "Invalid arguments. \nNumber of intervals must be greater or equal 3."
                             : "Invalid arguments. \nNumber of intervals must be greater or equal 2.";
  if (maxIterations < 100)
    return "Invalid arguments. \nNumber of interations must be greater or equal 100.";
  if (!(tolerance >= 1e-100))
    return "Invalid arguments. \nError tolerance must be positive value greater than 1.E-100.";
  if (!(tolerance <= 1e10)) return "Invalid arguments. \nError tolerance value is too big.";
  return nullptr;
}

}  // namespace

bool CheckSearchArguments(double lower, double upper, int32_t intervals, int32_t minIntervals,
                          int32_t maxIterations, double tolerance) {
  const char* failure =
      ArgumentFailure(lower, upper, intervals, minIntervals, maxIterations, tolerance);
  if (!failure) return true;
  SetOperationError(failure);
  return false;
}

double EvaluateOrZero(double x) {
  int32_t code = 0;
  std::string message;
  double value = EvaluateFunction(x, &code, message);
  // A fault ends the refinement at once, as a trap would.
  if (uint32_t fault = PendingFpFault(); fault && Status().inProtectedCall == 1)
    throw FaultException{fault};
  if (code != 0 || std::isnan(value)) {
    NumLibError("Arithmetic error in user function");
    return 0.0;
  }
  return value;
}

void ReportDiscontinuity(double from, double to) {
  Report("Warning: Possible discontinuity of\r\nfunction in the interval  %.6G  %.6G", from, to);
}

}  // namespace tq
