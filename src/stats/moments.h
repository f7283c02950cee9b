// Moments of distribution of a data vector: mean, average deviation,
// standard deviation, variance, skewness and kurtosis, stored in that order
// in a new six-element vector.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/math_object.h"

namespace tq {

inline constexpr int32_t kMomentCount = 6;

// Variances at or below this leave skewness and kurtosis at 0.
inline constexpr double kSmallestVariance = 1e-100;

int32_t ComputeMoments(const std::string& srcName, const std::string& destName);
int32_t ComputeMomentObjects(const VectorObject* src, VectorObject* dest);

// The variance has denominator n - 1 with the rounding correction of the
// mean; the kurtosis is the excess kurtosis.
void Moments(std::span<const double> data, double& mean, double& adev, double& sdev,
             double& var, double& skew, double& kurt);

}  // namespace tq
