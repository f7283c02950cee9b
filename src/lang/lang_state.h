// The language's process-wide state: the one compiled program, the
// interpreter's registers that outlive a run and the usage flags that the
// function checks read.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tq {

// Written by the scanner while a check compiles a function: AnalysisMode
// makes x a token of its own and enables the three usage flags.
extern int32_t AnalysisMode;
extern int32_t UsesX;
extern int32_t UsesAns;
extern int32_t UsesUiOperator;

}  // namespace tq

namespace tq::lang {

// An emission that would start here or later is dropped.
inline constexpr int32_t kCodeLimit = 9999;
// The longest instruction (9 bytes) must still fit behind a start at 9998.
inline constexpr size_t kLongestInstruction = 9;
inline constexpr size_t kCodeBufferSize = kCodeLimit - 1 + kLongestInstruction;
inline constexpr int kValueStackSize = 100;

struct CompiledProgram {
  uint8_t code[kCodeBufferSize];
  int32_t length = 0;
  int32_t compiled = 0;   // 1 after a compile that ended without error
  int32_t stackDepth = 0;  // deepest value stack the code needs
};

// The one compiled program; every compile replaces it.
extern CompiledProgram Program;
static_assert(kLongestInstruction == 1 + sizeof(double) && kLongestInstruction >= 1 + sizeof(void*));

// The function value; written by `F` and `V`, kept between runs.
extern double ResultRegister;
// Element indices read by `_m` and `_n`, set before a run.
extern int32_t RowRegister;
extern int32_t ColumnRegister;

// Back to the state at program start (tests start every case from it).
void ResetLanguageState();

}  // namespace tq::lang
