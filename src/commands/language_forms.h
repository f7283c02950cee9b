// The fields of the language's dialogs: functions and programs, the
// Execute menu, and variables.
#pragma once

#include <string>
#include <vector>

#include "core/ui_port.h"

namespace tq {

// "Edit function": creating a function (name editable) or editing one.
struct FunctionEditForm : Form {
  bool creating = true;
  std::string name;
  std::string description;
  std::string body;
};

// The Execute menu's pop-up: the items, the full name of the function each
// item runs (an item's text may be cut), and the one chosen (-1 none).
struct ExecuteMenuForm : Form {
  std::vector<std::string> items;
  std::vector<std::string> names;
  int chosen = -1;
};

// "Create new varaible".
struct CreateVariableForm : Form {
  std::string name;
  double initial = 0.0;
};

// "Edit variable": the name is shown, the value edited.
struct EditVariableForm : Form {
  std::string name;
  double value = 0.0;
};

}  // namespace tq
