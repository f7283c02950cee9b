// The one process-wide error record that every engine operation, evaluation
// and numerical routine reports through, and the codes and texts of faults.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/core_state.h"

namespace tq {

// Error codes; each is also a bit of Status().flags.
enum : int32_t {
  OPERR_FAILED = 1,
  OPERR_ALLOC = 2,
  OPERR_ARGUMENT = 4,
  OPERR_FAULT_TRANSLATED = 8,  // set only together with OPERR_TRAPPED, as OPERR_FAULT
  OPERR_TRAPPED = 16,
  OPERR_FAULT = OPERR_FAULT_TRANSLATED | OPERR_TRAPPED,
  OPERR_NUMLIB = 32,
  OPERR_NUMLIB_ALLOC = 64,
};

// Fault codes: the platform's exception codes and the program's own two.
enum : uint32_t {
  FAULT_ACCESS_VIOLATION = 0xC0000005u,
  FAULT_ARRAY_BOUNDS = 0xC000008Cu,
  FAULT_FLT_DENORMAL_OPERAND = 0xC000008Du,
  FAULT_FLT_DIVIDE_BY_ZERO = 0xC000008Eu,
  FAULT_FLT_INEXACT_RESULT = 0xC000008Fu,
  FAULT_FLT_INVALID_OPERATION = 0xC0000090u,
  FAULT_FLT_OVERFLOW = 0xC0000091u,
  FAULT_FLT_STACK_CHECK = 0xC0000092u,
  FAULT_FLT_UNDERFLOW = 0xC0000093u,
  FAULT_INT_DIVIDE_BY_ZERO = 0xC0000094u,
  FAULT_INT_OVERFLOW = 0xC0000095u,
  FAULT_NO_MEMORY = 0xC0000017u,
  FAULT_NUMLIB_ALLOC = 0xE0002001u,
  FAULT_NUMLIB = 0xE0002002u,
};


// A fault that ends a protected computation: thrown by the numerical-library
// error routines inside a protected call and caught by the protected frame.
struct FaultException {
  uint32_t code;
};

void ResetOperationStatus();
int32_t SetOperationError(std::string_view text);
int32_t SetAllocationError(std::string_view text);
void AppendOperationFailure(std::string_view text);

// After a failed computation: the trapped fault's text when one was trapped,
// otherwise `failureText` appended to the message.
void RecordOperationFailure(std::string_view failureText);

// The text of a fault code, as TranslateFault puts it into the message.
const char* FaultText(uint32_t code);
int32_t TranslateFault(uint32_t code);

// Invalid input to a numerical routine, and work arrays that cannot be
// allocated: record the error, and inside a protected call end it.
void NumLibError(std::string_view text);
void NumLibAllocError(std::string_view text);

// The message as a view (it is always NUL-terminated).
std::string_view OperationMessage();

}  // namespace tq
