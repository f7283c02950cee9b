// The row kernels of the Gauss-Jordan elimination. Each element is computed
// by exactly the operations of the plain loop, so results are bit-identical
// whichever vector width the processor offers (chosen once, at run time).
#pragma once

#include <cstddef>
#include <cstdint>

namespace tq {

// Per column: all ones but the sign bit while the column may still be chosen
// as pivot column, zero once it was. ANDed with an element it gives the
// element's magnitude, or +0 for a column out of the search.
using ColumnMask = uint64_t;
inline constexpr ColumnMask kSearchColumn = 0x7FFFFFFFFFFFFFFFull;

// row[k] = row[k] * factor for k < n.
void ScaleRow(double* row, size_t n, double factor);

// row[k] = row[k] - pivot[k] * factor for k < n; the rows must not overlap.
void EliminateRow(double* row, const double* pivot, size_t n, double factor);

// The same, returning the largest magnitude of the new row over the columns
// of `mask` (NaN elements are passed over; +0 when nothing is larger).
double EliminateRowAndMeasure(double* row, const double* pivot, const ColumnMask* mask,
                              size_t n, double factor);

// The largest magnitude over the columns of `mask`, as above.
double LargestInRow(const double* row, const ColumnMask* mask, size_t n);

// The last column of `mask` whose element has exactly this magnitude.
bool LastColumnWithMagnitude(const double* row, const ColumnMask* mask, size_t n,
                             double magnitude, size_t& column);

// Tests run every kernel width the processor supports: 2, 4 or 8 doubles;
// 0 returns to the automatic choice. False when the width is not supported.
bool SetKernelWidthForTesting(int lanes);

}  // namespace tq
