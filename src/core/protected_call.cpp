#include "core/protected_call.h"

namespace tq::detail {

void EnterProtectedCall() {
  ClearFpExceptions();
  OperationStatus.flags = 0;
  OperationStatus.message[0] = '\0';
  OperationStatus.savedControlWord = ReadControlWord();
  OperationStatus.inProtectedCall = 1;
}

void RecordTrappedFault(uint32_t code) {
  ClearFpExceptions();
  OperationStatus.flags |= OPERR_TRAPPED;
  OperationStatus.inProtectedCall = 0;
  OperationStatus.faultCode = code;
}

void LeaveProtectedCall() {
  WriteControlWord(OperationStatus.savedControlWord);
  ClearFpExceptions();
  OperationStatus.inProtectedCall = 0;
}

}  // namespace tq::detail
