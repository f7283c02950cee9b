#include "stats/test_routines.h"

#include <cmath>
#include <cstddef>

#include "core/numlib_raise.h"
#include "stats/special_functions.h"

namespace tq {

namespace {

// Two-tailed significance of Student's t with df degrees of freedom.
double StudentSignificance(double t, double df) {
  // A zero deviation divided by zero: the computation ends here, as a trap
  // at the division would have ended it.
  RaisePendingFault();
  return IncompleteBeta(0.5 * df, 0.5, df / (df + t * t));
}

}  // namespace

void MeanAndVariance(Sample data, double& mean, double& var) {
  const double n = double(data.size());
  double sum = 0.0;
  for (double x : data) sum += x;
  mean = sum / n;
  double squares = 0.0, deviations = 0.0;
  for (double x : data) {
    const double d = x - mean;
    squares += d * d;
    deviations += d;
  }
  var = (squares - deviations * deviations / n) / (n - 1);
}

void TTestEqualVariance(Sample a, Sample b, double& t, double& prob) {
  double meanA, varA, meanB, varB;
  MeanAndVariance(a, meanA, varA);
  MeanAndVariance(b, meanB, varB);
  const double nA = double(a.size()), nB = double(b.size());
  const double df = nA + nB - 2;
  const double pooled = ((nA - 1) * varA + (nB - 1) * varB) / df;
  t = (meanA - meanB) / std::sqrt(pooled * (1 / nA + 1 / nB));
  prob = StudentSignificance(t, df);
}

void TTestUnequalVariance(Sample a, Sample b, double& t, double& prob) {
  double meanA, varA, meanB, varB;
  MeanAndVariance(a, meanA, varA);
  MeanAndVariance(b, meanB, varB);
  const double nA = double(a.size()), nB = double(b.size());
  const double a1 = varA / nA, a2 = varB / nB, s = a1 + a2;
  t = (meanA - meanB) / std::sqrt(s);
  const double df = s * s / (a1 * a1 / (nA - 1) + a2 * a2 / (nB - 1));
  prob = StudentSignificance(t, df);
}

void TTestPaired(Sample a, Sample b, double& t, double& prob) {
  double meanA, varA, meanB, varB;
  MeanAndVariance(a, meanA, varA);
  MeanAndVariance(b, meanB, varB);
  const double n = double(a.size());
  double cov = 0.0;
  for (size_t j = 0; j < a.size(); ++j) cov += (a[j] - meanA) * (b[j] - meanB);
  cov /= n - 1;
  const double sd = std::sqrt((varA + varB - 2 * cov) / n);
  t = (meanA - meanB) / sd;
  prob = StudentSignificance(t, n - 1);
}

void FTestRoutine(Sample a, Sample b, double& f, double& prob) {
  double meanA, varA, meanB, varB;
  MeanAndVariance(a, meanA, varA);
  MeanAndVariance(b, meanB, varB);
  const double nA = double(a.size()), nB = double(b.size());
  prob = 0.0;
  if (varA < 1e-300) {
    f = 0;
    return RaiseNumLibError("Unable to compute F-test. First distribution has zero variance.");
  }
  if (varB < 1e-300) {
    f = 0;
    return RaiseNumLibError("Unable to compute F-test. Second distribution has zero variance.");
  }
  double df1, df2;
  if (varA > varB) {
    f = varA / varB;
    df1 = nA - 1;
    df2 = nB - 1;
  } else {
    f = varB / varA;
    df1 = nB - 1;
    df2 = nA - 1;
  }
  prob = 2 * IncompleteBeta(0.5 * df2, 0.5 * df1, df2 / (df2 + df1 * f));
  if (prob > 1.0) prob = 2.0 - prob;
}

void chsone(Sample observed, Sample expected, int32_t constraints, double& df,
            double& chiSquare, double& prob) {
  df = double(observed.size()) - constraints;
  chiSquare = 0.0;
  prob = 0.0;
  for (size_t j = 0; j < observed.size(); ++j) {
    if (expected[j] <= 0) return RaiseNumLibError("Bad expected number in chsone");
    const double d = observed[j] - expected[j];
    chiSquare += d * d / expected[j];
  }
  prob = gammq(0.5 * df, 0.5 * chiSquare);
}

void ChiSquareTwoSample(Sample bins1, Sample bins2, int32_t constraints, double& df,
                        double& chiSquare, double& prob) {
  df = double(bins1.size()) - constraints;
  chiSquare = 0.0;
  for (size_t j = 0; j < bins1.size(); ++j) {
    if (bins1[j] == 0.0 && bins2[j] == 0.0) {
      df = df - 1;
      continue;
    }
    const double d = bins1[j] - bins2[j];
    chiSquare += d * d / (bins1[j] + bins2[j]);
  }
  prob = gammq(0.5 * df, 0.5 * chiSquare);
}

}  // namespace tq
