// Functions and programs: the dialog's buttons, the Execute menu, and
// running a program once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ui_port.h"

namespace tq {

// The message for a failed CompileFunction of `text` (a name or an
// expression).
void ShowCompileError(const std::string& text, int32_t returnCode, const std::string& message);

// The list of the "Functions and programs" dialog.
std::vector<std::string> FunctionListEntries();

// The buttons; `selected` holds the texts of the selected list items.
// Create and Edit leave the name of the function created or edited in
// `name` when one is given.
bool CreateFunctionButton(std::string* name = nullptr);
bool EditFunctionButton(const std::vector<std::string>& selected, std::string* name = nullptr);
bool DeleteFunctionsButton(const std::vector<std::string>& selected);
bool CompileFunctionButton(const std::vector<std::string>& selected);
// True when the one selected function compiled ("Executing function" is
// reported): the dialog closes and the caller runs ExecuteCurrentFunction.
bool ExecuteFunctionButton(const std::vector<std::string>& selected);

// "Functions and programs": the dialog until Close or Cancel, reopened
// after each completed Execute; false when an execution failed or stopped.
bool FunctionsDialogCommand();

// The Execute function menu: item texts, and the command that shows it.
std::vector<std::string> ExecuteMenuItems();
bool ExecuteFunctionMenuCommand();

// Evaluates the current compiled function once at the last answer.
bool ExecuteCurrentFunction();

}  // namespace tq
