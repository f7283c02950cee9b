#include "commands/operation_dialog.h"

#include <cstring>

#include "commands/entry_names.h"
#include "commands/name_check.h"
#include "core/object_list.h"
#include "core/operation_status.h"
#include "core/ui_port.h"
#include "lang/interpreter.h"

namespace tq {

NameList SourceList(const char* label, uint32_t mask) {
  NameList list;
  list.label = label;
  list.entries = ObjectListEntries(mask);
  if (!list.entries.empty()) list.text = list.entries.front();
  return list;
}

NameList OutputList(const char* label, uint32_t mask) {
  NameList list;
  list.label = label;
  list.entries = ObjectListEntries(mask | OBJMASK_NAMES_ONLY);
  return list;
}

std::vector<std::string> ReadDialogNames(const OperationForm& form) {
  std::vector<std::string> names;
  for (const NameList& source : form.sources) names.push_back(ReadEntryName(source.text));
  names.push_back(ReadEntryName(form.output.text));
  return names;
}

bool CheckDialogNameLength(const std::string& name, const char* message) {
  if (!name.empty() && name.size() <= 1000) return true;
  ShowMessage(message);
  return false;
}

MathObject* FindDialogSource(const std::string& name, uint32_t mask, const char* ordinal) {
  MathObject* object = FindObject(name, mask);
  if (!object)
    ShowMessage(std::string("Error:\nUnable to find ") + ordinal + " argument\n<" + name +
                ">\nPlease select or enter valid name.");
  return object;
}

bool CheckOutputName(const std::string& name, const char* outputKind) {
  if (ValidateNewName(name)) return true;
  if (!Core().nameMessageShown)
    ShowMessage(std::string("Error:\nInvalid output ") + outputKind + " name\n<" + name +
                ">\nPlease enter valid name.\nName shall containg only letters and digits and "
                "charater _.\nFirst character must not be digit.");
  return false;
}

void ShowEngineFailure() {
  size_t length = std::strlen(Status().message);
  if (Status().flags != 0 && length > 1 && length < 1000)
    ShowMessage(std::string("Error:\n") + Status().message);
  else
    ShowMessage(
        "Error: Unable to perform the operation.\nFloating point error or not enough memeory.");
}

void ShowEngineFailureOrStop() {
  if (Core().userCancelled == 1)
    ShowMessage(lang::kTerminatedByUser);
  else
    ShowEngineFailure();
}

}  // namespace tq
