// The one-argument built-in functions of the language, with the gamma
// function, its logarithm and the Fresnel integrals computed by their own
// series.
#pragma once

#include <cstdint>

namespace tq::lang {

// The value of built-in `index` (1..20) at x. A non-zero `status` is the
// run-time error code the run must end with (gamma only; 5 for an unknown
// index).
double ApplyBuiltin1(int index, double x, int32_t* status);

double LogGamma(double x);
double Gamma(double x, int32_t* status);
void Fresnel(double x, double* fc, double* fs);

}  // namespace tq::lang
