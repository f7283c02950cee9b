// What every numerical command does with a user function: compile it by
// name, check what it uses (a refusal comes with the message the command
// shows), and evaluate it with floating-point faults detected.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tq {

// Cuts `name` at its first blank or colon and compiles that function. 0
// compiled; -1 not compiled, with the message to show in `message` (empty
// for a name of bad length).
int32_t CompileFunctionByName(std::string& name, std::string& message);

// Compiles the function and checks that it uses x, not ans, and no input,
// output or print. 0 when it passes; otherwise non-zero with one message.
int32_t CheckFunctionForAnalysis(std::string name, std::string& message);

// The same for element-wise computation, where a function without x may be
// used when the user says so: then kFunctionWithoutX, and `message` is the
// question whose Yes accepts it.
inline constexpr int32_t kFunctionWithoutX = 1;
int32_t CheckFunctionForElements(std::string name, std::string& message);

// The current function at x. status 0: the value is f(x). Otherwise -1 and
// errorText says why (a run-time error, a floating-point fault, a NaN or an
// infinite result); Status() describes this evaluation only.
double EvaluateAt(double x, int32_t& status, std::string& errorText);

struct PointFailure {
  size_t index;
  int32_t status;
  std::string text;
};

// EvaluateAt at every point of xs, with the same values, statuses and
// texts, for the engines that evaluate a function over many points. A
// function without side effects runs in batches whose fault flags are
// tested once; a batch that raised one is evaluated again point by point.
// Returns the number of failed points; their texts go to `failures`.
size_t EvaluateAtPoints(const double* xs, double* values, int32_t* statuses, size_t count,
                        std::vector<PointFailure>* failures = nullptr);

// Where the points of an element-wise evaluation lie: xs[0] is element
// `first` (counted from 0 in row order) of rows of `columns` elements.
struct ElementRange {
  int64_t first;
  int32_t columns;
};

// EvaluateAt at every point with the row and column registers set to the
// point's element, exactly as an element-by-element loop would, stopping
// after the evaluation that met a confirmed stop: the same values,
// statuses, status record, registers and questions. A function without side
// effects runs in batches that read the indexes as inputs. Returns the
// number of points evaluated (count, unless stopped).
size_t EvaluateAtElements(const double* xs, double* values, int32_t* statuses, size_t count,
                          ElementRange range);

}  // namespace tq
