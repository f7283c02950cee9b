// Owners of the 1-based work arrays of the numerical routines: the array is
// released on every path, also when a fault ends the computation early.
#pragma once

#include <cstdint>

#include "core/nr_arrays.h"

namespace tq {

// dvector(1, n) or ivector(1, n); empty when the allocation failed (the
// failure has then been reported through NumLibAllocError).
template <class T>
class WorkVector {
 public:
  explicit WorkVector(int32_t n) : n_(n), v_(Allocate(n)) {}
  ~WorkVector() { Free(v_, n_); }
  WorkVector(const WorkVector&) = delete;
  WorkVector& operator=(const WorkVector&) = delete;

  explicit operator bool() const { return v_ != nullptr; }
  T& operator[](int32_t i) { return v_[i]; }
  const T& operator[](int32_t i) const { return v_[i]; }
  T* get() { return v_; }

 private:
  static T* Allocate(int32_t n) {
    if constexpr (sizeof(T) == sizeof(double)) return dvector(1, n);
    else return ivector(1, n);
  }
  static void Free(T* v, int32_t n) {
    if constexpr (sizeof(T) == sizeof(double)) free_dvector(v, 1, n);
    else free_ivector(v, 1, n);
  }

  int32_t n_;
  T* v_;
};

using DoubleWorkVector = WorkVector<double>;
using IntWorkVector = WorkVector<int32_t>;

// dmatrix(1, rows, 1, columns): rows lie one after the other, so the block
// starting at element [1][1] is a contiguous row-major matrix.
class WorkMatrix {
 public:
  WorkMatrix(int32_t rows, int32_t columns)
      : rows_(rows), columns_(columns), m_(dmatrix(1, rows, 1, columns)) {}
  ~WorkMatrix() { free_dmatrix(m_, 1, rows_, 1, columns_); }
  WorkMatrix(const WorkMatrix&) = delete;
  WorkMatrix& operator=(const WorkMatrix&) = delete;

  explicit operator bool() const { return m_ != nullptr; }
  double* operator[](int32_t i) { return m_[i]; }
  double** rows() { return m_; }
  // The contiguous row-major block of all elements.
  double* block() { return &m_[1][1]; }

 private:
  int32_t rows_, columns_;
  double** m_;
};

}  // namespace tq
