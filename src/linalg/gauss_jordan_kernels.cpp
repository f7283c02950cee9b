#include "linalg/gauss_jordan_kernels.h"

#include <cmath>
#include <cstring>

namespace tq {

namespace {

// The helpers below are always inlined into the kernels, so the calling
// convention of vector arguments never matters.
#pragma GCC diagnostic ignored "-Wpsabi"

// Four doubles; on processors without AVX2 the compiler splits each
// operation into two SSE2 halves.
typedef double Vec4 __attribute__((vector_size(32)));
typedef int64_t Mask4 __attribute__((vector_size(32)));

[[gnu::always_inline]] inline Vec4 Load(const double* p) {
  Vec4 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
[[gnu::always_inline]] inline Mask4 LoadMask(const int64_t* p) {
  Mask4 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
[[gnu::always_inline]] inline void Store(double* p, Vec4 v) { std::memcpy(p, &v, sizeof v); }

}  // namespace

__attribute__((target_clones("avx2", "default"))) void ScaleRow(double* row, size_t n,
                                                                  double factor) {
  size_t k = 0;
  for (; k + 4 <= n; k += 4) Store(row + k, Load(row + k) * factor);
  for (; k < n; ++k) row[k] = row[k] * factor;
}

__attribute__((target_clones("avx2", "default"))) void EliminateRow(
    double* __restrict row, const double* __restrict pivot, size_t n, double factor) {
  size_t k = 0;
  for (; k + 8 <= n; k += 8) {
    Store(row + k, Load(row + k) - Load(pivot + k) * factor);
    Store(row + k + 4, Load(row + k + 4) - Load(pivot + k + 4) * factor);
  }
  for (; k + 4 <= n; k += 4) Store(row + k, Load(row + k) - Load(pivot + k) * factor);
  for (; k < n; ++k) row[k] = row[k] - pivot[k] * factor;
}

__attribute__((target_clones("avx2", "default"))) bool FindRowLargest(const double* row,
                                                                      const int64_t* eligible,
                                                                      size_t n,
                                                                      RowLargest& found) {
  // Each lane keeps its largest magnitude and the last column holding it;
  // ineligible columns count as -1, below every magnitude.
  const Mask4 kAbs = {INT64_MAX, INT64_MAX, INT64_MAX, INT64_MAX};
  const Vec4 kNone = {-1.0, -1.0, -1.0, -1.0};
  Vec4 best = kNone;
  Mask4 bestColumn = {-1, -1, -1, -1};
  Mask4 column = {0, 1, 2, 3};
  const Mask4 kStep = {4, 4, 4, 4};
  size_t k = 0;
  for (; k + 4 <= n; k += 4) {
    Mask4 take = LoadMask(eligible + k);
    Vec4 magnitude = (Vec4)(((Mask4)Load(row + k) & kAbs & take) | ((Mask4)kNone & ~take));
    Mask4 better = magnitude >= best;
    best = better ? magnitude : best;
    bestColumn = better ? column : bestColumn;
    column += kStep;
  }
  double largest = -1.0;
  int64_t at = -1;
  for (int lane = 0; lane < 4; ++lane) {
    if (best[lane] < 0.0) continue;  // no eligible number in this lane
    if (best[lane] > largest || (best[lane] == largest && bestColumn[lane] > at)) {
      largest = best[lane];
      at = bestColumn[lane];
    }
  }
  for (; k < n; ++k) {
    if (!eligible[k]) continue;
    double magnitude = std::fabs(row[k]);
    if (magnitude >= largest) {
      largest = magnitude;
      at = int64_t(k);
    }
  }
  if (at < 0) return false;
  found = {largest, size_t(at)};
  return true;
}

}  // namespace tq
