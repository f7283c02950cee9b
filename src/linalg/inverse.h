// The inverse of a square matrix and the solution of A*x = b, both by
// Gauss-Jordan elimination inside the operation frame.
#pragma once

#include <cstdint>
#include <string>

namespace tq {

// A new vector named destName holding x with A*x = b.
int32_t SolveLinearSystem(const std::string& nameA, const std::string& nameB,
                          const std::string& destName);

// A new n x n matrix named destName holding the inverse of A.
int32_t InvertMatrix(const std::string& nameA, const std::string& destName);

}  // namespace tq
