// The fields of the language's dialogs: functions and programs, the
// Execute menu, variables, and a running program's message and input.
#pragma once

#include <string>
#include <vector>

#include "commands/form_visitor.h"
#include "core/ui_port.h"

namespace tq {

// "Edit function": creating a function (name editable) or editing one.
struct FunctionEditForm : Form {
  FunctionEditForm() { title = "Edit function"; }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  bool creating = true;
  std::string name;
  std::string description;
  std::string body;
};

// The Execute menu's pop-up: the items, the full name of the function each
// item runs (an item's text may be cut), and the one chosen (-1 none).
struct ExecuteMenuForm : Form {
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::vector<std::string> items;
  std::vector<std::string> names;
  int chosen = -1;
};

// "Create new varaible".
struct CreateVariableForm : Form {
  CreateVariableForm() { title = "Create new varaible"; }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::string name;
  double initial = 0.0;
};

// "Edit variable": the name is shown, the value edited.
struct EditVariableForm : Form {
  EditVariableForm() { title = "Edit variable"; }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::string name;
  double value = 0.0;
};

// "Program message": a program's output text; OK is Continue, Cancel Stop.
struct ProgramMessageForm : Form {
  ProgramMessageForm() {
    title = "Program message";
    buttons = {{kOkButton, "Continue"}, {kCancelButton, "Stop"}};
  }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::string text;
};

// "Program input": up to four numeric fields; OK is Continue, Cancel Stop.
struct ProgramInputForm : Form {
  ProgramInputForm() {
    title = "Program input";
    buttons = {{kOkButton, "Continue"}, {kCancelButton, "Stop"}};
  }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  static constexpr int kMaxFields = 4;
  std::string prompt;
  int fieldCount = 0;
  std::string labels[kMaxFields];
  double values[kMaxFields] = {};
};

}  // namespace tq
