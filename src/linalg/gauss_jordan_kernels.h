// The row kernels of the Gauss-Jordan elimination. Each element is computed
// by exactly the operations of the plain loop, so results are bit-identical
// whichever vector width the processor offers (chosen at run time).
#pragma once

#include <cstddef>
#include <cstdint>

namespace tq {

// row[k] = row[k] * factor for k < n.
void ScaleRow(double* row, size_t n, double factor);

// row[k] = row[k] - pivot[k] * factor for k < n; the rows must not overlap.
void EliminateRow(double* row, const double* pivot, size_t n, double factor);

// The largest |row[k]| over the columns whose `eligible` entry is all ones
// (an int64 mask per column), and the last column holding it. NaN elements
// are never chosen. Returns false when no eligible column has a number.
struct RowLargest {
  double magnitude;
  size_t column;
};
bool FindRowLargest(const double* row, const int64_t* eligible, size_t n, RowLargest& found);

}  // namespace tq
