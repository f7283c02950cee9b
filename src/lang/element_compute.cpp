#include "lang/element_compute.h"

#include <algorithm>
#include <memory>

#include "core/object_list.h"
#include "core/operation_frame.h"
#include "core/operation_status.h"
#include "core/user_cancel.h"
#include "lang/function_checks.h"
#include "lang/lang_state.h"

namespace tq {

namespace {

bool Valid(const MathObject* object) { return object && object->status == STATUS_VALID; }

// The texts that differ between the matrix and the vector engine.
struct ComputeTexts {
  uint32_t sourceMask;
  const char* sourceName;
  const char* destName;
  const char* sourceMissing;
  const char* sourceSize;
  const char* createFailed;
  const char* failure;
};

constexpr ComputeTexts kMatrixTexts{
    OBJMASK_MATRIX,
    "Invalid matrix name",
    "Invalid destination matrix name",
    "Unable to find source matrix with the specified name",
    "Invalid source matrix size.",
    "Unable to create destination matrix.\nPossibly not enough memory.",
    "Matrix operation failed"};
constexpr ComputeTexts kVectorTexts{
    OBJMASK_VECTOR,
    "Invalid vector name",
    "Invalid destination vector name",
    "Unable to find source vector with the specified name",
    "Invalid source vector size.",
    "Unable to create destination vector.\nPossibly not enough memory.",
    "Vector operation failed"};

int32_t Fail(const char* text) {
  SetOperationError(text);
  return 0;
}

bool HasElements(const MatrixObject& m) { return m.rows >= 1 && m.columns >= 1; }
bool HasElements(const VectorObject& v) { return v.size >= 1; }

std::unique_ptr<MatrixObject> CreateResultLike(const MatrixObject& m, const char* failedText) {
  return CreateResultMatrix(m.rows, m.columns, failedText);
}
std::unique_ptr<VectorObject> CreateResultLike(const VectorObject& v, const char* failedText) {
  return CreateResultVector(v.size, failedText);
}

int32_t Loop(const MatrixObject* s, const FunctionObject* f, MatrixObject* r) {
  return ComputeMatrixElements(s, f, r);
}
int32_t Loop(const VectorObject* s, const FunctionObject* f, VectorObject* r) {
  return ComputeVectorElements(s, f, r);
}

template <class Object>
int32_t Compute(const ComputeTexts& texts, const std::string& sourceName,
                const std::string& functionName, const std::string& dest,
                ElementFunctionCheck* check) {
  if (!BeginOperation()) return 0;
  if (!CheckNameLength(sourceName, texts.sourceName)) return 0;
  if (!CheckNameLength(functionName, "Invalid function name")) return 0;
  if (!CheckNameLength(dest, texts.destName)) return 0;
  auto* source = FindArgument<Object>(sourceName, texts.sourceMask, texts.sourceMissing);
  if (!source) return 0;
  auto* function = FindArgument<FunctionObject>(functionName, OBJMASK_FUNCTION,
                                                "Unable to find function with the specified name");
  if (!function) return 0;
  if (!CheckValid(*source,
                  "Invalid status of 1st argument. Last operation on this object has failed."))
    return 0;
  if (!CheckValid(*function,
                  "Invalid status of 2nd argument. Last operation on this object has failed."))
    return 0;
  if (!HasElements(*source)) return Fail(texts.sourceSize);
  using WithoutX = ElementFunctionCheck::WithoutX;
  const WithoutX withoutX = check ? check->withoutX : WithoutX::kRefuse;
  std::string checkMessage;
  const int32_t checked = CheckFunctionForElements(functionName, checkMessage);
  if (checked == kFunctionWithoutX && withoutX == WithoutX::kAsk) {
    check->message = checkMessage;
    return kComputeAsksWithoutX;
  }
  if (checked != 0 && !(checked == kFunctionWithoutX && withoutX == WithoutX::kAccept)) {
    if (check) check->message = checked == kFunctionWithoutX ? std::string() : checkMessage;
    SetOperationError("Unable to compile function. Correct systax error and try again.");
    return -1;
  }
  std::unique_ptr<Object> result = CreateResultLike(*source, texts.createFailed);
  if (!result) return 0;
  result->name = dest;
  Status().message[0] = '\0';
  const int32_t done = Loop(source, function, result.get());
  return FinishOperationKeepingMessage(done, std::move(result), texts.failure);
}

// A block of elements at a time, with the same values, statuses and stop
// as element by element; failed elements hold the marker.
void EvaluateInBlocks(const double* in, double* out, int64_t count, int32_t columns) {
  constexpr int64_t kBlock = 4096;
  int32_t statuses[kBlock];
  for (int64_t start = 0; start < count; start += kBlock) {
    const size_t n = size_t(std::min(kBlock, count - start));
    const size_t done =
        EvaluateAtElements(in + start, out + start, statuses, n, {start, columns});
    for (size_t i = 0; i < done; ++i)
      if (statuses[i] != 0) out[start + int64_t(i)] = kMissingValue;
    if (done < n || Core().userCancelled == 1) return;
  }
}

}  // namespace

int32_t ComputeMatrixElements(const MatrixObject* source, const FunctionObject* function,
                              MatrixObject* result) {
  if (!Valid(source)) return Fail("Invalid 1st argument");
  if (!Valid(function)) return Fail("Invalid 2nd argument");
  if (!Valid(result)) return Fail("Invalid destination argument");
  if (source->rows != result->rows || source->columns != result->columns)
    return Fail("Source and destination matrices have incompatible numbers of rows and columns.");
  Core().userCancelled = 0;
  if (lang::Lang().elementBlocks) {
    EvaluateInBlocks(source->data(), result->data(), source->count(), source->columns);
    return 1;
  }
  int32_t status = 0;
  std::string errorText;
  const double* in = source->data();
  double* out = result->data();
  for (int32_t m = 1; m <= source->rows && Core().userCancelled == 0; ++m) {
    lang::Lang().rowRegister = m;
    for (int32_t n = 1; n <= source->columns; ++n) {
      if (Core().userCancelled == 1) break;
      lang::Lang().columnRegister = n;
      const double value = EvaluateAt(*in++, status, errorText);
      *out++ = status == 0 ? value : kMissingValue;
    }
  }
  return 1;
}

int32_t ComputeVectorElements(const VectorObject* source, const FunctionObject* function,
                              VectorObject* result) {
  if (!Valid(source)) return Fail("Invalid 1st argument");
  if (!Valid(function)) return Fail("Invalid 2nd argument");
  if (!Valid(result)) return Fail("Invalid destination argument");
  if (source->size != result->size)
    return Fail("Source and destination vectors have incompatible numbers of elements.");
  Core().userCancelled = 0;
  lang::Lang().rowRegister = 1;
  if (lang::Lang().elementBlocks) {
    EvaluateInBlocks(source->data(), result->data(), source->size, source->size);
    return 1;
  }
  int32_t status = 0;
  std::string errorText;
  const double* in = source->data();
  double* out = result->data();
  for (int32_t n = 1; n <= source->size && Core().userCancelled == 0; ++n) {
    lang::Lang().columnRegister = n;
    const double value = EvaluateAt(in[n - 1], status, errorText);
    out[n - 1] = status == 0 ? value : kMissingValue;
  }
  return 1;
}

int32_t ComputeFunctionForMatrix(const std::string& source, const std::string& function,
                                 const std::string& dest, ElementFunctionCheck* check) {
  return Compute<MatrixObject>(kMatrixTexts, source, function, dest, check);
}

int32_t ComputeFunctionForVector(const std::string& source, const std::string& function,
                                 const std::string& dest, ElementFunctionCheck* check) {
  return Compute<VectorObject>(kVectorTexts, source, function, dest, check);
}

std::string& ComputeFunctionName() { return lang::Lang().computeFunctionName; }

}  // namespace tq
