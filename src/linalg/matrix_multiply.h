// Dense products over row-major blocks. Every element's sum starts at 0.0 and
// adds its terms in increasing index order, so the results are bit-identical
// to the plain definition however the loops are blocked.
#pragma once

#include <cstdint>

namespace tq {

// c[m x n] = a[m x k] * b[k x n], all row-major and contiguous.
void MultiplyBlocks(const double* a, const double* b, double* c, int64_t m, int64_t k, int64_t n);

// MultiplyBlocks with the rows of c split into bands over `threads` threads.
// With `poll`, the calling thread asks it between its bands; once it answers
// true no further band starts and the result is false (c is then partly
// computed).
bool MultiplyBlocksInBands(const double* a, const double* b, double* c, int64_t m, int64_t k,
                           int64_t n, int threads, bool (*poll)() = nullptr);

// The plain i-k-j loop that defines the result (reference for tests and bench).
void MultiplyBlocksPlain(const double* a, const double* b, double* c, int64_t m, int64_t k,
                         int64_t n);

}  // namespace tq
