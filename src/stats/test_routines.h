// The numerical routines of the significance tests, over samples given as
// spans (element j of a sample is data[j - 1]).
#pragma once

#include <cstdint>
#include <span>

namespace tq {

using Sample = std::span<const double>;

// Mean, and the variance with denominator n - 1 and the rounding correction.
void MeanAndVariance(Sample data, double& mean, double& var);

void TTestEqualVariance(Sample a, Sample b, double& t, double& prob);
void TTestUnequalVariance(Sample a, Sample b, double& t, double& prob);
// Both samples of the same length, in the same order.
void TTestPaired(Sample a, Sample b, double& t, double& prob);

// The larger variance is always the numerator.
void FTestRoutine(Sample a, Sample b, double& f, double& prob);

// Observed counts against the counts expected by a model.
void chsone(Sample observed, Sample expected, int32_t constraints, double& df,
            double& chiSquare, double& prob);
// Two observed distributions; bins empty in both lower the degrees of freedom.
void ChiSquareTwoSample(Sample bins1, Sample bins2, int32_t constraints, double& df,
                        double& chiSquare, double& prob);

}  // namespace tq
