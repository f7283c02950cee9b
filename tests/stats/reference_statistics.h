// Independent reference values for the statistics tests: the incomplete
// beta and gamma functions by their power series in long double, and least
// squares by Householder reflections in long double.
#pragma once

#include <cmath>
#include <vector>

namespace tq::reference {

// I_x(a, b) = x^a (1-x)^b / (a B(a, b)) * 2F1(a + b, 1; a + 1; x), for
// x <= 1/2; the symmetry I_x(a, b) = 1 - I_{1-x}(b, a) covers the rest.
inline long double IncompleteBeta(long double a, long double b, long double x) {
  if (x <= 0) return 0;
  if (x >= 1) return 1;
  if (x > 0.5L) return 1 - IncompleteBeta(b, a, 1 - x);
  long double sum = 0, term = 1;
  for (int n = 0; n < 100000 && term > 1e-30L * sum; ++n) {
    sum += term;
    term *= x * (a + b + n) / (a + 1 + n);
  }
  long double logFront = a * std::log(x) + b * std::log1p(-x) - std::log(a) -
                         (std::lgamma(a) + std::lgamma(b) - std::lgamma(a + b));
  return std::exp(logFront) * sum;
}

// Q(a, x) = 1 - P(a, x), P by its series e^-x x^a sum x^n / Gamma(a + n + 1).
inline long double UpperIncompleteGamma(long double a, long double x) {
  if (x <= 0) return 1;
  long double term = 1 / a, sum = term;
  for (int n = 1; n < 100000 && term > 1e-30L * sum; ++n) {
    term *= x / (a + n);
    sum += term;
  }
  return 1 - std::exp(-x + a * std::log(x) - std::lgamma(a)) * sum;
}

// Least squares of y on the columns of x (each a full column, the constant
// included by the caller): parameters and the diagonal of (X'X)^-1.
struct LeastSquares {
  std::vector<long double> parameters;
  std::vector<long double> inverseDiagonal;
  long double chiSquare = 0;
};

inline LeastSquares FitLeastSquares(std::vector<std::vector<long double>> columns,
                                    std::vector<long double> y) {
  const size_t n = y.size(), p = columns.size();
  // Householder QR: columns becomes R (upper part), y becomes Q'y.
  for (size_t k = 0; k < p; ++k) {
    long double norm = 0;
    for (size_t i = k; i < n; ++i) norm += columns[k][i] * columns[k][i];
    norm = std::sqrt(norm);
    long double alpha = columns[k][k] > 0 ? -norm : norm;
    std::vector<long double> v(n, 0);
    for (size_t i = k; i < n; ++i) v[i] = columns[k][i];
    v[k] -= alpha;
    long double vv = 0;
    for (size_t i = k; i < n; ++i) vv += v[i] * v[i];
    auto reflect = [&](std::vector<long double>& c) {
      long double dot = 0;
      for (size_t i = k; i < n; ++i) dot += v[i] * c[i];
      for (size_t i = k; i < n; ++i) c[i] -= 2 * dot / vv * v[i];
    };
    for (size_t j = k; j < p; ++j) reflect(columns[j]);
    reflect(y);
  }
  LeastSquares fit;
  fit.parameters.assign(p, 0);
  for (size_t k = p; k-- > 0;) {
    long double s = y[k];
    for (size_t j = k + 1; j < p; ++j) s -= columns[j][k] * fit.parameters[j];
    fit.parameters[k] = s / columns[k][k];
  }
  for (size_t i = p; i < n; ++i) fit.chiSquare += y[i] * y[i];
  // (X'X)^-1 = R^-1 R^-T: the diagonal is the squared norms of the rows of R^-1.
  std::vector<std::vector<long double>> rInverse(p, std::vector<long double>(p, 0));
  for (size_t j = 0; j < p; ++j) {
    rInverse[j][j] = 1 / columns[j][j];
    for (size_t i = j; i-- > 0;) {
      long double s = 0;
      for (size_t k = i + 1; k <= j; ++k) s += columns[k][i] * rInverse[k][j];
      rInverse[i][j] = -s / columns[i][i];
    }
  }
  fit.inverseDiagonal.assign(p, 0);
  for (size_t i = 0; i < p; ++i)
    for (size_t j = i; j < p; ++j) fit.inverseDiagonal[i] += rInverse[i][j] * rInverse[i][j];
  return fit;
}

}  // namespace tq::reference
