#include "core/operation_status.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace tq {

namespace {

// Copies text into message from position `at`, truncating to the buffer.
void WriteMessage(size_t at, std::string_view text) {
  char* msg = Status().message;
  size_t room = kStatusMessageSize - 1 - at;
  size_t n = std::min(text.size(), room);
  std::memcpy(msg + at, text.data(), n);
  msg[at + n] = '\0';
}

void SetMessageLine(std::string_view text) {
  std::string line(text);
  line += '\n';
  WriteMessage(0, line);
}

int32_t SetError(int32_t code, std::string_view text) {
  SetMessageLine(text);
  Status().lastCode = code;
  Status().flags |= code;
  return code;
}

}  // namespace

std::string_view OperationMessage() { return Status().message; }

void ResetOperationStatus() {
  Status().lastCode = 0;
  Status().flags = 0;
  Status().faultCode = 0;
  Status().message[0] = '\0';
}

int32_t SetOperationError(std::string_view text) { return SetError(OPERR_ARGUMENT, text); }

int32_t SetAllocationError(std::string_view text) { return SetError(OPERR_ALLOC, text); }

void AppendOperationFailure(std::string_view text) {
  size_t len = std::strlen(Status().message);
  if (Status().lastCode != 0 && len > 10 && len < 1000) {
    std::string line(text);
    line += '\n';
    WriteMessage(len, line);
  } else {
    SetMessageLine(text);
  }
  Status().lastCode = OPERR_FAILED;
  Status().flags |= OPERR_FAILED;
}

void RecordOperationFailure(std::string_view failureText) {
  if (Status().flags & (OPERR_FAULT_TRANSLATED | OPERR_TRAPPED))
    TranslateFault(Status().faultCode);
  else
    AppendOperationFailure(failureText);
}

const char* FaultText(uint32_t code) {
  switch (code) {
    case FAULT_FLT_DIVIDE_BY_ZERO: return "Floating point error\nDivide by zero\n";
    case FAULT_FLT_INVALID_OPERATION: return "Floating point error\nInvalid operation\n";
    case FAULT_FLT_OVERFLOW: return "Floating point error\nOverflow of numerical value\n";
    case FAULT_FLT_STACK_CHECK: return "Floating point error\nstack error\n";
    case FAULT_FLT_UNDERFLOW: return "Floating point error\nUnderflow of numerical value\n";
    case FAULT_INT_DIVIDE_BY_ZERO: return "Integer value divide by zero\n";
    case FAULT_INT_OVERFLOW: return "Integer value overflow\n";
    case FAULT_ACCESS_VIOLATION:
      return "Memory access violation\nPossibly access outside array bounds\n";
    case FAULT_ARRAY_BOUNDS: return "Memory access violation\nArray bounds exceeded\n";
    default: return "Floating point or memory access error\n";
  }
}

int32_t TranslateFault(uint32_t code) {
  // The library's own faults have already written their text.
  if (code != FAULT_NUMLIB && code != FAULT_NUMLIB_ALLOC) WriteMessage(0, FaultText(code));
  Status().lastCode = OPERR_FAULT;
  Status().flags |= OPERR_FAULT;
  return OPERR_FAULT;
}

namespace {

void LibraryError(int32_t code, uint32_t fault, const char* head, std::string_view text) {
  std::string msg = head;
  msg.append(text);
  msg += '\n';
  WriteMessage(0, msg);
  Status().lastCode = code;
  Status().flags |= code;
  if (Status().inProtectedCall == 1) throw FaultException{fault};
}

}  // namespace

void NumLibError(std::string_view text) {
  LibraryError(OPERR_NUMLIB, FAULT_NUMLIB, "Numerical library error\n", text);
}

void NumLibAllocError(std::string_view text) {
  LibraryError(OPERR_NUMLIB_ALLOC, FAULT_NUMLIB_ALLOC,
               "Numerical library cannot allocate memory\n", text);
}

}  // namespace tq
