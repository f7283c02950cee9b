#include "lang/function_objects.h"

#include "core/object_list.h"
#include "core/string_format.h"
#include "core/user_cancel.h"
#include "lang/interpreter.h"
#include "lang/lang_state.h"
#include "lang/parser.h"
#include "lang/scanner.h"

namespace tq {

namespace {

constexpr size_t kMaxNameLookup = 999;
constexpr size_t kMaxSourceText = 99999;

struct InterfaceState {
  std::string lastText;
  std::string functionName;
  std::string source;  // the text being compiled, with its line feed
  std::string errorBuffer;
  bool compiledByInterface = false;
};

InterfaceState I;

}  // namespace

namespace lang {

void ResetFunctionInterface() { I = InterfaceState{}; }
bool CompiledByInterface() { return I.compiledByInterface; }

}  // namespace lang

int32_t CompileText(std::string_view text, std::string* errorBuffer) {
  UserCancelled = 0;
  lang::ClearPollCounter();
  if (!errorBuffer) return -1;
  if (text.empty()) {
    *errorBuffer = "Empty function text";
    return -2;
  }
  // Strings in the compiled code point into the source: keep our own copy.
  if (text.data() != I.source.data()) I.source.assign(text);
  lang::Program.compiled = 0;
  lang::StartScan(I.source.data(), I.source.size());
  int32_t result = lang::ParseText();
  if (result == 0) {
    lang::ResolveLabels();
    if (lang::Program.compiled) return 0;
  }
  *errorBuffer = "Syntax error.\nUnable to compile function.";
  return result > 0 ? result : -3;
}

int32_t CompileFunction(std::string_view textOrName, std::string& message) {
  I.lastText.assign(textOrName);
  I.functionName.clear();
  message.clear();
  I.errorBuffer.clear();
  std::string text = I.lastText;
  if (I.lastText.size() >= 1 && I.lastText.size() <= kMaxNameLookup) {
    std::string name = TrimBlanks(I.lastText);
    auto* function = FindObjectAs<FunctionObject>(name, OBJMASK_FUNCTION);
    if (function && !function->body.empty()) {
      I.functionName = name;
      text = function->body;
    }
  }
  if (text.size() > kMaxSourceText) {
    message = "Function text is too long";
    return -1;
  }
  I.source = text + "\n";
  int32_t result = CompileText(I.source, &I.errorBuffer);
  if (result == 0) {
    I.compiledByInterface = true;
    return 0;
  }
  if (I.errorBuffer.empty()) return result;
  if (lang::HasUnknownName()) message = "Unrecognized name [" + lang::UnknownName() + "]";
  int32_t line = lang::ErrorLine();
  return line > 0 ? line : -1;
}

double EvaluateFunction(double x, int32_t* returnCode, std::string& message) {
  if (!returnCode) {
    message = "Invalid return code ptr";
    return x;
  }
  if (!I.compiledByInterface) {
    *returnCode = -1;
    message = "Function is not compiled";
    return x;
  }
  *returnCode = 0;
  char buffer[lang::kMessageSize];
  buffer[0] = '\0';
  double value = lang::RunCompiled(x, returnCode, buffer);
  if (buffer[0]) message = buffer;
  return value;
}

const std::string& CurrentFunctionName() { return I.functionName; }

}  // namespace tq
