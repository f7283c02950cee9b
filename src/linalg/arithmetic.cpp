#include "linalg/arithmetic.h"

#include <memory>

#include "linalg/matrix_multiply.h"
#include "core/operation_frame.h"
#include "core/thread_pool.h"
#include "core/user_cancel.h"

namespace tq {

namespace {

// The messages of a two-argument operation, in check order.
struct BinaryTexts {
  const char* firstName;
  const char* secondName;
  const char* destName;
  const char* firstMissing;
  const char* secondMissing;
  const char* sizeRule;
  const char* createFailed;
  const char* failure;
};

constexpr const char* kFirstStatus =
    "Invalid status of 1st argument. Last operation on this object has failed.";
constexpr const char* kSecondStatus =
    "Invalid status of 2nd argument. Last operation on this object has failed.";

constexpr BinaryTexts kTwoMatrices = {
    "Invalid 1st matrix name",
    "Invalid 2nd matrix name",
    "Invalid destination matrix name",
    "Unable to find 1st source matrix with the specified name",
    "Unable to find 2nd source matrix with the specified name",
    "Invalid arguments. Matrices must have equal number columns and equal number of rows.",
    kCreateMatrixFailedText,
    "Matrix operation failed"};

constexpr const char* kMultiplySizeRule =
    "Invalid argument sizes. Number columns of the 1st matrix must be equal to the number of "
    "rows of the 2nd matrix .";

constexpr BinaryTexts kTwoVectors = {
    "Invalid 1st vector name",
    "Invalid 2nd vector name",
    "Invalid destination vector name",
    "Unable to find 1st source vector with the specified name",
    "Unable to find 2nd source vector with the specified name",
    "Invalid arguments. Vectors must have equal number of elements.",
    kCreateVectorFailedText,
    "Vector operation failed"};

constexpr BinaryTexts kMatrixVector = {
    "Invalid 1st vector name",
    "Invalid 2nd vector name",
    "Invalid destination vector name",
    "Unable to find source matrix with the specified name",
    "Unable to find source vector with the specified name",
    "Invalid arguments. Number of columns in matrix must be equal to the number of elements in "
    "vector.",
    kCreateVectorFailedText,
    "matrix by vector multiplication failed"};

template <class A>
constexpr uint32_t MaskOf() {
  return std::is_same_v<A, MatrixObject> ? OBJMASK_MATRIX : OBJMASK_VECTOR;
}

// The frame for a two-argument operation. `sizesMatch` is the size rule,
// `makeResult` creates the zero-filled result, `compute` the object-level form.
template <class A, class B, class SizesMatch, class MakeResult, class Compute>
int32_t RunBinaryOperation(const BinaryTexts& texts, const std::string& first,
                           const std::string& second, const std::string& dest,
                           SizesMatch sizesMatch, MakeResult makeResult, Compute compute) {
  if (!BeginOperation()) return 0;
  if (!CheckNameLength(first, texts.firstName) || !CheckNameLength(second, texts.secondName) ||
      !CheckNameLength(dest, texts.destName))
    return 0;
  A* a = FindArgument<A>(first, MaskOf<A>(), texts.firstMissing);
  if (!a) return 0;
  B* b = FindArgument<B>(second, MaskOf<B>(), texts.secondMissing);
  if (!b) return 0;
  if (!CheckValid(*a, kFirstStatus) || !CheckValid(*b, kSecondStatus)) return 0;
  if (!sizesMatch(*a, *b)) {
    SetOperationError(texts.sizeRule);
    return 0;
  }
  auto result = makeResult(*a, *b, texts.createFailed);
  if (!result) return 0;
  result->name = dest;
  auto* r = result.get();
  int32_t ok = RunProtected([&] { return compute(a, b, r); });
  return FinishOperation(ok, std::move(result), texts.failure);
}

bool SameShape(const MatrixObject& a, const MatrixObject& b) {
  return a.rows == b.rows && a.columns == b.columns;
}

auto MatrixLike = [](const MatrixObject& a, const MatrixObject&, const char* failed) {
  return CreateResultMatrix(a.rows, a.columns, failed);
};
auto VectorLike = [](const VectorObject& a, const VectorObject&, const char* failed) {
  return CreateResultVector(a.size, failed);
};
auto EqualLengths = [](const VectorObject& a, const VectorObject& b) { return a.size == b.size; };

bool Usable(const MathObject* object) { return object && object->status == STATUS_VALID; }

// Object-level argument checks shared by every form.
bool CheckObjects(const MathObject* a, const MathObject* b, const MathObject* dest) {
  if (!Usable(a)) return SetOperationError("Invalid 1st argument"), false;
  if (!Usable(b)) return SetOperationError("Invalid 2nd argument"), false;
  if (!Usable(dest)) return SetOperationError("Invalid destination argument"), false;
  return true;
}

template <class Op>
int32_t ElementWiseMatrices(const MatrixObject* a, const MatrixObject* b, MatrixObject* dest,
                            Op op) {
  if (!CheckObjects(a, b, dest)) return 0;
  if (!SameShape(*a, *b))
    return SetOperationError("Matrices have incompatible numbers of rows and columns."), 0;
  if (!SameShape(*a, *dest))
    return SetOperationError(
               "Source and destination matrices have incompatible numbers of rows and columns."),
           0;
  const double* x = a->data();
  const double* y = b->data();
  double* z = dest->data();
  const int64_t n = a->count();
  for (int64_t i = 0; i < n; ++i) z[i] = op(x[i], y[i]);
  return 1;
}

template <class Op>
int32_t ElementWiseVectors(const VectorObject* a, const VectorObject* b, VectorObject* dest,
                           Op op) {
  if (!CheckObjects(a, b, dest)) return 0;
  if (a->size != b->size)
    return SetOperationError("Vectors have different number of elements."), 0;
  if (a->size != dest->size)
    return SetOperationError("Source and destination vectors have differnt number of elements."),
           0;
  const double* x = a->data();
  const double* y = b->data();
  double* z = dest->data();
  for (int32_t i = 0; i < a->size; ++i) z[i] = op(x[i], y[i]);
  return 1;
}

auto Plus = [](double x, double y) { return x + y; };
auto Minus = [](double x, double y) { return x - y; };

}  // namespace

// --- object-level forms -----------------------------------------------------

int32_t TransposeMatrixObject(const MatrixObject* src, MatrixObject* dest) {
  if (!Usable(src)) return SetOperationError("Invalid function source argument"), 0;
  if (!Usable(dest)) return SetOperationError("Invalid function destination argument"), 0;
  if (dest->rows != src->columns || dest->columns != src->rows)
    return SetOperationError(
               "Source and destination matrices have incompatible number of rows and columns."),
           0;
  // Walk the destination in order, reading the source by columns in tiles.
  constexpr int32_t kTile = 32;
  const int32_t rows = src->rows, cols = src->columns;
  for (int32_t i0 = 1; i0 <= rows; i0 += kTile)
    for (int32_t j0 = 1; j0 <= cols; j0 += kTile)
      for (int32_t j = j0; j < j0 + kTile && j <= cols; ++j)
        for (int32_t i = i0; i < i0 + kTile && i <= rows; ++i) dest->at(j, i) = src->at(i, j);
  return 1;
}

int32_t AddMatrixObjects(const MatrixObject* a, const MatrixObject* b, MatrixObject* dest) {
  return ElementWiseMatrices(a, b, dest, Plus);
}

int32_t SubtractMatrixObjects(const MatrixObject* a, const MatrixObject* b, MatrixObject* dest) {
  return ElementWiseMatrices(a, b, dest, Minus);
}

int32_t AddVectorObjects(const VectorObject* a, const VectorObject* b, VectorObject* dest) {
  return ElementWiseVectors(a, b, dest, Plus);
}

int32_t SubtractVectorObjects(const VectorObject* a, const VectorObject* b, VectorObject* dest) {
  return ElementWiseVectors(a, b, dest, Minus);
}

namespace {

// Products below this many operations run on the calling thread alone;
// above kPolledOperations the user may stop them between bands of rows.
constexpr double kParallelOperations = 4e6;
constexpr double kPolledOperations = 1e8;

bool StopRequested() { return PollUserCancel() == 1; }

// c = a * b on the threads the size is worth; 0 when the user stopped it.
int32_t MultiplySplit(const double* a, const double* b, double* c, int64_t m, int64_t k,
                      int64_t n) {
  const double operations = 2.0 * double(m) * double(k) * double(n);
  if (operations < kParallelOperations) {
    MultiplyBlocks(a, b, c, m, k, n);
    return 1;
  }
  if (operations <= kPolledOperations) {
    MultiplyBlocksInBands(a, b, c, m, k, n, ComputeThreads());
    return 1;
  }
  Core().userCancelled = 0;
  return MultiplyBlocksInBands(a, b, c, m, k, n, ComputeThreads(), StopRequested) ? 1 : 0;
}

}  // namespace

int32_t MultiplyMatrixObjects(const MatrixObject* a, const MatrixObject* b, MatrixObject* dest) {
  if (!CheckObjects(a, b, dest)) return 0;
  if (dest->rows != a->rows || dest->columns != b->columns)
    return SetOperationError(
               "Source and destination matrices have incompatible numbers of rows and columns."),
           0;
  if (a->columns != b->rows) return SetOperationError(kMultiplySizeRule), 0;
  return MultiplySplit(a->data(), b->data(), dest->data(), a->rows, a->columns, b->columns);
}

int32_t MultiplyVectorObjects(const VectorObject* a, const VectorObject* b, VectorObject* dest) {
  if (!CheckObjects(a, b, dest)) return 0;
  if (a->size != b->size)
    return SetOperationError("Vectors have different number of elements."), 0;
  if (dest->size != 1) return SetOperationError("Destination vector must have one element."), 0;
  double sum = 0.0;
  for (int32_t i = 1; i <= a->size; ++i) sum += a->at(i) * b->at(i);
  dest->at(1) = sum;
  return 1;
}

int32_t MultiplyMatrixVectorObjects(const MatrixObject* m, const VectorObject* v,
                                    VectorObject* dest) {
  if (!CheckObjects(m, v, dest)) return 0;
  if (m->columns != v->size)
    return SetOperationError(
               "Number of columns in matrix must be equal to the number of elements in vector."),
           0;
  if (dest->size != m->rows)
    return SetOperationError(
               "Destination vector must have size equal to the number of rows in matrix."),
           0;
  return MultiplySplit(m->data(), v->data(), dest->data(), m->rows, m->columns, 1);
}

// --- name-level operations ----------------------------------------------------

int32_t TransposeMatrix(const std::string& src, const std::string& dest) {
  if (!BeginOperation()) return 0;
  if (!CheckNameLength(src, "Invalid source matrix name") ||
      !CheckNameLength(dest, "Invalid destination matrix name"))
    return 0;
  auto* a = FindArgument<MatrixObject>(src, OBJMASK_MATRIX,
                                       "Unable to find source matrix with specified name");
  if (!a) return 0;
  if (!CheckValid(*a, "Invalid status of argument. Last operatin on this object has failed."))
    return 0;
  auto result = CreateResultMatrix(a->columns, a->rows, kCreateMatrixFailedText);
  if (!result) return 0;
  result->name = dest;
  auto* r = result.get();
  int32_t ok = RunProtected([&] { return TransposeMatrixObject(a, r); });
  return FinishOperation(ok, std::move(result), "Matrix operation failed");
}

int32_t AddMatrices(const std::string& a, const std::string& b, const std::string& dest) {
  return RunBinaryOperation<MatrixObject, MatrixObject>(kTwoMatrices, a, b, dest, SameShape,
                                                        MatrixLike, AddMatrixObjects);
}

int32_t SubtractMatrices(const std::string& a, const std::string& b, const std::string& dest) {
  return RunBinaryOperation<MatrixObject, MatrixObject>(kTwoMatrices, a, b, dest, SameShape,
                                                        MatrixLike, SubtractMatrixObjects);
}

int32_t AddVectors(const std::string& a, const std::string& b, const std::string& dest) {
  return RunBinaryOperation<VectorObject, VectorObject>(kTwoVectors, a, b, dest, EqualLengths,
                                                        VectorLike, AddVectorObjects);
}

int32_t SubtractVectors(const std::string& a, const std::string& b, const std::string& dest) {
  return RunBinaryOperation<VectorObject, VectorObject>(kTwoVectors, a, b, dest, EqualLengths,
                                                        VectorLike, SubtractVectorObjects);
}

int32_t MultiplyMatrices(const std::string& a, const std::string& b, const std::string& dest) {
  BinaryTexts texts = kTwoMatrices;
  texts.sizeRule = kMultiplySizeRule;
  return RunBinaryOperation<MatrixObject, MatrixObject>(
      texts, a, b, dest,
      [](const MatrixObject& x, const MatrixObject& y) { return x.columns == y.rows; },
      [](const MatrixObject& x, const MatrixObject& y, const char* failed) {
        return CreateResultMatrix(x.rows, y.columns, failed);
      },
      MultiplyMatrixObjects);
}

int32_t MultiplyVectors(const std::string& a, const std::string& b, const std::string& dest) {
  return RunBinaryOperation<VectorObject, VectorObject>(
      kTwoVectors, a, b, dest, EqualLengths,
      [](const VectorObject&, const VectorObject&, const char* failed) {
        return CreateResultVector(1, failed);
      },
      MultiplyVectorObjects);
}

int32_t MultiplyMatrixVector(const std::string& m, const std::string& v, const std::string& dest) {
  return RunBinaryOperation<MatrixObject, VectorObject>(
      kMatrixVector, m, v, dest,
      [](const MatrixObject& x, const VectorObject& y) { return x.columns == y.size; },
      [](const MatrixObject& x, const VectorObject&, const char* failed) {
        return CreateResultVector(x.rows, failed);
      },
      MultiplyMatrixVectorObjects);
}

}  // namespace tq
