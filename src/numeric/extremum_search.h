// Local minima and maxima of f(x) on an interval: a grid scan for strict
// brackets, each located by Brent's one-dimensional minimisation.
#pragma once

#include <cstdint>

namespace tq {

double FindMinimums(double lower, double upper, int32_t intervals, int32_t maxIterations,
                    double tolerance);
double FindMaximums(double lower, double upper, int32_t intervals, int32_t maxIterations,
                    double tolerance);

// Status of MinimizeBracketed.
enum : int32_t { MINIMIZE_CONVERGED = 0, MINIMIZE_NEAR = 2, MINIMIZE_FAR = 3 };

// The abscissa of the minimum of g bracketed by ax < bx < cx (or reversed).
double MinimizeBracketed(double ax, double bx, double cx, double (*g)(double), double tol,
                         int32_t maxIterations, int32_t& status, double& gMin);

}  // namespace tq
