#include "cli/console_commands.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "commands/entry_names.h"
#include "commands/forms.h"
#include "core/object_list.h"

namespace tq::cli {

std::string CommandLine::RestAfter(size_t count) const {
  size_t at = 0;
  for (size_t i = 0; i < count; ++i) {
    at = rest.find_first_not_of(" \t", at);
    if (at == std::string::npos) return {};
    at = rest.find_first_of(" \t", at);
    if (at == std::string::npos) return {};
  }
  at = rest.find_first_not_of(" \t", at);
  return at == std::string::npos ? std::string() : rest.substr(at);
}

bool ConsoleContext::Usage(const ConsoleCommand& command) {
  ui_.Error(std::string("usage: :") + command.name + " " + command.usage);
  return false;
}

bool ConsoleContext::Usage(const char* name) {
  if (const ConsoleCommand* command = FindConsoleCommand(name)) return Usage(*command);
  return false;
}

std::optional<size_t> EntryForName(const std::vector<std::string>& entries,
                                   const std::string& name) {
  std::optional<size_t> folded;
  for (size_t i = 0; i < entries.size(); ++i) {
    std::string entryName = entries[i];
    CutAtFirstBlank(entryName);
    if (entryName == name) return i;
    if (!folded && NamesEqualIgnoringCase(entryName, name)) folded = i;
  }
  return folded;
}

void AnswerOperation(ConsoleContext& context, std::vector<std::string> sources,
                     std::string output) {
  context.Answer<OperationForm>([sources, output](OperationForm& form) {
    if (form.sources.size() != sources.size()) return false;
    for (size_t i = 0; i < sources.size(); ++i) form.sources[i].text = sources[i];
    form.output.text = output;
    return true;
  });
}

std::optional<double> ParseNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size()) return std::nullopt;
  return value;
}

std::optional<int> ParseInteger(const std::string& text) {
  if (text.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  long value = std::strtol(text.c_str(), &end, 10);
  if (end != text.c_str() + text.size() || errno == ERANGE || value < INT_MIN || value > INT_MAX)
    return std::nullopt;
  return int(value);
}

namespace {

bool RunHelp(ConsoleContext& context, const CommandLine&);

std::vector<ConsoleCommand> BuildTable() {
  std::vector<ConsoleCommand> table;
  AddObjectCommands(table);
  AddLinearAlgebraCommands(table);
  AddUnitCommands(table);
  AddFileCommands(table);
  AddLanguageCommands(table);
  AddNumericCommands(table);
  AddStatisticsCommands(table);
  AddChartCommands(table);
  table.push_back({"help", "", "this list of commands", RunHelp});
  return table;
}

bool RunHelp(ConsoleContext& context, const CommandLine&) {
  std::string text =
      "Lines: a calculator entry, or a :command. Empty lines and lines starting with # are "
      "ignored.\r\n";
  for (const ConsoleCommand& command : ConsoleCommands()) {
    std::string head = std::string(":") + command.name;
    if (*command.usage) head += std::string(" ") + command.usage;
    text += head;
    text += head.size() < 40 ? std::string(40 - head.size(), ' ') : std::string("  ");
    text += command.summary;
    text += "\r\n";
  }
  context.ui().Output(text);
  return true;
}

}  // namespace

const std::vector<ConsoleCommand>& ConsoleCommands() {
  static const std::vector<ConsoleCommand> table = BuildTable();
  return table;
}

const ConsoleCommand* FindConsoleCommand(const std::string& word) {
  std::string lowered = word;
  for (char& c : lowered) c = char(std::tolower(static_cast<unsigned char>(c)));
  for (const ConsoleCommand& command : ConsoleCommands())
    if (lowered == command.name) return &command;
  return nullptr;
}

}  // namespace tq::cli
