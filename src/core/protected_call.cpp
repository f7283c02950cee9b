#include "core/protected_call.h"

namespace tq::detail {

void EnterProtectedCall() {
  ClearFpExceptions();
  Status().flags = 0;
  Status().message[0] = '\0';
  Status().savedControlWord = ReadControlWord();
  Status().inProtectedCall = 1;
}

void RecordTrappedFault(uint32_t code) {
  ClearFpExceptions();
  Status().flags |= OPERR_TRAPPED;
  Status().inProtectedCall = 0;
  Status().faultCode = code;
}

void LeaveProtectedCall() {
  WriteControlWord(Status().savedControlWord);
  ClearFpExceptions();
  Status().inProtectedCall = 0;
}

}  // namespace tq::detail
