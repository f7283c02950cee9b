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
bool CreateFunctionButton();
bool EditFunctionButton(const std::vector<std::string>& selected);
bool DeleteFunctionsButton(const std::vector<std::string>& selected);
bool CompileFunctionButton(const std::vector<std::string>& selected);
// After a run the dialog stays open (with its list refreshed); after a run
// that failed it closes. `executed` tells whether the run completed.
DialogResult ExecuteFunctionButton(const std::vector<std::string>& selected, bool& executed);

// The Execute function menu: item texts, and the command that shows it.
std::vector<std::string> ExecuteMenuItems();
bool ExecuteFunctionMenuCommand();

// Evaluates the current compiled function once at the last answer.
bool ExecuteCurrentFunction();

}  // namespace tq
