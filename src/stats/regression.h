// Multiple linear regression of a vector Y on 1 to 100 vectors X(i): a new
// result vector (parameters, chi-square, variance, standard errors and
// limits) and, when asked for, the covariance matrix and the residuals and
// predictions vectors.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/math_object.h"

namespace tq {

inline constexpr int32_t kMaxRegressionVectors = 100;

// The elements of the result vector for p parameters.
inline int32_t RegressionResultSize(int32_t p) { return 4 * p + 2; }

int32_t LinearRegression(const std::vector<std::string>* xNames, int32_t k,
                         const std::string& yName, bool withoutConstant,
                         const std::string& destName, bool saveExtras,
                         const std::string& covName, const std::string& residualsName,
                         const std::string& predictionsName);

int32_t LinearRegressionObjects(const VectorObject* const* xObjects, int32_t k,
                                const VectorObject* y, bool withoutConstant, VectorObject* dest,
                                bool saveExtras, MatrixObject* cov, VectorObject* residuals,
                                VectorObject* predictions);

}  // namespace tq
