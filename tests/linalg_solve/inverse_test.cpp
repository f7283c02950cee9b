#include "linalg/inverse.h"

#include <string>

#include <gtest/gtest.h>

#include "core/element_block.h"
#include "objects_fixture.h"

namespace tq {
namespace {

const std::string kSingular = "Numerical library error\nSingular Matrix, the equation cant be solved\n";

class InverseTest : public ObjectsTest {};

TEST_F(InverseTest, OneByOneAndSwappedIdentity) {
  Matrix("A", 1, 1, {2});
  ASSERT_EQ(InvertMatrix("A", "Ainv"), 1);
  auto* inv = Get<MatrixObject>("Ainv");
  ASSERT_NE(inv, nullptr);
  EXPECT_EQ(inv->rows, 1);
  EXPECT_EQ(inv->at(1, 1), 0.5);
  EXPECT_EQ(Message(), "");

  Matrix("P", 2, 2, {0, 1, 1, 0});
  ASSERT_EQ(InvertMatrix("P", "Pinv"), 1);
  auto* pinv = Get<MatrixObject>("Pinv");
  EXPECT_EQ(pinv->at(1, 1), 0.0);
  EXPECT_EQ(pinv->at(1, 2), 1.0);
  EXPECT_EQ(pinv->at(2, 1), 1.0);
  EXPECT_EQ(pinv->at(2, 2), 0.0);
}

TEST_F(InverseTest, InverseTimesMatrixIsIdentity) {
  Matrix("A", 3, 3, {4, -2, 1, 3, 6, -4, 2, 1, 8});
  ASSERT_EQ(InvertMatrix("A", "B"), 1);
  auto* a = Get<MatrixObject>("A");
  auto* b = Get<MatrixObject>("B");
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) {
      double sum = 0.0;
      for (int k = 1; k <= 3; ++k) sum += a->at(i, k) * b->at(k, j);
      EXPECT_NEAR(sum, i == j ? 1.0 : 0.0, 1e-14);
    }
}

TEST_F(InverseTest, SolvesLinearSystems) {
  Matrix("A", 1, 1, {2});
  Vector("b", {4});
  ASSERT_EQ(SolveLinearSystem("A", "b", "x"), 1);
  auto* x = Get<VectorObject>("x");
  ASSERT_NE(x, nullptr);
  EXPECT_EQ(x->size, 1);
  EXPECT_EQ(x->at(1), 2.0);

  Matrix("M", 3, 3, {2, 1, -1, -3, -1, 2, -2, 1, 2});
  Vector("r", {8, -11, -3});
  ASSERT_EQ(SolveLinearSystem("M", "r", "s"), 1);
  auto* s = Get<VectorObject>("s");
  EXPECT_NEAR(s->at(1), 2.0, 1e-14);
  EXPECT_NEAR(s->at(2), 3.0, 1e-14);
  EXPECT_NEAR(s->at(3), -1.0, 1e-14);
  // The work matrices are gone; only the sources and the results are listed.
  EXPECT_EQ(document.objects.size(), 6u);
}

TEST_F(InverseTest, SingularMatricesCreateNothingAndKeepTheOutput) {
  Matrix("Z", 2, 2, {0, 0, 0, 0});
  Matrix("E", 3, 3, {1, 2, 3, 1, 2, 3, 4, 5, 7});
  Vector("b", {1, 2});
  Vector("out", {42});
  EXPECT_EQ(InvertMatrix("Z", "out"), 0);
  EXPECT_EQ(Message(), kSingular);
  EXPECT_EQ(OperationStatus.flags & OPERR_NUMLIB, OPERR_NUMLIB);
  EXPECT_EQ(InvertMatrix("E", "out"), 0);
  EXPECT_EQ(Message(), kSingular);
  EXPECT_EQ(SolveLinearSystem("Z", "b", "out"), 0);
  EXPECT_EQ(Message(), kSingular);
  auto* out = Get<VectorObject>("out");
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(out->at(1), 42.0);
  EXPECT_EQ(document.objects.size(), 4u);
  EXPECT_EQ(ui.output, "");
}

TEST_F(InverseTest, OverflowIsTrappedWithItsText) {
  Matrix("T", 1, 1, {1e-320});
  EXPECT_EQ(InvertMatrix("T", "Tinv"), 0);
  EXPECT_EQ(Message(), "Floating point error\nOverflow of numerical value\n");
  EXPECT_EQ(Get<MatrixObject>("Tinv"), nullptr);
}

TEST_F(InverseTest, OutputNamedLikeTheSourceReplacesIt) {
  Matrix("A", 2, 2, {4, 0, 0, 2});
  ASSERT_EQ(InvertMatrix("A", "A"), 1);
  EXPECT_EQ(ui.output, "Deleted Matrix <A>\r\n");
  auto* a = Get<MatrixObject>("A");
  EXPECT_EQ(a->at(1, 1), 0.25);
  EXPECT_EQ(a->at(2, 2), 0.5);
  EXPECT_EQ(document.objects.size(), 1u);
}

TEST_F(InverseTest, InverseMessagesInCheckOrder) {
  const std::string tooLong(1001, 'a');
  Matrix("W", 2, 3, {1, 2, 3, 4, 5, 6});
  Vector("v", {1, 2});
  struct {
    std::string a, dest, message;
  } rows[] = {
      {"", "", "Invalid matrix A name\n"},
      {tooLong, "X", "Invalid matrix A name\n"},
      {"W", "", "Invalid destination matrix name\n"},
      {"v", "X", "Unable to find source matrix with the specified name\n"},
      {"W", "X", "Invalid arguments. Numbers of columns and rows in the matrix must be equal.\n"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(InvertMatrix(row.a, row.dest), 0);
    EXPECT_EQ(Message(), row.message);
  }
  SetCurrentDocument(nullptr);
  EXPECT_EQ(InvertMatrix("W", "X"), 0);
  EXPECT_EQ(Message(), "Pointer on math objects list is corrupted\n");
}

TEST_F(InverseTest, SolveMessagesInCheckOrder) {
  Matrix("A", 3, 3, {1, 0, 0, 0, 1, 0, 0, 0, 1});
  Matrix("W", 2, 3, {1, 2, 3, 4, 5, 6});
  Vector("v3", {1, 2, 3});
  Vector("v4", {1, 2, 3, 4});
  struct {
    std::string a, b, dest, message;
  } rows[] = {
      {"", "v3", "x", "Invalid matrix A name\n"},
      {"A", "", "x", "Invalid vector b name\n"},
      {"A", "v3", "", "Invalid destination vector name\n"},
      {"v3", "v3", "x", "Unable to find source matrix with the specified name\n"},
      {"A", "A", "x", "Unable to find source vector with the specified name\n"},
      {"W", "v3", "x", "Invalid arguments. Numbers of columns and rows in the matrix must be equal.\n"},
      {"A", "v4", "x",
       "Invalid arguments. Number of columns in matrix must be equal to the number of elements "
       "in vector.\n"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(SolveLinearSystem(row.a, row.b, row.dest), 0);
    EXPECT_EQ(Message(), row.message);
  }
  EXPECT_EQ(FindObject("x", OBJMASK_ANY), nullptr);
}

TEST_F(InverseTest, ObjectsThatCannotBeCreated) {
  Matrix("A", 2, 2, {1, 0, 0, 1});
  Vector("b", {1, 1});
  SetAllocationFailureAfter(0);
  EXPECT_EQ(InvertMatrix("A", "X"), 0);
  EXPECT_EQ(Message(), "Unable to create matrices for calculation.\nPossibly not enough memory.\n");
  SetAllocationFailureAfter(1);
  EXPECT_EQ(SolveLinearSystem("A", "b", "x"), 0);
  EXPECT_EQ(Message(), "Unable to create matrices for calculation.\nPossibly not enough memory.\n");
  SetAllocationFailureAfter(2);
  EXPECT_EQ(SolveLinearSystem("A", "b", "x"), 0);
  EXPECT_EQ(Message(), "Unable to create destination vector.\nPossibly not enough memory.\n");
  // The work arrays of the elimination: the fault path frees what it has.
  SetAllocationFailureAfter(4);
  EXPECT_EQ(SolveLinearSystem("A", "b", "x"), 0);
  EXPECT_EQ(Message(), "Numerical library cannot allocate memory\nallocation failure in ivector()\n");
  EXPECT_EQ(document.objects.size(), 2u);
}

}  // namespace
}  // namespace tq
