#include "stats/regression_fit.h"

#include <cmath>
#include <utility>

#include "core/numlib_raise.h"
#include "core/work_arrays.h"
#include "linalg/gauss_jordan.h"

namespace tq {

namespace {

// Element [i][j] (1-based) of a p x p row-major block.
inline double& At(double* m, int32_t p, int32_t i, int32_t j) {
  return m[size_t(i - 1) * size_t(p) + size_t(j - 1)];
}

}  // namespace

void RegressionBasis::Evaluate(int32_t j, double* f) const {
  int32_t l = 1;
  if (withConstant) f[l++] = 1.0;
  for (const double* column : x) f[l++] = column[j - 1];
}

void lfit(const double* x, const double* y, const double* sig, int32_t n, double* a,
          const int32_t* fitFlags, int32_t p, double* covar, double& chiSquare,
          const RegressionBasis& basis, double* residuals, double* predictions) {
  int32_t m = 0;
  for (int32_t l = 1; l <= p; ++l)
    if (fitFlags[l]) ++m;
  if (m == 0) return RaiseNumLibError("lfit: no parameters to be fitted");

  DoubleWorkVector f(p);
  WorkMatrix beta(m, 1);
  if (!f || !beta) return;
  for (int32_t r = 1; r <= m; ++r) {
    for (int32_t s = 1; s <= m; ++s) At(covar, p, r, s) = 0.0;
    beta[r][1] = 0.0;
  }
  for (int32_t j = 1; j <= n; ++j) {
    // Samples are identified to the basis by their index x[j].
    basis.Evaluate(int32_t(x[j]), f.get());
    double ym = y[j - 1];
    for (int32_t l = 1; l <= p; ++l)
      if (!fitFlags[l]) ym -= a[l] * f[l];
    const double w = 1.0 / (sig[j] * sig[j]);
    for (int32_t l = 1, r = 0; l <= p; ++l) {
      if (!fitFlags[l]) continue;
      const double wt = f[l] * w;
      ++r;
      for (int32_t q = 1, s = 0; q <= l; ++q)
        if (fitFlags[q]) At(covar, p, r, ++s) += wt * f[q];
      beta[r][1] += ym * wt;
    }
  }
  for (int32_t r = 2; r <= m; ++r)
    for (int32_t s = 1; s < r; ++s) At(covar, p, s, r) = At(covar, p, r, s);

  // The fitted part of covar is m x m; move it into a block of its own
  // when not every parameter is fitted.
  if (m == p) {
    if (GaussJordan(covar, m, beta.block(), 1) != 1) return;
  } else {
    WorkMatrix normal(m, m);
    if (!normal) return;
    for (int32_t r = 1; r <= m; ++r)
      for (int32_t s = 1; s <= m; ++s) normal[r][s] = At(covar, p, r, s);
    if (GaussJordan(normal.block(), m, beta.block(), 1) != 1) return;
    for (int32_t r = 1; r <= m; ++r)
      for (int32_t s = 1; s <= m; ++s) At(covar, p, r, s) = normal[r][s];
  }
  for (int32_t l = 1, r = 0; l <= p; ++l)
    if (fitFlags[l]) a[l] = beta[++r][1];

  chiSquare = 0.0;
  for (int32_t j = 1; j <= n; ++j) {
    basis.Evaluate(int32_t(x[j]), f.get());
    double prediction = 0.0;
    for (int32_t l = 1; l <= p; ++l) prediction += a[l] * f[l];
    const double residual = (y[j - 1] - prediction) / sig[j];
    chiSquare += residual * residual;
    if (residuals) residuals[j - 1] = y[j - 1] - prediction;
    if (predictions) predictions[j - 1] = prediction;
  }
  SortCovariance(covar, p, fitFlags, m);
}

void SortCovariance(double* covar, int32_t p, const int32_t* fitFlags, int32_t m) {
  for (int32_t i = m + 1; i <= p; ++i)
    for (int32_t j = 1; j <= i; ++j) At(covar, p, i, j) = At(covar, p, j, i) = 0.0;
  int32_t c = m;
  for (int32_t j = p; j >= 1; --j) {
    if (!fitFlags[j]) continue;
    for (int32_t i = 1; i <= p; ++i) std::swap(At(covar, p, i, c), At(covar, p, i, j));
    for (int32_t i = 1; i <= p; ++i) std::swap(At(covar, p, c, i), At(covar, p, j, i));
    --c;
  }
}

void FitMultipleRegression(const RegressionBasis& basis, int32_t n, const double* y,
                           double* dest, const RegressionExtras& extras) {
  const int32_t p = basis.parameterCount();
  DoubleWorkVector x(n), sig(n), a(p);
  IntWorkVector fitFlags(p);
  if (!x || !sig || !a || !fitFlags) return;
  for (int32_t j = 1; j <= n; ++j) {
    x[j] = double(j);
    sig[j] = 1.0;
  }
  for (int32_t l = 1; l <= p; ++l) {
    fitFlags[l] = 1;
    a[l] = 0.0;
  }
  // Without a covariance object the covariance goes to a work matrix.
  WorkMatrix ownCovariance(extras.covariance ? 1 : p, extras.covariance ? 1 : p);
  if (!ownCovariance) return;
  double* covar = extras.covariance ? extras.covariance : ownCovariance.block();

  double chiSquare = 0.0;
  lfit(x.get(), y, sig.get(), n, a.get(), fitFlags.get(), p, covar, chiSquare,
       basis, extras.residuals, extras.predictions);

  for (int32_t l = 1; l <= p; ++l) dest[l - 1] = a[l];
  dest[p] = chiSquare;
  const double variance = n - p > 0 ? chiSquare / (n - p) : chiSquare / n;
  dest[p + 1] = variance;
  for (int64_t e = 0; e < int64_t(p) * p; ++e) covar[e] *= variance;
  // The limits are labelled 95%: two standard errors either side.
  const double factor = std::sqrt(4.0);
  for (int32_t i = 1; i <= p; ++i) {
    const double se = std::sqrt(At(covar, p, i, i));
    dest[p + 1 + i] = se;
    dest[2 * p + 1 + i] = a[i] - factor * se;
    dest[3 * p + 1 + i] = a[i] + factor * se;
  }
}

}  // namespace tq
