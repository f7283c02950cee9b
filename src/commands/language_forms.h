// The fields of the language's dialogs: functions and programs, the
// Execute menu, variables, and a running program's message and input.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "commands/form_visitor.h"
#include "core/ui_port.h"

namespace tq {

// "Functions and programs": the functions, several selectable, and what
// can be done with them. The buttons act while the dialog stays open, except
// Execute, which closes it for the run.
struct FunctionsForm : Form {
  enum Button : ButtonId { kCreate = kFirstFormButton, kEdit, kDelete, kExecute, kCompile, kClose };
  static constexpr const char* kTitle = "Functions and programs";
  static constexpr const char* kListLabel = "List of functions and programs";
  FunctionsForm() {
    title = kTitle;
    buttons = {{kCreate, "Create new"}, {kEdit, "Edit"},       {kDelete, "Delete"},
               {kExecute, "Execute"},   {kCompile, "Compile"}, {kClose, "Close"}};
    defaultButton = kEdit;
  }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::vector<std::string> entries;
  std::vector<size_t> selected;  // indexes into entries, in list order
};

// "Edit function": creating a function (name editable) or editing one.
struct FunctionEditForm : Form {
  static constexpr const char* kNameLabel = "Function name";
  static constexpr const char* kDescriptionLabel = "Description (optional)";
  static constexpr const char* kBodyText =
      "Function body (operators and expressions)\nWhen function is called with parameter, variable "
      "x designates parameter.\nThe function returns value of arithmetic expression that calculated "
      "last.";
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

// "Variables": the variables with their values, several selectable. The
// buttons act while the dialog stays open.
struct VariablesForm : Form {
  enum Button : ButtonId { kCreate = kFirstFormButton, kEdit, kDelete, kClose };
  static constexpr const char* kTitle = "Variables";
  static constexpr const char* kListLabel = "List of currently defined varaibles";
  VariablesForm() {
    title = kTitle;
    buttons = {{kCreate, "Create new variable"},
               {kEdit, "Edit value"},
               {kDelete, "Delete varaibles"},
               {kClose, "Close"}};
    defaultButton = kEdit;
  }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::vector<std::string> entries;
  std::vector<size_t> selected;  // indexes into entries, in list order
};

// "Create new varaible".
struct CreateVariableForm : Form {
  static constexpr const char* kNameLabel = "Name of new variable";
  static constexpr const char* kValueLabel = "Initial value";
  CreateVariableForm() { title = "Create new varaible"; }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::string name;
  double initial = 0.0;
};

// "Edit variable": the name is shown, the value edited.
struct EditVariableForm : Form {
  static constexpr const char* kNameLabel = "Variable name";
  static constexpr const char* kValueLabel = "Variable value";
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
