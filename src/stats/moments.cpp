#include "stats/moments.h"

#include <cmath>

#include "core/numlib_raise.h"
#include "core/operation_frame.h"

namespace tq {

void Moments(std::span<const double> data, double& mean, double& adev, double& sdev,
             double& var, double& skew, double& kurt) {
  mean = adev = sdev = var = skew = kurt = 0.0;
  if (data.size() < 2) return RaiseNumLibError("n must be at least 2");
  const double n = double(data.size());
  double s = 0.0;
  for (double x : data) s += x;
  mean = s / n;
  double e = 0.0;
  for (double x : data) {
    const double d = x - mean;
    adev += std::fabs(d);
    e += d;
    double p = d * d;
    var += p;
    p = p * d;
    skew += p;
    p = p * d;
    kurt += p;
  }
  adev = adev / n;
  var = (var - e * e / n) / (n - 1);
  // Rounding can leave the variance of equal values a little below zero.
  if (var < 0.0) var = 0.0;
  sdev = std::sqrt(var);
  if (var <= kSmallestVariance) {
    skew = 0.0;
    kurt = 0.0;
    return;
  }
  skew = skew / (var * sdev * n);
  kurt = kurt / (var * var * n) - 3.0;
}

int32_t ComputeMomentObjects(const VectorObject* src, VectorObject* dest) {
  if (!src || src->status != STATUS_VALID)
    return SetOperationError("Invalid function source argument"), 0;
  if (!dest || dest->status != STATUS_VALID)
    return SetOperationError("Invalid function destination argument"), 0;
  if (src->size < 2) return SetOperationError("Source vector must contain at least 2 values."), 0;
  if (dest->size < kMomentCount)
    return SetOperationError("Destination vector must have at least 6 elements."), 0;
  double* out = dest->data();
  Moments({src->data(), size_t(src->size)}, out[0], out[1], out[2], out[3], out[4], out[5]);
  return 1;
}

int32_t ComputeMoments(const std::string& srcName, const std::string& destName) {
  if (!BeginOperation()) return 0;
  if (!CheckNameLength(srcName, "Invalid source matrix name") ||
      !CheckNameLength(destName, "Invalid destination vector name"))
    return 0;
  auto* src = FindArgument<VectorObject>(srcName, OBJMASK_VECTOR,
                                         "Unable to find source vector with specified name");
  if (!src) return 0;
  if (!CheckValid(*src, "Invalid status of argument. Last operation on this object has failed."))
    return 0;
  if (src->size < 2)
    return SetOperationError("Invalid argument. Vector must contain at least 2 values."), 0;
  auto result = CreateResultVector(kMomentCount, kCreateVectorFailedText);
  if (!result) return 0;
  result->name = destName;
  VectorObject* dest = result.get();
  int32_t ok = RunProtected([&] { return ComputeMomentObjects(src, dest); });
  return FinishOperation(ok, std::move(result), "Vector operation failed");
}

}  // namespace tq
