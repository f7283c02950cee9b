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

// The list dialog of matrices and vectors; its OK opens the file dialog over
// it and then transfers the data. The list closes once a name was chosen,
// also when the file dialog was cancelled. Import and export do not poll: a
// stop request made meanwhile is dropped.
bool RunDataFileDialog(const char* title, const char* prompt, bool save) {
  StopRequestsEndHere unstoppable;
  ObjectChoiceForm form;
  form.title = title;
  form.prompt = prompt;
  form.entries = MatrixAndVectorEntries();
  bool carriedOut = false;
  RunDialog(form, [&](ButtonId) {
    if (form.selected.empty() || form.selected.front() >= form.entries.size()) {
      ShowMessage("Please select one item in the list");
      return kStayOpen;
    }
    std::string name = form.entries[form.selected.front()];
    if (name.size() > kMaxEntryLength) name.clear();
    CutAtFirstBlank(name);
    std::string path;
    if (name.empty() || !ChooseDataFile(save, path) || !ObjectUsable(name)) return kCloseDialog;
    carriedOut = (save ? ExportObject(name, path) : ImportObject(name, path)) == 1;
    return kCloseDialog;
  });
  return carriedOut;
}

}  // namespace

bool MenuImportData() { return !RefuseEmptyWorkspace() && ImportDataCommand(); }

bool MenuExportData() { return !RefuseEmptyWorkspace() && ExportDataCommand(); }

bool ImportDataCommand() {
  return RunDataFileDialog("Import data from file dialog",
                           "Import data from file to matrix or vector.\nPlease select matrix or "
                           "vector",
                           false);
}

bool ExportDataCommand() {
  return RunDataFileDialog("Export data from file dialog",
                           "Export data to file from matrix or vector.\nPlease select matrix or "
                           "vector",
                           true);
}

}  // namespace tq
