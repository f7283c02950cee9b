// Intervals the engines cannot grid, and a confirmed stop of a search.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "core/user_cancel.h"
#include "lang/function_checks.h"
#include "numeric/extremum_search.h"
#include "numeric/integration.h"
#include "numeric/root_finding.h"
#include "support/numeric_dialogs.h"
#include "support/workbench_test.h"

namespace tq::testing {
namespace {

using SearchLimitsTest = WorkbenchTest;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr const char* kNotFinite = "Invalid arguments. \nLimits of interval must be finite values.";
constexpr const char* kTooWide =
    "Invalid arguments. \nInterval is too wide. \nDecrease difference between upper and lower "
    "limits of interval.";

TEST_F(SearchLimitsTest, EveryEngineRefusesAnIntervalItCannotGrid) {
  Function("f", "x*x-2");
  std::string checkMessage;
  ASSERT_EQ(CheckFunctionForAnalysis("f", checkMessage), 0);
  const struct {
    double lower, upper;
    const char* message;
  } rows[] = {
      {-kInf, kInf, kNotFinite},
      {-1, kInf, kNotFinite},
      {-kInf, 1, kNotFinite},
      {-1e308, 1e308, kTooWide},  // the width overflows
      {-8e307, 8e307, nullptr},   // the widest usable interval
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.upper);
    if (!row.message) {
      EXPECT_EQ(FindRoots(row.lower, row.upper, 10, 100, 1e-12), 1.0);
      EXPECT_EQ(FindMinimums(row.lower, row.upper, 10, 100, 1e-12), 1.0);
      continue;
    }
    const std::string expected = std::string(row.message) + "\n";
    ResetOperationStatus();
    EXPECT_EQ(FindRoots(row.lower, row.upper, 10, 100, 1e-12), 0.0);
    EXPECT_EQ(Message(), expected);
    ResetOperationStatus();
    EXPECT_EQ(FindMinimums(row.lower, row.upper, 10, 100, 1e-12), 0.0);
    EXPECT_EQ(Message(), expected);
    ResetOperationStatus();
    EXPECT_EQ(FindMaximums(row.lower, row.upper, 10, 100, 1e-12), 0.0);
    EXPECT_EQ(Message(), expected);
    ResetOperationStatus();
    double result = 1.0;
    IntegralFailure failure;
    EXPECT_EQ(Integrate(row.lower, row.upper, 1e-10, 1e-10, result, failure), 0);
    EXPECT_EQ(Message(), expected);
  }
}

// The order of the checks: a reversed interval is refused as before.
TEST_F(SearchLimitsTest, ReversedInfiniteLimitsKeepTheFirstMessage) {
  EXPECT_EQ(FindRoots(kInf, -kInf, 10, 100, 1e-12), 0.0);
  EXPECT_EQ(Message(),
            "Invalid arguments. \nUpper limit of interval must be greater than lower limit.\n");
}

TEST_F(SearchLimitsTest, TheRootsDialogShowsTheRefusalAndStaysOpen) {
  Function("f", "x*x-2");
  AnswerSearch(ui, "f", -kInf, kInf, 10);
  EXPECT_FALSE(SearchCommand(SearchKind::kRoots));
  EXPECT_EQ(ui.messages, std::vector<std::string>{std::string("Error:\n") + kNotFinite + "\n"});
  EXPECT_EQ(ui.output.find("roots found"), std::string::npos) << ui.output;
}

// A function that runs long: a stop confirmed in its first evaluation ends
// the scan there, without a second evaluation to wait for.
constexpr const char* kSlowBody = "i=0\nwhile (i<20000)\ni=i+1\nend\nx*x";

TEST_F(SearchLimitsTest, AStopInTheFirstEvaluationEndsEachSearchAtOnce) {
  for (SearchKind kind : {SearchKind::kMinimums, SearchKind::kMaximums, SearchKind::kRoots}) {
    SCOPED_TRACE(int(kind));
    ui = ScriptedUi{};
    Function("slow", kSlowBody);
    AnswerSearch(ui, "slow", -1, 1, 10, 1e-12, false);
    ui.RequestCancelAtPoll(1);
    ui.AnswerQuestions({true});
    EXPECT_FALSE(SearchCommand(kind));
    EXPECT_EQ(ui.polls, 1);
    EXPECT_EQ(ui.questions, std::vector<std::string>{kStopQuestion});
    EXPECT_NE(ui.output.find("Calculation terminated by user\r\n"), std::string::npos) << ui.output;
    EXPECT_EQ(Core().userCancelled, 1);
  }
}

// A stop answered No lets the search complete.
TEST_F(SearchLimitsTest, AStopAnsweredNoLetsTheSearchComplete) {
  Function("slow", kSlowBody);
  AnswerSearch(ui, "slow", -1, 1, 3, 1e-12, false);
  ui.RequestCancelAtPoll(1);
  ui.AnswerQuestions({false});
  EXPECT_TRUE(SearchCommand(SearchKind::kMinimums));
  EXPECT_NE(ui.output.find("Completed\r\n1 minimum found\r\n"), std::string::npos) << ui.output;
}

// A stop during the refinement of a bracket reports nothing for it.
TEST_F(SearchLimitsTest, AStopWhileABracketIsExaminedReportsNothingMore) {
  Function("slow", kSlowBody);
  std::string checkMessage;
  ASSERT_EQ(CheckFunctionForAnalysis("slow", checkMessage), 0);
  int32_t status = 0;
  std::string errorText;
  EvaluateAt(0.5, status, errorText);
  const int perEvaluation = ui.polls;
  ASSERT_GT(perEvaluation, 2);
  ui = ScriptedUi{};
  // Grid -1, -0.5, 0, 0.5, 1: the bracket around 0 is refined after the
  // third evaluation, so this poll falls in the refinement.
  AnswerSearch(ui, "slow", -1, 1, 3, 1e-12, false);
  ui.RequestCancelAtPoll(3 * perEvaluation + perEvaluation / 2);
  ui.AnswerQuestions({true});
  EXPECT_FALSE(SearchCommand(SearchKind::kMinimums));
  EXPECT_EQ(ui.output.find("minimum  x="), std::string::npos) << ui.output;
  EXPECT_EQ(ui.output.find("discontinuity"), std::string::npos) << ui.output;
  EXPECT_NE(ui.output.find("Calculation terminated by user\r\n0 minimums found\r\n"),
            std::string::npos)
      << ui.output;
}

}  // namespace
}  // namespace tq::testing
