// A user function applied to every element of a matrix or a vector; the
// element's row and column are the function's _m and _n.
#pragma once

#include <cstdint>
#include <string>

#include "core/math_object.h"

namespace tq {

// The function check of a computation, between the engine and the command
// that shows its message or asks its question.
struct ElementFunctionCheck {
  enum class WithoutX { kAsk, kAccept, kRefuse };
  WithoutX withoutX = WithoutX::kAsk;  // the user's answer to the question
  std::string message;                 // the refusal (-1) or the question
};
inline constexpr int32_t kComputeAsksWithoutX = -2;

// 1 done; 0 failed (the status holds why); -1 the function check refused
// the function (`check` holds its message, empty when there is none to
// show); kComputeAsksWithoutX: the function does not use x and nothing was
// computed, `check` holds the question, and the command calls again with
// the answer in `withoutX`. Without `check` a function without x is refused.
int32_t ComputeFunctionForMatrix(const std::string& source, const std::string& function,
                                 const std::string& dest, ElementFunctionCheck* check = nullptr);
int32_t ComputeFunctionForVector(const std::string& source, const std::string& function,
                                 const std::string& dest, ElementFunctionCheck* check = nullptr);

// The marker of an element whose evaluation failed.
inline constexpr double kMissingValue = 1.1e300;

// The loops themselves, on existing objects (the function already compiled).
int32_t ComputeMatrixElements(const MatrixObject* source, const FunctionObject* function,
                              MatrixObject* result);
int32_t ComputeVectorElements(const VectorObject* source, const FunctionObject* function,
                              VectorObject* result);

// The function created or edited last from the compute dialog.
std::string& ComputeFunctionName();

}  // namespace tq
