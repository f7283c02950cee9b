// Least-squares fitting of a linear model through the normal equations.
#pragma once

#include <cstdint>
#include <vector>

namespace tq {

// The basis of the regression model: 1.0 (with a constant term) and the
// values of the X(i) vectors at sample j.
struct RegressionBasis {
  std::vector<const double*> x;  // the data of X(1) .. X(k), element j at [j - 1]
  bool withConstant = true;

  int32_t parameterCount() const { return int32_t(x.size()) + (withConstant ? 1 : 0); }
  // f[1..p] at sample j (1-based).
  void Evaluate(int32_t j, double* f) const;
};

// Where the fit puts its optional outputs (nullptr when not wanted); the
// arrays are 0-based: covariance p x p row-major, residuals and predictions n.
struct RegressionExtras {
  double* covariance = nullptr;
  double* residuals = nullptr;
  double* predictions = nullptr;
};

// Fills dest[0 .. 4p + 1]: parameters, chi-square, variance, standard errors,
// lower and upper limits (parameter -/+ 2 standard errors).
void FitMultipleRegression(const RegressionBasis& basis, int32_t n, const double* y,
                           double* dest, const RegressionExtras& extras);

// The general linear least-squares fit. x, sig and a are 1-based arrays; y
// holds the data (sample j at y[j - 1]); a[1..p] receives the fitted
// parameters; fitFlags[l] says whether parameter l is fitted; covar is p x p
// row-major and receives the covariance of the fit. Residuals and
// predictions (0-based) are filled when given.
void lfit(const double* x, const double* y, const double* sig, int32_t n, double* a,
          const int32_t* fitFlags, int32_t p, double* covar, double& chiSquare,
          const RegressionBasis& basis, double* residuals, double* predictions);

// Spreads the covariance of the m fitted parameters over the p x p matrix.
void SortCovariance(double* covar, int32_t p, const int32_t* fitFlags, int32_t m);

}  // namespace tq
