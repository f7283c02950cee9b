// :add, :subtract, :multiply, :transpose
#include <string>
#include <vector>

#include "cli/console_commands.h"
#include "commands/forms.h"
#include "commands/menu_commands.h"

namespace tq::cli {

namespace {


template <bool (*Menu)()>
bool RunTwoSources(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() != 3) return context.Usage(line.word.c_str());
  AnswerOperation(context, {line.args[0], line.args[1]}, line.args[2]);
  return Menu();
}

bool RunTranspose(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() != 2) return context.Usage("transpose");
  AnswerOperation(context, {line.args[0]}, line.args[1]);
  return MenuTranspose();
}

}  // namespace

void AddLinearAlgebraCommands(std::vector<ConsoleCommand>& table) {
  table.push_back({"add", "A B OUT", "add matrices or vectors", RunTwoSources<MenuAdd>});
  table.push_back(
      {"subtract", "A B OUT", "subtract matrices or vectors", RunTwoSources<MenuSubtract>});
  table.push_back(
      {"multiply", "A B OUT", "multiply matrices and vectors", RunTwoSources<MenuMultiply>});
  table.push_back({"transpose", "A OUT", "transpose a matrix", RunTranspose});
}

}  // namespace tq::cli
