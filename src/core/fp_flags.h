// Floating-point faults are detected through the sticky exception status
// flags, not through traps: clear them before a computation, test them after.
#pragma once

#include <cfenv>
#include <cstdint>

#if defined(__SSE2__)
#include <xmmintrin.h>
#endif

#include "core/operation_status.h"

namespace tq {

// The fault flags, as the SSE status register lays them out.
inline constexpr unsigned kSseInvalid = 0x01, kSseDenormal = 0x02, kSseDivByZero = 0x04,
                          kSseOverflow = 0x08;
inline constexpr unsigned kSseFaultFlags = kSseInvalid | kSseDenormal | kSseDivByZero | kSseOverflow;

// The fault that ends a computation when several flags are raised, in the
// order a trapping unit would most likely have met them. A unit checks an
// operation's operands before it divides or rounds, so a denormal operand
// comes before the overflow of the same operation (1/1e-320) and before a
// later division by zero; a denormal never arises from those faults' results
// (they give infinity). The sticky flags cannot tell an invalid operand from
// the far more common invalid operation on the infinity that an overflow or
// a division by zero produced, so an invalid operation comes last.
inline uint32_t FaultFromSseFlags(unsigned flags) {
  if (flags & kSseDenormal) return FAULT_FLT_DENORMAL_OPERAND;
  if (flags & kSseDivByZero) return FAULT_FLT_DIVIDE_BY_ZERO;
  if (flags & kSseOverflow) return FAULT_FLT_OVERFLOW;
  if (flags & kSseInvalid) return FAULT_FLT_INVALID_OPERATION;
  return 0;
}

#if defined(__SSE2__)
// The SSE unit only: a few nanoseconds, for per-point paths. The denormal
// flag is only here: <cfenv> does not know it.
inline unsigned ReadSseFlags() { return _mm_getcsr() & 0x3Fu; }
inline void ClearSseFlags() { _mm_setcsr(_mm_getcsr() & ~0x3Fu); }
inline void ClearSseDenormalFlag() { _mm_setcsr(_mm_getcsr() & ~kSseDenormal); }
inline uint32_t ReadControlWord() { return _mm_getcsr(); }
inline void WriteControlWord(uint32_t word) { _mm_setcsr(word); }
#else
inline unsigned ReadSseFlags() { return 0; }
inline void ClearSseFlags() {}
inline void ClearSseDenormalFlag() {}
inline uint32_t ReadControlWord() { return 0; }
inline void WriteControlWord(uint32_t) {}
#endif

// Both units (x87 and SSE); used around whole operations.
inline void ClearFpExceptions() {
  std::feclearexcept(FE_ALL_EXCEPT);
  ClearSseFlags();
}
inline uint32_t PendingFpFault() {
  const int raised = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
  unsigned flags = ReadSseFlags() & kSseDenormal;
  if (raised & FE_INVALID) flags |= kSseInvalid;
  if (raised & FE_DIVBYZERO) flags |= kSseDivByZero;
  if (raised & FE_OVERFLOW) flags |= kSseOverflow;
  return FaultFromSseFlags(flags);
}

}  // namespace tq
