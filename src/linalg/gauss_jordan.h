// Gauss-Jordan elimination with full pivoting: inverts a square matrix in
// place and solves for the right-hand sides at the same time.
#pragma once

#include <cstdint>

#include "core/math_object.h"

namespace tq {

inline constexpr const char* kSingularMatrixText = "Singular Matrix, the equation cant be solved";

// a: n x n and b: n x m, row-major and contiguous. On return a holds the
// inverse and column k of b the solution for the right-hand side it held.
// A singular matrix raises the numerical-library error; returns 1, or 0 when
// an error was recorded outside a protected computation or when the user
// stopped a large elimination between two steps (Core().userCancelled is 1).
// Large eliminations run on ComputeThreads() threads, with the same results
// and faults as on one.
int32_t GaussJordan(double* a, int32_t n, double* b, int32_t m);
// The same on `threads` threads (at most n): every step split (kAlways), or
// each step on one thread or split, whichever the timed steps found faster
// (kFaster, what GaussJordan does).
enum class StepSplit { kAlways, kFaster };
int32_t GaussJordanOnThreads(double* a, int32_t n, double* b, int32_t m, int threads,
                             StepSplit split = StepSplit::kAlways);

// The object-level form: checks the two matrices, then eliminates.
int32_t GaussJordanObjects(MatrixObject* a, int32_t n, MatrixObject* b, int32_t m);

// The plain textbook loop over 1-based row tables (dmatrix storage), which
// defines the results: the reference for tests and benchmarks.
int32_t GaussJordanPlain(double** a, int32_t n, double** b, int32_t m);

}  // namespace tq
