// The Variables dialog's buttons.
#pragma once

#include <string>
#include <vector>

namespace tq {

// The dialog's list: "name = value" entries sorted by name.
std::vector<std::string> VariableListEntries();

bool CreateVariableCommand();
bool DeleteVariablesCommand(const std::vector<std::string>& selected);
bool EditVariableCommand(const std::vector<std::string>& selected);

// "Variables": the dialog until Close or Cancel; its list is refilled (the
// first entry selected) after a variable was created, edited or deleted.
bool VariablesDialogCommand();

}  // namespace tq
