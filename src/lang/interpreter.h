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

// Runs the compiled program at x. returnCode: 0 done, -5 not compiled or a
// run-time error, -1000 stopped by the user; the message (up to 1024
// characters with its NUL) goes to messageBuffer when one is passed.
double RunCompiled(double x, int32_t* returnCode, char* messageBuffer);

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

// The message of a run-time error code.
std::string EvalErrorText(int32_t code);

inline constexpr const char* kTerminatedByUser = "Calculation terminated by user";

}  // namespace tq::lang
