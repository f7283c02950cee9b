#include "commands/compute_dialog.h"

#include <cstring>

#include "commands/entry_names.h"
#include "commands/function_commands.h"
#include "commands/operation_dialog.h"
#include "core/string_format.h"
#include "core/object_list.h"
#include "core/operation_status.h"
#include "core/ui_port.h"
#include "core/user_cancel.h"
#include "lang/element_compute.h"

namespace tq {

namespace {

constexpr uint32_t kSources = OBJMASK_MATRIX | OBJMASK_VECTOR;

// The function list's selection as the Edit button takes it.
std::vector<std::string> SelectedFunction(const std::string& text) {
  if (TrimBlanks(text).empty()) return {};
  return {TrimBlanks(text)};
}

// The entry of function `name`, or the first entry.
std::string FunctionEntry(const std::vector<std::string>& entries, const std::string& name) {
  for (const std::string& entry : entries)
    if (NamesEqualIgnoringCase(ReadEntryName(entry), name)) return entry;
  return entries.empty() ? std::string() : entries.front();
}

ComputeForm MakeForm() {
  ComputeForm form;
  form.source = SourceList("Select source matrix or vector", kSources);
  form.function.label = "Select function f(x)";
  form.function.entries = ObjectListEntries(OBJMASK_FUNCTION);
  for (const std::string& entry : form.function.entries)
    if (form.function.text.empty() && NamesEqualIgnoringCase(entry, ComputeFunctionName()))
      form.function.text = entry;
  if (form.function.text.empty() && !form.function.entries.empty())
    form.function.text = form.function.entries.front();
  form.output = OutputList("Enter destination matrix or vector name", kSources);
  if (form.function.entries.empty())
    ShowMessage("Warning: \nThere are no functions in the list.\nYou must create new function f(x).");
  return form;
}

// "New" and "Edit": the function dialogs, then the list refilled with the
// function created or edited selected and remembered for the next opening.
void NewOrEditFunction(ComputeForm& form, ButtonId button) {
  std::string name;
  const bool done = button == ComputeForm::kNew
                        ? CreateFunctionButton(&name)
                        : EditFunctionButton(SelectedFunction(form.function.text), &name);
  if (!done) return;
  ComputeFunctionName() = name;
  form.function.entries = ObjectListEntries(OBJMASK_FUNCTION);
  form.function.text = FunctionEntry(form.function.entries, name);
}

DialogResult Apply(const ComputeForm& form, bool& carriedOut) {
  const std::string source = ReadEntryName(form.source.text);
  const std::string function = ReadEntryName(form.function.text);
  const std::string output = ReadEntryName(form.output.text);
  if (!CheckDialogNameLength(source,
                             "Error:\nInvalid 1st argument.\nPlease select valid source matrix or "
                             "vector.") ||
      !CheckDialogNameLength(function,
                             "Error:\nInvalid 2nd argument.\nPlease select function f(x). You must "
                             "create function f(x) before using this option.") ||
      !CheckDialogNameLength(output,
                             "Error:\nInvalid output matrix or vector name.\nPlease select or "
                             "enter valid name."))
    return kStayOpen;
  MathObject* object = FindObject(source, kSources);
  if (!object) {
    ShowMessage("Error:\nUnable to find source matrix or vector\n<" + source +
                ">\nPlease select or enter valid name.");
    return kStayOpen;
  }
  if (!FindObject(function, OBJMASK_FUNCTION)) {
    ShowMessage("Error:\nUnable to find function\n<" + function +
                ">\nPlease select or enter valid name.");
    return kStayOpen;
  }
  if (!CheckOutputName(output, "object")) return kStayOpen;
  if (object->kind != KIND_MATRIX && object->kind != KIND_VECTOR) {
    ShowMessage("Error:\nInvalid arguments type. First argument must be matrix or vector.");
    return kStayOpen;
  }
  Core().userCancelled = 0;
  ResetOperationStatus();
  const bool matrix = object->kind == KIND_MATRIX;
  ElementFunctionCheck check;
  auto compute = [&] {
    return matrix ? ComputeFunctionForMatrix(source, function, output, &check)
                  : ComputeFunctionForVector(source, function, output, &check);
  };
  int32_t result = compute();
  // A function without x is used when the user says so.
  if (result == kComputeAsksWithoutX) {
    check.withoutX = AskYesNo(check.message) ? ElementFunctionCheck::WithoutX::kAccept
                                             : ElementFunctionCheck::WithoutX::kRefuse;
    result = compute();
  }
  if (result == -1 && !check.message.empty()) ShowMessage(check.message);
  if (result == 1) {
    Report(matrix ? "Computed function %s for all elements of matrix %s\r\noutput stored in new "
                    "matrix <%s>"
                  : "Computed function %s for all elements of vector %s\r\noutput stored in new "
                    "vector <%s>",
           function.c_str(), source.c_str(), output.c_str());
    return CarriedOut(carriedOut);
  }
  const size_t length = std::strlen(Status().message);
  if (Status().flags != 0 && length >= 2 && length <= 999) {
    if (result != -1)
      ShowMessage(Core().userCancelled == 1 ? std::string("Calculation terminated by user")
                                     : std::string("Error:\n") + Status().message);
  } else {
    ShowMessage(
        "Error: Unable to perform the operation.\nFloating point error or not enough memeory.");
  }
  return kStayOpen;
}

}  // namespace

bool ComputeForAllElementsDialog() {
  ComputeForm form = MakeForm();
  bool carriedOut = false;
  RunDialog(form, [&](ButtonId button) {
    if (button == ComputeForm::kNew || button == ComputeForm::kEdit) {
      NewOrEditFunction(form, button);
      return kStayOpen;
    }
    return Apply(form, carriedOut);
  });
  return carriedOut;
}

bool MenuComputeForAllElements() {
  if (!FindFirstObject(kSources)) {
    ShowMessage(
        "There are no matrices or vectors in the list. You must create matrix or vector before "
        "using this function.");
    return false;
  }
  return ComputeForAllElementsDialog();
}

}  // namespace tq
