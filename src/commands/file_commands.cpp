#include "commands/file_commands.h"

#include <string>

#include "commands/dialog.h"
#include "commands/file_forms.h"
#include "commands/session.h"
#include "core/object_list.h"
#include "core/ui_port.h"
#include "core/user_cancel.h"
#include "workspace/workspace_file.h"

namespace tq {

namespace {

FileNameForm WorkspaceFileForm(bool save) {
  FileNameForm form;
  form.title = save ? "Save As" : "Open";
  form.filter = kWorkspaceFileFilter;
  form.defaultExtension = "mts";
  form.save = save;
  form.promptOverwrite = save;
  return form;
}

// Reading and writing do not poll: a stop request made meanwhile is dropped.
bool SaveTo(const std::string& path) {
  StopRequestsEndHere unstoppable;
  std::string failure;
  if (SaveWorkspaceFile(path, failure) != 1) {
    if (!failure.empty()) ShowMessage(failure);
    return false;
  }
  CurrentWorkspacePath() = path;
  ClearSessionModified();
  return true;
}

}  // namespace

std::string& CurrentWorkspacePath() { return Commands().workspacePath; }

void DeleteContents() {
  if (!Commands().keepObjectsOnOpen) DeleteAllObjects();
  Commands().keepObjectsOnOpen = 0;
}

bool FileNewCommand() {
  DeleteContents();
  CurrentWorkspacePath().clear();
  ClearSessionModified();
  return true;
}

bool FileOpenCommand() {
  FileNameForm form = WorkspaceFileForm(false);
  if (!RunOkCancelDialog(form) || form.path.empty()) return false;
  return OpenDocumentFile(form.path);
}

bool OpenDocumentFile(const std::string& path) {
  StopRequestsEndHere unstoppable;
  Commands().keepObjectsOnOpen = 0;
  if (!IsObjectListEmpty() &&
      !AskYesNo("Delete all existing objects?\nIf you press Yes than all\nexisting objects will be "
                "\ndeleted.\nIf you choose No than\nnew objects will be added;\nobjects with same "
                "name will be replaced."))
    Commands().keepObjectsOnOpen = 1;
  // The file is read and checked completely before the workspace changes.
  std::string failure;
  const bool opened = OpenWorkspaceFile(path, Commands().keepObjectsOnOpen == 1, failure) == 1;
  if (!failure.empty()) ShowMessage(failure);
  if (opened) {
    CurrentWorkspacePath() = path;
    // A merge leaves objects the file does not hold: still unsaved.
    if (Commands().keepObjectsOnOpen == 0) ClearSessionModified();
  }
  Commands().keepObjectsOnOpen = 0;
  return opened;
}

bool FileSaveCommand() {
  if (CurrentWorkspacePath().empty()) return FileSaveAsCommand();
  return SaveTo(CurrentWorkspacePath());
}

bool FileSaveAsCommand() {
  FileNameForm form = WorkspaceFileForm(true);
  form.path = CurrentWorkspacePath();
  if (!RunOkCancelDialog(form) || form.path.empty()) return false;
  return SaveTo(form.path);
}

}  // namespace tq
