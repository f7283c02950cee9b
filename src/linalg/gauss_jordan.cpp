#include "linalg/gauss_jordan.h"

#include <cmath>
#include <cstddef>
#include <memory>
#include <new>
#include <utility>

#include "core/numlib_raise.h"
#include "core/operation_status.h"
#include "core/work_arrays.h"
#include "linalg/gauss_jordan_kernels.h"

namespace tq {

namespace {

// The pivot bookkeeping of one elimination.
struct Pivots {
  explicit Pivots(int32_t n) : count(n), row(n), column(n) {}
  bool ok() const { return count && row && column; }
  IntWorkVector count, row, column;
};

// The column exchanges that undo the row exchanges, last step first.
template <class Swap>
void UnscrambleColumns(Pivots& pivots, int32_t n, Swap swapColumns) {
  for (int32_t l = n; l >= 1; --l)
    if (pivots.row[l] != pivots.column[l]) swapColumns(pivots.row[l], pivots.column[l]);
}

}  // namespace

// The working form: 0-based offsets into contiguous rows. The search for the
// next pivot runs over each row while it is eliminated, still in registers:
// it takes the largest magnitude among the rows and the columns not yet used
// as pivots, and of equal ones the last in row order, which is what the
// plain scan with ">=" chooses. Only a row that reaches the largest
// magnitude so far is scanned again for the column.
int32_t GaussJordan(double* a, int32_t n, double* b, int32_t m) {
  Pivots pivots(n);
  if (!pivots.ok()) return 0;
  const size_t N = size_t(n), M = size_t(m);
  std::unique_ptr<ColumnMask[]> mask(new (std::nothrow) ColumnMask[N]);
  if (!mask) {
    NumLibAllocError("allocation failure in ivector()");
    return 0;
  }
  for (int32_t j = 1; j <= n; ++j) pivots.count[j] = 0;
  for (size_t k = 0; k < N; ++k) mask[k] = kSearchColumn;
  auto rowA = [&](size_t i) { return a + i * N; };
  auto rowB = [&](size_t i) { return b + i * M; };

  // The candidate pivot: row r, column c, of magnitude `largest`.
  bool found = false;
  size_t r = 0, c = 0;
  double largest = 0.0;
  auto consider = [&](size_t row, double rowLargest) {
    if (found && !(rowLargest >= largest)) return;
    size_t column;
    if (!LastColumnWithMagnitude(rowA(row), mask.get(), N, rowLargest, column)) return;
    found = true;
    largest = rowLargest;
    r = row;
    c = column;
  };

  // The first search covers the whole matrix.
  for (size_t j = 0; j < N; ++j) consider(j, LargestInRow(rowA(j), mask.get(), N));

  for (int32_t i = 1; i <= n; ++i) {
    if (!found) {
      RaiseNumLibError(kSingularMatrixText);
      return 0;
    }
    pivots.count[int32_t(c) + 1] += 1;
    mask[c] = 0;
    if (r != c) {
      std::swap_ranges(rowA(r), rowA(r) + N, rowA(c));
      std::swap_ranges(rowB(r), rowB(r) + M, rowB(c));
    }
    pivots.row[i] = int32_t(r) + 1;
    pivots.column[i] = int32_t(c) + 1;
    double* pivotA = rowA(c);
    double* pivotB = rowB(c);
    if (pivotA[c] == 0.0) {
      RaiseNumLibError(kSingularMatrixText);
      return 0;
    }
    const double p = 1.0 / pivotA[c];
    pivotA[c] = 1.0;
    ScaleRow(pivotA, N, p);
    ScaleRow(pivotB, M, p);

    found = false;
    const size_t pivotColumn = c;
    for (size_t q = 0; q < N; ++q) {
      if (q == pivotColumn) continue;
      double* target = rowA(q);
      const double f = target[pivotColumn];
      target[pivotColumn] = 0.0;
      EliminateRow(rowB(q), pivotB, M, f);
      // Rows whose index was a pivot column are out of the search.
      if (i == n || pivots.count[int32_t(q) + 1] == 1)
        EliminateRow(target, pivotA, N, f);
      else
        consider(q, EliminateRowAndMeasure(target, pivotA, mask.get(), N, f));
    }
  }

  UnscrambleColumns(pivots, n, [&](int32_t x, int32_t y) {
    for (size_t k = 0; k < N; ++k) std::swap(rowA(k)[x - 1], rowA(k)[y - 1]);
  });
  return 1;
}

int32_t GaussJordanPlain(double** a, int32_t n, double** b, int32_t m) {
  Pivots pivots(n);
  if (!pivots.ok()) return 0;
  for (int32_t j = 1; j <= n; ++j) pivots.count[j] = 0;
  for (int32_t i = 1; i <= n; ++i) {
    double largest = 0.0;
    int32_t r = 0, c = 0;
    for (int32_t j = 1; j <= n; ++j) {
      if (pivots.count[j] == 1) continue;
      for (int32_t k = 1; k <= n; ++k) {
        if (pivots.count[k] == 0) {
          if (std::fabs(a[j][k]) >= largest) {
            largest = std::fabs(a[j][k]);
            r = j;
            c = k;
          }
        } else if (pivots.count[k] > 1) {
          RaiseNumLibError(kSingularMatrixText);
          return 0;
        }
      }
    }
    if (c == 0) {  // only NaN left: no pivot at all
      RaiseNumLibError(kSingularMatrixText);
      return 0;
    }
    pivots.count[c] += 1;
    if (r != c) {
      for (int32_t l = 1; l <= n; ++l) std::swap(a[r][l], a[c][l]);
      for (int32_t l = 1; l <= m; ++l) std::swap(b[r][l], b[c][l]);
    }
    pivots.row[i] = r;
    pivots.column[i] = c;
    if (a[c][c] == 0.0) {
      RaiseNumLibError(kSingularMatrixText);
      return 0;
    }
    double p = 1.0 / a[c][c];
    a[c][c] = 1.0;
    for (int32_t l = 1; l <= n; ++l) a[c][l] *= p;
    for (int32_t l = 1; l <= m; ++l) b[c][l] *= p;
    for (int32_t q = 1; q <= n; ++q) {
      if (q == c) continue;
      double f = a[q][c];
      a[q][c] = 0.0;
      for (int32_t l = 1; l <= n; ++l) a[q][l] -= a[c][l] * f;
      for (int32_t l = 1; l <= m; ++l) b[q][l] -= b[c][l] * f;
    }
  }
  UnscrambleColumns(pivots, n, [&](int32_t x, int32_t y) {
    for (int32_t k = 1; k <= n; ++k) std::swap(a[k][x], a[k][y]);
  });
  return 1;
}

int32_t GaussJordanObjects(MatrixObject* a, int32_t n, MatrixObject* b, int32_t m) {
  if (n < 1 || m < 1 || m > 1000000) return SetOperationError("Invalid n and m parameters"), 0;
  if (!a || a->status != STATUS_VALID) return SetOperationError("Invalid 1st argument"), 0;
  if (!b || b->status != STATUS_VALID)
    return SetOperationError("Invalid destination argument"), 0;
  if (a->rows != a->columns)
    return SetOperationError(
               "Invalid argument sizes. Number matrix columns must be equal to the number of "
               "rows."),
           0;
  if (a->rows != n)
    return SetOperationError(
               "Invalid argument sizes. Number matrix columns and rows must be equal n."),
           0;
  if (b->rows != n)
    return SetOperationError(
               "Invalid destination matrix sizes. Number of destination matrix rows must be "
               "equal n."),
           0;
  if (b->columns != m)
    return SetOperationError(
               "Invalid destination matrix sizes. Number of destination matrix columns must be "
               "equal m."),
           0;
  return GaussJordan(a->data(), n, b->data(), m);
}

}  // namespace tq
