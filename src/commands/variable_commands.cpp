#include "commands/variable_commands.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "commands/dialog.h"
#include "commands/language_forms.h"
#include "commands/name_check.h"
#include "core/object_list.h"
#include "core/ui_port.h"
#include "core/core_state.h"

namespace tq {

namespace {

constexpr size_t kMaxSelected = 10000;
constexpr size_t kMaxEntry = 999;

// The name of a list entry: its text cut at the first blank; empty when
// the entry or the name is not 1 to 999 characters.
std::string EntryName(const std::string& entry) {
  if (entry.empty() || entry.size() > kMaxEntry) return {};
  return entry.substr(0, entry.find(' '));
}

}  // namespace

std::vector<std::string> VariableListEntries() {
  std::vector<std::string> entries = ObjectListEntries(OBJMASK_VARIABLE);
  // Sorted as a list box sorts: ignoring case.
  std::stable_sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
  });
  return entries;
}

bool CreateVariableCommand() {
  CreateVariableForm form;
  if (!RunOkCancelDialog(form)) return false;
  if (!ValidateNewName(form.name)) {
    if (!Core().nameMessageShown)
      ShowMessage("Error:\nInvalid variable name\n<" + form.name +
                  ">\nPlease enter valid name.\nName shall containg only letters and digits and "
                  "charater _.\nFirst character must not be digit.");
    return false;
  }
  auto variable = std::make_unique<VariableObject>(form.initial);
  variable->name = form.name;
  return ReplaceObject(std::move(variable)) != 0;
}

bool DeleteVariablesCommand(const std::vector<std::string>& selected) {
  if (selected.empty()) {
    ShowMessage("No items selected in the list");
    return false;
  }
  for (size_t i = 0; i < selected.size() && i < kMaxSelected; ++i) {
    std::string name = EntryName(selected[i]);
    if (!name.empty()) DeleteObjectByName(name);
  }
  return true;
}

bool EditVariableCommand(const std::vector<std::string>& selected) {
  if (selected.empty()) {
    ShowMessage("No items selected in the list");
    return false;
  }
  if (selected.size() > 1) {
    ShowMessage("Multiple selection is not permitted.\nPlease select one variable to edit.");
    return false;
  }
  std::string name = EntryName(selected.front());
  if (name.empty()) return false;
  auto* variable = FindObjectAs<VariableObject>(name, OBJMASK_VARIABLE);
  if (!variable) return false;
  EditVariableForm form;
  form.name = variable->name;
  form.value = variable->value;
  if (!RunOkCancelDialog(form)) return false;
  variable->value = form.value;
  NoteChange(CHANGE_VARIABLE);
  return true;
}

namespace {

void RefreshVariableList(VariablesForm& form) {
  form.entries = VariableListEntries();
  form.selected.clear();
  if (!form.entries.empty()) form.selected.push_back(0);
}

}  // namespace

bool VariablesDialogCommand() {
  VariablesForm form;
  form.entries = VariableListEntries();
  return RunDialog(form, [&](ButtonId button) {
           std::vector<std::string> selected;
           for (size_t index : form.selected)
             if (index < form.entries.size()) selected.push_back(form.entries[index]);
           switch (button) {
             case VariablesForm::kCreate:
               if (CreateVariableCommand()) RefreshVariableList(form);
               break;
             case VariablesForm::kEdit:
               EditVariableCommand(selected);
               if (selected.size() == 1) RefreshVariableList(form);
               break;
             case VariablesForm::kDelete:
               if (DeleteVariablesCommand(selected)) RefreshVariableList(form);
               break;
             case VariablesForm::kClose: return kCloseDialog;
           }
           return kStayOpen;
         }) == DialogResult::kClose;
}

}  // namespace tq
