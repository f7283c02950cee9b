#include "core/operation_frame.h"

#include <new>

namespace tq {

bool BeginOperation() {
  ResetOperationStatus();
  if (!CurrentObjectList()) {
    SetOperationError(kListCorruptedText);
    return false;
  }
  return true;
}

bool CheckNameLength(std::string_view name, const char* message) {
  if (!name.empty() && name.size() <= 1000) return true;
  SetOperationError(message);
  return false;
}

bool CheckValid(const MathObject& object, const char* message) {
  if (object.status == STATUS_VALID) return true;
  SetOperationError(message);
  return false;
}

namespace {

template <class T, class... Args>
std::unique_ptr<T> CreateResult(const char* failedText, Args... args) {
  std::unique_ptr<T> object(new (std::nothrow) T(args...));
  if (!object) return nullptr;
  if (object->status != STATUS_VALID || Status().flags != 0) {
    SetOperationError(failedText);
    return nullptr;
  }
  return object;
}

}  // namespace

std::unique_ptr<MatrixObject> CreateResultMatrix(int32_t rows, int32_t columns,
                                                 const char* failedText) {
  return CreateResult<MatrixObject>(failedText, columns, rows, 0.0);
}

std::unique_ptr<VectorObject> CreateResultVector(int32_t size, const char* failedText) {
  return CreateResult<VectorObject>(failedText, size, 0.0);
}

int32_t FinishOperation(int32_t result, std::unique_ptr<MathObject> object,
                        const char* failureText) {
  if (result == 1 && Status().flags == 0) {
    DeleteObjectByName(object->name);
    AddObject(std::move(object));
    return 1;
  }
  RecordOperationFailure(failureText);
  return 0;
}

int32_t FinishOperationKeepingMessage(int32_t result, std::unique_ptr<MathObject> object,
                                      const char* failureText) {
  if (result == 1 && Status().flags == 0) return FinishOperation(1, std::move(object), "");
  const size_t length = OperationMessage().size();
  if (Status().flags & (OPERR_FAULT_TRANSLATED | OPERR_TRAPPED))
    TranslateFault(Status().faultCode);
  else if (!(Status().flags != 0 && length >= 3 && length <= 2047))
    AppendOperationFailure(failureText);
  return 0;
}

}  // namespace tq
