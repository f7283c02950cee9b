#include <cstdio>
#include <string>

#include "commands/dialog.h"
#include "commands/file_commands.h"
#include "commands/file_forms.h"
#include "core/ui_port.h"

namespace tq {

namespace {

// Paths of this length or longer are ignored.
constexpr size_t kMaxTextPath = 512;

bool FileExists(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "r");
  if (!file) return false;
  std::fclose(file);
  return true;
}

// Writes the text without its carriage returns; false when any write failed.
bool WriteWindowText(FILE* file, const std::string& text) {
  size_t from = 0;
  while (from < text.size()) {
    size_t cr = text.find('\r', from);
    size_t end = cr == std::string::npos ? text.size() : cr;
    if (end > from && std::fwrite(text.data() + from, 1, end - from, file) != end - from)
      return false;
    from = end + 1;
  }
  return std::fflush(file) == 0 && !std::ferror(file);
}

}  // namespace

bool SaveWindowTextCommand() {
  const std::string text = CurrentUi() ? CurrentUi()->WindowText() : std::string();
  if (text.empty()) {
    ShowMessage("Application window is empty.\nNothing to save.");
    return false;
  }
  FileNameForm form;
  form.title = "Save window text";
  form.filter = kTextFileFilter;
  form.defaultExtension = "txt";
  form.save = true;
  if (!RunOkCancelDialog(form)) return false;
  if (form.path.empty() || form.path.size() >= kMaxTextPath) return false;
  bool append = false;
  if (FileExists(form.path))
    append = AskYesNo(
        "File already exists.\nDo you want to append window text to the file?\nIf you press Yes, "
        "program will append text.\nIf you press No, program will replace text.");
  FILE* file = std::fopen(form.path.c_str(), append ? "a" : "w");
  if (!file) {
    ShowMessage("Unable to write text to fileN");
    return false;
  }
  bool written = WriteWindowText(file, text);
  if (std::fclose(file) != 0) written = false;
  // A write that failed part way is reported too, not passed off as saved.
  if (!written) ShowMessage("Unable to write text to fileN");
  return written;
}

}  // namespace tq
