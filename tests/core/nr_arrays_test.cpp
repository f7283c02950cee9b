#include "core/nr_arrays.h"

#include <gtest/gtest.h>

#include "core/element_block.h"
#include "core/operation_status.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

using ArraysTest = testing::WorkbenchTest;

TEST_F(ArraysTest, DvectorIsAddressableFromItsLowerBound) {
  double* v = dvector(1, 5);
  ASSERT_NE(v, nullptr);
  for (int i = 1; i <= 5; ++i) v[i] = i * 1.5;
  EXPECT_EQ(v[1], 1.5);
  EXPECT_EQ(v[5], 7.5);
  free_dvector(v, 1, 5);

  int32_t* w = ivector(0, 3);
  ASSERT_NE(w, nullptr);
  for (int i = 0; i <= 3; ++i) w[i] = i;
  EXPECT_EQ(w[3], 3);
  free_ivector(w, 0, 3);
}

TEST_F(ArraysTest, DmatrixRowsFollowEachOtherInOneBlock) {
  double** m = dmatrix(1, 2, 1, 3);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m[2], m[1] + 3);
  for (int i = 1; i <= 2; ++i)
    for (int j = 1; j <= 3; ++j) m[i][j] = 10 * i + j;
  EXPECT_EQ(m[1][3], 13);
  EXPECT_EQ(m[2][1], 21);
  EXPECT_EQ(&m[1][3] + 1, &m[2][1]);
  free_dmatrix(m, 1, 2, 1, 3);
}

TEST_F(ArraysTest, FailedAllocationsReportTheirHelper) {
  SetAllocationFailureAfter(0);
  EXPECT_EQ(dvector(1, 4), nullptr);
  EXPECT_EQ(OperationMessage(),
            "Numerical library cannot allocate memory\nallocation failure in dvector()\n");
  EXPECT_EQ(ivector(1, 4), nullptr);
  EXPECT_EQ(OperationMessage(),
            "Numerical library cannot allocate memory\nallocation failure in ivector()\n");
  EXPECT_EQ(dmatrix(1, 2, 1, 2), nullptr);
  EXPECT_EQ(OperationMessage(),
            "Numerical library cannot allocate memory\nallocation failure 1 in dmatrix()\n");
  SetAllocationFailureAfter(1);  // the row table succeeds, the element block fails
  EXPECT_EQ(dmatrix(1, 2, 1, 2), nullptr);
  EXPECT_EQ(OperationMessage(),
            "Numerical library cannot allocate memory\nallocation failure 2 in dmatrix()\n");
  EXPECT_EQ(Status().lastCode, OPERR_NUMLIB_ALLOC);
}

TEST_F(ArraysTest, ReversedBoundsAreRefused) {
  EXPECT_EQ(dvector(5, 1), nullptr);
  EXPECT_EQ(dmatrix(1, 2, 3, 1), nullptr);
}

}  // namespace
}  // namespace tq
