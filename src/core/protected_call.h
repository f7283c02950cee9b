// The protected part of an engine operation: the computation runs with the
// floating-point exception flags cleared; a fault raised in it, or left in
// the flags after it, ends it with OPERR_TRAPPED and the fault code.
#pragma once

#include <cstdint>
#include <new>

#include "core/fp_flags.h"
#include "core/operation_status.h"

namespace tq {

namespace detail {
void EnterProtectedCall();
void RecordTrappedFault(uint32_t code);
void LeaveProtectedCall();
}  // namespace detail

// Runs `computation` (returning int32 1 or 0) protected. Returns its result,
// or 0 when a fault was trapped; the flags and the control word are restored.
template <class Computation>
int32_t RunProtected(Computation&& computation) {
  detail::EnterProtectedCall();
  int32_t result = 0;
  try {
    result = computation();
    if (uint32_t fault = PendingFpFault()) {
      detail::RecordTrappedFault(fault);
      result = 0;
    }
  } catch (const FaultException& fault) {
    detail::RecordTrappedFault(fault.code);
    result = 0;
  } catch (const std::bad_alloc&) {
    detail::RecordTrappedFault(FAULT_NO_MEMORY);
    result = 0;
  }
  detail::LeaveProtectedCall();
  return result;
}

}  // namespace tq
