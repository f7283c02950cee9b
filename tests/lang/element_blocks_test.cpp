// Computing a function for all elements a block at a time gives exactly
// what element by element gives, with _m and _n read as inputs: the values,
// the failed elements, the status record, the registers, the questions asked
// and the element where a confirmed stop ends the computation.
#include <cstring>
#include <vector>

#include "core/operation_status.h"
#include "core/user_cancel.h"
#include "lang/element_compute.h"
#include "lang/fast_form.h"
#include "lang/lang_state.h"
#include "support/workbench_test.h"

namespace tq::testing {
namespace {

struct Outcome {
  int32_t result = 0;
  std::vector<double> values;  // empty when nothing was stored
  int32_t lastCode = 0, flags = 0;
  uint32_t faultCode = 0;
  std::string message;
  int32_t row = 0, column = 0, cancelled = 0;
  double resultRegister = 0, argument = 0;
  int polls = 0;
  std::vector<std::string> questions;
};

void ExpectSame(const Outcome& blocks, const Outcome& elements, const std::string& what) {
  EXPECT_EQ(blocks.result, elements.result) << what;
  ASSERT_EQ(blocks.values.size(), elements.values.size()) << what;
  if (!blocks.values.empty()) {
    EXPECT_EQ(0, std::memcmp(blocks.values.data(), elements.values.data(),
                             blocks.values.size() * sizeof(double)))
        << what;
  }
  EXPECT_EQ(blocks.lastCode, elements.lastCode) << what;
  EXPECT_EQ(blocks.flags, elements.flags) << what;
  EXPECT_EQ(blocks.faultCode, elements.faultCode) << what;
  EXPECT_EQ(blocks.message, elements.message) << what;
  EXPECT_EQ(blocks.row, elements.row) << what;
  EXPECT_EQ(blocks.column, elements.column) << what;
  EXPECT_EQ(blocks.cancelled, elements.cancelled) << what;
  EXPECT_EQ(std::memcmp(&blocks.resultRegister, &elements.resultRegister, sizeof(double)), 0)
      << what;
  EXPECT_EQ(std::memcmp(&blocks.argument, &elements.argument, sizeof(double)), 0) << what;
  EXPECT_EQ(blocks.polls, elements.polls) << what;
  EXPECT_EQ(blocks.questions, elements.questions) << what;
}

class ElementBlocksTest : public testing::WorkbenchTest {
 protected:
  // The source "s": a matrix of rows x columns, or a vector when rows is 0,
  // its elements running from `from` in steps of `step`.
  void Source(int32_t rows, int32_t columns, double from, double step) {
    DeleteObjectByName("s");
    double x = from;
    if (rows == 0) {
      auto v = std::make_unique<VectorObject>(columns, 0.0);
      for (int32_t i = 1; i <= columns; ++i, x += step) v->at(i) = x;
      Put("s", std::move(v));
      vector_ = true;
      return;
    }
    auto m = std::make_unique<MatrixObject>(columns, rows, 0.0);
    for (int32_t i = 1; i <= rows; ++i)
      for (int32_t j = 1; j <= columns; ++j, x += step) m->at(i, j) = x;
    Put("s", std::move(m));
    vector_ = false;
  }

  // Computes `body` over "s" into "out" with the blocks on or off; the
  // cancel poll asks at its `stopPoll`-th call and the question gets `yes`.
  Outcome Run(const std::string& body, bool blocks, int stopPoll = 0, bool yes = true) {
    DeleteObjectByName("f");
    DeleteObjectByName("out");
    Function("f", body);
    lang::Lang().elementBlocks = blocks;
    lang::Lang().rowRegister = lang::Lang().columnRegister = -7;
    ui.polls = 0;
    ui.questions.clear();
    ui.RequestCancelAtPoll(stopPoll);
    ui.AnswerQuestions({yes});
    ElementFunctionCheck check;
    check.withoutX = ElementFunctionCheck::WithoutX::kAccept;
    Outcome o;
    o.result = vector_ ? ComputeFunctionForVector("s", "f", "out", &check)
                       : ComputeFunctionForMatrix("s", "f", "out", &check);
    if (auto* v = FindObjectAs<VectorObject>("out", OBJMASK_VECTOR))
      o.values.assign(v->data(), v->data() + v->size);
    if (auto* m = FindObjectAs<MatrixObject>("out", OBJMASK_MATRIX))
      o.values.assign(m->data(), m->data() + m->count());
    o.lastCode = Status().lastCode;
    o.flags = Status().flags;
    o.faultCode = Status().faultCode;
    o.message = Status().message;
    o.row = lang::Lang().rowRegister;
    o.column = lang::Lang().columnRegister;
    o.cancelled = Core().userCancelled;
    o.resultRegister = lang::Lang().resultRegister;
    o.argument = lang::Lang().argumentCell;
    o.polls = ui.polls;
    o.questions = ui.questions;
    // Drop an answer a run did not take.
    ui.AnswerQuestions({});
    return o;
  }

  void ExpectBothPathsSame(const std::string& body, int stopPoll = 0, bool yes = true) {
    const Outcome elements = Run(body, false, stopPoll, yes);
    const Outcome blocks = Run(body, true, stopPoll, yes);
    ExpectSame(blocks, elements, body + " stop at poll " + std::to_string(stopPoll));
  }

  bool vector_ = false;
};

// The 20-operation expression of the benchmark and expressions whose
// elements fail in several ways, the last element among them.
const char* const kBodies[] = {
    "10*_M+_N",
    "x*_m-_n/(x+_m)+sqrt(_n)*x-(_m-_n)*(_m+_n)/3+x*x/(_n+1)-2*_m+_n*x/7+1",
    "1/(x-_m)",
    "sqrt(x-_n)",
    "ln(x*_m)+_n",
    "x*1e308*_m",
    "1/(_m-_n)",
    "gamma(x+_n)",
    "(x>_m)*_n+(x<=_m)/(_n-3)",
    "sin(x)*_m+cos(_n)",
    "x*x+1",
    "1/x",
};

TEST_F(ElementBlocksTest, MatricesAndVectorsOfManyShapesAgree) {
  const struct {
    int32_t rows, columns;
    double from, step;
  } kShapes[] = {
      {1, 1, 0.5, 1},      {3, 2, -1, 0.5},      {7, 300, -2.5, 0.01},
      {40, 37, -3, 0.004}, {2, 2100, 0.25, 0.001}, {0, 5000, -4, 0.002},
      {0, 1, 2, 0},        {0, 513, 0, 1},       {0, 4097, -1.5, 0.001},
  };
  for (const auto& shape : kShapes) {
    Source(shape.rows, shape.columns, shape.from, shape.step);
    for (const char* body : kBodies) {
      SCOPED_TRACE(::testing::Message() << shape.rows << " x " << shape.columns);
      ExpectBothPathsSame(body);
    }
  }
}

TEST_F(ElementBlocksTest, IndexesAreTheElementsRowAndColumn) {
  Source(300, 17, 0, 0);
  const Outcome o = Run("1000*_m+_n", true);
  ASSERT_EQ(o.result, 1);
  ASSERT_EQ(o.values.size(), 300u * 17u);
  for (int32_t m = 1; m <= 300; ++m)
    for (int32_t n = 1; n <= 17; ++n)
      ASSERT_EQ(o.values[size_t((m - 1) * 17 + n - 1)], 1000.0 * m + n);
  EXPECT_EQ(o.row, 300);
  EXPECT_EQ(o.column, 17);
}

TEST_F(ElementBlocksTest, TheLastElementFailingFailsTheOperationAlike) {
  Source(20, 30, 1, 1);  // the last element is 600
  for (const char* body : {"1/(x-600)", "sqrt(600-x-_m/20)", "ln(599.5-x)*_n"}) {
    const Outcome elements = Run(body, false);
    EXPECT_EQ(elements.result, 0) << body;
    EXPECT_TRUE(elements.values.empty()) << body;
    ExpectSame(Run(body, true), elements, body);
  }
  EXPECT_EQ(Run("1/(x-600)", true).message, "Calculation failed\n");  // a run-time error
  EXPECT_EQ(Run("sqrt(600-x-_m/20)", true).message, "Floating point error\nInvalid operation\n");
}

// The question is asked at the same element, No goes on alike, and Yes ends
// the computation at that element with nothing stored.
TEST_F(ElementBlocksTest, AStopEndsAtTheSameElement) {
  Source(0, 9000, -2, 0.001);  // elements near 0 and 2 fail in the bodies below
  for (int stopPoll : {1, 2, 8, 9, 17, 128, 129, 200, 281}) {
    for (const char* body : {"x*_n+1", "1/x+_n", "1/(x-_n/1000)", "sqrt(x)*_m"}) {
      ExpectBothPathsSame(body, stopPoll, true);
      ExpectBothPathsSame(body, stopPoll, false);
    }
  }
  const Outcome stopped = Run("x*_n+1", true, 9, true);
  EXPECT_EQ(stopped.result, 0);
  EXPECT_TRUE(stopped.values.empty());
  EXPECT_EQ(stopped.cancelled, 1);
  EXPECT_EQ(stopped.column, 9 * 32);  // the evaluation whose poll asked
  EXPECT_EQ(stopped.questions, std::vector<std::string>{kStopQuestion});
  EXPECT_EQ(stopped.polls, 9);
}

TEST_F(ElementBlocksTest, AStopInAMatrixEndsAtTheSameElement) {
  Source(90, 70, -1, 0.0003);
  for (int stopPoll : {3, 63, 150})
    for (const char* body : {"x+_m*_n", "1/(x-_m/100)"}) ExpectBothPathsSame(body, stopPoll);
  const Outcome stopped = Run("x+_m*_n", true, 63);
  EXPECT_EQ(stopped.row, (63 * 32 - 1) / 70 + 1);
  EXPECT_EQ(stopped.column, (63 * 32 - 1) % 70 + 1);
}

// Functions with side effects stay element by element and agree too.
TEST_F(ElementBlocksTest, FunctionsWithSideEffectsAgree) {
  Variable("count", 0);
  Source(4, 50, 0, 0.1);
  for (int stopPoll : {0, 2}) {
    FindObjectAs<VariableObject>("count", OBJMASK_VARIABLE)->value = 0;
    const Outcome elements = Run("count=count+1\nx+_m+count", false, stopPoll);
    const double countAfterElements = Value("count");
    FindObjectAs<VariableObject>("count", OBJMASK_VARIABLE)->value = 0;
    ExpectSame(Run("count=count+1\nx+_m+count", true, stopPoll), elements, "count");
    EXPECT_EQ(Value("count"), countAfterElements);
  }
}

}  // namespace
}  // namespace tq::testing
