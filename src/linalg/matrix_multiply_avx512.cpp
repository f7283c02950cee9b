// The blocked product with 512-bit vectors (8 doubles), compiled for
// AVX-512F only inside this file's target region and called only when the
// processor has it. Edge columns use masked lanes.
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
#pragma GCC target("avx512f")

#include "linalg/matrix_multiply_blocked.h"

namespace tq {
namespace {

struct Avx512Lanes {
  using Vec = __m512d;
  using Mask = __mmask8;
  static constexpr int kWidth = 8;
  static constexpr bool kHasMask = true;
  static Vec Zero() { return _mm512_setzero_pd(); }
  static Vec Load(const double* p) { return _mm512_loadu_pd(p); }
  static void Store(double* p, Vec v) { _mm512_storeu_pd(p, v); }
  static Vec Broadcast(double x) { return _mm512_set1_pd(x); }
  static Vec Mul(Vec x, Vec y) { return _mm512_mul_pd(x, y); }
  static Vec Add(Vec x, Vec y) { return _mm512_add_pd(x, y); }
  // Masked lanes are neither computed nor faulted on, read nor written.
  static Mask FirstLanes(int count) { return static_cast<Mask>((1u << count) - 1u); }
  static Vec LoadMasked(const double* p, Mask m) { return _mm512_maskz_loadu_pd(m, p); }
  static void StoreMasked(double* p, Mask m, Vec v) { _mm512_mask_storeu_pd(p, m, v); }
  static Vec AddProductMasked(Vec acc, Mask m, Vec x, Vec y) {
    return _mm512_mask_add_pd(acc, m, acc, _mm512_maskz_mul_pd(m, x, y));
  }
};

// 8 x 24 register tile: 24 accumulators of the 32 vector registers.
struct Avx512Isa {
  using Lanes = Avx512Lanes;
  static constexpr int kRows = 8;
  static constexpr int kVecs = 3;
  static constexpr int64_t kDepth = 256;
  static constexpr int64_t kRowBlock = 128;
  static constexpr int64_t kColumnBlock = 2400;
};

}  // namespace

void MultiplyBlockedAvx512(const double* a, const double* b, double* c, int64_t m, int64_t k,
                           int64_t n) {
  MultiplyBlocked<Avx512Isa>(a, b, c, m, k, n);
}

}  // namespace tq

#pragma GCC pop_options

#endif  // __x86_64__
