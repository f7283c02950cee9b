// Calculator lines and :function, :describe, :compile, :execute, :inputs,
// :var. While a program runs, its output statements wait for Enter (or s to
// stop) on a terminal and continue in a script; its input statements ask
// for each field on a terminal and take the :inputs queue otherwise.
#include <deque>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/console_commands.h"
#include "cli/language_console.h"
#include "commands/calculator_commands.h"
#include "commands/function_commands.h"
#include "commands/language_forms.h"
#include "commands/program_dialogs.h"
#include "commands/variable_commands.h"
#include "core/object_list.h"
#include "core/string_format.h"
#include "lang/program_io.h"

namespace tq::cli {

namespace {

// Reads one line from the terminal; false at the end of input.
bool ReadReply(std::string& reply) { return bool(std::getline(std::cin, reply)); }

// The console's program I/O while the language runs: output waits for
// Enter on a terminal, input reads the terminal or the :inputs queue; the
// question of an input list without variables is the dialogs' own.
class ProgramConsoleIo : public FormProgramIo {
 public:
  explicit ProgramConsoleIo(ConsoleUi& ui) : ui_(ui), previous_(lang::CurrentProgramIo()) {
    lang::SetProgramIo(this);
  }
  ~ProgramConsoleIo() override { lang::SetProgramIo(previous_); }
  ProgramConsoleIo(const ProgramConsoleIo&) = delete;
  ProgramConsoleIo& operator=(const ProgramConsoleIo&) = delete;

  // The output text is already in the report; Enter continues, s stops.
  bool ShowOutput(const std::string&) override {
    if (!ui_.interactive()) return true;
    std::fflush(stdout);
    std::fputs("Program message: Enter to continue, s to stop ", stderr);
    std::fflush(stderr);
    std::string reply;
    if (!ReadReply(reply)) return false;
    return TrimBlanks(reply) != "s";
  }

  bool ReadInput(lang::ProgramInput& form) override {
    if (form.fieldCount == 0) return ConfirmInputWithoutVariables();
    if (!ui_.interactive()) {
      for (int k = 0; k < form.fieldCount; ++k) {
        if (ui_.queuedInputs().empty()) {
          ui_.Error("No value queued with :inputs for the program's input statement");
          return false;
        }
        form.values[k] = ui_.queuedInputs().front();
        ui_.queuedInputs().pop_front();
      }
      return true;
    }
    std::fflush(stdout);
    if (!form.prompt.empty()) std::fprintf(stderr, "%s\n", form.prompt.c_str());
    for (int k = 0; k < form.fieldCount; ++k) {
      for (;;) {
        std::string label = form.labels[k].empty() ? StringPrintf("Value %d", k + 1) : form.labels[k];
        std::fprintf(stderr, "%s [%.12G] (s to stop): ", label.c_str(), form.values[k]);
        std::fflush(stderr);
        std::string reply;
        if (!ReadReply(reply)) return false;
        reply = TrimBlanks(reply);
        if (reply == "s") return false;
        if (reply.empty()) break;
        if (auto value = ParseNumber(reply)) {
          form.values[k] = *value;
          break;
        }
        std::fputs("Please type a number.\n", stderr);
      }
    }
    return true;
  }

 private:
  ConsoleUi& ui_;
  lang::ProgramIo* previous_;
};

FunctionObject* FindFunction(const std::string& name) {
  return FindObjectAs<FunctionObject>(name, OBJMASK_FUNCTION);
}

// The two characters \n stand for a line end, except inside a string, where
// they stay the escape that output and print statements understand.
std::string BodyWithLineEnds(const std::string& text) {
  std::string body;
  bool inString = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') inString = !inString;
    if (!inString && text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
      body += '\n';
      ++i;
    } else {
      body += text[i];
    }
  }
  return body;
}

bool RunFunction(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() < 2) return context.Usage("function");
  std::string name = line.args[0];
  std::string body = BodyWithLineEnds(line.RestAfter(1));
  if (FunctionObject* existing = FindFunction(name)) {
    std::string description = existing->description;
    context.Answer<FunctionEditForm>([body, description](FunctionEditForm& form) {
      form.body = body;
      form.description = description;
      return true;
    });
    return EditFunctionButton({existing->name});
  }
  context.Answer<FunctionEditForm>([name, body](FunctionEditForm& form) {
    form.name = name;
    form.body = body;
    return true;
  });
  return CreateFunctionButton();
}

bool RunDescribe(ConsoleContext& context, const CommandLine& line) {
  if (line.args.empty()) return context.Usage("describe");
  FunctionObject* function = FindFunction(line.args[0]);
  if (!function) {
    context.ui().Error("No function named <" + line.args[0] + ">");
    return false;
  }
  std::string description = line.RestAfter(1);
  context.Answer<FunctionEditForm>([description](FunctionEditForm& form) {
    form.description = description;
    return true;
  });
  return EditFunctionButton({function->name});
}

// The dialog's list holds only functions: a name no function bears selects
// nothing.
bool RunCompile(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() != 1) return context.Usage("compile");
  FunctionObject* function = FindFunction(line.args[0]);
  if (!function) return CompileFunctionButton({});
  return CompileFunctionButton({function->name});
}

// The item bound to the function of this name (an exact match first), found
// by the full name, not by the item's text, which may be cut.
std::optional<size_t> MenuItemForName(const std::vector<std::string>& names, const std::string& name) {
  std::optional<size_t> folded;
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] == name) return i;
    if (!folded && NamesEqualIgnoringCase(names[i], name)) folded = i;
  }
  return folded;
}

bool RunExecute(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() != 1) return context.Usage("execute");
  std::string name = line.args[0];
  bool found = true;
  ConsoleUi* ui = &context.ui();
  context.Answer<ExecuteMenuForm>([name, ui, &found](ExecuteMenuForm& form) {
    if (auto item = MenuItemForName(form.names, name)) {
      form.chosen = int(*item);
      return true;
    }
    ui->Error("No function named <" + name + "> in the Execute menu");
    found = false;
    return false;
  });
  ProgramConsoleIo io(context.ui());
  return ExecuteFunctionMenuCommand() && found;
}

bool RunInputs(ConsoleContext& context, const CommandLine& line) {
  if (line.args.empty()) {
    context.ui().queuedInputs().clear();
    return true;
  }
  std::vector<double> values;
  for (size_t i = 0; i < line.args.size(); ++i) {
    auto value = context.Number(i);
    if (!value) return false;
    values.push_back(*value);
  }
  context.ui().queuedInputs().insert(context.ui().queuedInputs().end(), values.begin(), values.end());
  return true;
}

// The Variables dialog lists only variables, sorted: the names select their
// entries, which are deleted in the list's order; a name that is not in the
// list is refused and fails the line.
bool DeleteVariables(ConsoleContext& context, const std::vector<std::string>& names) {
  const std::vector<std::string> entries = VariableListEntries();
  std::vector<bool> chosen(entries.size(), false);
  bool allFound = true;
  for (const std::string& name : names) {
    if (auto index = EntryForName(entries, name)) {
      chosen[*index] = true;
    } else {
      context.ui().Error("No variable named <" + name + "> in the list");
      allFound = false;
    }
  }
  std::vector<std::string> selected;
  for (size_t i = 0; i < entries.size(); ++i)
    if (chosen[i]) selected.push_back(entries[i]);
  return DeleteVariablesCommand(selected) && allFound;
}

bool RunVar(ConsoleContext& context, const CommandLine& line) {
  if (line.args.empty()) {
    for (const std::string& entry : VariableListEntries()) context.ui().Output(entry + "\r\n");
    return true;
  }
  if (line.args[0] == "-d") {
    if (line.args.size() < 2) return context.Usage("var");
    return DeleteVariables(context, std::vector<std::string>(line.args.begin() + 1, line.args.end()));
  }
  if (line.args.size() > 2) return context.Usage("var");
  // Without a value the dialog's own starts stand: the variable's value, or 0.
  std::optional<double> value;
  if (line.args.size() == 2) {
    value = context.Number(1);
    if (!value) return false;
  }
  std::string name = line.args[0];
  if (auto* variable = FindObjectAs<VariableObject>(name, OBJMASK_VARIABLE)) {
    context.Answer<EditVariableForm>([value](EditVariableForm& form) {
      if (value) form.value = *value;
      return true;
    });
    return EditVariableCommand({variable->name});
  }
  context.Answer<CreateVariableForm>([name, value](CreateVariableForm& form) {
    form.name = name;
    if (value) form.initial = *value;
    return true;
  });
  return CreateVariableCommand();
}

}  // namespace

bool RunCalculatorLine(ConsoleUi& ui, const std::string& text) {
  ProgramConsoleIo io(ui);
  Calculator().entry = text;
  Calculator().modified = true;
  return EvaluateEntry();
}

void AddLanguageCommands(std::vector<ConsoleCommand>& table) {
  table.push_back({"function", "NAME BODY",
                   "create a function or program, or replace its body (\\n or ; ends a line)",
                   RunFunction});
  table.push_back({"describe", "NAME TEXT", "set a function's description", RunDescribe});
  table.push_back({"compile", "NAME", "compile a function (Compile button)", RunCompile});
  table.push_back({"execute", "NAME", "run a program at x = ans (Execute function menu)", RunExecute});
  table.push_back({"inputs", "[V...]", "queue values for input statements in scripts (none: clear)",
                   RunInputs});
  table.push_back({"var", "[NAME [VALUE] | -d NAME...]",
                   "list, create or set, or delete variables", RunVar});
}

}  // namespace tq::cli
