// The formula calculator: the entry, the last answer and the history.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace tq {

struct CalculatorState {
  std::string entry;
  bool modified = false;  // changed since the last evaluation
  double ans = 0.0;       // the last answer; programs read it as their argument
  std::deque<std::string> history;
  std::vector<std::string> variableList;  // refilled after every evaluation
};

inline constexpr size_t kHistorySize = 33;

CalculatorState& Calculator();
void ResetCalculator();

// The Enter key: evaluates the entry; true when a value was computed.
bool EvaluateEntry();
// A keypad button or list selection: an operator continues the shown
// answer, anything else starts a new expression.
void InsertText(const std::string& text);

// A selection in the built-in list inserts the item up to its first blank
// ("sin(x)"); in the function list, the name up to a blank, ":" or "(".
// False for a header item (the window beeps).
bool InsertBuiltinItem(const std::string& item);
bool InsertFunctionItem(const std::string& item);

// "Edit function": false, after a message, when there is no function.
bool StartFunctionEditMode();

// The three lists of the window, each with its header item.
const std::vector<std::string>& BuiltinListItems();
std::vector<std::string> VariableListItems();
std::vector<std::string> FunctionListItems();

}  // namespace tq
