// The language's part of the session: the one compiled program, the
// interpreter's registers that outlive a run, the usage flags that the
// function checks read, and the scanner, parser and fast form at work.
// One instance with static storage, reached through Lang(): the interpreter
// addresses its registers and code as directly as it would a plain global.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "lang/fast_form.h"
#include "lang/interpreter.h"
#include "lang/scanner.h"

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
  int32_t storesVariables = 0;  // 1 when the code assigns to a variable
};
static_assert(kLongestInstruction == 1 + sizeof(double) && kLongestInstruction >= 1 + sizeof(void*));

inline constexpr int kEndOfText = -1;
inline constexpr size_t kMaxName = 1024;
inline constexpr int kMaxBlockDepth = 100;  // nested if, ife and while
inline constexpr int32_t kConditionCountdown = 20;
inline constexpr size_t kMaxFastOps = kCodeBufferSize;
// Two spare rows below the bottom of the fast form's value stack keep the
// operand rows of the first instruction in bounds.
inline constexpr int kFastSpareRows = 2;
using FastRow = double[kFastBatchSize];

struct ScannerState {
  const char* source = nullptr;
  size_t length = 0;
  size_t position = 0;
  int32_t line = 1;
  int32_t lastCharLine = 1;
  bool hasPushback = false;
  int pushback = 0;
  char word[kMaxName + 1] = {};
  size_t wordLength = 0;
  size_t spellPosition = 0;
  bool spelling = false;
  bool commentOpen = false;
  bool insideInputList = false;
  const char* stringStart = nullptr;
  bool hasUnknown = false;
  std::string unknown;
};

struct ParserState {
  int token = 0;
  TokenValue value;
  bool haveToken = false;
  int32_t labelCounter = 1;
  int32_t labelStack[kMaxBlockDepth] = {};
  int labelDepth = 0;
  int32_t errorCount = 0;
  int32_t errorLine = 0;
  bool codeOverflow = false;
  bool stackOverflow = false;
  int expressionDepth = 0;
};

struct InterfaceState {
  std::string lastText;
  std::string functionName;
  std::string source;  // the text being compiled, with its line feed
  std::string errorBuffer;
  bool compiledByInterface = false;
};

enum class Fast : uint8_t {
  kPushX, kPushConst, kPushCell, kPushRow, kPushColumn,
  // operations on the top and the next entry
  kAdd, kSub, kMul, kDiv, kPow, kLess, kGreater, kLessEqual, kGreaterEqual, kEqual,
  kNotEqual, kAnd, kOr,
  // with x or a constant as the right operand
  kAddX, kSubX, kMulX, kDivX, kAddK, kSubK, kMulK, kDivK, kPowK, kSquare,
  // on the top alone
  kNegate, kNot, kIntPart, kBuiltin, kSetResult,
};

struct FastOp {
  Fast op;
  uint8_t builtin;
  double constant;
  const double* cell;
};

struct FastForm {
  bool usable = false;
  size_t count = 0;
  FastOp ops[kMaxFastOps];
};

struct Registers {
  double stack[kValueStackSize];
  int32_t countdown = kConditionCountdown;
  int32_t pollCounter = 0;
  int32_t stopAnswered = 0;  // the next asking poll stops without asking
  int32_t ioMode = IO_NONE;
  int32_t ioCount = 0;
  IoItem ioList[kIoListSize];
  char errorText[kMessageSize] = {};
};

struct LangState {
  // The one compiled program; every compile replaces it.
  CompiledProgram program;
  // The function value; written by `F` and `V`, kept between runs.
  double resultRegister = 0.0;
  // Element indices read by `_m` and `_n`, set before a run.
  int32_t rowRegister = 0;
  int32_t columnRegister = 0;
  // x of the current run; `x`, `ans` and the output items x and ans read it.
  double argumentCell = 0.0;
  // Written by the scanner while a check compiles a function: analysisMode
  // makes x a token of its own and enables the three usage flags.
  int32_t analysisMode = 0;
  int32_t usesX = 0;
  int32_t usesAns = 0;
  int32_t usesUiOperator = 0;
  ScannerState scanner;
  ParserState parser;
  InterfaceState functionInterface;
  FastForm fastForm;
  FastRow fastStack[kFastSpareRows + kValueStackSize + 1];
  Registers registers;
  // The function named in the last Compute dialog.
  std::string computeFunctionName;
  // Element-wise computation evaluates side-effect-free functions a block
  // of elements at a time; off, element by element (tests compare the two).
  bool elementBlocks = true;
};

namespace detail {
extern LangState langState;
}

inline LangState& Lang() { return detail::langState; }

// Back to the state at program start (tests start every case from it).
void ResetLanguageState();

}  // namespace tq::lang
