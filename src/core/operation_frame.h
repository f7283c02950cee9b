// The frame every name-level engine operation follows: reset the status,
// check the argument names, look the arguments up, check their status and
// sizes, create the result, compute protected, and replace an existing
// object of the destination name only on success.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/math_object.h"
#include "core/object_list.h"
#include "core/operation_status.h"
#include "core/protected_call.h"

namespace tq {

inline constexpr const char* kListCorruptedText = "Pointer on math objects list is corrupted";
inline constexpr const char* kCreateMatrixFailedText =
    "Unable to create destination matrix.\nPossibly not enough memory.";
inline constexpr const char* kCreateVectorFailedText =
    "Unable to create destination vector.\nPossibly not enough memory.";

// Step 1 and 2: reset the status; false (with its message) when there is no list.
bool BeginOperation();

// Step 3: a name argument must be 1 to 1000 characters; otherwise sets
// `message` and returns false.
bool CheckNameLength(std::string_view name, const char* message);

// Step 4: the argument of the kinds in `mask`; sets `message` when missing.
template <class T>
T* FindArgument(std::string_view name, uint32_t mask, const char* message) {
  T* object = dynamic_cast<T*>(FindObject(name, mask));
  if (!object) SetOperationError(message);
  return object;
}

// Step 5: the argument must be valid; otherwise sets `message`.
bool CheckValid(const MathObject& object, const char* message);

// Step 7: a result object filled with 0.0. nullptr when it could not be
// created; `failedText` is set when it was created but is not usable.
std::unique_ptr<MatrixObject> CreateResultMatrix(int32_t rows, int32_t columns,
                                                 const char* failedText);
std::unique_ptr<VectorObject> CreateResultVector(int32_t size, const char* failedText);

// Steps 10 and 11: on success replace any object of the result's name and
// append the result; otherwise put the fault or `failureText` into the status.
int32_t FinishOperation(int32_t result, std::unique_ptr<MathObject> object,
                        const char* failureText);

// FinishOperation for a computation that reports its own failures: a message
// of 3 to 2047 characters that it left stands in place of `failureText`.
int32_t FinishOperationKeepingMessage(int32_t result, std::unique_ptr<MathObject> object,
                                      const char* failureText);

}  // namespace tq
