// Pieces shared by the root, extremum and integral engines: the argument
// checks, the evaluation used inside a protected refinement, and the
// warning lines.
#pragma once

#include <cstdint>

namespace tq {

// The interval checks shared by every engine, in their order: upper above
// lower, not too narrow, finite limits, a width that does not overflow.
// Null when the interval is usable, else the refusal text.
const char* IntervalFailure(double lower, double upper);

// The engines' argument checks in their order; false after SetOperationError.
// `minIntervals` is 2 for roots and 3 for extrema.
bool CheckSearchArguments(double lower, double upper, int32_t intervals, int32_t minIntervals,
                          int32_t maxIterations, double tolerance);

// f(x) inside a protected refinement: a failed evaluation, a NaN or a
// floating-point fault ends the protected call (NumLibError or the fault);
// yields 0.0 only when nothing is protecting the call.
double EvaluateOrZero(double x);

// "Warning: Possible discontinuity of\r\nfunction in the interval  %.6G  %.6G"
void ReportDiscontinuity(double from, double to);

// Runs `refine` (returning the estimate) protected, as every refinement of a
// grid bracket is run; false when a fault or an evaluation failure ended it
// (the status then holds its text).
template <class Refine>
bool RunRefinement(Refine refine);

}  // namespace tq

#include "core/protected_call.h"

namespace tq {

template <class Refine>
bool RunRefinement(Refine refine) {
  RunProtected([&] {
    refine();
    return 1;
  });
  if (Status().flags == 0) return true;
  RecordOperationFailure("Calculation failed");
  return false;
}

}  // namespace tq
