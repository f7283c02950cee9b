#include "commands/calculator_commands.h"

#include "commands/function_commands.h"
#include "commands/session.h"
#include "core/object_list.h"
#include "core/string_format.h"
#include "core/ui_port.h"
#include "lang/function_checks.h"
#include "lang/function_objects.h"
#include "lang/interpreter.h"

namespace tq {

namespace {

constexpr size_t kMaxCallName = 1023;
constexpr size_t kMaxArgumentText = 15999;

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsNameChar(char c) { return IsLetter(c) || (c >= '0' && c <= '9') || c == '_'; }

bool IsTerminated(const std::string& message) { return message == lang::kTerminatedByUser; }

// The position of the ")" that closes the "(" at `open`, or npos.
size_t MatchingParenthesis(const std::string& text, size_t open) {
  int depth = 0;
  for (size_t i = open; i < text.size(); ++i) {
    if (text[i] == '(') ++depth;
    if (text[i] == ')' && --depth == 0) return i;
  }
  return std::string::npos;
}

// Evaluates name(argument) for the calculator; false after a message.
bool EvaluateCall(const std::string& name, const std::string& argument, double* value) {
  std::string message;
  int32_t result = CompileFunction(argument, message);
  if (result != 0) {
    ShowMessage("Syntax error in expression of function parameter\n" + message);
    return false;
  }
  int32_t status = 0;
  std::string errorText;
  double x = EvaluateAt(Calculator().ans, status, errorText);
  if (status != 0) {
    ShowMessage(IsTerminated(errorText)
                    ? errorText
                    : "Runtime calculation error in expression of function parameter\n" + errorText);
    return false;
  }
  std::string checkMessage;
  if (CheckFunctionForAnalysis(name, checkMessage) != 0) {
    if (!checkMessage.empty()) ShowMessage(checkMessage);
    ShowMessage("Unable to compile function \n" + name);
    return false;
  }
  *value = EvaluateAt(x, status, errorText);
  if (status != 0) {
    ShowMessage(IsTerminated(errorText)
                    ? errorText
                    : "Runtime calculation error in function" + name + "\n" + errorText);
    return false;
  }
  return true;
}

// Replaces every call of a user function, from the last to the first, by
// " (value)"; calls inside an argument go first. False after a message.
bool ReplaceFunctionCalls(std::string& text) {
  bool inQuotes = false;
  for (size_t i = text.size(); i-- > 0;) {
    char c = text[i];
    if (c == '"') {
      inQuotes = !inQuotes;
      continue;
    }
    if (inQuotes) continue;
    if (c == ';') {
      ShowMessage(
          "Syntax error in expression\n\ncharacter \";\" is not allowed.\nCalculator does not "
          "support multiple \nexpressions in one line.\nTo complute multiple expressions \nmake "
          "user-defined function.");
      return false;
    }
    if (!(IsLetter(c) || c == '_') || (i > 0 && IsNameChar(text[i - 1]))) continue;
    size_t end = i;
    while (end < text.size() && IsNameChar(text[end])) ++end;
    if (end >= text.size() || text[end] != '(') continue;
    std::string name = text.substr(i, end - i);
    if (name.size() > kMaxCallName || !FindObject(name, OBJMASK_FUNCTION)) continue;
    size_t close = MatchingParenthesis(text, end);
    if (close == std::string::npos) continue;
    std::string argument = text.substr(end + 1, close - end - 1);
    if (argument.empty() || argument.size() > kMaxArgumentText) continue;
    double value = 0.0;
    if (!EvaluateCall(name, argument, &value)) return false;
    text.replace(i, close - i + 1, StringPrintf(" (%.12G)", value));
  }
  return true;
}

void AddToHistory(const std::string& text) {
  auto& history = Calculator().history;
  while (history.size() > kHistorySize - 1) history.pop_front();
  history.push_back(text);
}

}  // namespace

CalculatorState& Calculator() { return Commands().calculator; }
void ResetCalculator() { Commands().calculator = CalculatorState{}; }

bool EvaluateEntry() {
  CalculatorState& calc = Calculator();
  std::string text = calc.entry;
  bool done = false;
  if (!text.empty()) {
    do {
      if (text.size() > 2 && !ReplaceFunctionCalls(text)) break;
      std::string message;
      int32_t result = CompileFunction(text, message);
      if (result != 0) {
        ShowCompileError(text, result, message);
        break;
      }
      int32_t status = 0;
      std::string errorText;
      double value = EvaluateAt(calc.ans, status, errorText);
      if (status != 0) {
        ShowMessage(IsTerminated(errorText) ? errorText
                                            : "Runtime calculation error in expression\n" + errorText);
        break;
      }
      calc.ans = value;
      calc.entry = StringPrintf("%.12G", value);
      calc.modified = false;
      Report("%s", text.c_str());
      Report("%.12G", value);
      AddToHistory(text);
      done = true;
    } while (false);
  }
  calc.variableList = VariableListItems();
  return done;
}

void InsertText(const std::string& text) {
  static const char* const kOperators[] = {"+", "-", "*", "/", "^", "^2", "<", ">", "="};
  CalculatorState& calc = Calculator();
  bool isOperator = false;
  for (const char* op : kOperators) isOperator = isOperator || text == op;
  if (!calc.modified && !isOperator) calc.entry.clear();
  calc.entry += text;
  calc.modified = true;
}

void EditEntry(const std::string& text) {
  CalculatorState& calc = Calculator();
  calc.entry = text;
  calc.modified = true;
}

void ClearEntry() { EditEntry(std::string()); }

void DeleteLastCharacter() {
  std::string text = Calculator().entry;
  if (!text.empty()) text.pop_back();
  EditEntry(text);
}

void RecallHistoryEntry(size_t index) {
  const auto& history = Calculator().history;
  if (index < history.size()) EditEntry(history[index]);
}

bool InsertBuiltinItem(const std::string& item) {
  if (item.empty() || item[0] == ' ') return false;
  InsertText(item.substr(0, item.find(' ')));
  return true;
}

bool InsertFunctionItem(const std::string& item) {
  if (item.empty() || item[0] == ' ') return false;
  InsertText(item.substr(0, item.find_first_of(" :(")));
  return true;
}

bool StartFunctionEditMode() {
  if (FunctionListItems().size() < 2) {
    ShowMessage("There are no user defined functions. Please create function first.");
    return false;
  }
  Calculator().functionEditMode = true;
  return true;
}

bool SelectFunctionItem(const std::string& item) {
  if (item.empty() || item[0] == ' ') return false;
  CalculatorState& calc = Calculator();
  if (!calc.functionEditMode) return InsertFunctionItem(item);
  calc.functionEditMode = false;
  EditFunctionButton({item});
  return true;
}

std::span<const CalculatorKey> CalculatorKeypad() {
  // One line per row of the window.
  static constexpr CalculatorKey kKeys[] = {
      {"7", "7"},       {"8", "8"},       {"9", "9"},       {"/", "/"},       {"(", "("},       {")", ")"},
      {"4", "4"},       {"5", "5"},       {"6", "6"},       {"*", "*"},       {"^", "^"},       {"x^2", "^2"},
      {"1", "1"},       {"2", "2"},       {"3", "3"},       {"-", "-"},       {"<", "<"},       {">", ">"},
      {"0", "0"},       {".", "."},       {"E", "E"},       {"+", "+"},       {"=", "="},       {"Ans", "Ans"},
      {"sin(", "sin("}, {"cos(", "cos("}, {"tan(", "tan("}, {"asin(", "asin("}, {"acos(", "acos("}, {"atan(", "atan("},
      {"sinh(", "sinh("}, {"cosh(", "cosh("}, {"tanh(", "tanh("}, {"sech(", "sech("}, {"exp(", "exp("}, {"ln(", "ln("},
      {"log(", "log("}, {"sqrt(", "sqrt("}, {"abs(", "abs("}};
  return kKeys;
}

const std::vector<std::string>& BuiltinListItems() {
  static const std::vector<std::string> items = {
      " Transcendental functions", "sin(x)       sine", "cos(x)      cosine",
      "exp(x)      exponent", "abs(x)      absolute value", "ln(x)         natural logarithm",
      "log(x)       logarithm10", "tan(x)       tangent ", "acos(x)    arccosine",
      "asin(x)      arcsine", "atan(x)     arctangent", "sinh(x)      hyperbolic sine",
      "tanh(x)     hyperbolic tangent", "cosh(x)    hyperbolic cosine", "sqrt(x)      square root",
      "frenc(x)    Frensel cos integral ", "frens(x)     Frensel sin integral",
      "loggamma(x)   log gamma function", "gamma(x)     gamma function  ",
      "sech(x)      hyperbolic sec", "arctanh(x)  hyperbolic atan",
      "int(x)          integer part of x", "rand()        random number"};
  return items;
}

std::vector<std::string> VariableListItems() {
  std::vector<std::string> items = {" User defined variables"};
  for (std::string& name : ObjectListEntries(OBJMASK_VARIABLE | OBJMASK_NAMES_ONLY))
    items.push_back(std::move(name));
  return items;
}

std::vector<std::string> FunctionListItems() {
  std::vector<std::string> items = {" User defined functions"};
  for (std::string& name : ObjectListEntries(OBJMASK_FUNCTION | OBJMASK_NAMES_ONLY))
    items.push_back(std::move(name));
  return items;
}

}  // namespace tq
