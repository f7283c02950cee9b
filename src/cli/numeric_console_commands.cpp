// :roots, :minimums, :maximums, :integral, :compute
#include <optional>
#include <string>
#include <vector>

#include "cli/console_commands.h"
#include "commands/compute_dialog.h"
#include "commands/search_commands.h"

namespace tq::cli {

namespace {

// The arguments of a search: numbers after the function, then the options.
struct SearchArguments {
  std::string function;
  std::vector<double> numbers;
  std::optional<bool> save;  // --save or --nosave
  std::string pointsName, valuesName;
};

// Empty after a report.
std::optional<SearchArguments> ParseSearch(ConsoleContext& context, const CommandLine& line,
                                           size_t maxNumbers) {
  SearchArguments out;
  if (line.args.size() < 3) {
    context.Usage(line.word.c_str());
    return std::nullopt;
  }
  out.function = line.args[0];
  size_t i = 1;
  for (; i < line.args.size() && line.args[i].rfind("--", 0) != 0; ++i) {
    if (out.numbers.size() == maxNumbers) {
      context.BadArgument(i, "one number too many");
      return std::nullopt;
    }
    std::optional<double> number = context.Number(i);
    if (!number) return std::nullopt;
    out.numbers.push_back(*number);
  }
  if (out.numbers.size() < 2) {
    context.BadArgument(i, "LOWER and UPPER must come first");
    return std::nullopt;
  }
  if (i < line.args.size()) {
    if (line.args[i] == "--nosave" && i + 1 == line.args.size()) {
      out.save = false;
    } else if (line.args[i] == "--save" && i + 3 == line.args.size()) {
      out.save = true;
      out.pointsName = line.args[i + 1];
      out.valuesName = line.args[i + 2];
    } else {
      context.BadArgument(i, "expected --save R FR or --nosave at the end");
      return std::nullopt;
    }
  }
  return out;
}

std::optional<int32_t> WholeNumber(double value) {
  if (value != static_cast<double>(static_cast<int64_t>(value)) || value < -2147483648.0 ||
      value > 2147483647.0)
    return std::nullopt;
  return static_cast<int32_t>(value);
}

bool RunSearch(ConsoleContext& context, const CommandLine& line, SearchKind kind) {
  std::optional<SearchArguments> args = ParseSearch(context, line, 5);
  if (!args) return false;
  std::optional<int32_t> intervals, iterations;
  if (args->numbers.size() > 2 && !(intervals = WholeNumber(args->numbers[2])))
    return context.BadArgument(3, "not a whole number");
  if (args->numbers.size() > 4 && !(iterations = WholeNumber(args->numbers[4])))
    return context.BadArgument(5, "not a whole number");
  SearchArguments filled = *args;
  context.Answer<SearchForm>([filled, intervals, iterations](SearchForm& form) {
    form.function = filled.function;
    form.lower = filled.numbers[0];
    form.upper = filled.numbers[1];
    if (intervals) form.intervals = *intervals;
    if (filled.numbers.size() > 3) form.tolerance = filled.numbers[3];
    if (iterations) form.maxIterations = *iterations;
    return true;
  });
  context.Answer<OutputOptionsForm>([filled](OutputOptionsForm& form) {
    if (filled.save) form.save = *filled.save;
    if (!filled.pointsName.empty()) {
      form.pointsName = filled.pointsName;
      form.valuesName = filled.valuesName;
    }
    return true;
  });
  return SearchCommand(kind);
}

bool RunRoots(ConsoleContext& context, const CommandLine& line) {
  return RunSearch(context, line, SearchKind::kRoots);
}
bool RunMinimums(ConsoleContext& context, const CommandLine& line) {
  return RunSearch(context, line, SearchKind::kMinimums);
}
bool RunMaximums(ConsoleContext& context, const CommandLine& line) {
  return RunSearch(context, line, SearchKind::kMaximums);
}

bool RunIntegral(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() < 3 || line.args.size() > 5) return context.Usage("integral");
  std::vector<double> numbers;
  for (size_t i = 1; i < line.args.size(); ++i) {
    std::optional<double> number = context.Number(i);
    if (!number) return false;
    numbers.push_back(*number);
  }
  std::string function = line.args[0];
  context.Answer<IntegralForm>([function, numbers](IntegralForm& form) {
    form.function = function;
    form.lower = numbers[0];
    form.upper = numbers[1];
    if (numbers.size() > 2) form.absTolerance = numbers[2];
    if (numbers.size() > 3) form.relTolerance = numbers[3];
    return true;
  });
  return IntegralCommand();
}

bool RunCompute(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() != 3) return context.Usage("compute");
  std::vector<std::string> args = line.args;
  context.Answer<ComputeForm>([args](ComputeForm& form) {
    form.source.text = args[0];
    form.function.text = args[1];
    form.output.text = args[2];
    return true;
  });
  return MenuComputeForAllElements();
}

constexpr const char* kSearchUsage =
    "F LOWER UPPER [INTERVALS [TOLERANCE [MAXITER]]] [--save R FR | --nosave]";

}  // namespace

void AddNumericCommands(std::vector<ConsoleCommand>& table) {
  table.push_back({"roots", kSearchUsage, "find roots of f(x)=0", RunRoots});
  table.push_back({"minimums", kSearchUsage, "find minimums of f(x)", RunMinimums});
  table.push_back({"maximums", kSearchUsage, "find maximums of f(x)", RunMaximums});
  table.push_back(
      {"integral", "F LOWER UPPER [ABSTOL [RELTOL]]", "calculate the integral of f(x)", RunIntegral});
  table.push_back({"compute", "SRC F OUT", "compute f(x) for all elements of a matrix or vector",
                   RunCompute});
}

}  // namespace tq::cli
