#include "cli/console_commands.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "commands/calculator_commands.h"
#include "commands/entry_names.h"
#include "commands/forms.h"
#include "core/object_list.h"
#include "core/ui_port.h"

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

namespace {

// The words of a usage text with the brackets taken off, "|" dropped:
// "NAME ROWS COLS [INIT]" gives NAME ROWS COLS INIT.
std::vector<std::string> UsageWords(const std::string& usage, size_t* required, bool* open) {
  std::vector<std::string> words;
  *required = 0;
  *open = usage.find("...") != std::string::npos || usage.find(" | ") != std::string::npos ||
          usage.find("--") != std::string::npos;
  int depth = 0;
  size_t i = 0;
  while (i < usage.size()) {
    while (i < usage.size() && usage[i] == ' ') ++i;
    size_t start = i;
    std::string word;
    int depthAtStart = depth;
    for (; i < usage.size() && usage[i] != ' '; ++i) {
      if (usage[i] == '[') {
        ++depth;
        if (i == start) depthAtStart = depth;
      } else if (usage[i] == ']') {
        --depth;
      } else {
        word += usage[i];
      }
    }
    if (word.empty() || word == "|") continue;
    if (depthAtStart == 0 && words.size() == *required) ++*required;
    words.push_back(word);
  }
  return words;
}

}  // namespace

void ConsoleContext::Begin(const CommandLine& line) {
  line_ = line;
  reported_ = false;
}

bool ConsoleContext::Usage(const ConsoleCommand& command) {
  if (!reported_ && command.name == line_.word) {
    size_t required = 0;
    bool open = false;
    std::vector<std::string> words = UsageWords(command.usage, &required, &open);
    const std::string head = std::string(":") + command.name + ": ";
    if (line_.args.size() < required)
      ui_.Error(head + "argument " + std::to_string(line_.args.size() + 1) + " (" +
                words[line_.args.size()] + ") is missing");
    else if (!open && line_.args.size() > words.size())
      ui_.Error(head + "argument " + std::to_string(words.size() + 1) + " \"" +
                line_.args[words.size()] + "\" is one too many");
    else
      ui_.Error(head + "the arguments do not fit the usage");
  }
  reported_ = false;
  ui_.Error(std::string("usage: :") + command.name + " " + command.usage);
  return false;
}

bool ConsoleContext::BadArgument(size_t index, const std::string& why) {
  return BadArgumentText(index, index < line_.args.size() ? line_.args[index] : std::string(), why);
}

bool ConsoleContext::BadOption(const std::string& text, const std::string& why) {
  return BadArgumentText(std::string::npos, text, why);
}

bool ConsoleContext::BadArgumentText(size_t index, const std::string& shown,
                                     const std::string& why) {
  const ConsoleCommand* command = FindConsoleCommand(line_.word);
  std::string text = ":" + line_.word + ":";
  if (index != std::string::npos) text += " argument " + std::to_string(index + 1);
  if (command && index != std::string::npos) {
    size_t required = 0;
    bool open = false;
    std::vector<std::string> words = UsageWords(command->usage, &required, &open);
    if (index < words.size()) text += " (" + words[index] + ")";
  }
  if (!shown.empty()) text += " \"" + shown + "\"";
  ui_.Error(text + ": " + why);
  if (!command) return false;
  reported_ = true;
  return Usage(*command);
}

std::optional<double> ConsoleContext::Number(const std::string& text, size_t index) {
  std::string why;
  std::optional<double> value = NumberArgument(text, &why);
  if (!value) BadArgumentText(index, text, why);
  return value;
}

std::optional<int> ConsoleContext::Integer(const std::string& text, size_t index) {
  std::string why;
  std::optional<int> value = IntegerArgument(text, &why);
  if (!value) BadArgumentText(index, text, why);
  return value;
}

std::optional<double> ConsoleContext::Number(size_t index) {
  return Number(index < line_.args.size() ? line_.args[index] : std::string(), index);
}

std::optional<int> ConsoleContext::Integer(size_t index) {
  return Integer(index < line_.args.size() ? line_.args[index] : std::string(), index);
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

namespace {

// Records what the calculator shows while it evaluates an argument, and
// passes the cancel poll on to the console.
class ArgumentUi : public UiPort {
 public:
  explicit ArgumentUi(UiPort* outer) : outer_(outer) {}
  void Output(std::string_view) override {}
  void ShowMessage(std::string_view text) override {
    if (message.empty()) message = text;
  }
  bool AskYesNo(std::string_view text) override {
    return outer_ ? outer_->AskYesNo(text) : false;
  }
  DialogResult RunDialog(Dialog&) override { return DialogResult::kCancelled; }
  bool CancelRequested() override { return outer_ && outer_->CancelRequested(); }
  std::string message;

 private:
  UiPort* outer_;
};

// The lines of a calculator message, without the echo of the text and the
// closing advice, on one line.
std::string MessageReason(const std::string& message, const std::string& text) {
  std::string reason;
  size_t from = 0;
  while (from <= message.size()) {
    size_t end = message.find('\n', from);
    if (end == std::string::npos) end = message.size();
    std::string part = message.substr(from, end - from);
    while (!part.empty() && part.back() == ' ') part.pop_back();
    while (!part.empty() && part.front() == ' ') part.erase(0, 1);
    if (!part.empty() && part != text && part != "Please correct error and try again.")
      reason += (reason.empty() ? "" : "; ") + part;
    from = end + 1;
  }
  return reason;
}

// A single "=" stores into a variable; "==", "!=", "<=" and ">=" compare.
bool HasAssignment(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '=') continue;
    if (i + 1 < text.size() && text[i + 1] == '=') {
      ++i;
      continue;
    }
    if (i > 0 && (text[i - 1] == '!' || text[i - 1] == '<' || text[i - 1] == '>')) continue;
    return true;
  }
  return false;
}

bool HasStatementWord(const std::string& text) {
  std::string lowered = text;
  for (char& c : lowered) c = char(std::tolower(static_cast<unsigned char>(c)));
  for (const char* word : {"input", "output", "print"}) {
    for (size_t at = lowered.find(word); at != std::string::npos;
         at = lowered.find(word, at + 1)) {
      auto nameChar = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
      size_t end = at + std::strlen(word);
      if ((at == 0 || !nameChar(lowered[at - 1])) && (end == lowered.size() || !nameChar(lowered[end])))
        return true;
    }
  }
  return false;
}

}  // namespace

std::optional<double> NumberArgument(const std::string& text, std::string* why) {
  if (std::optional<double> plain = ParseNumber(text)) return plain;
  if (text.empty()) {
    *why = "empty";
    return std::nullopt;
  }
  if (HasAssignment(text) || text.find_first_of(";\"$") != std::string::npos ||
      HasStatementWord(text)) {
    *why = "not a number or a constant expression";
    return std::nullopt;
  }
  // The calculator's own Enter, with its reports kept away from the output
  // window and its state put back.
  const CalculatorState saved = Calculator();
  UiPort* outer = CurrentUi();
  ArgumentUi quiet(outer);
  SetCurrentUi(&quiet);
  Calculator().entry = text;
  const bool done = EvaluateEntry();
  const double value = Calculator().ans;
  SetCurrentUi(outer);
  Calculator() = saved;
  if (!done) {
    std::string reason = MessageReason(quiet.message, text);
    *why = reason.empty() ? "not a number" : reason;
    return std::nullopt;
  }
  return value;
}

std::optional<int> IntegerArgument(const std::string& text, std::string* why) {
  if (std::optional<int> plain = ParseInteger(text)) return plain;
  std::optional<double> value = NumberArgument(text, why);
  if (!value) return std::nullopt;
  if (!(*value >= INT_MIN && *value <= INT_MAX) || *value != std::trunc(*value)) {
    *why = "not a whole number";
    return std::nullopt;
  }
  return int(*value);
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

bool RunQuit(ConsoleContext& context, const CommandLine& line) {
  if (!line.args.empty()) return context.Usage(line.word.c_str());
  context.RequestQuit();
  return true;
}

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
  table.push_back({"quit", "", "end the session (also :exit)", RunQuit});
  table.push_back({"exit", "", "end the session (also :quit)", RunQuit});
  return table;
}

bool RunHelp(ConsoleContext& context, const CommandLine&) {
  std::string text =
      "Lines: a calculator entry, or a :command. Empty lines and lines starting with # are "
      "ignored.\r\n"
      "Number arguments take constant expressions of the language (pi, 1/3, sqrt(2)); ans is "
      "left unchanged.\r\n";
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
