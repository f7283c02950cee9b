#include "lang/function_objects.h"

#include "core/object_list.h"
#include "core/string_format.h"
#include "core/user_cancel.h"
#include "lang/fast_form.h"
#include "lang/interpreter.h"
#include "lang/lang_state.h"
#include "lang/parser.h"
#include "lang/scanner.h"

namespace tq {

namespace {

constexpr size_t kMaxNameLookup = 999;
constexpr size_t kMaxSourceText = 99999;


lang::InterfaceState& Interface() { return lang::Lang().functionInterface; }

}  // namespace

namespace lang {

void ResetFunctionInterface() { Interface() = InterfaceState{}; }
bool CompiledByInterface() { return Interface().compiledByInterface; }

}  // namespace lang

int32_t CompileText(std::string_view text, std::string* errorBuffer) {
  Core().userCancelled = 0;
  lang::ClearPollCounter();
  if (!errorBuffer) return -1;
  if (text.empty()) {
    *errorBuffer = "Empty function text";
    return -2;
  }
  // Strings in the compiled code point into the source: keep our own copy.
  if (text.data() != Interface().source.data()) Interface().source.assign(text);
  lang::Lang().program.compiled = 0;
  lang::ClearFastForm();
  lang::StartScan(Interface().source.data(), Interface().source.size());
  int32_t result = lang::ParseText();
  if (result == 0) {
    lang::ResolveLabels();
    if (lang::Lang().program.compiled) {
      lang::BuildFastForm();
      return 0;
    }
  }
  *errorBuffer = "Syntax error.\nUnable to compile function.";
  return result > 0 ? result : -3;
}

int32_t CompileFunction(std::string_view textOrName, std::string& message) {
  Interface().lastText.assign(textOrName);
  Interface().functionName.clear();
  message.clear();
  Interface().errorBuffer.clear();
  std::string text = Interface().lastText;
  if (Interface().lastText.size() >= 1 && Interface().lastText.size() <= kMaxNameLookup) {
    std::string name = TrimBlanks(Interface().lastText);
    auto* function = FindObjectAs<FunctionObject>(name, OBJMASK_FUNCTION);
    if (function && !function->body.empty()) {
      Interface().functionName = name;
      text = function->body;
    }
  }
  if (text.size() > kMaxSourceText) {
    message = "Function text is too long";
    return -1;
  }
  Interface().source = text + "\n";
  int32_t result = CompileText(Interface().source, &Interface().errorBuffer);
  if (result == 0) {
    Interface().compiledByInterface = true;
    return 0;
  }
  if (Interface().errorBuffer.empty()) return result;
  if (lang::HasUnknownName()) message = "Unrecognized name [" + lang::UnknownName() + "]";
  int32_t line = lang::ErrorLine();
  return line > 0 ? line : -1;
}

double EvaluateFunction(double x, int32_t* returnCode, std::string& message) {
  if (!returnCode) {
    message = "Invalid return code ptr";
    return x;
  }
  if (!Interface().compiledByInterface) {
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

const std::string& CurrentFunctionName() { return Interface().functionName; }

}  // namespace tq
