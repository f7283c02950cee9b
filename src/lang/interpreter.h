// The stack machine that runs the compiled program for one value of x.
// Run-time errors and a user stop end a run at once and come back to
// RunCompiled as a return code and a message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tq::lang {

inline constexpr int kMessageSize = 1024;
inline constexpr int kIoListSize = 1024;

enum IoMode : int32_t { IO_NONE = 0, IO_INPUT = 1, IO_OUTPUT = 2, IO_PRINT = 3 };
enum IoItemKind : int32_t { IO_ITEM_VARIABLE = 100, IO_ITEM_STRING = 115 };

struct IoItem {
  int32_t kind;
  const void* reference;  // a double value cell, or a string in the source
};

// Return codes of RunCompiled. A run sets one of the first three; the last
// two are what returnCode holds while a run is under way.
enum RunCode : int32_t {
  RUN_DONE = 0,
  RUN_FAILED = -5,  // not compiled, or a run-time error
  RUN_STOPPED = -1000,
  RUN_UNDER_WAY = -1,
  RUN_UNDER_WAY_NO_BUFFER = -4,
};

// Runs the compiled program at x; returnCode is a RunCode. The message (up
// to 1024 characters with its NUL) goes to messageBuffer when one is passed.
double RunCompiled(double x, int32_t* returnCode, char* messageBuffer);

// Run-time error codes: the built-in functions report 1 to 5. Codes without
// a text of their own read " Error %d " with code + 100.
enum EvalError : int32_t {
  EVAL_ARGUMENT_ZERO = 1,
  EVAL_ARGUMENT_NEGATIVE_INTEGER = 2,
  EVAL_ORDER_NEGATIVE = 3,
  EVAL_ARGUMENT_BELOW_MINUS_ONE = 4,
  EVAL_UNKNOWN_FUNCTION = 5,
  EVAL_UNKNOWN_OPERATOR = 6,
  EVAL_DIVIDE_BY_ZERO = 7,
  EVAL_VALUE_STACK_OVERFLOW = 9,
  EVAL_IO_LIST_OVERFLOW = 10,
};

// End the run with the message of `code`, or with `text`.
[[noreturn]] void RaiseEvalError(int32_t code);
[[noreturn]] void AbortEvaluation(std::string_view text);

// The interpreter's cancellation poll: every 32nd call asks the front end.
void PollCancel();
// A compile starts counting the polls afresh.
void ClearPollCounter();
// Counts `count` polls at once, asking the front end where PollCancel
// would; false (and Core().userCancelled 1) when the user stopped.
bool CountPolls(size_t count);
// The same for `count` evaluations that poll once each: how many of them
// run before the one whose poll confirmed a stop, or `count`.
size_t CountPollsUntilStop(size_t count);
// The next poll ends the run as a confirmed stop without asking again: the
// stop was confirmed while the polls of evaluations were counted ahead.
void StopAtNextPoll();
// The poll counter, for evaluations whose polls were already counted.
int32_t PollCount();
void SetPollCount(int32_t count);

// The message of a run-time error code.
std::string EvalErrorText(int32_t code);

inline constexpr const char* kTerminatedByUser = "Calculation terminated by user";

}  // namespace tq::lang
