// Owned, contiguous storage of a vector's or a matrix's elements. Large
// blocks are aligned so that the kernel can back them with huge pages, and
// are filled exactly once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace tq {

class ElementBlock {
 public:
  ElementBlock() = default;
  ~ElementBlock();
  ElementBlock(const ElementBlock&) = delete;
  ElementBlock& operator=(const ElementBlock&) = delete;
  ElementBlock(ElementBlock&& other) noexcept;
  ElementBlock& operator=(ElementBlock&& other) noexcept;

  // Obtains `count` elements, each set to `initial`; false when no storage.
  bool Allocate(size_t count, double initial);
  void Release();

  double* data() { return data_; }
  const double* data() const { return data_; }
  size_t size() const { return size_; }
  std::span<double> span() { return {data_, size_}; }
  std::span<const double> span() const { return {data_, size_}; }

 private:
  double* data_ = nullptr;
  size_t size_ = 0;
};

// Element indexes (counted from 1) are checked in the debug build only:
// an index outside 1..limit stops the program there.
inline void CheckElementIndex(int64_t index, int64_t limit) {
  if (index >= 1 && index <= limit) return;
  std::fprintf(stderr, "element index %lld outside 1..%lld\n", static_cast<long long>(index),
               static_cast<long long>(limit));
  std::abort();
}

#ifdef TQ_CHECKED_ELEMENTS
#define TQ_CHECK_ELEMENT_INDEX(index, limit) ::tq::CheckElementIndex(index, limit)
#else
#define TQ_CHECK_ELEMENT_INDEX(index, limit) static_cast<void>(0)
#endif

// Fault injection for tests: after `successes` more allocations (element
// blocks and work arrays) every allocation fails; a negative count turns it off.
void SetAllocationFailureAfter(int64_t successes);
// Consumes one allocation of the fault-injection budget; false when it fails.
bool AllocationAllowed();

}  // namespace tq
