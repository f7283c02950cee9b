// A second form of straight-line programs without side effects, for
// evaluating one function at many points: the top of the value stack is
// kept in a register, and an operand that is x or a constant is fused into
// the operation that takes it. It gives the same values as the byte code.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tq::lang {

// Builds the fast form of the current compiled program; false when the
// program stores into variables, calls rand, jumps, or performs I/O.
bool BuildFastForm();
// Whether the current compiled program has a fast form.
bool HasFastForm();
// Whether that fast form reads the element indexes _m or _n.
bool FastFormReadsIndexes();
void ClearFastForm();

inline constexpr size_t kFastBatchSize = 256;

// The element indexes _m and _n of each point of a batch, as doubles; all
// kFastBatchSize entries are read, so the spare ones past the last point
// repeat its indexes.
struct FastIndexes {
  const double* rows;
  const double* columns;
};

// Evaluates the fast form at up to kFastBatchSize points, one instruction
// over all points at a time. False when the byte code would have ended with
// a run-time error at one of them (division by zero, a gamma argument).
// Without `indexes` every point reads the row and column registers.
bool RunFastFormBatch(const double* xs, double* values, size_t count,
                      const FastIndexes* indexes = nullptr);

}  // namespace tq::lang
