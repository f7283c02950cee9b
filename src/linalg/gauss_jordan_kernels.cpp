#include "linalg/gauss_jordan_kernels.h"

#include <cmath>
#include <cstring>

namespace tq {

namespace {

// The kernels are written once over a vector of W doubles and compiled for
// SSE2 (2), AVX2 (4) and AVX-512 (8). The helpers are always inlined into a
// kernel, so the calling convention of vector arguments never matters.
#pragma GCC diagnostic ignored "-Wpsabi"

template <int W>
struct Lanes {
  typedef double Vec __attribute__((vector_size(W * 8)));
  typedef uint64_t Bits __attribute__((vector_size(W * 8)));
};

template <int W>
[[gnu::always_inline]] inline typename Lanes<W>::Vec Load(const double* p) {
  typename Lanes<W>::Vec v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

template <int W>
[[gnu::always_inline]] inline typename Lanes<W>::Bits LoadBits(const ColumnMask* p) {
  typename Lanes<W>::Bits v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

template <int W>
[[gnu::always_inline]] inline void Store(double* p, typename Lanes<W>::Vec v) {
  std::memcpy(p, &v, sizeof v);
}

// Largest of the lanes; "a > b ? a : b" passes over NaN in a.
template <int W>
[[gnu::always_inline]] inline double Largest(typename Lanes<W>::Vec v, double largest) {
  for (int lane = 0; lane < W; ++lane) largest = v[lane] > largest ? v[lane] : largest;
  return largest;
}

inline double MaskedMagnitude(double x, ColumnMask mask) {
  uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  bits &= mask;
  std::memcpy(&x, &bits, sizeof x);
  return x;
}

template <int W>
[[gnu::always_inline]] inline void ScaleBody(double* row, size_t n, double factor) {
  size_t k = 0;
  for (; k + W <= n; k += W) Store<W>(row + k, Load<W>(row + k) * factor);
  for (; k < n; ++k) row[k] = row[k] * factor;
}

template <int W>
[[gnu::always_inline]] inline void EliminateBody(double* __restrict row,
                                                 const double* __restrict pivot, size_t n,
                                                 double factor) {
  size_t k = 0;
  for (; k + W <= n; k += W) Store<W>(row + k, Load<W>(row + k) - Load<W>(pivot + k) * factor);
  for (; k < n; ++k) row[k] = row[k] - pivot[k] * factor;
}

template <int W>
[[gnu::always_inline]] inline double EliminateMeasureBody(double* __restrict row,
                                                          const double* __restrict pivot,
                                                          const ColumnMask* mask, size_t n,
                                                          double factor) {
  using Vec = typename Lanes<W>::Vec;
  using Bits = typename Lanes<W>::Bits;
  Vec best = {};
  size_t k = 0;
  for (; k + W <= n; k += W) {
    Vec updated = Load<W>(row + k) - Load<W>(pivot + k) * factor;
    Store<W>(row + k, updated);
    Vec magnitude = (Vec)((Bits)updated & LoadBits<W>(mask + k));
    best = magnitude > best ? magnitude : best;
  }
  double largest = Largest<W>(best, 0.0);
  for (; k < n; ++k) {
    row[k] = row[k] - pivot[k] * factor;
    double magnitude = MaskedMagnitude(row[k], mask[k]);
    largest = magnitude > largest ? magnitude : largest;
  }
  return largest;
}

template <int W>
[[gnu::always_inline]] inline double LargestBody(const double* row, const ColumnMask* mask,
                                                 size_t n) {
  using Vec = typename Lanes<W>::Vec;
  using Bits = typename Lanes<W>::Bits;
  Vec best = {};
  size_t k = 0;
  for (; k + W <= n; k += W) {
    Vec magnitude = (Vec)((Bits)Load<W>(row + k) & LoadBits<W>(mask + k));
    best = magnitude > best ? magnitude : best;
  }
  double largest = Largest<W>(best, 0.0);
  for (; k < n; ++k) {
    double magnitude = MaskedMagnitude(row[k], mask[k]);
    largest = magnitude > largest ? magnitude : largest;
  }
  return largest;
}

// One set of kernels per vector width.
struct KernelSet {
  void (*scale)(double*, size_t, double);
  void (*eliminate)(double*, const double*, size_t, double);
  double (*eliminateMeasure)(double*, const double*, const ColumnMask*, size_t, double);
  double (*largest)(const double*, const ColumnMask*, size_t);
};

#define TQ_KERNEL_SET(NAME, TARGET, W)                                                        \
  TARGET void NAME##Scale(double* row, size_t n, double factor) {                             \
    ScaleBody<W>(row, n, factor);                                                             \
  }                                                                                           \
  TARGET void NAME##Eliminate(double* row, const double* pivot, size_t n, double factor) {    \
    EliminateBody<W>(row, pivot, n, factor);                                                  \
  }                                                                                           \
  TARGET double NAME##EliminateMeasure(double* row, const double* pivot,                      \
                                       const ColumnMask* mask, size_t n, double factor) {     \
    return EliminateMeasureBody<W>(row, pivot, mask, n, factor);                              \
  }                                                                                           \
  TARGET double NAME##Largest(const double* row, const ColumnMask* mask, size_t n) {          \
    return LargestBody<W>(row, mask, n);                                                      \
  }                                                                                           \
  constexpr KernelSet k##NAME = {NAME##Scale, NAME##Eliminate, NAME##EliminateMeasure,        \
                                 NAME##Largest};

TQ_KERNEL_SET(Sse2, , 2)
TQ_KERNEL_SET(Avx2, __attribute__((target("avx2"))), 4)
TQ_KERNEL_SET(Avx512, __attribute__((target("avx512f"))), 8)
#undef TQ_KERNEL_SET

const KernelSet* Automatic() {
  return __builtin_cpu_supports("avx512f") ? &kAvx512
         : __builtin_cpu_supports("avx2")  ? &kAvx2
                                           : &kSse2;
}

const KernelSet*& Chosen() {
  static const KernelSet* chosen = Automatic();
  return chosen;
}

const KernelSet& Kernels() { return *Chosen(); }

}  // namespace

void ScaleRow(double* row, size_t n, double factor) { Kernels().scale(row, n, factor); }

void EliminateRow(double* row, const double* pivot, size_t n, double factor) {
  Kernels().eliminate(row, pivot, n, factor);
}

double EliminateRowAndMeasure(double* row, const double* pivot, const ColumnMask* mask,
                              size_t n, double factor) {
  return Kernels().eliminateMeasure(row, pivot, mask, n, factor);
}

double LargestInRow(const double* row, const ColumnMask* mask, size_t n) {
  return Kernels().largest(row, mask, n);
}

bool SetKernelWidthForTesting(int lanes) {
  const KernelSet* set = lanes == 0                                         ? Automatic()
                         : lanes == 2                                       ? &kSse2
                         : lanes == 4 && __builtin_cpu_supports("avx2")    ? &kAvx2
                         : lanes == 8 && __builtin_cpu_supports("avx512f") ? &kAvx512
                                                                           : nullptr;
  if (!set) return false;
  Chosen() = set;
  return true;
}

bool LastColumnWithMagnitude(const double* row, const ColumnMask* mask, size_t n,
                             double magnitude, size_t& column) {
  for (size_t k = n; k-- > 0;) {
    if (mask[k] && std::fabs(row[k]) == magnitude) {
      column = k;
      return true;
    }
  }
  return false;
}

}  // namespace tq
