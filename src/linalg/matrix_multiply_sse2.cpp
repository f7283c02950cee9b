// The blocked product with 128-bit vectors (2 doubles): SSE2 is part of every
// x86-64 processor, so this is the baseline variant. Edge columns that do not
// fill a vector go one lane at a time.
#include "linalg/matrix_multiply_kernels.h"

#if defined(__x86_64__)

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <new>
#include <type_traits>
#include <utility>

#include <emmintrin.h>

#include "linalg/matrix_multiply_blocked.h"

namespace tq {
namespace {

struct Sse2Lanes {
  using Vec = __m128d;
  using Mask = int;
  static constexpr int kWidth = 2;
  static constexpr bool kHasMask = false;
  static Vec Zero() { return _mm_setzero_pd(); }
  static Vec Load(const double* p) { return _mm_loadu_pd(p); }
  static void Store(double* p, Vec v) { _mm_storeu_pd(p, v); }
  static Vec Broadcast(double x) { return _mm_set1_pd(x); }
  static Vec Mul(Vec x, Vec y) { return _mm_mul_pd(x, y); }
  static Vec Add(Vec x, Vec y) { return _mm_add_pd(x, y); }
};

// 4 x 4 register tile: 8 accumulators of the 16 vector registers (the
// two-operand instructions need room for copies).
struct Sse2Isa {
  using Lanes = Sse2Lanes;
  static constexpr int kRows = 4;
  static constexpr int kVecs = 2;
  static constexpr int64_t kDepth = 256;
  static constexpr int64_t kRowBlock = 96;
  static constexpr int64_t kColumnBlock = 2400;
};

}  // namespace

void MultiplyBlockedSse2(const double* a, const double* b, double* c, int64_t m, int64_t k,
                         int64_t n) {
  MultiplyBlocked<Sse2Isa>(a, b, c, m, k, n);
}

}  // namespace tq

#endif  // __x86_64__
