// Turning text into the current compiled function, and evaluating it: a
// literal text (a calculator formula) or the body of a function object.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tq {

// 0 compiled; -1 no error buffer; -2 empty text; above 0 the number of
// erroneous lines; -3 another compile failure. The text must stay alive
// until the next compile (strings in the code point into it).
int32_t CompileText(std::string_view text, std::string* errorBuffer);

// Compiles the body of the function object named textOrName (trimmed), or
// else the text itself. 0 compiled; above 0 the line of the first syntax
// error; -1 not compiled. message: "Unrecognized name [..]" when the
// scanner met an unknown name, or why the text was refused.
int32_t CompileFunction(std::string_view textOrName, std::string& message);

// The current compiled function at x. returnCode 0 when the value was
// computed; otherwise message says why.
double EvaluateFunction(double x, int32_t* returnCode, std::string& message);

// The name of the function object compiled last ("" for a literal text).
const std::string& CurrentFunctionName();

namespace lang {
void ResetFunctionInterface();
// Whether CompileFunction has ever succeeded.
bool CompiledByInterface();
}  // namespace lang

}  // namespace tq
