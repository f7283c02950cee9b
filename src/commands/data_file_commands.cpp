#include "commands/dialog.h"
#include "commands/entry_names.h"
#include "commands/file_commands.h"
#include "commands/file_forms.h"
#include "commands/forms.h"
#include "commands/object_commands.h"
#include "core/object_list.h"
#include "core/ui_port.h"
#include "core/user_cancel.h"
#include "workspace/data_file.h"

namespace tq {

namespace {

constexpr size_t kMaxEntryLength = 999;

bool RefuseEmptyWorkspace() {
  if (!IsObjectListEmpty()) return false;
  ShowMessage("No items in the list.\nYou must create matrix or vector first.");
  return true;
}

// The list dialog of matrices and vectors; the chosen name, or nothing
// when the dialog was cancelled.
bool ChooseDataObject(const char* title, const char* prompt, std::string& name) {
  ObjectChoiceForm form;
  form.title = title;
  form.prompt = prompt;
  form.entries = MatrixAndVectorEntries();
  return RunDialog(form, [&](ButtonId) {
           if (form.selected.empty() || form.selected.front() >= form.entries.size()) {
             ShowMessage("Please select one item in the list");
             return kStayOpen;
           }
           name = form.entries[form.selected.front()];
           if (name.size() > kMaxEntryLength) name.clear();
           CutAtFirstBlank(name);
           return kCloseDialog;
         }) == DialogResult::kClose;
}

// The file dialog of the data file commands.
bool ChooseDataFile(bool save, std::string& path) {
  FileNameForm form;
  form.title = save ? "Export data to file" : "Import data from file";
  form.filter = kTextFileFilter;
  form.save = save;
  form.promptOverwrite = save;
  if (!RunOkCancelDialog(form) || form.path.empty()) return false;
  path = form.path;
  return true;
}

// False after the message when the chosen object cannot take part.
bool ObjectUsable(const std::string& name) {
  std::string refusal = DataObjectRefusal(name);
  if (refusal.empty()) return true;
  ShowMessage(refusal);
  return false;
}

}  // namespace

bool MenuImportData() { return !RefuseEmptyWorkspace() && ImportDataCommand(); }

bool MenuExportData() { return !RefuseEmptyWorkspace() && ExportDataCommand(); }

// Import and export do not poll: a stop request made meanwhile is dropped.
bool ImportDataCommand() {
  StopRequestsEndHere unstoppable;
  std::string name, path;
  if (!ChooseDataObject("Import data from file dialog",
                        "Import data from file to matrix or vector.\nPlease select matrix or "
                        "vector",
                        name))
    return false;
  if (name.empty() || !ChooseDataFile(false, path)) return false;
  if (!ObjectUsable(name)) return false;
  return ImportObject(name, path) == 1;
}

bool ExportDataCommand() {
  StopRequestsEndHere unstoppable;
  std::string name, path;
  if (!ChooseDataObject("Export data from file dialog",
                        "Export data to file from matrix or vector.\nPlease select matrix or "
                        "vector",
                        name))
    return false;
  if (name.empty() || !ChooseDataFile(true, path)) return false;
  if (!ObjectUsable(name)) return false;
  return ExportObject(name, path) == 1;
}

}  // namespace tq
