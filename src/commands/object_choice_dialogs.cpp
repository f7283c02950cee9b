#include <algorithm>
#include <cctype>

#include "commands/dialog.h"
#include "commands/entry_names.h"
#include "commands/forms.h"
#include "commands/object_commands.h"
#include "commands/value_editor.h"
#include "core/object_list.h"
#include "core/ui_port.h"
#include "core/user_cancel.h"

namespace tq {

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

ObjectChoiceForm MakeChoiceForm(const char* title, const char* prompt, const char* button,
                                bool multiple) {
  ObjectChoiceForm form;
  form.title = title;
  form.prompt = prompt;
  form.SetButtonText(kOkButton, button);
  form.multipleSelection = multiple;
  form.entries = MatrixAndVectorEntries();
  return form;
}

// The name of a chosen entry: 1 to 999 characters, cut at the first blank.
std::string ChosenName(const ObjectChoiceForm& form, size_t index) {
  if (index >= form.entries.size()) return {};
  std::string text = form.entries[index];
  if (text.empty() || text.size() > 999) return {};
  CutAtFirstBlank(text);
  return text;
}

// Runs a one-selection dialog; returns the chosen name, or nothing on Cancel.
bool ChooseOne(ObjectChoiceForm& form, std::string& name) {
  return RunDialog(form, [&](ButtonId) {
           if (form.selected.empty()) {
             ShowMessage("Please select one item in the list");
             return kStayOpen;
           }
           name = ChosenName(form, form.selected.front());
           return kCloseDialog;
         }) == DialogResult::kClose;
}

}  // namespace

std::vector<std::string> MatrixAndVectorEntries() {
  std::vector<std::string> entries =
      ObjectListEntries(OBJMASK_MATRIX | OBJMASK_VECTOR | OBJMASK_WITH_FAILED);
  std::stable_sort(entries.begin(), entries.end(), LessIgnoringCase);
  return entries;
}

bool DeleteObjectsCommand() {
  ObjectChoiceForm form =
      MakeChoiceForm("Delete Matrix or Vector", "Selet items you want to delete", "Delete", true);
  return RunDialog(form, [&](ButtonId) {
    if (form.selected.empty()) {
      ShowMessage("No items selected in the list");
      return kStayOpen;
    }
    std::vector<size_t> selected = form.selected;
    std::sort(selected.begin(), selected.end());
    if (selected.size() > 10000) selected.resize(10000);
    for (size_t index : selected) {
      std::string name = ChosenName(form, index);
      if (!name.empty() && name.size() <= 999) DeleteObjectByName(name);
    }
    return kCloseDialog;
  }) == DialogResult::kClose;
}

bool DisplayCommand() {
  ObjectChoiceForm form = MakeChoiceForm("Display Matrix or Vector", "Select item from the list",
                                         "Display", false);
  std::string name;
  if (!ChooseOne(form, name)) return false;
  // A display the user stopped has not shown the whole object.
  Core().userCancelled = 0;
  return !name.empty() && DisplayObject(name) == 1 && Core().userCancelled != 1;
}

// The value editor opens over the still-open list, which closes after it.
bool EditCommand() {
  ObjectChoiceForm form = MakeChoiceForm("Edit Matrix or Vector",
                                         "Please select item from the list", "Edit", false);
  bool edited = false;
  RunDialog(form, [&](ButtonId) {
    if (form.selected.empty()) {
      ShowMessage("Please select one item in the list");
      return kStayOpen;
    }
    const std::string name = ChosenName(form, form.selected.front());
    edited = !name.empty() && EditObject(name) == 1;
    return kCloseDialog;
  });
  return edited;
}

int32_t EditObject(const std::string& name) {
  MathObject* object = FindObjectExact(name);
  if (!object) return 0;
  if (object->status == STATUS_FAILED) {
    ShowMessage(
        "Error:\nObject state is not valid.\nLast operation on this object has failed.\nUnable "
        "to open the object.");
    return 0;
  }
  if (object->status != STATUS_VALID) {
    ShowMessage("Error:\nObject state is not valid.\nUnable to open the object.");
    return 0;
  }
  if (auto* matrix = dynamic_cast<MatrixObject*>(object)) {
    Report("Editing Matrix  %s  %dx%d", name.c_str(), matrix->rows, matrix->columns);
    OpenValueEditor(*matrix);
    return 1;
  }
  if (auto* vector = dynamic_cast<VectorObject*>(object)) {
    Report("Editing Vector  %s  (%d)", name.c_str(), vector->size);
    OpenValueEditor(*vector);
    return 1;
  }
  ShowMessage("Unable to open the object for editing.");
  return 0;
}

}  // namespace tq
