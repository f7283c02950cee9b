// The blocked product with 256-bit vectors (4 doubles), compiled for AVX only
// inside this file's target region and called only when the processor has it.
// Edge columns that do not fill a vector go one lane at a time.
#include "linalg/matrix_multiply_kernels.h"

#if defined(__x86_64__)

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <new>
#include <type_traits>
#include <utility>

#include <immintrin.h>

#pragma GCC push_options
#pragma GCC target("avx")

#include "linalg/matrix_multiply_blocked.h"

namespace tq {
namespace {

struct AvxLanes {
  using Vec = __m256d;
  using Mask = int;
  static constexpr int kWidth = 4;
  static constexpr bool kHasMask = false;
  static Vec Zero() { return _mm256_setzero_pd(); }
  static Vec Load(const double* p) { return _mm256_loadu_pd(p); }
  static void Store(double* p, Vec v) { _mm256_storeu_pd(p, v); }
  static Vec Broadcast(double x) { return _mm256_set1_pd(x); }
  static Vec Mul(Vec x, Vec y) { return _mm256_mul_pd(x, y); }
  static Vec Add(Vec x, Vec y) { return _mm256_add_pd(x, y); }
};

// 6 x 8 register tile: 12 accumulators, 2 row vectors, a broadcast and a
// product fill the 16 vector registers.
struct AvxIsa {
  using Lanes = AvxLanes;
  static constexpr int kRows = 6;
  static constexpr int kVecs = 2;
  static constexpr int64_t kDepth = 256;
  static constexpr int64_t kRowBlock = 96;
  static constexpr int64_t kColumnBlock = 2400;
};

}  // namespace

void MultiplyBlockedAvx(const double* a, const double* b, double* c, int64_t m, int64_t k,
                        int64_t n) {
  MultiplyBlocked<AvxIsa>(a, b, c, m, k, n);
}

}  // namespace tq

#pragma GCC pop_options

#endif  // __x86_64__
