// Evaluating one function at many points gives exactly what EvaluateAt
// gives point by point: the same values, statuses and texts.
#include <cmath>
#include <cstring>
#include <vector>

#include "core/user_cancel.h"
#include "lang/fast_form.h"
#include "lang/function_checks.h"
#include "lang_test.h"

namespace tq::testing {
namespace {

class BatchEvaluationTest : public LangTest {
 protected:
  void CompileAnalysed(const std::string& body) {
    DeleteObjectByName("f");
    AddFunction("f", body);
    ASSERT_EQ(CheckFunctionForAnalysis("f"), 0) << body;
  }

  // Compares the batch with EvaluateAt at every point, bit for bit.
  void ExpectSameAsPointByPoint(const std::string& body, const std::vector<double>& xs) {
    CompileAnalysed(body);
    std::vector<double> expected(xs.size());
    std::vector<int32_t> expectedStatus(xs.size());
    std::vector<std::string> expectedText(xs.size());
    for (size_t i = 0; i < xs.size(); ++i)
      expected[i] = EvaluateAt(xs[i], expectedStatus[i], expectedText[i]);
    std::vector<double> values(xs.size());
    std::vector<int32_t> statuses(xs.size(), 99);
    std::vector<PointFailure> failures;
    size_t failed = EvaluateAtPoints(xs.data(), values.data(), statuses.data(), xs.size(), &failures);
    size_t expectedFailed = 0;
    for (size_t i = 0; i < xs.size(); ++i) {
      EXPECT_EQ(statuses[i], expectedStatus[i]) << body << " at " << xs[i];
      if (expectedStatus[i] == 0)
        EXPECT_EQ(std::memcmp(&values[i], &expected[i], sizeof(double)), 0) << body << " at " << xs[i];
      else
        ++expectedFailed;
    }
    ASSERT_EQ(failed, expectedFailed) << body;
    ASSERT_EQ(failures.size(), expectedFailed);
    for (const PointFailure& failure : failures)
      EXPECT_EQ(failure.text, expectedText[failure.index]) << body;
  }

  static std::vector<double> Grid(double from, double to, size_t count) {
    std::vector<double> xs(count);
    for (size_t i = 0; i < count; ++i) xs[i] = from + (to - from) * double(i) / double(count - 1);
    return xs;
  }
};

TEST_F(BatchEvaluationTest, SameValuesAsTheByteCode) {
  AddVariable("k", 1.5);
  const char* bodies[] = {
      "x^2", "sin(x)*x^2+3*x-1/(x+2)", "sqrt(abs(x))*exp(-x*x/2)+cos(3*x)",
      "((((x+1)*x-2)*x+3)*x-4)*x+5", "x^3-x/3+k*x-2^x", "-x^2", "2^-x", "(x>1)&(x<3)|!(x==2)",
      "x>=0", "x<=0", "x!=1", "int(x*3)", "gamma(x+20)", "frenc(x)+frens(x)", "loggamma(x+10)",
      "f = x\nx*2", "pi*x-k/4", "x/2-(x-1)/0.5", "k^x", "x^k",
  };
  for (const char* body : bodies) ExpectSameAsPointByPoint(body, Grid(-5, 5, 1001));
}

TEST_F(BatchEvaluationTest, FailingPointsGetTheirOwnStatusAndText) {
  std::vector<double> xs = Grid(-2, 2, 601);  // holds 0 exactly
  xs[17] = 0.0;
  ExpectSameAsPointByPoint("1/x", xs);
  ExpectSameAsPointByPoint("ln(x)", xs);
  ExpectSameAsPointByPoint("sqrt(x)", xs);
  ExpectSameAsPointByPoint("1/(x-1)", xs);
  ExpectSameAsPointByPoint("gamma(x)", xs);
  ExpectSameAsPointByPoint("x*1e308*10", xs);
  AddVariable("inf", INFINITY);
  ExpectSameAsPointByPoint("x+inf", xs);
  // Batches of one point, failing and not.
  ExpectSameAsPointByPoint("1/x", {0.0});
  ExpectSameAsPointByPoint("1/x", {2.0});
}

TEST_F(BatchEvaluationTest, ProgramsWithSideEffectsRunPointByPoint) {
  AddVariable("count", 0);
  CompileAnalysed("count=count+1\nx");
  EXPECT_FALSE(lang::HasFastForm());
  std::vector<double> xs = Grid(0, 1, 300), values(300);
  std::vector<int32_t> statuses(300);
  EXPECT_EQ(EvaluateAtPoints(xs.data(), values.data(), statuses.data(), xs.size()), 0u);
  EXPECT_EQ(FindObjectAs<VariableObject>("count", OBJMASK_VARIABLE)->value, 300);
  CompileAnalysed("x+rand()");
  EXPECT_FALSE(lang::HasFastForm());
}

TEST_F(BatchEvaluationTest, UserStopEndsTheRemainingPoints) {
  CompileAnalysed("x");
  ui.RequestCancelAtPoll(9);  // 8 front-end polls per batch of 256
  ui.AnswerQuestions({true});
  std::vector<double> xs = Grid(0, 1, 1000), values(1000);
  std::vector<int32_t> statuses(1000);
  std::vector<PointFailure> failures;
  size_t failed = EvaluateAtPoints(xs.data(), values.data(), statuses.data(), xs.size(), &failures);
  EXPECT_EQ(UserCancelled, 1);
  EXPECT_EQ(failed, 1000u - 256u);  // the second batch is stopped
  EXPECT_EQ(statuses[255], 0);
  EXPECT_EQ(statuses[256], -1);
  EXPECT_EQ(failures.front().text, "Calculation terminated by user");
}

}  // namespace
}  // namespace tq::testing
