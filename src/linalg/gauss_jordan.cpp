#include "linalg/gauss_jordan.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <memory>
#include <new>
#include <utility>

#include "core/numlib_raise.h"
#include "core/operation_status.h"
#include "core/thread_pool.h"
#include "core/user_cancel.h"
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

// The candidate for the next pivot: the largest magnitude among the rows
// and the columns not yet used as pivots, and of equal ones the last in row
// order, which is what the plain scan with ">=" chooses. Only a row that
// reaches the largest magnitude so far is scanned again for the column.
struct PivotCandidate {
  bool found = false;
  size_t row = 0, column = 0;
  double largest = 0.0;

  void Consider(size_t candidateRow, const double* elements, const ColumnMask* mask, size_t n,
                double rowLargest) {
    if (found && !(rowLargest >= largest)) return;
    size_t at;
    if (!LastColumnWithMagnitude(elements, mask, n, rowLargest, at)) return;
    found = true;
    largest = rowLargest;
    row = candidateRow;
    column = at;
  }
  // `later` was found over rows after all of this one's: the scan in row
  // order would have ended on it when it reaches this one's magnitude.
  void Merge(const PivotCandidate& later) {
    if (later.found && (!found || later.largest >= largest)) *this = later;
  }
};

// Below this many element updates per step the elimination runs on one
// thread: waking the workers would cost more than they save.
constexpr size_t kParallelStepUpdates = 200000;
// Above this many floating-point operations the user may stop between steps.
constexpr double kPolledOperations = 1e8;

// A step's rows go in one band per thread. The caller takes the first band
// and a worker the next, so each thread keeps updating the same rows, which
// stay in its core's cache from step to step: the elimination streams the
// whole matrix every step, and bands that change threads would move it
// between caches. A worker the system runs late leaves its band to the caller.
constexpr size_t kBandsPerThread = 1;
constexpr size_t kBandRows = 16;
constexpr size_t kMaxBandsPerStep = kBandsPerThread * kMaxComputeThreads;

// Every step updates the same number of elements, so the steps time each
// other. A loaded machine can make the split steps slower than steps on the
// calling thread alone (a worker stopped in its band holds the others at the
// end of the step): every kSteps steps two steps run alone and the next two
// split, the second of each timed (the first moves the rows into the caches
// of the threads that will update them), and the rest of the kSteps run the
// faster way. Results do not depend on it.
class StepChooser {
 public:
  explicit StepChooser(int threads) : threads_(threads) {}
  // The threads of step i (from 1).
  int ThreadsFor(int32_t i) const {
    const int32_t phase = (i - 1) % kSteps;
    if (threads_ == 1 || phase < 2) return 1;
    if (phase < 4) return threads_;
    return splitFaster_ ? threads_ : 1;
  }
  void Start() { start_ = std::chrono::steady_clock::now(); }
  void Stop(int32_t i) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    const int32_t phase = (i - 1) % kSteps;
    if (phase == 1) alone_ = seconds;
    if (phase == 3) splitFaster_ = seconds < alone_;
  }

 private:
  static constexpr int32_t kSteps = 64;
  int threads_;
  bool splitFaster_ = true;
  double alone_ = 0.0;
  std::chrono::steady_clock::time_point start_;
};

size_t BandsPerStep(size_t n, int threads) {
  if (threads <= 1) return 1;
  const size_t most = kBandsPerThread * size_t(threads);
  return std::min(n, std::max(size_t(threads), std::min(most, n / kBandRows)));
}

}  // namespace

// The working form: 0-based offsets into contiguous rows. The search for the
// next pivot runs over each row while it is eliminated, still in registers.
// Each step's row updates are split over the threads in bands of rows; every
// element is computed by the same operations whatever the split, and the
// bands' pivot candidates are merged in row order.
int32_t GaussJordan(double* a, int32_t n, double* b, int32_t m) {
  const size_t updates = size_t(std::max(n, 0)) * size_t(std::max(n + m, 0));
  const int threads = updates >= kParallelStepUpdates ? ComputeThreads() : 1;
  return GaussJordanOnThreads(a, n, b, m, threads, StepSplit::kFaster);
}

int32_t GaussJordanOnThreads(double* a, int32_t n, double* b, int32_t m, int threadCount,
                             StepSplit split) {
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

  const int threads = std::clamp(std::min(threadCount, n), 1, kMaxComputeThreads);
  StepChooser chooser(split == StepSplit::kFaster ? threads : 1);
  const bool polled = 2.0 * double(N) * double(N) * double(N + M) > kPolledOperations;
  PivotCandidate bandCandidates[kMaxBandsPerStep];
  if (polled) Core().userCancelled = 0;

  // The first search covers the whole matrix.
  PivotCandidate next;
  for (size_t j = 0; j < N; ++j)
    next.Consider(j, rowA(j), mask.get(), N, LargestInRow(rowA(j), mask.get(), N));

  for (int32_t i = 1; i <= n; ++i) {
    if (polled && i > 1 && PollUserCancel() == 1) return 0;
    if (!next.found) {
      RaiseNumLibError(kSingularMatrixText);
      return 0;
    }
    const size_t r = next.row, c = next.column;
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

    const size_t pivotColumn = c;
    const int stepThreads = split == StepSplit::kFaster ? chooser.ThreadsFor(i) : threads;
    const size_t bands = BandsPerStep(N, stepThreads);
    auto eliminateBand = [&](int64_t band) {
      PivotCandidate& found = bandCandidates[band];
      found = PivotCandidate{};
      const size_t from = N * size_t(band) / bands;
      const size_t to = N * size_t(band + 1) / bands;
      for (size_t q = from; q < to; ++q) {
        if (q == pivotColumn) continue;
        double* target = rowA(q);
        const double f = target[pivotColumn];
        target[pivotColumn] = 0.0;
        EliminateRow(rowB(q), pivotB, M, f);
        // Rows whose index was a pivot column are out of the search.
        if (i == n || pivots.count[int32_t(q) + 1] == 1)
          EliminateRow(target, pivotA, N, f);
        else
          found.Consider(q, target, mask.get(), N,
                         EliminateRowAndMeasure(target, pivotA, mask.get(), N, f));
      }
    };
    chooser.Start();
    if (stepThreads > 1)
      ParallelFor(int64_t(bands), stepThreads, eliminateBand);
    else
      eliminateBand(0);
    chooser.Stop(i);
    next = PivotCandidate{};
    for (size_t band = 0; band < bands; ++band) next.Merge(bandCandidates[band]);
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
