#include "linalg/matrix_multiply.h"

#include <algorithm>

#include "core/thread_pool.h"
#include "linalg/matrix_multiply_kernels.h"

namespace tq {

void MultiplyBlocksPlain(const double* a, const double* b, double* c, int64_t m, int64_t k,
                         int64_t n) {
  std::fill_n(c, m * n, 0.0);
  for (int64_t i = 0; i < m; ++i) {
    double* ci = c + i * n;
    for (int64_t p = 0; p < k; ++p) {
      const double aip = a[i * k + p];
      const double* bp = b + p * n;
      for (int64_t j = 0; j < n; ++j) ci[j] += aip * bp[j];
    }
  }
}

void MultiplyMatrixColumn(const double* a, const double* b, double* c, int64_t m, int64_t k) {
  // Four rows at once: four independent sums, each from +0.0 in index order.
  constexpr int64_t kRows = 4;
  int64_t i = 0;
  for (; i + kRows <= m; i += kRows) {
    const double* a0 = a + i * k;
    const double* a1 = a0 + k;
    const double* a2 = a1 + k;
    const double* a3 = a2 + k;
    double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
    for (int64_t p = 0; p < k; ++p) {
      const double bp = b[p];
      s0 += a0[p] * bp;
      s1 += a1[p] * bp;
      s2 += a2[p] * bp;
      s3 += a3[p] * bp;
    }
    c[i] = s0;
    c[i + 1] = s1;
    c[i + 2] = s2;
    c[i + 3] = s3;
  }
  for (; i < m; ++i) {
    const double* ai = a + i * k;
    double s = 0.0;
    for (int64_t p = 0; p < k; ++p) s += ai[p] * b[p];
    c[i] = s;
  }
}

std::vector<MultiplyKernel> AvailableMultiplyKernels() {
  std::vector<MultiplyKernel> kernels;
#if defined(__x86_64__)
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx512f")) kernels.push_back({"avx512f", MultiplyBlockedAvx512});
  if (__builtin_cpu_supports("avx")) kernels.push_back({"avx", MultiplyBlockedAvx});
  kernels.push_back({"sse2", MultiplyBlockedSse2});
#endif
  kernels.push_back({"plain", MultiplyBlocksPlain});
  return kernels;
}

namespace {

MultiplyKernelFunction WidestKernel() {
  static const MultiplyKernelFunction widest = AvailableMultiplyKernels().front().run;
  return widest;
}

}  // namespace

void MultiplyBlocks(const double* a, const double* b, double* c, int64_t m, int64_t k, int64_t n) {
  if (n == 1) {
    MultiplyMatrixColumn(a, b, c, m, k);
    return;
  }
  WidestKernel()(a, b, c, m, k, n);
}

namespace {

// A band's rows are a multiple of every register tile's (8, 6 and 4 rows)
// and hold about this many operations, so that the threads share the work
// evenly and a stop is noticed within milliseconds.
constexpr int64_t kBandRowMultiple = 24;
constexpr double kBandOperations = 3e7;

int64_t BandRows(int64_t m, int64_t k, int64_t n, int threads) {
  const double perRow = 2.0 * double(std::max<int64_t>(k, 1)) * double(n);
  int64_t rows = int64_t(kBandOperations / perRow);
  rows = std::min(rows, (m + threads - 1) / threads);
  rows = (rows + kBandRowMultiple - 1) / kBandRowMultiple * kBandRowMultiple;
  return std::max(rows, kBandRowMultiple);
}

}  // namespace

bool MultiplyBlocksInBands(const double* a, const double* b, double* c, int64_t m, int64_t k,
                           int64_t n, int threads, bool (*poll)()) {
  if (m <= 0 || n <= 0) return true;
  const int64_t rows = BandRows(m, k, n, std::max(threads, 1));
  const int64_t bands = (m + rows - 1) / rows;
  auto band = [&](int64_t index) {
    const int64_t first = index * rows;
    MultiplyBlocks(a + first * k, b, c + first * n, std::min(rows, m - first), k, n);
  };
  if (!poll) {
    ParallelFor(bands, threads, band);
    return true;
  }
  return ParallelFor(bands, threads, band, poll);
}

}  // namespace tq
