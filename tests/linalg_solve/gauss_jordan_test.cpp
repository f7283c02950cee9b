#include "linalg/gauss_jordan.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/nr_arrays.h"
#include "core/protected_call.h"
#include "linalg/gauss_jordan_kernels.h"
#include "objects_fixture.h"

namespace tq {
namespace {

class GaussJordanTest : public ObjectsTest {
 protected:
  // Runs the fast elimination and the plain loop on the same matrix and
  // right-hand sides inside the protected frame; both must end alike.
  void ExpectSameAsPlain(const std::vector<double>& matrix, int32_t n, int32_t m) {
    std::vector<double> b(size_t(n) * m);
    for (size_t i = 0; i < b.size(); ++i) b[i] = double(i % 7) - 3.0;
    std::vector<double> fastA = matrix, fastB = b;
    int32_t fast = RunProtected([&] { return GaussJordan(fastA.data(), n, fastB.data(), m); });
    std::string fastMessage = Message();

    double** a = dmatrix(1, n, 1, n);
    double** rhs = dmatrix(1, n, 1, m);
    for (int32_t i = 0; i < n * n; ++i) a[1 + i / n][1 + i % n] = matrix[size_t(i)];
    for (int32_t i = 0; i < n * m; ++i) rhs[1 + i / m][1 + i % m] = b[size_t(i)];
    int32_t plain = RunProtected([&] { return GaussJordanPlain(a, n, rhs, m); });
    EXPECT_EQ(fast, plain);
    EXPECT_EQ(fastMessage, Message());
    if (fast == 1 && plain == 1) {
      for (int32_t i = 0; i < n * n; ++i)
        ASSERT_EQ(fastA[size_t(i)], a[1 + i / n][1 + i % n]) << "n=" << n << " element " << i;
      for (int32_t i = 0; i < n * m; ++i)
        ASSERT_EQ(fastB[size_t(i)], rhs[1 + i / m][1 + i % m]) << "n=" << n << " rhs " << i;
    }
    free_dmatrix(a, 1, n, 1, n);
    free_dmatrix(rhs, 1, n, 1, m);
  }
};

TEST_F(GaussJordanTest, BitIdenticalToPlainLoopOnRandomMatrices) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  for (int lanes : {2, 4, 8}) {
    if (!SetKernelWidthForTesting(lanes)) continue;
    for (int32_t n : {1, 2, 3, 4, 5, 7, 8, 9, 17, 64, 101}) {
      std::vector<double> matrix(size_t(n) * n);
      for (double& x : matrix) x = uniform(random);
      ExpectSameAsPlain(matrix, n, 1);
      ExpectSameAsPlain(matrix, n, 3);
    }
  }
  SetKernelWidthForTesting(0);
}

// Small integers give many elements of equal magnitude: the later one in
// row order must win, and exactly singular matrices occur.
TEST_F(GaussJordanTest, TiesAndSingularCasesMatchPlainLoop) {
  std::mt19937_64 random(11);
  std::uniform_int_distribution<int> digits(-2, 2);
  int singular = 0;
  for (int lanes : {2, 4, 8}) {
    if (!SetKernelWidthForTesting(lanes)) continue;
    for (int trial = 0; trial < 200; ++trial) {
      int32_t n = 1 + trial % 12;
      std::vector<double> matrix(size_t(n) * n);
      for (double& x : matrix) x = digits(random);
      ResetOperationStatus();
      ExpectSameAsPlain(matrix, n, 2);
      if (!Message().empty()) ++singular;
    }
  }
  SetKernelWidthForTesting(0);
  EXPECT_GT(singular, 0);
}

TEST_F(GaussJordanTest, SingularMatrixEndsTheComputation) {
  const std::string kSingular = "Numerical library error\nSingular Matrix, the equation cant be solved\n";
  std::vector<double> zero(9, 0.0), b(3, 1.0);
  EXPECT_EQ(RunProtected([&] { return GaussJordan(zero.data(), 3, b.data(), 1); }), 0);
  EXPECT_EQ(Message(), kSingular);
  EXPECT_EQ(OperationStatus.faultCode, FAULT_NUMLIB);

  std::vector<double> equalRows = {1, 2, 3, 4, 5, 6, 1, 2, 3};
  ResetOperationStatus();
  EXPECT_EQ(RunProtected([&] { return GaussJordan(equalRows.data(), 3, b.data(), 1); }), 0);
  EXPECT_EQ(Message(), kSingular);

  // Outside a protected computation the error is only recorded.
  ResetOperationStatus();
  std::vector<double> again(4, 0.0), rhs(2, 0.0);
  EXPECT_EQ(GaussJordan(again.data(), 2, rhs.data(), 1), 0);
  EXPECT_EQ(OperationStatus.flags, OPERR_NUMLIB);
}

TEST_F(GaussJordanTest, FaultBeforeTheSingularTestIsReportedAsTheFault) {
  // 1/1e-320 overflows; the infinity then makes every later pivot invalid.
  std::vector<double> a = {1e-320, 0, 0, 0, 1, 1, 0, 1, 1}, b(3, 1.0);
  EXPECT_EQ(RunProtected([&] { return GaussJordan(a.data(), 3, b.data(), 1); }), 0);
  EXPECT_EQ(OperationStatus.faultCode, FAULT_FLT_OVERFLOW);
}

TEST_F(GaussJordanTest, WorkArrayAllocationFailure) {
  std::vector<double> a = {2}, b = {4};
  SetAllocationFailureAfter(1);
  EXPECT_EQ(RunProtected([&] { return GaussJordan(a.data(), 1, b.data(), 1); }), 0);
  EXPECT_EQ(Message(), "Numerical library cannot allocate memory\nallocation failure in ivector()\n");
  EXPECT_EQ(OperationStatus.faultCode, FAULT_NUMLIB_ALLOC);
}

TEST_F(GaussJordanTest, ObjectFormChecksInOrder) {
  MatrixObject* a = Matrix("A", 2, 2, {1, 2, 3, 4});
  MatrixObject* b = Matrix("B", 2, 1, {1, 1});
  MatrixObject* wide = Matrix("W", 2, 3, {1, 2, 3, 4, 5, 6});
  MatrixObject* b3 = Matrix("B3", 3, 1, {1, 1, 1});
  struct Row {
    MatrixObject* a;
    int32_t n;
    MatrixObject* b;
    int32_t m;
    const char* message;
  } rows[] = {
      {a, 0, b, 1, "Invalid n and m parameters\n"},
      {a, 2, b, 1000001, "Invalid n and m parameters\n"},
      {nullptr, 2, b, 1, "Invalid 1st argument\n"},
      {a, 2, nullptr, 1, "Invalid destination argument\n"},
      {wide, 2, b, 1,
       "Invalid argument sizes. Number matrix columns must be equal to the number of rows.\n"},
      {a, 3, b, 1, "Invalid argument sizes. Number matrix columns and rows must be equal n.\n"},
      {a, 2, b3, 1,
       "Invalid destination matrix sizes. Number of destination matrix rows must be equal n.\n"},
      {a, 2, b, 2,
       "Invalid destination matrix sizes. Number of destination matrix columns must be equal "
       "m.\n"},
  };
  for (const Row& row : rows) {
    ResetOperationStatus();
    EXPECT_EQ(GaussJordanObjects(row.a, row.n, row.b, row.m), 0);
    EXPECT_EQ(Message(), row.message);
  }
  a->status = STATUS_FAILED;
  EXPECT_EQ(GaussJordanObjects(a, 2, b, 1), 0);
  EXPECT_EQ(Message(), "Invalid 1st argument\n");
}

}  // namespace
}  // namespace tq
