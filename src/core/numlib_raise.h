// Raising a numerical-library error from inside a computation. The fault
// flags are read, not trapped, so a division by zero or an overflow earlier in
// the same computation is still pending when a later check fails; that fault
// is what ended the computation, so it is raised in place of the error.
#pragma once

#include <string_view>

#include "core/fp_flags.h"
#include "core/operation_status.h"

namespace tq {

inline void RaiseNumLibError(std::string_view text) {
  if (Status().inProtectedCall == 1)
    if (uint32_t fault = PendingFpFault()) throw FaultException{fault};
  NumLibError(text);
}

// Ends a protected computation at once when a fault is pending, as a trap at
// the faulting instruction would have done.
inline void RaisePendingFault() {
  if (Status().inProtectedCall == 1)
    if (uint32_t fault = PendingFpFault()) throw FaultException{fault};
}

}  // namespace tq
