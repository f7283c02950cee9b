#include "lang/builtins.h"

#include <cmath>

#include "lang/interpreter.h"

namespace tq::lang {

namespace {

double Exp(double x) { return ExpViaExp2(x); }

// 1/Gamma(x) = x + sum of a[k] x^k, k = 2..22.
constexpr double kReciprocalGammaSeries[21] = {
    0.5772156649015329,  -0.6558780715202538, -0.0420026350340952, 0.1665386113822915,
    -0.0421977345555443, -0.009621971527877,  0.007218943246663,   -0.0011651675918591,
    -0.0002152416741149, 0.0001280502823882,  -2.01348547807e-05,  -1.2504934821e-06,
    1.133027232e-06,     -2.056338417e-07,    6.116095e-09,        5.0020075e-09,
    -1.1812746e-09,      1.043427e-10,        7.7823e-12,          -3.6968e-12,
    5.1e-14};

}  // namespace

double LogGamma(double x) {
  static constexpr double kCoefficients[6] = {76.18009173,    -86.50532033,  24.01409822,
                                              -1.231739516,   0.00120858003, -5.36382e-06};
  double y = x - 1.0;
  double t = y + 5.5;
  t = (y + 0.5) * std::log(t) - t;
  double s = 1.0;
  for (double c : kCoefficients) {
    y = y + 1.0;
    s = s + c / y;
  }
  return t + std::log(2.50662827565 * s);
}

double Gamma(double x, int32_t* status) {
  constexpr double kEps = 1e-20;
  constexpr double kPi = 3.14159268;  // this routine's own value
  if (std::isnan(x)) return x;
  if (std::fabs(x) < kEps) {
    *status = EVAL_ARGUMENT_ZERO;
    return 0.0;
  }
  // A negative integer: the distance to the nearest integer, so that -2 is
  // caught as well.
  if (x < 0 && std::fabs(x - std::nearbyint(x)) < kEps) {
    *status = EVAL_ARGUMENT_NEGATIVE_INTEGER;
    return 0.0;
  }
  if (std::fabs(x - 1.0) < kEps) return 1.0;
  if (x < 0) {
    double g = Gamma(-x, status);
    return -kPi / (g * std::sin(kPi * x) * x);
  }
  double p = 1.0;
  while (x > 1.0) {
    x = x - 1.0;
    p = p * x;
    // Past about 171 the product has overflowed; stop instead of counting
    // down a huge argument.
    if (std::isinf(p)) return p;
  }
  if (std::fabs(x - 1.0) < kEps) return p;
  if (x <= 0.5) {
    double r = x, power = x;
    for (double a : kReciprocalGammaSeries) {
      power = power * x;
      r = r + a * power;
    }
    return p / r;
  }
  return p * kPi / (Gamma(1.0 - x, status) * std::sin(kPi * x));
}

void Fresnel(double x, double* fc, double* fs) {
  constexpr double kPi = 3.141592;
  constexpr double kHalfPi = 1.570796;
  constexpr double kInvPi = 0.3183099524062959;
  constexpr double kTolerance = 1e-10;
  constexpr int kMaxTerms = 200;
  double ax = std::fabs(x);
  double c, s;
  if (ax <= 3.0) {
    double x4 = ax * ax * ax * ax;
    double step = kHalfPi * kHalfPi * x4;
    double power = 1.0, factorial = 1.0, sign = 1.0;
    c = 1.0;
    s = 1.0 / 3.0;
    for (int k = 1; k <= kMaxTerms; ++k) {
      power = power * step;
      factorial = factorial * (2.0 * k - 1.0) * (2.0 * k);
      sign = -sign;
      double termC = sign * power / (factorial * (4.0 * k + 1.0));
      double termS = sign * power / (factorial * (2.0 * k + 1.0) * (4.0 * k + 3.0));
      c = c + termC;
      s = s + termS;
      if (std::fabs(termC) < kTolerance) break;
    }
    c = c * ax;
    s = s * ax * ax * ax * kHalfPi;
  } else {
    double t = kPi * ax * ax;
    double sinPart = std::sin(t / 2.0) * kInvPi / ax;
    double cosPart = std::cos(t / 2.0) * kInvPi / ax;
    double p = 1.0 - 3.0 / (t * t);
    double q = 1.0 - 5.0 / (t * t);
    c = 0.5 + p * sinPart - q * cosPart / t;
    s = 0.5 - p * cosPart - q * sinPart / t;
  }
  if (x < 0) {
    c = -c;
    s = -s;
  }
  *fc = c;
  *fs = s;
}

double ApplyBuiltin1(int index, double x, int32_t* status) {
  double c, s;
  switch (index) {
    case 1: return std::sin(x);
    case 2: return std::cos(x);
    case 3: return Exp(x);
    case 4: return std::fabs(x);
    case 5: return std::log10(x);
    case 6: return std::tan(x);
    case 7: return std::acos(x);
    case 8: return std::asin(x);
    case 9: return std::atan(x);
    case 10: return std::sinh(x);
    case 11: return std::tanh(x);
    case 12: return std::cosh(x);
    case 13: return std::sqrt(x);
    case 14: return std::log(x);
    case 15: return LogGamma(x);
    case 16: return Gamma(x, status);
    case 17: Fresnel(x, &c, &s); return c;
    case 18: Fresnel(x, &c, &s); return s;
    case 19: return 1.0 / ((Exp(x) + Exp(-x)) / 2.0);
    case 20: return 0.5 * std::log((1.0 + x) / (1.0 - x));
    default: *status = EVAL_UNKNOWN_FUNCTION; return x;
  }
}

}  // namespace tq::lang
