#include "stats/special_functions.h"

#include <cmath>

#include "core/numlib_raise.h"

namespace tq {

namespace {

constexpr int kMaxIterations = 100;
constexpr double kTolerance = 3e-7;
// Denominators smaller than this are replaced by it (modified Lentz).
constexpr double kFloor = 1e-30;

double Floored(double value) { return std::fabs(value) < kFloor ? kFloor : value; }

}  // namespace

double StatLogGamma(double x) {
  static constexpr double kCoefficients[6] = {76.18009172947146,     -86.50532032941678,
                                              24.01409824083091,     -1.231739572450155,
                                              0.001208650973866179, -5.395239384953e-06};
  double tmp = x + 5.5;
  tmp = tmp - (x + 0.5) * std::log(tmp);
  double ser = 1.000000000190015;
  double y = x;
  for (double c : kCoefficients) {
    y = y + 1;
    ser = ser + c / y;
  }
  return -tmp + std::log(2.5066282746310007 * ser / x);
}

double BetaContinuedFraction(double a, double b, double x) {
  const double qab = a + b, qap = a + 1, qam = a - 1;
  double c = 1;
  double d = 1.0 / Floored(1 - qab * x / qap);
  double h = d;
  for (int m = 1; m <= kMaxIterations; ++m) {
    const int m2 = 2 * m;
    double aa = m * (b - m) * x / ((qam + m2) * (a + m2));
    d = 1.0 / Floored(1 + aa * d);
    c = Floored(1 + aa / c);
    h = h * d * c;
    aa = -(a + m) * (qab + m) * x / ((a + m2) * (qap + m2));
    d = 1.0 / Floored(1 + aa * d);
    c = Floored(1 + aa / c);
    const double del = d * c;
    h = h * del;
    if (std::fabs(del - 1) < kTolerance) return h;
  }
  RaiseNumLibError(
      "Invalid parameters for incomplete beta function, x or y is too big, or MAXIT too small");
  return h;
}

double IncompleteBeta(double a, double b, double x) {
  if (x < 0 || x > 1) {
    RaiseNumLibError("Invalid parameter x for incomplete beta function");
    return 0.0;
  }
  double bt = 0.0;
  if (x != 0 && x != 1)
    bt = std::exp(StatLogGamma(a + b) - StatLogGamma(a) - StatLogGamma(b) + a * std::log(x) +
                  b * std::log(1 - x));
  if (x < (a + 1) / (a + b + 2)) return bt * BetaContinuedFraction(a, b, x) / a;
  return 1 - bt * BetaContinuedFraction(b, a, 1 - x) / b;
}

double gser(double a, double x, double& lnGammaA) {
  lnGammaA = StatLogGamma(a);
  if (x <= 0) {
    if (x < 0) RaiseNumLibError("x less than 0 in routine gser");
    return 0.0;
  }
  double ap = a;
  double del = 1.0 / a;
  double sum = del;
  for (int n = 1; n <= kMaxIterations; ++n) {
    ap = ap + 1;
    del = del * x / ap;
    sum = sum + del;
    if (std::fabs(del) < std::fabs(sum) * kTolerance)
      return sum * std::exp(-x + a * std::log(x) - lnGammaA);
  }
  RaiseNumLibError("a too large, ITMAX too small in routine gser");
  return 0.0;
}

double gcf(double a, double x, double& lnGammaA) {
  lnGammaA = StatLogGamma(a);
  double b = x + 1 - a;
  double c = 1.0 / kFloor;
  double d = 1.0 / b;
  double h = d;
  for (int i = 1; i <= kMaxIterations; ++i) {
    const double an = -i * (i - a);
    b = b + 2;
    d = 1.0 / Floored(an * d + b);
    c = Floored(b + an / c);
    const double del = d * c;
    h = h * del;
    if (std::fabs(del - 1) < kTolerance) return std::exp(-x + a * std::log(x) - lnGammaA) * h;
  }
  RaiseNumLibError("a too large, ITMAX too small in gcf");
  return 0.0;
}

double gammq(double a, double x) {
  if (x < 0 || a <= 0) {
    RaiseNumLibError("Invalid arguments in routine gammq");
    return 0.0;
  }
  double lnGammaA = 0.0;
  if (x < a + 1) return 1 - gser(a, x, lnGammaA);
  return gcf(a, x, lnGammaA);
}

}  // namespace tq
