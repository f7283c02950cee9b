// The formula calculator: the entry, the last answer and the history.
#pragma once

#include <deque>
#include <span>
#include <string>
#include <vector>

namespace tq {

struct CalculatorState {
  std::string entry;
  bool modified = false;  // changed since the last evaluation
  double ans = 0.0;       // the last answer; programs read it as their argument
  std::deque<std::string> history;
  std::vector<std::string> variableList;  // refilled after every evaluation
  // Set by "Edit function": the next function chosen opens its editor.
  bool functionEditMode = false;
};

inline constexpr size_t kHistorySize = 33;

CalculatorState& Calculator();
void ResetCalculator();

// The Enter key: evaluates the entry; true when a value was computed.
bool EvaluateEntry();
// A keypad button or list selection: an operator continues the shown
// answer, anything else starts a new expression.
void InsertText(const std::string& text);

// The user typed into the entry: the text is kept and marked modified.
void EditEntry(const std::string& text);
// "Clr" empties the entry; "Delete" removes its last character.
void ClearEntry();
void DeleteLastCharacter();
// A history entry chosen (0 = oldest): it goes back into the entry to be
// edited or evaluated again.
void RecallHistoryEntry(size_t index);

// A selection in the built-in list inserts the item up to its first blank
// ("sin(x)"); in the function list, the name up to a blank, ":" or "(".
// False for a header item (the window beeps).
bool InsertBuiltinItem(const std::string& item);
bool InsertFunctionItem(const std::string& item);

// "Edit function": false, after a message, when there is no function;
// otherwise function-edit mode starts.
bool StartFunctionEditMode();
// A selection in the function list: in function-edit mode the mode ends and
// the function's editor opens; otherwise its name is inserted. False for
// the header item (the window beeps; the mode stays).
bool SelectFunctionItem(const std::string& item);

// The keypad: each key's text and what it inserts, in the window's order
// (rows of kKeypadColumns).
struct CalculatorKey {
  const char* text;
  const char* inserts;
};
std::span<const CalculatorKey> CalculatorKeypad();
inline constexpr int kKeypadColumns = 6;

// The window's own texts.
struct CalculatorTexts {
  const char* title = "Calculator";
  const char* entryLabel = "E&xpression";
  const char* accumulatorLabel = "&Ans";
  const char* historyLabel = "&History";
  const char* enterButton = "Enter";
  const char* clearButton = "Clr";
  const char* deleteButton = "Delete";
  const char* newFunctionButton = "New function";
  const char* editFunctionButton = "Edit function";
  const char* unitsButton = "Units";
};
inline constexpr CalculatorTexts kCalculatorTexts{};

// The three lists of the window, each with its header item.
const std::vector<std::string>& BuiltinListItems();
std::vector<std::string> VariableListItems();
std::vector<std::string> FunctionListItems();

}  // namespace tq
