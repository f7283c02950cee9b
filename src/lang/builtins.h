// The one-argument built-in functions of the language, with the gamma
// function, its logarithm and the Fresnel integrals computed by their own
// series.
#pragma once

#include <cmath>
#include <cstdint>

namespace tq::lang {

// The value of built-in `index` (1..20) at x. A non-zero `status` is the
// run-time error code the run must end with (gamma only; 5 for an unknown
// index).
double ApplyBuiltin1(int index, double x, int32_t* status);

// The integer part through a 32-bit integer: truncation toward zero;
// values beyond the 32-bit range give its nearest end, NaN stays NaN.
inline double IntegerPart(double value) {
  if (value != value) return value;
  if (value >= 2147483647.0) return 2147483647.0;
  if (value <= -2147483648.0) return -2147483648.0;
  return double(int32_t(value));
}

// e to the power x, computed as 2 to the power x log2 e.
inline double ExpViaExp2(double x) { return std::exp2(x * 1.4426950408889634); }

double LogGamma(double x);
double Gamma(double x, int32_t* status);
void Fresnel(double x, double* fc, double* fs);

}  // namespace tq::lang
