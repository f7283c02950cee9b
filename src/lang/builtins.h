// The one-argument built-in functions of the language, with the gamma
// function, its logarithm and the Fresnel integrals computed by their own
// series.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

#include "core/fp_flags.h"

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

// The library's exp2 and pow test a denormal result of their own making,
// which raises the denormal flag where no operand was denormal. Only an
// operation on a denormal operand is a fault, so after such a call the flag
// is put back as it was.
inline bool IsDenormal(double x) {
  const uint64_t magnitude = std::bit_cast<uint64_t>(x) & 0x7FFFFFFFFFFFFFFFull;
  return magnitude != 0 && magnitude < 0x0010000000000000ull;
}

// Only below -1022 is the result denormal (or zero); the flags are looked
// at only there.
inline double Exp2(double t) {
  if (!(t < -1022.0)) return std::exp2(t);
  const unsigned before = ReadSseFlags();
  const double y = std::exp2(t);
  if (!(before & kSseDenormal)) ClearSseDenormalFlag();
  return y;
}

// e to the power x, computed as 2 to the power x log2 e.
inline double ExpViaExp2(double x) { return Exp2(x * 1.4426950408889634); }

// pow(a, b); a denormal result of normal operands raises no denormal fault.
inline double PowerOf(double a, double b) {
  const unsigned before = ReadSseFlags();
  const double y = std::pow(a, b);
  if (IsDenormal(y) && !(before & kSseDenormal) && !IsDenormal(a) && !IsDenormal(b))
    ClearSseDenormalFlag();
  return y;
}

double LogGamma(double x);
double Gamma(double x, int32_t* status);
void Fresnel(double x, double* fc, double* fs);

}  // namespace tq::lang
