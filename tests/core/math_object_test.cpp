#include "core/math_object.h"

#include <gtest/gtest.h>

#include "core/element_block.h"
#include "core/operation_status.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

using ObjectTest = testing::WorkbenchTest;

TEST_F(ObjectTest, MatrixSizesPastTheLimitFailWithTheirMessage) {
  MatrixObject tooMany(2, 50000001, 0.0);
  EXPECT_EQ(tooMany.status, STATUS_ALLOC_FAILED);
  EXPECT_EQ(OperationMessage(), "invalid Matrix parameters\n");
  EXPECT_EQ(Status().lastCode, OPERR_ALLOC);

  ResetOperationStatus();
  MatrixObject noRows(3, 0, 0.0);
  EXPECT_EQ(noRows.status, STATUS_ALLOC_FAILED);
  MatrixObject huge(100000001, 1, 0.0);
  EXPECT_EQ(huge.status, STATUS_ALLOC_FAILED);
  // The exact product decides, not a wrapped 32-bit one.
  MatrixObject wraps(65536, 65536, 0.0);
  EXPECT_EQ(wraps.status, STATUS_ALLOC_FAILED);
  EXPECT_EQ(OperationMessage(), "invalid Matrix parameters\n");
}

TEST_F(ObjectTest, TheLargestMatrixIsWithinRange) {
  MatrixObject tall(1, 100000000, 0.25);  // one column
  ASSERT_EQ(tall.status, STATUS_VALID);
  EXPECT_EQ(tall.at(100000000, 1), 0.25);
  EXPECT_EQ(Status().flags, 0);
}

TEST_F(ObjectTest, VectorSizesPastTheLimitFailWithTheirMessage) {
  VectorObject big(100000001, 0.0);
  EXPECT_EQ(big.status, STATUS_ALLOC_FAILED);
  EXPECT_EQ(OperationMessage(), "invalid vector parameters\n");
  ResetOperationStatus();
  VectorObject none(0, 0.0);
  EXPECT_EQ(none.status, STATUS_ALLOC_FAILED);
}

TEST_F(ObjectTest, StorageThatCannotBeObtainedLeavesStatusMinusOne) {
  SetAllocationFailureAfter(0);
  VectorObject v(10, 0.0);
  EXPECT_EQ(v.status, STATUS_ALLOC_FAILED);
  EXPECT_EQ(OperationMessage(), "unable allocate vector\n");
  MatrixObject m(2, 2, 0.0);
  EXPECT_EQ(m.status, STATUS_ALLOC_FAILED);
  EXPECT_EQ(OperationMessage(), "unable allocate matrix\n");
  EXPECT_EQ(Status().flags, OPERR_ALLOC);
}

}  // namespace
}  // namespace tq
