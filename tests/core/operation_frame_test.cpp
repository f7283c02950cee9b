#include "core/operation_frame.h"

#include <cfloat>
#include <cmath>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/element_block.h"
#include "linalg/arithmetic.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

class FrameTest : public testing::WorkbenchTest {
 protected:
  std::string Message() const { return std::string(OperationMessage()); }
};

TEST_F(FrameTest, AddingIntoASourceReplacesItAfterTheComputation) {
  auto* a = Put("A", std::make_unique<MatrixObject>(2, 2, 1.0));
  Put("B", std::make_unique<MatrixObject>(2, 2, 2.0));
  ASSERT_EQ(AddMatrices("A", "B", "A"), 1);
  EXPECT_EQ(ui.output, "Deleted Matrix <A>\r\n");
  auto* sum = dynamic_cast<MatrixObject*>(FindObject("A", OBJMASK_MATRIX));
  ASSERT_NE(sum, nullptr);
  EXPECT_NE(sum, a);
  EXPECT_EQ(sum->at(2, 2), 3.0);
  // The result is appended at the tail.
  EXPECT_EQ(CurrentObjectList()->entries().back()->name, "A");
}

TEST_F(FrameTest, AResultReplacesAnObjectOfAnyKind) {
  Function("out", "x^2");
  Put("u", std::make_unique<VectorObject>(2, 1.0));
  ASSERT_EQ(AddVectors("u", "u", "OUT"), 1);
  EXPECT_EQ(ui.output, "Deleted Object <out>\r\n");
  EXPECT_EQ(FindObject("out", OBJMASK_FUNCTION), nullptr);
  EXPECT_EQ(FindObject("out", OBJMASK_VECTOR)->name, "OUT");
}

TEST_F(FrameTest, OverflowIsTrappedAndNothingChanges) {
  auto* a = Put("A", std::make_unique<MatrixObject>(2, 2, DBL_MAX));
  Put("B", std::make_unique<MatrixObject>(2, 2, 2.0));
  auto* old = Variable("C", 7.0);
  EXPECT_EQ(MultiplyMatrices("A", "B", "C"), 0);
  EXPECT_EQ(Message(), "Floating point error\nOverflow of numerical value\n");
  EXPECT_EQ(Status().lastCode, OPERR_FAULT);
  EXPECT_NE(Status().flags & OPERR_TRAPPED, 0);
  EXPECT_EQ(Status().faultCode, FAULT_FLT_OVERFLOW);
  EXPECT_EQ(Status().inProtectedCall, 0);
  EXPECT_EQ(FindObject("C", OBJMASK_ANY), old);
  EXPECT_EQ(old->value, 7.0);
  EXPECT_EQ(a->at(1, 1), DBL_MAX);
  EXPECT_EQ(CurrentObjectList()->size(), 3u);
  EXPECT_EQ(ui.output, "");
}

TEST_F(FrameTest, InvalidOperationIsTrapped) {
  auto inf = std::make_unique<VectorObject>(2, 0.0);
  inf->at(1) = HUGE_VAL;
  Put("a", std::move(inf));
  auto minusInf = std::make_unique<VectorObject>(2, 0.0);
  minusInf->at(1) = -HUGE_VAL;
  Put("b", std::move(minusInf));
  EXPECT_EQ(AddVectors("a", "b", "c"), 0);
  EXPECT_EQ(Message(), "Floating point error\nInvalid operation\n");
  EXPECT_EQ(FindObject("c", OBJMASK_ANY), nullptr);
}

TEST_F(FrameTest, AResultThatCannotBeCreatedIsReported) {
  Put("a", std::make_unique<VectorObject>(2, 1.0));
  SetAllocationFailureAfter(0);
  EXPECT_EQ(AddVectors("a", "a", "c"), 0);
  EXPECT_EQ(Message(), "Unable to create destination vector.\nPossibly not enough memory.\n");
  Put("m", std::make_unique<MatrixObject>(2, 2, 1.0));  // allocation fails: status -1
  SetAllocationFailureAfter(-1);
  Put("M", std::make_unique<MatrixObject>(2, 2, 1.0));
  SetAllocationFailureAfter(0);
  EXPECT_EQ(TransposeMatrix("M", "T"), 0);
  EXPECT_EQ(Message(), "Unable to create destination matrix.\nPossibly not enough memory.\n");
  EXPECT_EQ(FindObject("T", OBJMASK_ANY), nullptr);
}

TEST_F(FrameTest, AFailedObjectLevelCheckAddsTheOperationText) {
  ResetOperationStatus();
  auto result = std::make_unique<VectorObject>(1, 0.0);
  result->name = "r";
  int32_t ok = RunProtected([] {
    SetOperationError("Vectors have different number of elements.");
    return 0;
  });
  EXPECT_EQ(FinishOperation(ok, std::move(result), "Vector operation failed"), 0);
  EXPECT_EQ(Message(), "Vectors have different number of elements.\nVector operation failed\n");
  EXPECT_EQ(FindObject("r", OBJMASK_ANY), nullptr);
}

TEST_F(FrameTest, SuccessLeavesAnEmptyStatus) {
  Put("a", std::make_unique<VectorObject>(2, 1.0));
  SetOperationError("stale");
  ASSERT_EQ(AddVectors("a", "a", "b"), 1);
  EXPECT_EQ(Message(), "");
  EXPECT_EQ(Status().flags, 0);
  EXPECT_EQ(Status().lastCode, 0);
}

}  // namespace
}  // namespace tq
