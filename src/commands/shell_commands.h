// The application shell's own commands: the questions a desktop program asks
// before it drops or leaves a workspace, clearing the output window, the
// recent-file list and where the help page lives.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tq {

// Asks whether to save a modified workspace (Yes/No/Cancel) and saves on
// Yes. True when the caller may go on: nothing to save, No, or a save that
// succeeded; false on Cancel or when the save failed or was cancelled.
bool SaveModifiedWorkspace();

// File New, File Open, a recent file and a dropped file, each after the
// save-changes question; true when carried out.
bool FileNewAfterQuestion();
bool FileOpenAfterQuestion();
bool OpenFileAfterQuestion(const std::string& path);

// File Exit: after the save-changes question the objects are deleted (with
// their reports); true when the program may end.
bool FileExitCommand();

// Edit "Clear application window": asks, then empties the window.
bool ClearWindowCommand();

// The file names the File menu offers, most recent first, without
// duplicates, at most kMaxEntries.
class RecentFileList {
 public:
  static constexpr size_t kMaxEntries = 5;

  explicit RecentFileList(std::vector<std::string> entries = {});
  // Puts `path` first (moving it when listed already).
  void Add(const std::string& path);
  void Remove(const std::string& path);
  const std::vector<std::string>& entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;
};

// The help page beside the program: the program's directory and
// "TableOfContents.htm", or empty when the program's path is empty or
// 1024 characters or longer.
std::string HelpPagePath(std::string_view programPath);

}  // namespace tq
