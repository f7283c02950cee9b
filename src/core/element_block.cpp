#include "core/element_block.h"

#include "core/core_state.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace tq {

namespace {

constexpr size_t kHugePage = size_t{2} << 20;

}  // namespace

void SetAllocationFailureAfter(int64_t successes) { Core().allocationsUntilFailure = successes; }

bool AllocationAllowed() {
  int64_t& left = Core().allocationsUntilFailure;
  if (left < 0) return true;
  if (left == 0) return false;
  --left;
  return true;
}

ElementBlock::~ElementBlock() { Release(); }

ElementBlock::ElementBlock(ElementBlock&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

ElementBlock& ElementBlock::operator=(ElementBlock&& other) noexcept {
  if (this != &other) {
    Release();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

bool ElementBlock::Allocate(size_t count, double initial) {
  Release();
  if (count == 0 || count > SIZE_MAX / sizeof(double) || !AllocationAllowed()) return false;
  size_t bytes = count * sizeof(double);
  void* p = nullptr;
#ifdef TQ_EXACT_BLOCKS
  // Under the sanitizers a block ends at its last element, so that an
  // access past the end is reported instead of landing in the padding.
  if (posix_memalign(&p, 64, bytes) != 0) p = nullptr;
#else
  if (bytes >= kHugePage) {
    size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    p = std::aligned_alloc(kHugePage, rounded);
    if (p) madvise(p, rounded, MADV_HUGEPAGE);
  } else {
    p = std::aligned_alloc(64, (bytes + 63) / 64 * 64);
  }
#endif
  if (!p) return false;
  data_ = static_cast<double*>(p);
  size_ = count;
  std::fill_n(data_, count, initial);
  return true;
}

void ElementBlock::Release() {
  std::free(data_);
  data_ = nullptr;
  size_ = 0;
}

}  // namespace tq
