// The instruction-set variants of the blocked product behind MultiplyBlocks.
// Each computes exactly what MultiplyBlocksPlain computes: the same products,
// summed per element from +0.0 in increasing index order, so results and the
// floating-point exception flags raised are the same bit for bit.
#pragma once

#include <cstdint>
#include <vector>

namespace tq {

using MultiplyKernelFunction = void (*)(const double* a, const double* b, double* c, int64_t m,
                                        int64_t k, int64_t n);

struct MultiplyKernel {
  const char* name;
  MultiplyKernelFunction run;
};

// c[m x 1] = a[m x k] * b[k]: rows in groups with one running sum each.
void MultiplyMatrixColumn(const double* a, const double* b, double* c, int64_t m, int64_t k);

#if defined(__x86_64__)
void MultiplyBlockedSse2(const double* a, const double* b, double* c, int64_t m, int64_t k,
                         int64_t n);
void MultiplyBlockedAvx(const double* a, const double* b, double* c, int64_t m, int64_t k,
                        int64_t n);
void MultiplyBlockedAvx512(const double* a, const double* b, double* c, int64_t m, int64_t k,
                           int64_t n);
#endif

// The variants this processor can run, widest first (the first is the one
// MultiplyBlocks uses).
std::vector<MultiplyKernel> AvailableMultiplyKernels();

}  // namespace tq
