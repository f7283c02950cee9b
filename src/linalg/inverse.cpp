#include "linalg/inverse.h"

#include <algorithm>
#include <memory>

#include "linalg/gauss_jordan.h"
#include "core/operation_frame.h"

namespace tq {

namespace {

constexpr const char* kInvalidAName = "Invalid matrix A name";
constexpr const char* kMatrixMissing = "Unable to find source matrix with the specified name";
constexpr const char* kFirstStatus =
    "Invalid status of 1st argument. Last operation on this object has failed.";
constexpr const char* kNotSquare =
    "Invalid arguments. Numbers of columns and rows in the matrix must be equal.";
constexpr const char* kWorkFailed =
    "Unable to create matrices for calculation.\nPossibly not enough memory.";

// The working copy of A and the one-column right-hand side B.
struct WorkMatrices {
  std::unique_ptr<MatrixObject> copy;
  std::unique_ptr<MatrixObject> rhs;
};

bool CreateWorkMatrices(int32_t n, WorkMatrices& work) {
  work.copy = CreateResultMatrix(n, n, kWorkFailed);
  if (!work.copy) return false;
  work.rhs = CreateResultMatrix(n, 1, kWorkFailed);
  return work.rhs != nullptr;
}

}  // namespace

int32_t SolveLinearSystem(const std::string& nameA, const std::string& nameB,
                          const std::string& destName) {
  if (!BeginOperation()) return 0;
  if (!CheckNameLength(nameA, kInvalidAName) ||
      !CheckNameLength(nameB, "Invalid vector b name") ||
      !CheckNameLength(destName, "Invalid destination vector name"))
    return 0;
  auto* a = FindArgument<MatrixObject>(nameA, OBJMASK_MATRIX, kMatrixMissing);
  if (!a) return 0;
  auto* b = FindArgument<VectorObject>(nameB, OBJMASK_VECTOR,
                                       "Unable to find source vector with the specified name");
  if (!b) return 0;
  if (!CheckValid(*a, kFirstStatus) ||
      !CheckValid(*b, "Invalid status of 2nd argument. Last operation on this object has "
                      "failed."))
    return 0;
  if (a->rows != a->columns) return SetOperationError(kNotSquare), 0;
  if (a->columns != b->size)
    return SetOperationError(
               "Invalid arguments. Number of columns in matrix must be equal to the number of "
               "elements in vector."),
           0;
  const int32_t n = a->rows;
  WorkMatrices work;
  if (!CreateWorkMatrices(n, work)) return 0;
  auto x = CreateResultVector(n, kCreateVectorFailedText);
  if (!x) return 0;
  x->name = destName;

  MatrixObject* copy = work.copy.get();
  MatrixObject* rhs = work.rhs.get();
  VectorObject* result = x.get();
  int32_t ok = RunProtected([&] {
    std::copy_n(a->data(), a->count(), copy->data());
    std::copy_n(b->data(), n, rhs->data());
    if (GaussJordanObjects(copy, n, rhs, 1) != 1) return 0;
    std::copy_n(rhs->data(), n, result->data());
    return 1;
  });
  return FinishOperation(ok, std::move(x), "matrix by vector multiplication failed");
}

int32_t InvertMatrix(const std::string& nameA, const std::string& destName) {
  if (!BeginOperation()) return 0;
  if (!CheckNameLength(nameA, kInvalidAName) ||
      !CheckNameLength(destName, "Invalid destination matrix name"))
    return 0;
  auto* a = FindArgument<MatrixObject>(nameA, OBJMASK_MATRIX, kMatrixMissing);
  if (!a) return 0;
  if (!CheckValid(*a, kFirstStatus)) return 0;
  if (a->rows != a->columns) return SetOperationError(kNotSquare), 0;
  const int32_t n = a->rows;
  WorkMatrices work;
  if (!CreateWorkMatrices(n, work)) return 0;
  // The copy of A becomes the result.
  work.copy->name = destName;

  MatrixObject* copy = work.copy.get();
  MatrixObject* rhs = work.rhs.get();
  int32_t ok = RunProtected([&] {
    std::copy_n(a->data(), a->count(), copy->data());
    // A right-hand side is needed by the elimination; its solution is unused.
    for (int32_t j = 1; j <= n; ++j) rhs->at(j, 1) = double(j);
    return GaussJordanObjects(copy, n, rhs, 1);
  });
  return FinishOperation(ok, std::move(work.copy), "Matrix operation failed");
}

}  // namespace tq
