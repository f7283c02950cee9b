// :new, :open, :save, :import, :export, :savetext
#include <optional>
#include <string>
#include <vector>

#include "cli/console_commands.h"
#include "commands/entry_names.h"
#include "commands/file_commands.h"
#include "commands/file_forms.h"
#include "commands/forms.h"
#include "core/object_list.h"

namespace tq::cli {

namespace {

// The file dialog answered with `path`.
void AnswerPath(ConsoleContext& context, const std::string& path) {
  context.Answer<FileNameForm>([path](FileNameForm& form) {
    form.path = path;
    return true;
  });
}


// :import and :export: the list dialog, then the file dialog.
bool RunDataFile(ConsoleContext& context, const CommandLine& line, bool (*menu)()) {
  if (line.args.size() < 2) return context.Usage(line.word.c_str());
  const std::string name = line.args[0];
  ConsoleUi* ui = &context.ui();
  bool found = true;
  context.Answer<ObjectChoiceForm>([name, ui, &found](ObjectChoiceForm& form) {
    form.selected.clear();
    if (auto index = EntryForName(form.entries, name)) {
      form.selected.push_back(*index);
    } else {
      ui->Error("No matrix or vector named <" + name + "> in the list");
      found = false;
    }
    return true;
  });
  AnswerPath(context, line.RestAfter(1));  // the file name may hold blanks
  return menu() && found;
}

bool RunImport(ConsoleContext& context, const CommandLine& line) {
  return RunDataFile(context, line, MenuImportData);
}

bool RunExport(ConsoleContext& context, const CommandLine& line) {
  return RunDataFile(context, line, MenuExportData);
}

bool RunNew(ConsoleContext& context, const CommandLine& line) {
  if (!line.args.empty()) return context.Usage("new");
  return FileNewCommand();
}

// File names may hold blanks: the argument is the rest of the line.
bool RunOpen(ConsoleContext& context, const CommandLine& line) {
  if (line.rest.empty()) return context.Usage("open");
  AnswerPath(context, line.rest);
  return FileOpenCommand();
}

bool RunSave(ConsoleContext& context, const CommandLine& line) {
  if (line.rest.empty()) {
    if (CurrentWorkspacePath().empty()) return context.Usage("save");
    return FileSaveCommand();
  }
  AnswerPath(context, line.rest);
  return FileSaveAsCommand();
}

bool RunSaveText(ConsoleContext& context, const CommandLine& line) {
  if (line.rest.empty()) return context.Usage("savetext");
  AnswerPath(context, line.rest);
  return SaveWindowTextCommand();
}

}  // namespace

void AddFileCommands(std::vector<ConsoleCommand>& table) {
  table.push_back({"new", "", "File New: delete every object", RunNew});
  table.push_back({"open", "FILE", "File Open (asks whether to delete existing objects)", RunOpen});
  table.push_back({"save", "[FILE]", "File Save As FILE, or Save to the current file", RunSave});
  table.push_back({"import", "NAME FILE", "import data from a text file", RunImport});
  table.push_back({"export", "NAME FILE", "export data to a text file", RunExport});
  table.push_back({"savetext", "FILE", "save the output window text", RunSaveText});
}

}  // namespace tq::cli
