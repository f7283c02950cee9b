// Compiling a function by name with its messages, the usage checks, and
// evaluation with faults detected, point by point and in batches (which give
// exactly what EvaluateAt gives: the same values, statuses and texts).
#include <cmath>
#include <cstring>
#include <vector>

#include "core/operation_status.h"
#include "core/ui_port.h"
#include "core/user_cancel.h"
#include "lang/fast_form.h"
#include "lang/function_checks.h"
#include "lang/function_objects.h"
#include "lang/lang_state.h"
#include "support/workbench_test.h"

namespace tq::testing {
namespace {

class FunctionChecksTest : public testing::WorkbenchTest {
 private:
  int32_t Shown(int32_t result) {
    if (result != 0 && !message_.empty()) ShowMessage(message_);
    return result;
  }
  std::string message_;

 protected:
  // Each runs a check and shows its message as the commands do; the
  // elements check asks its question when the function does not use x.
  int32_t ByName(std::string name) { return Shown(CompileFunctionByName(name, message_)); }
  int32_t Analysis(const std::string& name) {
    return Shown(CheckFunctionForAnalysis(name, message_));
  }
  int32_t Elements(const std::string& name) {
    int32_t result = CheckFunctionForElements(name, message_);
    if (result == kFunctionWithoutX) return AskYesNo(message_) ? 0 : -1;
    return Shown(result);
  }
  void Check(const std::string& body) {
    DeleteObjectByName("f");
    Function("f", body);
    ASSERT_EQ(Analysis("f"), 0);
  }
  // Compares the batch with EvaluateAt at every point, bit for bit.
  void ExpectSameAsPointByPoint(const std::string& body, const std::vector<double>& xs) {
    Check(body);
    const size_t n = xs.size();
    std::vector<double> expected(n), values(n);
    std::vector<int32_t> expectedStatus(n), statuses(n, 99);
    std::vector<std::string> expectedText(n), texts(n);
    for (size_t i = 0; i < n; ++i) expected[i] = EvaluateAt(xs[i], expectedStatus[i], expectedText[i]);
    std::vector<PointFailure> failures;
    size_t failed = EvaluateAtPoints(xs.data(), values.data(), statuses.data(), n, &failures);
    for (const PointFailure& failure : failures) texts[failure.index] = failure.text;
    for (size_t i = 0; i < n; ++i)
      if (statuses[i] != 0) values[i] = expected[i] = 0;  // the value of a failed point is open
    EXPECT_EQ(statuses, expectedStatus) << body;
    EXPECT_EQ(failed, failures.size()) << body;
    EXPECT_EQ(texts, expectedText) << body;
    EXPECT_EQ(std::memcmp(values.data(), expected.data(), n * sizeof(double)), 0) << body;
  }
  static std::vector<double> Grid(double from, double to, size_t count) {
    std::vector<double> xs(count);
    for (size_t i = 0; i < count; ++i) xs[i] = from + (to - from) * double(i) / double(count - 1);
    return xs;
  }
  int32_t status = 0;
  std::string text;
};

TEST_F(FunctionChecksTest, CompileByNameMessages) {
  EXPECT_EQ(ByName(":desc"), -1);  // bad name lengths are refused silently
  EXPECT_EQ(ByName(std::string(1000, 'a')), -1);
  EXPECT_TRUE(ui.messages.empty());
  Function("f", "1\nq+1");
  Function("g", "1+2 $ open");
  EXPECT_EQ(ByName("nope"), -1);
  EXPECT_EQ(ByName("f"), -1);
  EXPECT_EQ(ByName("g"), -1);
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "Error:\nFunction name string is incorrect.\nPlease select valid function name in the list",
                "Syntax error in function f \nat line number 2  Unrecognized name [q]\nPlease correct "
                "error and try again.\n",
                "Syntax error in function g \nat line number 1\nPlease correct error and try again.\n"}));
}

TEST_F(FunctionChecksTest, AnalysisAndElementRules) {
  Function("a", "x*ans");
  Function("p", "print x");
  Function("s", "sin(x)");
  EXPECT_EQ(Analysis("a"), -1);
  EXPECT_EQ(Analysis("p"), -1);
  EXPECT_EQ(Analysis("s"), 0);
  EXPECT_EQ(lang::Lang().analysisMode, 0);
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "Incorrect function argument:\nFunction af(x) must depend on variable x.\nFunction "
                "must not depend on variable ans.\nPlease correct error and try again.",
                "Incorrect operator:\nFunction p(x) must not contain user-interface operators: "
                "INPUT, OUTPUT, PRINT.\nPlease correct error and try again."}));
  // Elements may use _M and _N instead of x once the user agrees; strings may be printed.
  Function("mn", "_M+_N");
  Function("ps", "print \"hello\"");
  ui.AnswerQuestions({true, false, true});
  EXPECT_EQ(Elements("mn"), 0);
  EXPECT_EQ(Elements("mn"), -1);
  EXPECT_EQ(Elements("p"), -1);
  EXPECT_EQ(Elements("ps"), 0);
  EXPECT_EQ(ui.questions.size(), 3u);
  EXPECT_EQ(ui.messages.size(), 3u);
}

TEST_F(FunctionChecksTest, EvaluateAtReportsEachFault) {
  Variable("inf", INFINITY);
  Variable("nan", NAN);
  const struct {
    const char* body;
    double x;
    const char* text;
    uint32_t fault;  // 0: nothing trapped, and the value is x
  } rows[] = {{"1/x", 0, "Floating point error: Divide by zero ", 0},
              {"x*1e300", 1e300, "Floating point error\nOverflow of numerical value\n", FAULT_FLT_OVERFLOW},
              {"sqrt(x)", -1, "Floating point error\nInvalid operation\n", FAULT_FLT_INVALID_OPERATION},
              {"x*2", 1e-310, "Floating point or memory access error\n", FAULT_FLT_DENORMAL_OPERAND},
              // overflows too, but the operand is met first
              {"1/x", 1e-320, "Floating point or memory access error\n", FAULT_FLT_DENORMAL_OPERAND},
              {"x+inf", 2, "Arithmetic calculation overflow.", 0},
              {"x+nan", 2, "Invalid value of arithmetic function operand.", 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.body);
    Check(row.body);
    double value = EvaluateAt(row.x, status, text);
    EXPECT_EQ(status, -1);
    EXPECT_EQ(text, row.text);
    EXPECT_EQ((Status().flags & OPERR_TRAPPED) != 0, row.fault != 0);
    EXPECT_TRUE(row.fault ? Status().faultCode == row.fault : value == row.x);
  }
  Check("1/x");  // the next point starts clean
  EXPECT_EQ(EvaluateAt(4, status, text), 0.25);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(text, "");
  EXPECT_EQ(Status().flags, 0u);
  // A denormal result is no fault, only an operand is; exp and ^ test their
  // own denormal results, which must not count as operations on them.
  const struct {
    const char* body;
    double x;
    double value;  // NAN: the denormal fault
  } denormals[] = {{"x*1e-10", 1e-300, 1e-300 * 1e-10},
                   {"exp(x)", -720, std::exp2(-720 * 1.4426950408889634)},
                   {"exp(x)*2", -720, NAN},
                   {"x^1.05", 1e-300, std::pow(1e-300, 1.05)},
                   {"2^x", -1050, std::ldexp(1.0, -1050)},
                   {"2^x*2", -1050, NAN},
                   {"x^1.05", 1e-310, NAN}};
  for (const auto& row : denormals) {
    SCOPED_TRACE(row.body);
    Check(row.body);
    const double value = EvaluateAt(row.x, status, text);
    if (std::isnan(row.value)) {
      EXPECT_EQ(text, "Floating point or memory access error\n");
    } else {
      EXPECT_EQ(status, 0);
      EXPECT_EQ(value, row.value);
    }
  }
}

TEST_F(FunctionChecksTest, UserStopEndsTheEvaluation) {
  Check("x");
  ui.RequestCancelAtPoll(1);
  ui.AnswerQuestions({true});
  for (int i = 0; i < 31; ++i) {
    EvaluateAt(1, status, text);
    ASSERT_EQ(status, 0);
  }
  EvaluateAt(1, status, text);
  EXPECT_EQ(status, -1);
  EXPECT_EQ(text, "Calculation terminated by user");
  EXPECT_EQ(Core().userCancelled, 1);
}

TEST_F(FunctionChecksTest, BatchesGiveTheSameValuesStatusesAndTexts) {
  Variable("k", 1.5);
  Variable("inf", INFINITY);
  for (const char* body : {"sin(x)*x^2+3*x-1/(x+2)", "sqrt(abs(x))*exp(-x*x/2)+cos(3*x)",
                           "((((x+1)*x-2)*x+3)*x-4)*x+5", "x^3-x/3+k*x-2^x", "-x^2", "2^-x",
                           "(x>1)&(x<3)|!(x==2)", "x>=0", "x<=0", "x!=1", "int(x*3)", "gamma(x+20)",
                           "frenc(x)+frens(x)", "loggamma(x+10)", "f = x\nx*2", "pi*x-k/4", "k^x", "x^k"})
    ExpectSameAsPointByPoint(body, Grid(-5, 5, 1001));
  std::vector<double> xs = Grid(-2, 2, 601);  // failing points hold 0 exactly
  xs[17] = 0.0;
  for (const char* body : {"1/x", "ln(x)", "sqrt(x)", "1/(x-1)", "gamma(x)", "x*1e308*10", "x+inf",
                           "(x*1e-307)*x", "1/(x*1e-307)", "x*1e-320", "exp(x*380)", "2^(x*540)",
                           "exp(x*380)*2"})
    ExpectSameAsPointByPoint(body, xs);
  ExpectSameAsPointByPoint("1/x", {0.0});  // batches of one point
  ExpectSameAsPointByPoint("1/x", {2.0});
}

TEST_F(FunctionChecksTest, ProgramsWithSideEffectsRunPointByPoint) {
  Variable("count", 0);
  Check("count=count+1\nx");
  EXPECT_FALSE(lang::HasFastForm());
  std::vector<double> xs = Grid(0, 1, 300), values(300);
  std::vector<int32_t> statuses(300);
  EXPECT_EQ(EvaluateAtPoints(xs.data(), values.data(), statuses.data(), xs.size()), 0u);
  EXPECT_EQ(Value("count"), 300);
  Check("x+rand()");
  EXPECT_FALSE(lang::HasFastForm());
}

TEST_F(FunctionChecksTest, UserStopEndsTheRemainingPoints) {
  Check("x");
  ui.RequestCancelAtPoll(9);  // 8 front-end polls per batch of 256
  ui.AnswerQuestions({true});
  std::vector<double> xs = Grid(0, 1, 1000), values(1000);
  std::vector<int32_t> statuses(1000);
  std::vector<PointFailure> failures;
  EXPECT_EQ(EvaluateAtPoints(xs.data(), values.data(), statuses.data(), xs.size(), &failures),
            1000u - 256u);  // the second batch is stopped
  EXPECT_EQ(Core().userCancelled, 1);
  EXPECT_EQ(statuses[255], 0);
  EXPECT_EQ(statuses[256], -1);
  EXPECT_EQ(failures.front().text, "Calculation terminated by user");
}

}  // namespace
}  // namespace tq::testing
