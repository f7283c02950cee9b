#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/fp_flags.h"
#include "core/nr_arrays.h"
#include "core/protected_call.h"
#include "linalg/gauss_jordan.h"
#include "linalg/gauss_jordan_kernels.h"
#include "linalg/inverse.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

const std::string kSingular =
    "Numerical library error\nSingular Matrix, the equation cant be solved\n";
const std::string kNoMemory = "\nPossibly not enough memory.\n";

class GaussJordanTest : public testing::WorkbenchTest {
 protected:
  // The fast elimination and the plain loop, protected, end alike: the same
  // result, message, bits and fault flags (read as the computation ends,
  // also when an error ends it).
  void ExpectSameAsPlain(const std::vector<double>& matrix, int32_t n, int32_t m) {
    std::vector<double> fastA = matrix, fastB(size_t(n) * m);
    for (size_t i = 0; i < fastB.size(); ++i) fastB[i] = double(i % 7) - 3.0;
    double** a = dmatrix(1, n, 1, n);  // the rows of one block, one after another
    double** b = dmatrix(1, n, 1, m);
    std::copy(fastA.begin(), fastA.end(), &a[1][1]);
    std::copy(fastB.begin(), fastB.end(), &b[1][1]);
    unsigned fastFlags = 0, plainFlags = 0;
    ResetOperationStatus();
    int32_t fast = RunProtected([&] {
      FlagsAtExit flags{fastFlags};
      return GaussJordan(fastA.data(), n, fastB.data(), m);
    });
    std::string fastMessage = Message();
    const uint32_t fastFault = Status().faultCode;
    ResetOperationStatus();
    EXPECT_EQ(RunProtected([&] {
                FlagsAtExit flags{plainFlags};
                return GaussJordanPlain(a, n, b, m);
              }),
              fast);
    EXPECT_EQ(Message(), fastMessage);
    EXPECT_EQ(Status().faultCode, fastFault);
    EXPECT_EQ(fastFlags, plainFlags) << "n=" << n;
    if (fast == 1) {
      EXPECT_EQ(std::vector<double>(&a[1][1], &a[1][1] + fastA.size()), fastA) << "n=" << n;
      EXPECT_EQ(std::vector<double>(&b[1][1], &b[1][1] + fastB.size()), fastB) << "n=" << n;
    }
    free_dmatrix(a, 1, n, 1, n);
    free_dmatrix(b, 1, n, 1, m);
  }
  // Keeps the fault flags raised so far when the scope ends, by return or throw.
  struct FlagsAtExit {
    unsigned& flags;
    ~FlagsAtExit() { flags = ReadSseFlags() & kSseFaultFlags; }
  };
};

// Small integers give ties of magnitude (the later one in row order must
// win) and exactly singular matrices.
TEST_F(GaussJordanTest, BitIdenticalToPlainLoop) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  std::uniform_int_distribution<int> digits(-2, 2);
  int singular = 0;
  for (int lanes : {2, 4, 8}) {
    if (!SetKernelWidthForTesting(lanes)) continue;
    for (int32_t n : {1, 2, 3, 4, 5, 7, 8, 9, 17, 64, 101}) {
      std::vector<double> matrix(size_t(n) * n);
      for (double& x : matrix) x = uniform(random);
      ExpectSameAsPlain(matrix, n, 1);
      ExpectSameAsPlain(matrix, n, 3);
    }
    for (int trial = 0; trial < 200; ++trial) {
      std::vector<double> matrix(size_t(1 + trial % 12) * (1 + trial % 12));
      for (double& x : matrix) x = digits(random);
      ExpectSameAsPlain(matrix, 1 + trial % 12, 2);
      singular += !Message().empty();
    }
  }
  SetKernelWidthForTesting(0);
  EXPECT_GT(singular, 0);
}

// Denormal elements, and tiny ones whose elimination gives denormals: the
// kernels meet a denormal exactly where the plain loop does (the pivot search
// compares only the columns and rows still in it).
TEST_F(GaussJordanTest, DenormalFlagAsThePlainLoopRaisesIt) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  std::uniform_int_distribution<int> kind(0, 29);
  int denormal = 0, clean = 0;
  for (int lanes : {2, 4, 8}) {
    if (!SetKernelWidthForTesting(lanes)) continue;
    for (int trial = 0; trial < 120; ++trial) {
      const int32_t n = 1 + trial % 13;
      std::vector<double> matrix(size_t(n) * n);
      for (double& x : matrix) {
        const int k = kind(random);
        x = uniform(random) * (k == 0 ? 1e-310 : k < 10 && trial % 2 ? 1e-300 : 1.0);
      }
      ExpectSameAsPlain(matrix, n, 2);
      denormal += Status().faultCode == FAULT_FLT_DENORMAL_OPERAND;
      clean += Status().faultCode == 0;
    }
  }
  SetKernelWidthForTesting(0);
  EXPECT_GT(denormal, 0);
  EXPECT_GT(clean, 0);
}

TEST_F(GaussJordanTest, ObjectFormChecksInOrder) {
  MatrixObject* a = Matrix("A", 2, 2, {1, 2, 3, 4});
  MatrixObject* b = Matrix("B", 2, 1, {1, 1});
  auto solve = [](MatrixObject* a, int32_t n, MatrixObject* b, int32_t m) {
    ResetOperationStatus();
    return GaussJordanObjects(a, n, b, m);
  };
  Refused(solve(a, 0, b, 1), "Invalid n and m parameters\n");
  Refused(solve(a, 2, b, 1000001), "Invalid n and m parameters\n");
  Refused(solve(nullptr, 2, b, 1), "Invalid 1st argument\n");
  Refused(solve(a, 2, nullptr, 1), "Invalid destination argument\n");
  Refused(solve(Matrix("W", 2, 3, {1, 2, 3, 4, 5, 6}), 2, b, 1),
          "Invalid argument sizes. Number matrix columns must be equal to the number of rows.\n");
  Refused(solve(a, 3, b, 1),
          "Invalid argument sizes. Number matrix columns and rows must be equal n.\n");
  Refused(solve(a, 2, Matrix("B3", 3, 1, {1, 1, 1}), 1),
          "Invalid destination matrix sizes. Number of destination matrix rows must be equal n.\n");
  Refused(solve(a, 2, b, 2),
          "Invalid destination matrix sizes. Number of destination matrix columns must be equal "
          "m.\n");
  a->status = STATUS_FAILED;
  Refused(solve(a, 2, b, 1), "Invalid 1st argument\n");
}

using InverseTest = testing::WorkbenchTest;

TEST_F(InverseTest, SolvesAndInvertsTwice) {
  MatrixObject* m = Matrix("M", 3, 3, {2, 1, -1, -3, -1, 2, -2, 1, 2});
  Vector("r", {8, -11, -3});
  ASSERT_EQ(SolveLinearSystem("M", "r", "s"), 1);
  ASSERT_EQ(Get<VectorObject>("s")->size, 3);
  const double solution[3] = {2, 3, -1}, inverse[9] = {4, 3, -1, -2, -2, 1, 5, 4, -1};
  for (int i = 1; i <= 3; ++i) EXPECT_NEAR(Get<VectorObject>("s")->at(i), solution[i - 1], 1e-14);
  ASSERT_EQ(InvertMatrix("M", "Mi"), 1);  // the determinant is -1
  ASSERT_EQ(Get<MatrixObject>("Mi")->rows, 3);
  for (int i = 0; i < 9; ++i) EXPECT_NEAR(Get<MatrixObject>("Mi")->data()[i], inverse[i], 1e-14);
  // Named like its source, the output replaces it: back to M.
  ASSERT_EQ(InvertMatrix("Mi", "Mi"), 1);
  EXPECT_EQ(ui.output, "Deleted Matrix <Mi>\r\n");
  for (int i = 0; i < 9; ++i) EXPECT_NEAR(Get<MatrixObject>("Mi")->data()[i], m->data()[i], 1e-13);
  EXPECT_EQ(document.objects.size(), 4u);  // the work matrices are gone
  EXPECT_EQ(Message(), "");
}

// Refusals, faults and allocation failures create nothing and keep an
// object of the output's name.
TEST_F(InverseTest, MessagesInCheckOrderAndFaults) {
  const std::string kNoMatrix = "Unable to find source matrix with the specified name\n";
  const std::string kSquare =
      "Invalid arguments. Numbers of columns and rows in the matrix must be equal.\n";
  Matrix("A", 3, 3, {1, 0, 0, 0, 1, 0, 0, 0, 1});
  Matrix("W", 2, 3, {1, 2, 3, 4, 5, 6});
  Vector("v3", {1, 2, 3});
  Vector("v4", {1, 2, 3, 4});
  Matrix("Z", 3, 3, {0, 0, 0, 0, 0, 0, 0, 0, 0});
  Matrix("T", 1, 1, {1e-320});
  Vector("x", {42});
  Refused(InvertMatrix("", ""), "Invalid matrix A name\n");
  Refused(InvertMatrix(std::string(1001, 'a'), "X"), "Invalid matrix A name\n");
  Refused(InvertMatrix("W", ""), "Invalid destination matrix name\n");
  Refused(InvertMatrix("v3", "X"), kNoMatrix);
  Refused(InvertMatrix("W", "X"), kSquare);
  Refused(SolveLinearSystem("", "v3", "x"), "Invalid matrix A name\n");
  Refused(SolveLinearSystem("A", "", "x"), "Invalid vector b name\n");
  Refused(SolveLinearSystem("A", "v3", ""), "Invalid destination vector name\n");
  Refused(SolveLinearSystem("v3", "v3", "x"), kNoMatrix);
  Refused(SolveLinearSystem("A", "A", "x"),
          "Unable to find source vector with the specified name\n");
  Refused(SolveLinearSystem("W", "v3", "x"), kSquare);
  Refused(SolveLinearSystem("A", "v4", "x"),
          "Invalid arguments. Number of columns in matrix must be equal to the number of elements "
          "in vector.\n");
  Refused(InvertMatrix("Z", "x"), kSingular);
  EXPECT_EQ(Status().faultCode, FAULT_NUMLIB);
  Refused(SolveLinearSystem("Z", "v3", "x"), kSingular);
  // 1/1e-320 overflows, but its operand is denormal: that fault comes first.
  Refused(InvertMatrix("T", "x"), "Floating point or memory access error\n");
  EXPECT_EQ(Status().faultCode, FAULT_FLT_DENORMAL_OPERAND);
  double zero[4] = {}, b[2] = {1, 1};
  ResetOperationStatus();
  EXPECT_EQ(GaussJordan(zero, 2, b, 1), 0);  // unprotected: the error is only recorded
  EXPECT_EQ(Status().flags, OPERR_NUMLIB);
  SetAllocationFailureAfter(0);
  Refused(InvertMatrix("A", "x"), "Unable to create matrices for calculation." + kNoMemory);
  SetAllocationFailureAfter(2);
  Refused(SolveLinearSystem("A", "v3", "x"), "Unable to create destination vector." + kNoMemory);
  // The work arrays of the elimination: the fault path frees what it has.
  SetAllocationFailureAfter(4);
  Refused(SolveLinearSystem("A", "v3", "x"),
          "Numerical library cannot allocate memory\nallocation failure in ivector()\n");
  EXPECT_EQ(Get<VectorObject>("x")->at(1), 42.0);
  EXPECT_EQ(document.objects.size(), 7u);
  EXPECT_EQ(ui.output, "");
  SetCurrentDocument(nullptr);
  Refused(InvertMatrix("W", "X"), "Pointer on math objects list is corrupted\n");
}

}  // namespace
}  // namespace tq
