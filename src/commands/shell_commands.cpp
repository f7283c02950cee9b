#include "commands/shell_commands.h"

#include <algorithm>

#include "commands/file_commands.h"
#include "commands/session.h"
#include "core/object_list.h"
#include "core/ui_port.h"

namespace tq {

namespace {

std::string WorkspaceDisplayName() {
  const std::string& path = CurrentWorkspacePath();
  if (path.empty()) return "Untitled";
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool SaveModifiedWorkspace() {
  if (!SessionModified()) return true;
  switch (AskYesNoCancel("Save changes to " + WorkspaceDisplayName() + "?")) {
    case YesNoCancel::kYes:
      return FileSaveCommand();
    case YesNoCancel::kNo:
      return true;
    case YesNoCancel::kCancel:
      break;
  }
  return false;
}

bool FileNewAfterQuestion() { return SaveModifiedWorkspace() && FileNewCommand(); }

bool FileOpenAfterQuestion() { return SaveModifiedWorkspace() && FileOpenCommand(); }

bool OpenFileAfterQuestion(const std::string& path) {
  return SaveModifiedWorkspace() && OpenDocumentFile(path);
}

bool FileExitCommand() {
  if (!SaveModifiedWorkspace()) return false;
  DeleteAllObjects();
  ClearSessionModified();
  return true;
}

bool ClearWindowCommand() {
  if (!AskYesNo("Delete all text from application window ?")) return false;
  if (UiPort* ui = CurrentUi()) ui->ClearWindow();
  return true;
}

RecentFileList::RecentFileList(std::vector<std::string> entries) {
  for (auto it = entries.rbegin(); it != entries.rend(); ++it)
    if (!it->empty()) Add(*it);
}

void RecentFileList::Add(const std::string& path) {
  Remove(path);
  entries_.insert(entries_.begin(), path);
  if (entries_.size() > kMaxEntries) entries_.resize(kMaxEntries);
}

void RecentFileList::Remove(const std::string& path) {
  entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
}

std::string HelpPagePath(std::string_view programPath) {
  if (programPath.empty() || programPath.size() >= 1024) return {};
  size_t slash = programPath.find_last_of('/');
  std::string directory(slash == std::string_view::npos ? std::string_view()
                                                        : programPath.substr(0, slash + 1));
  return directory + "TableOfContents.htm";
}

}  // namespace tq
