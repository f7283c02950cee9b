// Roots of f(x) = 0 on an interval: a grid scan, and a Brent-type
// refinement of every sign change.
#pragma once

#include <cstdint>

namespace tq {

// 1.0 when the scan ran (whatever it found), 0.0 when an argument was refused.
double FindRoots(double lower, double upper, int32_t intervals, int32_t maxIterations,
                 double tolerance);

// Status of RefineRoot.
enum : int32_t { REFINE_CONVERGED = 0, REFINE_NO_BRACKET = 1, REFINE_ITERATION_LIMIT = 2 };

// Refines a root bracketed by a and b; evaluates through EvaluateOrZero.
double RefineRoot(double a, double b, double tol, int32_t maxIterations, double& fRoot,
                  int32_t& status);

void ReportRoot(double x, double fx);

}  // namespace tq
