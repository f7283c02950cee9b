// Owned, contiguous storage of a vector's or a matrix's elements. Large
// blocks are aligned so that the kernel can back them with huge pages, and
// are filled exactly once.
#pragma once

#include <cstddef>
#include <cstdint>
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

// Fault injection for tests: after `successes` more allocations (element
// blocks and work arrays) every allocation fails; a negative count turns it off.
void SetAllocationFailureAfter(int64_t successes);
// Consumes one allocation of the fault-injection budget; false when it fails.
bool AllocationAllowed();

}  // namespace tq
