// The console's command table: each ":word" line is parsed into arguments
// and runs the desktop command it stands for through the same command code.
#pragma once

#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "cli/console_ui.h"
#include "commands/form_visitor.h"

namespace tq::cli {

// A ":word arg arg ..." line split at blanks; `rest` is the text after the
// command word, for commands whose last argument is free text.
struct CommandLine {
  std::string word;
  std::vector<std::string> args;
  std::string rest;

  // The text after the first `count` arguments.
  std::string RestAfter(size_t count) const;
};

class ConsoleContext;

struct ConsoleCommand {
  const char* name;  // without the colon, lower case
  const char* usage;  // the arguments
  const char* summary;
  bool (*run)(ConsoleContext& context, const CommandLine& line);
};

class ConsoleContext {
 public:
  explicit ConsoleContext(ConsoleUi& ui) : ui_(ui) {}
  ConsoleUi& ui() { return ui_; }

  // The line about to run; refusals name its arguments.
  void Begin(const CommandLine& line);

  // :quit and :exit: no further line runs.
  void RequestQuit() { quit_ = true; }
  bool QuitRequested() const { return quit_; }

  // Answers the next form of type T with `fill`, which returns false to
  // cancel, true to press the form's default button, or the button to press.
  // A form of another type is cancelled.
  template <class T, class Fill>
  void Answer(Fill fill) {
    ui_.QueueForm([fill](Form& form) -> std::optional<ButtonId> {
      T* typed = FormCast<T>(form);
      if (!typed) return std::nullopt;
      if constexpr (std::is_same_v<decltype(fill(*typed)), bool>) {
        if (!fill(*typed)) return std::nullopt;
        return form.defaultButton;
      } else {
        return ButtonId(fill(*typed));
      }
    });
  }

  // Reports bad arguments of `command` and returns false: what is wrong
  // (a missing or extra argument, when the count is the fault), then the
  // usage.
  bool Usage(const ConsoleCommand& command);
  bool Usage(const char* name);
  // Reports that argument `index` (0 first) is wrong and why, then the
  // usage; returns false.
  bool BadArgument(size_t index, const std::string& why);
  // The same for an option word (NAME=VALUE) named by its text.
  bool BadOption(const std::string& text, const std::string& why);

  // Argument `index` as a number or a whole number (see NumberArgument);
  // empty after the report of BadArgument.
  std::optional<double> Number(size_t index);
  std::optional<int> Integer(size_t index);
  // The same for a text that is not one of the line's arguments.
  std::optional<double> Number(const std::string& text, size_t index);
  std::optional<int> Integer(const std::string& text, size_t index);

 private:
  bool BadArgumentText(size_t index, const std::string& shown, const std::string& why);

  ConsoleUi& ui_;
  CommandLine line_;
  bool reported_ = false;  // BadArgument already said what is wrong
  bool quit_ = false;
};

// The list entry a user would pick for `name`: one with exactly that name
// (the entry cut at its first blank), else one matching it ignoring case.
std::optional<size_t> EntryForName(const std::vector<std::string>& entries,
                                   const std::string& name);

// Answers the next operation dialog with the texts of its source lists and
// of its output list.
void AnswerOperation(ConsoleContext& context, std::vector<std::string> sources,
                     std::string output);

// Number arguments: the whole text must be a number.
std::optional<double> ParseNumber(const std::string& text);
std::optional<int> ParseInteger(const std::string& text);

// A number argument of a command: a number, or a constant expression of the
// language ("pi", "1/3", "sqrt(2)*ans") evaluated as the calculator
// evaluates a line, leaving ans, the entry and the history as they were.
// Assignments and statements are refused. Empty with `why` set otherwise.
// Never call it while a program runs: it replaces the compiled function.
std::optional<double> NumberArgument(const std::string& text, std::string* why);
// The same, for a whole number within the range of int.
std::optional<int> IntegerArgument(const std::string& text, std::string* why);

// The table, in the order :help lists it.
const std::vector<ConsoleCommand>& ConsoleCommands();
const ConsoleCommand* FindConsoleCommand(const std::string& word);

// Each subsystem adds its commands.
void AddObjectCommands(std::vector<ConsoleCommand>& table);
void AddLinearAlgebraCommands(std::vector<ConsoleCommand>& table);
void AddUnitCommands(std::vector<ConsoleCommand>& table);
void AddFileCommands(std::vector<ConsoleCommand>& table);
void AddLanguageCommands(std::vector<ConsoleCommand>& table);
void AddNumericCommands(std::vector<ConsoleCommand>& table);
void AddStatisticsCommands(std::vector<ConsoleCommand>& table);
void AddChartCommands(std::vector<ConsoleCommand>& table);

}  // namespace tq::cli
