// :inverse, :solve, :moments, :ttest, :ftest, :chisquare, :regression
#include <optional>
#include <string>
#include <vector>

#include "cli/console_commands.h"
#include "commands/entry_names.h"
#include "commands/forms.h"
#include "commands/statistics_forms.h"
#include "commands/statistics_menu_commands.h"
#include "core/object_list.h"
#include "commands/statistics_forms.h"
#include "stats/significance_tests.h"

namespace tq::cli {

namespace {



bool RunInverse(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() != 2) return context.Usage("inverse");
  AnswerOperation(context, {line.args[0]}, line.args[1]);
  return MenuInverse();
}

bool RunSolve(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() != 3) return context.Usage("solve");
  AnswerOperation(context, {line.args[0], line.args[1]}, line.args[2]);
  return MenuSolve();
}

bool RunMoments(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() != 2) return context.Usage("moments");
  AnswerOperation(context, {line.args[0]}, line.args[1]);
  return MenuMoments();
}

bool RunTTest(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() != 4) return context.Usage("ttest");
  const std::string& kind = line.args[3];
  int32_t type = kind == "equal" ? TTEST_EQUAL_VARIANCE
                 : kind == "unequal" ? TTEST_UNEQUAL_VARIANCE
                 : kind == "paired"  ? TTEST_PAIRED
                                     : -1;
  if (type < 0) return context.BadArgument(3, "not equal, unequal or paired");
  AnswerOperation(context, {line.args[0], line.args[1]}, line.args[2]);
  context.Answer<TTestOptionsForm>([type](TTestOptionsForm& form) {
    form.type = type;
    return true;
  });
  return MenuTTest();
}

bool RunFTest(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() != 3) return context.Usage("ftest");
  AnswerOperation(context, {line.args[0], line.args[1]}, line.args[2]);
  return MenuFTest();
}

bool RunChiSquare(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() != 4 && line.args.size() != 5) return context.Usage("chisquare");
  const std::string& kind = line.args[3];
  int32_t type = kind == "expected" ? CHISQUARE_EXPECTED
                 : kind == "observed" ? CHISQUARE_OBSERVED
                                      : -1;
  if (type < 0) return context.BadArgument(3, "not expected or observed");
  std::optional<int> constraints = 0;
  if (line.args.size() == 5 && !(constraints = context.Integer(4))) return false;
  if (*constraints < 0 || *constraints > ChiSquareOptionsForm::kMaxConstraints)
    return context.BadArgument(
        4, "not between 0 and " + std::to_string(ChiSquareOptionsForm::kMaxConstraints));
  AnswerOperation(context, {line.args[0], line.args[1]}, line.args[2]);
  const int32_t chosen = *constraints;
  context.Answer<ChiSquareOptionsForm>([type, chosen](ChiSquareOptionsForm& form) {
    form.type = type;
    form.constraints = chosen;
    return true;
  });
  return MenuChiSquare();
}

// :regression Y OUT X1 [X2 ...] [--save COV RES PRED]
bool RunRegression(ConsoleContext& context, const CommandLine& line) {
  const std::vector<std::string>& args = line.args;
  if (args.size() < 3) return context.Usage("regression");
  std::vector<std::string> xNames;
  size_t i = 2;
  for (; i < args.size() && args[i] != "--save"; ++i) xNames.push_back(args[i]);
  const bool save = i < args.size();
  if (xNames.empty()) return context.BadArgument(2, "at least one X comes before --save");
  if (save && args.size() - i != 4)
    return context.BadArgument(i, "--save takes three names: COV RES PRED");
  std::vector<std::string> extras;
  if (save) extras.assign(args.begin() + std::ptrdiff_t(i) + 1, args.end());

  bool allFound = true;
  ConsoleUi* ui = &context.ui();
  context.Answer<ObjectChoiceForm>([xNames, ui, &allFound](ObjectChoiceForm& form) {
    form.selected.clear();
    for (const std::string& name : xNames) {
      if (auto index = EntryForName(form.entries, name)) {
        form.selected.push_back(*index);
      } else {
        ui->Error("No vector named <" + name + "> in the list");
        allFound = false;
      }
    }
    return true;
  });
  AnswerOperation(context, {args[0]}, args[1]);
  context.Answer<RegressionOutputForm>([save, extras](RegressionOutputForm& form) {
    form.saveExtras = save;
    if (save) {
      form.covariance.text = extras[0];
      form.residuals.text = extras[1];
      form.predictions.text = extras[2];
    }
    return true;
  });
  bool done = MenuRegression();
  return done && allFound;
}

}  // namespace

void AddStatisticsCommands(std::vector<ConsoleCommand>& table) {
  table.push_back({"inverse", "A OUT", "inverse of a square matrix", RunInverse});
  table.push_back({"solve", "A B OUT", "solve the linear system A*x=b", RunSolve});
  table.push_back({"moments", "V OUT", "moments of distribution of a vector", RunMoments});
  table.push_back(
      {"ttest", "A B OUT equal|unequal|paired", "Student's t-test of two vectors", RunTTest});
  table.push_back({"ftest", "A B OUT", "F-test of the variances of two vectors", RunFTest});
  table.push_back({"chisquare", "A B OUT expected|observed [CONSTRAINTS]",
                   "chi-square test of two distributions", RunChiSquare});
  table.push_back({"regression", "Y OUT X1 [X2 ...] [--save COV RES PRED]",
                   "linear regression of Y on the vectors X(i)", RunRegression});
}

}  // namespace tq::cli
