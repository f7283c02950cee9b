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

// The exception flags that end a computation, in the order a trapping unit
// would most likely have met them: an overflow or a division by zero usually
// comes first and produces the infinity that later makes an invalid operation.
inline uint32_t FaultFromFenvFlags(int raised) {
  if (raised & FE_DIVBYZERO) return FAULT_FLT_DIVIDE_BY_ZERO;
  if (raised & FE_OVERFLOW) return FAULT_FLT_OVERFLOW;
  if (raised & FE_INVALID) return FAULT_FLT_INVALID_OPERATION;
  return 0;
}

// Both units (x87 and SSE); used around whole operations.
inline void ClearFpExceptions() { std::feclearexcept(FE_ALL_EXCEPT); }
inline uint32_t PendingFpFault() {
  return FaultFromFenvFlags(std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID));
}

#if defined(__SSE2__)
// The SSE unit only: a few nanoseconds, for per-point paths.
inline constexpr unsigned kSseInvalid = 0x01, kSseDivByZero = 0x04, kSseOverflow = 0x08;
inline unsigned ReadSseFlags() { return _mm_getcsr() & 0x3Fu; }
inline void ClearSseFlags() { _mm_setcsr(_mm_getcsr() & ~0x3Fu); }
inline uint32_t FaultFromSseFlags(unsigned flags) {
  if (flags & kSseDivByZero) return FAULT_FLT_DIVIDE_BY_ZERO;
  if (flags & kSseOverflow) return FAULT_FLT_OVERFLOW;
  if (flags & kSseInvalid) return FAULT_FLT_INVALID_OPERATION;
  return 0;
}
inline uint32_t ReadControlWord() { return _mm_getcsr(); }
inline void WriteControlWord(uint32_t word) { _mm_setcsr(word); }
#else
inline uint32_t ReadControlWord() { return 0; }
inline void WriteControlWord(uint32_t) {}
#endif

}  // namespace tq
