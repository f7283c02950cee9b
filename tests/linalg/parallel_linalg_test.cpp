// Multiply, inverse and solve split over threads: the same bits, the same
// fault flags and the same messages as on one thread, whatever the number of
// threads; a stop between blocks creates nothing.
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/inverse_dialogs.h"
#include "commands/operation_dialog.h"
#include "commands/forms.h"
#include "core/fp_flags.h"
#include "core/protected_call.h"
#include "core/thread_pool.h"
#include "core/user_cancel.h"
#include "linalg/arithmetic.h"
#include "linalg/gauss_jordan.h"
#include "linalg/inverse.h"
#include "linalg/matrix_multiply.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

constexpr int kThreadCounts[] = {2, 3, 4, 7};

bool BitIdentical(const std::vector<double>& x, const std::vector<double>& y) {
  return x.size() == y.size() &&
         (x.empty() || std::memcmp(x.data(), y.data(), x.size() * sizeof(double)) == 0);
}

// Ordinary values; with `faults` a few that overflow, are infinite, NaN or
// denormal, placed in the last rows only, so that only one band meets them.
std::vector<double> Values(size_t count, unsigned seed, bool faults, size_t faultFrom = 0) {
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  std::uniform_int_distribution<int> kind(0, 59);
  std::vector<double> values(count);
  for (size_t i = 0; i < count; ++i) {
    values[i] = unit(random);
    if (!faults || i < faultFrom) continue;
    switch (kind(random)) {
      case 0: values[i] = 3e300; break;
      case 1: values[i] = 1e-310; break;
      case 2: values[i] = std::numeric_limits<double>::infinity(); break;
      case 3: values[i] = -0.0; break;
      default: break;
    }
  }
  return values;
}

// The fault flags a computation leaves, the denormal one included.
template <class F>
unsigned FlagsOf(F&& computation) {
  ClearFpExceptions();
  computation();
  const unsigned flags = ReadSseFlags() & kSseFaultFlags;
  ClearFpExceptions();
  return flags;
}

struct Shape {
  int64_t m, k, n;
};

TEST(ParallelMultiplyTest, BandsOnAnyNumberOfThreadsGiveThePlainBitsAndFlags) {
  const Shape kShapes[] = {{1, 1, 1},    {5, 3, 2},     {24, 10, 9},  {25, 40, 33},
                           {97, 61, 50}, {200, 150, 9}, {130, 7, 1},  {301, 64, 17},
                           {48, 1, 200}, {1000, 3, 1},  {73, 200, 301}};
  unsigned seed = 1;
  int faulted = 0;
  for (const Shape& s : kShapes) {
    for (bool faults : {false, true}) {
      const auto a = Values(size_t(s.m * s.k), seed++, faults, size_t((s.m - 1) * s.k));
      const auto b = Values(size_t(s.k * s.n), seed++, false);
      std::vector<double> want(size_t(s.m * s.n));
      const unsigned wantFlags =
          FlagsOf([&] { MultiplyBlocksPlain(a.data(), b.data(), want.data(), s.m, s.k, s.n); });
      faulted += wantFlags != 0;
      for (int threads : kThreadCounts) {
        std::vector<double> c(want.size(), 42.0);
        const unsigned flags = FlagsOf([&] {
          EXPECT_TRUE(
              MultiplyBlocksInBands(a.data(), b.data(), c.data(), s.m, s.k, s.n, threads));
        });
        const std::string what = std::to_string(s.m) + "x" + std::to_string(s.k) + "x" +
                                 std::to_string(s.n) + " on " + std::to_string(threads);
        EXPECT_TRUE(BitIdentical(c, want)) << what;
        EXPECT_EQ(flags, wantFlags) << what;
      }
    }
  }
  EXPECT_GT(faulted, 3);
}

class ParallelEngineTest : public testing::WorkbenchTest {
 protected:
  void TearDown() override {
    SetThreadSetting(0);
    WorkbenchTest::TearDown();
  }
  MatrixObject* Filled(const char* name, int32_t rows, int32_t columns, unsigned seed,
                       bool faults = false) {
    auto* m = Put(name, std::make_unique<MatrixObject>(columns, rows, 0.0));
    const auto values = Values(size_t(m->count()), seed, faults, size_t(m->count()) * 9 / 10);
    std::copy(values.begin(), values.end(), m->data());
    return m;
  }
  struct Outcome {
    int32_t result;
    std::vector<double> values;
    std::string message;
    uint32_t faultCode;
  };
  template <class Run>
  Outcome On(int threads, Run run, const char* output) {
    SetThreadSetting(threads);
    DeleteObjectByName(output);
    Outcome o{run(), {}, Message(), Status().faultCode};
    if (auto* m = Get<MatrixObject>(output)) o.values.assign(m->data(), m->data() + m->count());
    if (auto* v = Get<VectorObject>(output)) o.values.assign(v->data(), v->data() + v->size);
    return o;
  }
  template <class Run>
  void ExpectSameOnAnyThreads(Run run, const char* output, const std::string& what) {
    const Outcome one = On(1, run, output);
    for (int threads : kThreadCounts) {
      const Outcome many = On(threads, run, output);
      EXPECT_EQ(many.result, one.result) << what << " on " << threads;
      EXPECT_TRUE(BitIdentical(many.values, one.values)) << what << " on " << threads;
      EXPECT_EQ(many.message, one.message) << what << " on " << threads;
      EXPECT_EQ(many.faultCode, one.faultCode) << what << " on " << threads;
    }
  }
};

// Products large enough to be split: a fault met by one band only is
// reported as on one thread.
TEST_F(ParallelEngineTest, MultiplyOnAnyThreadsAsOnOne) {
  Filled("A", 300, 120, 1);
  Filled("B", 120, 250, 2);
  Filled("F", 300, 120, 3, true);
  auto* v = Put("v", std::make_unique<VectorObject>(120, 0.0));
  for (int32_t i = 1; i <= 120; ++i) v->at(i) = 0.5 - 1.0 / i;
  for (const char* first : {"A", "F"})
    ExpectSameOnAnyThreads([&] { return MultiplyMatrices(first, "B", "C"); }, "C", first);
  Filled("T", 40000, 120, 4, true);  // matrix by vector, also split
  ExpectSameOnAnyThreads([&] { return MultiplyMatrixVector("T", "v", "w"); }, "w", "T*v");
  SetThreadSetting(3);
  EXPECT_EQ(MultiplyMatrices("F", "B", "C"), 0);
  EXPECT_EQ(Message(), "Floating point or memory access error\n");  // a denormal operand
  EXPECT_EQ(Get<MatrixObject>("C"), nullptr);
}

// Small integers give ties of magnitude that the bands' pivot candidates
// must break as the scan in row order does, and singular matrices.
TEST_F(ParallelEngineTest, EliminationOnAnyThreadsAsOnOne) {
  std::mt19937_64 random(5);
  std::uniform_int_distribution<int> digits(-2, 2);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  int singular = 0, faulted = 0;
  for (int trial = 0; trial < 120; ++trial) {
    const int32_t n = 1 + trial % 40, m = 1 + trial % 3;
    std::vector<double> matrix(size_t(n) * size_t(n)), rhs(size_t(n) * size_t(m));
    for (double& x : matrix)
      x = trial % 3 == 0 ? digits(random) : unit(random) * (trial % 5 == 1 ? 1e-160 : 1.0);
    if (trial % 7 == 2) matrix[matrix.size() - 1] = 1e-310;
    if (trial % 4 == 1 && n > 2)  // two equal rows
      std::copy(matrix.begin(), matrix.begin() + n, matrix.end() - n);
    for (double& x : rhs) x = unit(random) * (trial % 11 == 4 ? 1e308 : 1.0);
    auto run = [&](int threads, std::vector<double>& a, std::vector<double>& b) {
      a = matrix;
      b = rhs;
      ResetOperationStatus();
      const int32_t result =
          RunProtected([&] { return GaussJordanOnThreads(a.data(), n, b.data(), m, threads); });
      return std::make_pair(result, Message());
    };
    std::vector<double> a1, b1;
    const auto one = run(1, a1, b1);
    const uint32_t oneFault = Status().faultCode;
    singular += one.second.find("Singular") != std::string::npos;
    faulted += oneFault != 0 && oneFault != FAULT_NUMLIB;
    for (int threads : kThreadCounts) {
      std::vector<double> a, b;
      EXPECT_EQ(run(threads, a, b), one) << "trial " << trial << " on " << threads;
      EXPECT_EQ(Status().faultCode, oneFault) << "trial " << trial << " on " << threads;
      if (one.first == 1) {
        EXPECT_TRUE(BitIdentical(a, a1)) << "trial " << trial << " on " << threads;
        EXPECT_TRUE(BitIdentical(b, b1)) << "trial " << trial << " on " << threads;
      }
    }
  }
  EXPECT_GT(singular, 0);
  EXPECT_GT(faulted, 0);
}

TEST_F(ParallelEngineTest, InverseAndSolveOnAnyThreadsAsOnOne) {
  Filled("A", 460, 460, 7);  // large enough to be split by the engine
  Filled("F", 460, 460, 8, true);
  auto* b = Put("b", std::make_unique<VectorObject>(460, 0.0));
  for (int32_t i = 1; i <= 460; ++i) b->at(i) = std::sin(i);
  for (const char* a : {"A", "F"}) {
    ExpectSameOnAnyThreads([&] { return InvertMatrix(a, "X"); }, "X", a);
    ExpectSameOnAnyThreads([&] { return SolveLinearSystem(a, "b", "x"); }, "x", a);
  }
}

// A stop confirmed between two steps of a large inverse ends it: nothing is
// created, an object of the output's name stays, the dialog says why.
TEST_F(ParallelEngineTest, AStoppedInverseCreatesNothing) {
  Filled("A", 420, 420, 9);
  MatrixObject* kept = Matrix("X", 1, 1, {5});
  SetThreadSetting(2);
  ui.RequestCancelAtPoll(40);
  ui.AnswerQuestions({true});
  const size_t objects = document.objects.size();
  EXPECT_EQ(InvertMatrix("A", "X"), 0);
  EXPECT_EQ(Core().userCancelled, 1);
  EXPECT_EQ(ui.questions, std::vector<std::string>{kStopQuestion});
  EXPECT_EQ(ui.polls, 40);
  EXPECT_EQ(Get<MatrixObject>("X"), kept);
  EXPECT_EQ(kept->data()[0], 5.0);
  EXPECT_EQ(document.objects.size(), objects);

  // Answered No, the inverse goes on to the result of one thread.
  ui.polls = 0;
  ui.questions.clear();
  ui.RequestCancelAtPoll(3);
  ui.AnswerQuestions({false});
  ASSERT_EQ(InvertMatrix("A", "Y"), 1);
  SetThreadSetting(1);
  ASSERT_EQ(InvertMatrix("A", "Z"), 1);
  EXPECT_EQ(std::memcmp(Get<MatrixObject>("Y")->data(), Get<MatrixObject>("Z")->data(),
                        420 * 420 * sizeof(double)),
            0);
  EXPECT_EQ(ui.questions.size(), 1u);

  // Through the dialog, the stop shows the compute dialog's message.
  ui.output.clear();
  SetThreadSetting(2);
  ui.polls = 0;
  ui.RequestCancelAtPoll(10);
  ui.AnswerQuestions({true});
  ui.AnswerForm<OperationForm>([](OperationForm& form) {
    form.sources[0].text = "A";
    form.output.text = "X";
  });
  EXPECT_FALSE(InverseDialog());
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Calculation terminated by user"});
  EXPECT_EQ(Get<MatrixObject>("X"), kept);
  EXPECT_EQ(ui.output, "");
}

// The calling thread asks between its bands of rows.
TEST_F(ParallelEngineTest, AStoppedProductCreatesNothing) {
  Filled("A", 1200, 300, 1);
  Filled("B", 300, 400, 2);  // 2.9e8 operations in about ten bands
  for (int threads : {1, 2}) {
    SetThreadSetting(threads);
    ui.polls = 0;
    ui.RequestCancelAtPoll(1);
    ui.AnswerQuestions({true});
    EXPECT_EQ(MultiplyMatrices("A", "B", "C"), 0);
    EXPECT_EQ(Core().userCancelled, 1);
    EXPECT_EQ(Get<MatrixObject>("C"), nullptr);
  }
  ui.polls = 0;
  ui.RequestCancelAtPoll(0);
  EXPECT_EQ(MultiplyMatrices("A", "B", "C"), 1);
  EXPECT_EQ(Core().userCancelled, 0);
  EXPECT_GT(ui.polls, 0);
}

TEST(ThreadSettingTest, TextsAndLimits) {
  EXPECT_EQ(ThreadSettingFromText(nullptr), 0);
  EXPECT_EQ(ThreadSettingFromText(""), 0);
  EXPECT_EQ(ThreadSettingFromText("0"), 0);
  EXPECT_EQ(ThreadSettingFromText("1"), 1);
  EXPECT_EQ(ThreadSettingFromText("64"), 64);
  EXPECT_EQ(ThreadSettingFromText("65"), 0);
  EXPECT_EQ(ThreadSettingFromText("2x"), 0);
  EXPECT_EQ(ThreadSettingFromText("-3"), 0);
  EXPECT_FALSE(SetThreadSetting(65));
  EXPECT_FALSE(SetThreadSetting(-1));
  ASSERT_TRUE(SetThreadSetting(3));
  EXPECT_EQ(ComputeThreads(), 3);
  ASSERT_TRUE(SetThreadSetting(0));
  EXPECT_GE(ComputeThreads(), 1);
}

// A task's exception reaches the caller (the lowest index of several), after
// every thread has stopped; the workers' flags join the caller's.
TEST(ThreadPoolTest, ExceptionsAndFlagsComeBackToTheCaller) {
  for (int threads : {1, 2, 4}) {
    std::vector<int> ran(64, 0);
    try {
      ParallelFor(64, threads, [&](int64_t i) {
        ran[size_t(i)] = 1;
        if (i == 40 || i == 50) throw FaultException{uint32_t(i)};
      });
      ADD_FAILURE() << "no exception";
    } catch (const FaultException& fault) {
      EXPECT_EQ(fault.code, 40u) << threads;
    }
    for (int i = 0; i <= 40; ++i) EXPECT_EQ(ran[size_t(i)], 1) << i;
    volatile double zero = 0.0;
    const unsigned flags = FlagsOf([&] {
      ParallelFor(8, threads, [&](int64_t i) {
        if (i == 7) {
          volatile double x = 1.0 / zero;
          (void)x;
        }
      });
    });
    EXPECT_EQ(flags, kSseDivByZero) << threads;
  }
}

}  // namespace
}  // namespace tq
