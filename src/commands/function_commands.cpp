#include "commands/function_commands.h"

#include <memory>

#include "commands/calculator_commands.h"
#include "commands/dialog.h"
#include "commands/language_forms.h"
#include "commands/name_check.h"
#include "core/object_list.h"
#include "core/string_format.h"
#include "core/ui_port.h"
#include "lang/function_checks.h"
#include "lang/function_objects.h"
#include "lang/interpreter.h"

namespace tq {

namespace {

constexpr size_t kMaxBody = 32767;
constexpr size_t kMaxListName = 999;
constexpr size_t kMaxShownCompileMessage = 511;
constexpr size_t kMaxMenuItems = 200;
constexpr size_t kMenuNameWidth = 16;
constexpr size_t kMenuItemWidth = 80;

// A list item's function name: its text up to the first blank or colon;
// empty when that is not 1 to 999 characters.
std::string ItemName(const std::string& item) {
  std::string name = item.substr(0, item.find_first_of(" :"));
  return name.size() <= kMaxListName ? name : std::string();
}

bool CheckBody(const std::string& body) {
  if (body.empty()) {
    ShowMessage("Error:\nFunction body is empty.");
    return false;
  }
  if (body.size() > kMaxBody) {
    ShowMessage("Error:\nFunction body is too long.\nFunctions longer than 32767 bytes are not permitted.");
    return false;
  }
  return true;
}

// Exactly one selected item; otherwise the message and no name.
std::string OneSelected(const std::vector<std::string>& selected, const char* multipleMessage) {
  if (selected.empty()) {
    ShowMessage("No items selected in the list");
    return {};
  }
  if (selected.size() > 1) {
    ShowMessage(multipleMessage);
    return {};
  }
  return ItemName(selected.front());
}

// Compiles the named function, showing the error; then reports the start.
bool CompileForExecution(const std::string& name) {
  std::string message;
  int32_t result = CompileFunction(name, message);
  if (result != 0) {
    ShowCompileError(name, result, message);
    return false;
  }
  Report("Executing function %s", name.c_str());
  return true;
}

}  // namespace

void ShowCompileError(const std::string& text, int32_t returnCode, const std::string& message) {
  if (text.empty() || text.size() >= 1024) {
    ShowMessage("Syntax error in expression\nPlease correct error and try again.\n");
    return;
  }
  bool shown = !message.empty() && message.size() <= kMaxShownCompileMessage;
  if (returnCode >= 1 && returnCode <= 99999) {
    std::string detail = StringPrintf("\nat line number %d", returnCode);
    if (shown) detail += "  " + message;
    ShowMessage("Syntax error in function\n" + text + detail + "\nPlease correct error and try again.\n");
    return;
  }
  std::string detail = shown ? "\n" + message : std::string();
  ShowMessage("Syntax error in expression\n" + text + detail + "\nPlease correct error and try again.\n");
}

std::vector<std::string> FunctionListEntries() { return ObjectListEntries(OBJMASK_FUNCTION); }

bool CreateFunctionButton(std::string* name) {
  FunctionEditForm form;
  form.creating = true;
  bool added = false;
  RunDialog(form, [&](ButtonId) {
    if (!ValidateNewName(form.name)) {
      if (!Core().nameMessageShown)
        ShowMessage("Error:\nInvalid function name\n<" + form.name +
                    ">\nPlease enter valid name.\nName shall containg only letters and digits "
                    "and charater _.\nFirst character must not be digit.");
      return kStayOpen;
    }
    if (!CheckBody(form.body)) return kStayOpen;
    auto function = std::make_unique<FunctionObject>(form.body);
    function->name = form.name;
    function->description = form.description;
    added = ReplaceObject(std::move(function)) != 0;
    return kCloseDialog;
  });
  if (added && name) *name = form.name;
  return added;
}

bool EditFunctionButton(const std::vector<std::string>& selected, std::string* editedName) {
  std::string name =
      OneSelected(selected, "Multiple selection is not permitted.\nPlease select one function to edit.");
  if (name.empty()) return false;
  auto* function = FindObjectAs<FunctionObject>(name, OBJMASK_FUNCTION);
  if (!function) return false;
  if (editedName) *editedName = function->name;
  FunctionEditForm form;
  form.creating = false;
  form.name = function->name;
  form.description = function->description;
  form.body = function->body;
  return RunDialog(form, [&](ButtonId) {
           if (!CheckBody(form.body)) return kStayOpen;
           function->body = form.body;
           function->description = form.description;
           return kCloseDialog;
         }) == DialogResult::kClose;
}

bool DeleteFunctionsButton(const std::vector<std::string>& selected) {
  if (selected.empty()) {
    ShowMessage("No items selected in the list");
    return false;
  }
  for (const std::string& item : selected) {
    std::string name = ItemName(item);
    if (!name.empty()) DeleteObjectByName(name);
  }
  return true;
}

bool CompileFunctionButton(const std::vector<std::string>& selected) {
  std::string name = OneSelected(
      selected, "Multiple selection is not permitted.\nPlease select one function to compile.");
  if (name.empty()) return false;
  std::string message;
  int32_t result = CompileFunction(name, message);
  if (result != 0) {
    ShowCompileError(name, result, message);
    return false;
  }
  ShowMessage("Function compiled successfully\n");
  return true;
}

bool ExecuteFunctionButton(const std::vector<std::string>& selected) {
  std::string name = OneSelected(
      selected, "Multiple selection is not permitted.\nPlease select one function to execute.");
  return !name.empty() && CompileForExecution(name);
}

namespace {

// The list refilled, with the function `name` selected when it is listed.
void FillFunctionsForm(FunctionsForm& form, const std::string& name) {
  form.entries = FunctionListEntries();
  form.selected.clear();
  for (size_t i = 0; i < form.entries.size() && !name.empty(); ++i)
    if (NamesEqualIgnoringCase(ItemName(form.entries[i]), name)) form.selected.push_back(i);
}

std::vector<std::string> SelectedTexts(const std::vector<std::string>& entries,
                                       const std::vector<size_t>& selected) {
  std::vector<std::string> texts;
  for (size_t index : selected)
    if (index < entries.size()) texts.push_back(entries[index]);
  return texts;
}

// One showing of the dialog; true when it closed for an execution.
bool RunFunctionsForm() {
  FunctionsForm form;
  FillFunctionsForm(form, {});
  bool execute = false;
  RunDialog(form, [&](ButtonId button) {
    const std::vector<std::string> selected = SelectedTexts(form.entries, form.selected);
    std::string name;
    switch (button) {
      case FunctionsForm::kCreate:
        if (CreateFunctionButton(&name)) FillFunctionsForm(form, name);
        break;
      case FunctionsForm::kEdit:
        if (EditFunctionButton(selected, &name)) FillFunctionsForm(form, name);
        break;
      case FunctionsForm::kDelete:
        if (DeleteFunctionsButton(selected)) FillFunctionsForm(form, {});
        break;
      case FunctionsForm::kCompile: CompileFunctionButton(selected); break;
      case FunctionsForm::kExecute:
        if (ExecuteFunctionButton(selected)) return CarriedOut(execute);
        break;
      case FunctionsForm::kClose: return kCloseDialog;
    }
    return kStayOpen;
  });
  return execute;
}

}  // namespace

bool FunctionsDialogCommand() {
  while (RunFunctionsForm())
    if (!ExecuteCurrentFunction()) return false;
  return true;
}

std::vector<std::string> ExecuteMenuItems() {
  std::vector<std::string> items;
  for (MathObject* object = FindFirstObject(OBJMASK_FUNCTION);
       object && items.size() < kMaxMenuItems; object = FindNextObject(OBJMASK_FUNCTION)) {
    auto* function = static_cast<FunctionObject*>(object);
    std::string item = function->name;
    if (item.size() < kMenuNameWidth) item.resize(kMenuNameWidth, ' ');
    if (!function->description.empty()) item += "  " + function->description;
    if (item.size() > kMenuItemWidth) item.resize(kMenuItemWidth);
    items.push_back(item);
  }
  return items;
}

bool ExecuteFunctionMenuCommand() {
  // The names bound to the menu's commands, in menu order.
  std::vector<std::string> names;
  for (MathObject* object = FindFirstObject(OBJMASK_FUNCTION);
       object && names.size() < kMaxMenuItems; object = FindNextObject(OBJMASK_FUNCTION))
    names.push_back(object->name);
  if (names.empty()) {
    ShowMessage("There are no user-defined functions currently.\nYou need to create function(s) first.");
    return false;
  }
  ExecuteMenuForm form;
  form.items = ExecuteMenuItems();
  form.names = names;
  if (!RunOkCancelDialog(form) || form.chosen < 0 || size_t(form.chosen) >= names.size()) return false;
  std::string name = names[size_t(form.chosen)];
  if (name.empty() || name.size() > 1023) return false;
  if (!CompileForExecution(name)) return false;
  return ExecuteCurrentFunction();
}

bool ExecuteCurrentFunction() {
  int32_t status = 0;
  std::string errorText;
  EvaluateAt(Calculator().ans, status, errorText);
  if (status != 0) {
    ShowMessage(errorText == lang::kTerminatedByUser
                    ? errorText
                    : "Runtime calculation error in expression\n" + errorText);
    return false;
  }
  Report("Calculation completed");
  return true;
}

}  // namespace tq
