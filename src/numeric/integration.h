// Definite integrals of f(x) by the adaptive eight-panel Newton-Cotes
// method (QUANC8), under an absolute and a relative tolerance.
#pragma once

#include <cstdint>
#include <string>

namespace tq {

// A failure the user is told about with a message (the command shows it):
// f failing at a limit, with the line the output window gets after the
// message, or the calculation failing.
struct IntegralFailure {
  std::string message;
  std::string reportLine;
};

// Checks its arguments, integrates and writes its report lines; 1 on
// success. On failure the status holds an argument error, or `failure` the
// message to show.
int32_t Integrate(double lower, double upper, double absTolerance, double relTolerance,
                  double& result, IntegralFailure& failure);

struct Quanc8Result {
  double result = 0.0;
  double errEst = 0.0;
  int32_t evaluations = 0;
  // 0 when every sub-interval converged; the integer part counts those that
  // stopped at the deepest level, the fraction is the part of the interval
  // left when the evaluation budget ran out.
  double flag = 0.0;
};

Quanc8Result Quanc8(double a, double b, double absErr, double relErr, double (*f)(double));

}  // namespace tq
