#include "linalg/arithmetic.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/object_list.h"
#include "core/operation_status.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

using ArithmeticTest = testing::WorkbenchTest;

TEST_F(ArithmeticTest, AddsAndSubtractsElementWise) {
  Matrix("A", 2, 3, 1.0);
  Matrix("B", 2, 3, 10.0);
  ASSERT_EQ(AddMatrices("A", "B", "C"), 1);
  ASSERT_EQ(SubtractMatrices("B", "A", "D"), 1);
  auto* c = Get<MatrixObject>("C");
  auto* d = Get<MatrixObject>("D");
  EXPECT_EQ(c->rows, 2);
  EXPECT_EQ(c->columns, 3);
  EXPECT_EQ(c->at(2, 3), 6.0 + 15.0);
  EXPECT_EQ(d->at(1, 1), 9.0);
  EXPECT_EQ(Message(), "");
  EXPECT_EQ(Status().flags, 0);

  Vector("u", {1, 2, 3});
  Vector("w", {4, 5, 6});
  ASSERT_EQ(SubtractVectors("u", "w", "r"), 1);
  EXPECT_EQ(Get<VectorObject>("r")->at(3), -3.0);
}

TEST_F(ArithmeticTest, ProductsTakeTheShapesOfTheirFactors) {
  Matrix("A", 2, 3);
  Matrix("B", 3, 4);
  ASSERT_EQ(MultiplyMatrices("A", "B", "C"), 1);
  auto* c = Get<MatrixObject>("C");
  EXPECT_EQ(c->rows, 2);
  EXPECT_EQ(c->columns, 4);
  // Row 1 of A is 1 2 3; column 1 of B is 1 5 9.
  EXPECT_EQ(c->at(1, 1), 1.0 * 1 + 2.0 * 5 + 3.0 * 9);

  Matrix("A23b", 2, 3);
  EXPECT_EQ(MultiplyMatrices("A", "A23b", "X"), 0);
  EXPECT_EQ(Message(),
            "Invalid argument sizes. Number columns of the 1st matrix must be equal to the number "
            "of rows of the 2nd matrix .\n");
  EXPECT_EQ(FindObject("X", OBJMASK_ANY), nullptr);

  Vector("u", {1, 2, 3});
  Vector("w", {4, 5, 6});
  ASSERT_EQ(MultiplyVectors("u", "w", "dot"), 1);
  auto* dot = Get<VectorObject>("dot");
  EXPECT_EQ(dot->size, 1);
  EXPECT_EQ(dot->at(1), 32.0);

  ASSERT_EQ(MultiplyMatrixVector("A", "u", "mv"), 1);
  auto* mv = Get<VectorObject>("mv");
  EXPECT_EQ(mv->size, 2);
  EXPECT_EQ(mv->at(2), 4.0 * 1 + 5.0 * 2 + 6.0 * 3);
}

TEST_F(ArithmeticTest, TransposeSwapsRowsAndColumnsOfAnyShape) {
  Matrix("R", 1, 4);
  ASSERT_EQ(TransposeMatrix("R", "T"), 1);
  auto* t = Get<MatrixObject>("T");
  EXPECT_EQ(t->rows, 4);
  EXPECT_EQ(t->columns, 1);
  EXPECT_EQ(t->at(3, 1), 3.0);
  auto* big = Matrix("Big", 37, 70);
  ASSERT_EQ(TransposeMatrix("Big", "BigT"), 1);
  auto* bt = Get<MatrixObject>("BigT");
  for (int i = 1; i <= 37; ++i)
    for (int j = 1; j <= 70; ++j) ASSERT_EQ(bt->at(j, i), big->at(i, j));
}

TEST_F(ArithmeticTest, TwoMatrixMessagesInCheckOrder) {
  const std::string tooLong(1001, 'a');
  Matrix("A", 2, 3);
  Matrix("B", 3, 2);
  EXPECT_EQ(AddMatrices("", "", ""), 0);
  EXPECT_EQ(Message(), "Invalid 1st matrix name\n");
  EXPECT_EQ(AddMatrices("A", tooLong, ""), 0);
  EXPECT_EQ(Message(), "Invalid 2nd matrix name\n");
  EXPECT_EQ(AddMatrices("A", "B", ""), 0);
  EXPECT_EQ(Message(), "Invalid destination matrix name\n");
  EXPECT_EQ(AddMatrices("Q", "Q", "C"), 0);
  EXPECT_EQ(Message(), "Unable to find 1st source matrix with the specified name\n");
  EXPECT_EQ(AddMatrices("A", "Q", "C"), 0);
  EXPECT_EQ(Message(), "Unable to find 2nd source matrix with the specified name\n");
  EXPECT_EQ(AddMatrices("A", "B", "C"), 0);
  EXPECT_EQ(Message(),
            "Invalid arguments. Matrices must have equal number columns and equal number of "
            "rows.\n");
  EXPECT_EQ(Status().lastCode, OPERR_ARGUMENT);
  EXPECT_EQ(FindObject("C", OBJMASK_ANY), nullptr);
}

TEST_F(ArithmeticTest, VectorAndMatrixVectorMessages) {
  Vector("u", {1, 2});
  Vector("w", {1, 2, 3});
  Matrix("A", 2, 3);
  EXPECT_EQ(AddVectors("u", "w", "r"), 0);
  EXPECT_EQ(Message(), "Invalid arguments. Vectors must have equal number of elements.\n");
  EXPECT_EQ(AddVectors("u", "A", "r"), 0);
  EXPECT_EQ(Message(), "Unable to find 2nd source vector with the specified name\n");
  EXPECT_EQ(MultiplyMatrixVector("u", "w", "r"), 0);
  EXPECT_EQ(Message(), "Unable to find source matrix with the specified name\n");
  EXPECT_EQ(MultiplyMatrixVector("A", "A", "r"), 0);
  EXPECT_EQ(Message(), "Unable to find source vector with the specified name\n");
  EXPECT_EQ(MultiplyMatrixVector("A", "u", "r"), 0);
  EXPECT_EQ(Message(),
            "Invalid arguments. Number of columns in matrix must be equal to the number of "
            "elements in vector.\n");
  EXPECT_EQ(MultiplyMatrixVector("A", "w", ""), 0);
  EXPECT_EQ(Message(), "Invalid destination vector name\n");
  EXPECT_EQ(TransposeMatrix("u", "T"), 0);
  EXPECT_EQ(Message(), "Unable to find source matrix with specified name\n");
  EXPECT_EQ(TransposeMatrix("", "T"), 0);
  EXPECT_EQ(Message(), "Invalid source matrix name\n");
}

TEST_F(ArithmeticTest, WithoutAnObjectListTheOperationIsRefused) {
  SetCurrentDocument(nullptr);
  EXPECT_EQ(AddMatrices("A", "B", "C"), 0);
  EXPECT_EQ(Message(), "Pointer on math objects list is corrupted\n");
}

TEST_F(ArithmeticTest, ObjectLevelChecksAppendTheFailureText) {
  VectorObject a(2, 1.0), b(3, 1.0), dest(2, 0.0);
  EXPECT_EQ(AddVectorObjects(&a, &b, &dest), 0);
  AppendOperationFailure("Vector operation failed");
  EXPECT_EQ(Message(), "Vectors have different number of elements.\nVector operation failed\n");

  VectorObject c(2, 1.0), wrong(3, 0.0), one(1, 0.0);
  EXPECT_EQ(SubtractVectorObjects(&a, &c, &wrong), 0);
  EXPECT_EQ(Message(), "Source and destination vectors have differnt number of elements.\n");
  EXPECT_EQ(MultiplyVectorObjects(&a, &c, &wrong), 0);
  EXPECT_EQ(Message(), "Destination vector must have one element.\n");
  EXPECT_EQ(MultiplyVectorObjects(&a, &c, &one), 1);
  EXPECT_EQ(one.at(1), 2.0);
  EXPECT_EQ(AddVectorObjects(nullptr, &c, &one), 0);
  EXPECT_EQ(Message(), "Invalid 1st argument\n");
  EXPECT_EQ(AddVectorObjects(&a, nullptr, &one), 0);
  EXPECT_EQ(Message(), "Invalid 2nd argument\n");
  EXPECT_EQ(AddVectorObjects(&a, &c, nullptr), 0);
  EXPECT_EQ(Message(), "Invalid destination argument\n");

  MatrixObject m23(3, 2, 1.0), m32(2, 3, 1.0), m22(2, 2, 0.0), m33(3, 3, 0.0);
  EXPECT_EQ(AddMatrixObjects(&m23, &m32, &m22), 0);
  EXPECT_EQ(Message(), "Matrices have incompatible numbers of rows and columns.\n");
  EXPECT_EQ(AddMatrixObjects(&m23, &m23, &m22), 0);
  EXPECT_EQ(Message(),
            "Source and destination matrices have incompatible numbers of rows and columns.\n");
  EXPECT_EQ(MultiplyMatrixObjects(&m23, &m23, &m22), 0);
  EXPECT_EQ(Message(),
            "Source and destination matrices have incompatible numbers of rows and columns.\n");
  MatrixObject m23b(3, 2, 0.0);
  EXPECT_EQ(MultiplyMatrixObjects(&m23, &m23, &m23b), 0);
  EXPECT_EQ(Message(),
            "Invalid argument sizes. Number columns of the 1st matrix must be equal to the "
            "number of rows of the 2nd matrix .\n");
  EXPECT_EQ(TransposeMatrixObject(&m23, &m33), 0);
  EXPECT_EQ(Message(),
            "Source and destination matrices have incompatible number of rows and columns.\n");
  EXPECT_EQ(TransposeMatrixObject(nullptr, &m33), 0);
  EXPECT_EQ(Message(), "Invalid function source argument\n");
  EXPECT_EQ(TransposeMatrixObject(&m23, nullptr), 0);
  EXPECT_EQ(Message(), "Invalid function destination argument\n");

  VectorObject v3(3, 1.0), v2(2, 0.0), v5(5, 0.0);
  EXPECT_EQ(MultiplyMatrixVectorObjects(&m23, &v2, &v2), 0);
  EXPECT_EQ(Message(),
            "Number of columns in matrix must be equal to the number of elements in vector.\n");
  EXPECT_EQ(MultiplyMatrixVectorObjects(&m23, &v3, &v5), 0);
  EXPECT_EQ(Message(),
            "Destination vector must have size equal to the number of rows in matrix.\n");
}

}  // namespace
}  // namespace tq
