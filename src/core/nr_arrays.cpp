#include "core/nr_arrays.h"

#include <cstdlib>

#include "core/element_block.h"
#include "core/operation_status.h"

namespace tq {

namespace {

// Elements in [lo, hi] plus the spare one; 0 when the range is unusable.
int64_t SpanWithSpare(int32_t lo, int32_t hi) {
  int64_t n = int64_t{hi} - int64_t{lo} + 2;
  return n >= 2 ? n : 0;
}

template <class T>
T* AllocateSpan(int32_t nl, int32_t nh) {
  int64_t n = SpanWithSpare(nl, nh);
  if (n == 0 || !AllocationAllowed()) return nullptr;
  auto* block = static_cast<T*>(std::malloc(static_cast<size_t>(n) * sizeof(T)));
  if (!block) return nullptr;
  // Element nl is the first one after the spare element.
  return block + 1 - nl;
}

template <class T>
void FreeSpan(T* v, int32_t nl) {
  if (v) std::free(v + nl - 1);
}

}  // namespace

int32_t* ivector(int32_t nl, int32_t nh) {
  int32_t* v = AllocateSpan<int32_t>(nl, nh);
  if (!v) NumLibAllocError("allocation failure in ivector()");
  return v;
}

double* dvector(int32_t nl, int32_t nh) {
  double* v = AllocateSpan<double>(nl, nh);
  if (!v) NumLibAllocError("allocation failure in dvector()");
  return v;
}

double** dmatrix(int32_t nrl, int32_t nrh, int32_t ncl, int32_t nch) {
  int64_t rows = int64_t{nrh} - nrl + 1, cols = int64_t{nch} - ncl + 1;
  double** m = AllocateSpan<double*>(nrl, nrh);
  if (!m || cols < 1) {
    if (m) FreeSpan(m, nrl);
    NumLibAllocError("allocation failure 1 in dmatrix()");
    return nullptr;
  }
  double* block = nullptr;
  if (AllocationAllowed() && rows * cols + 1 <= INT64_MAX / int64_t{sizeof(double)})
    block = static_cast<double*>(std::malloc(static_cast<size_t>(rows * cols + 1) * sizeof(double)));
  if (!block) {
    FreeSpan(m, nrl);
    NumLibAllocError("allocation failure 2 in dmatrix()");
    return nullptr;
  }
  m[nrl] = block + 1 - ncl;
  for (int64_t i = 1; i < rows; ++i) m[nrl + i] = m[nrl + i - 1] + cols;
  return m;
}

void free_ivector(int32_t* v, int32_t nl, int32_t) { FreeSpan(v, nl); }
void free_dvector(double* v, int32_t nl, int32_t) { FreeSpan(v, nl); }

void free_dmatrix(double** m, int32_t nrl, int32_t, int32_t ncl, int32_t) {
  if (!m) return;
  std::free(m[nrl] + ncl - 1);
  FreeSpan(m, nrl);
}

}  // namespace tq
