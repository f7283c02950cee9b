#include "linalg/matrix_multiply.h"

#include <algorithm>

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

void MultiplyBlocks(const double* a, const double* b, double* c, int64_t m, int64_t k, int64_t n) {
  MultiplyBlocksPlain(a, b, c, m, k, n);
}

}  // namespace tq
