#include "stats/moments.h"

#include <cmath>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "support/workbench_test.h"

namespace tq {
namespace {

class MomentsTest : public testing::WorkbenchTest {};

TEST_F(MomentsTest, SixMomentsReplaceAnOutputOfAnotherLength) {
  Vector("d", {1, 2, 3, 4});
  Vector("m", {9, 9, 9});
  ASSERT_EQ(ComputeMoments("d", "m"), 1);
  auto* m = Get<VectorObject>("m");
  ASSERT_EQ(m->size, 6);
  EXPECT_EQ(m->at(1), 2.5);
  EXPECT_EQ(m->at(2), 1.0);
  EXPECT_DOUBLE_EQ(m->at(3), std::sqrt(5.0 / 3.0));
  EXPECT_DOUBLE_EQ(m->at(4), 5.0 / 3.0);
  EXPECT_EQ(m->at(5), 0.0);
  // Fourth powers of the deviations sum to 10.25.
  EXPECT_DOUBLE_EQ(m->at(6), 10.25 / (25.0 / 9.0 * 4) - 3.0);
  EXPECT_EQ(Message(), "");
  EXPECT_EQ(ui.output, "Deleted Vector <m>\r\n");
}

TEST_F(MomentsTest, VarianceLimitForSkewnessAndKurtosis) {
  double mean, adev, sdev, var, skew, kurt;
  const double below[] = {0.0, 1e-50};  // variance 5e-101
  Moments(below, mean, adev, sdev, var, skew, kurt);
  EXPECT_LE(var, kSmallestVariance);
  EXPECT_EQ(skew, 0.0);
  EXPECT_EQ(kurt, 0.0);
  const double above[] = {0.0, 2e-50};  // variance 2e-100
  Moments(above, mean, adev, sdev, var, skew, kurt);
  EXPECT_GT(var, kSmallestVariance);
  EXPECT_DOUBLE_EQ(kurt, 2e-200 / (4e-200 * 2) - 3.0);
  EXPECT_EQ(Message(), "");
}

// Rounding leaves the variance of a million equal values a little below
// zero; it is read as zero, so the moments are computed and the report
// says the higher moments cannot be.
TEST_F(MomentsTest, AConstantVectorIsNoError) {
  Put("d", std::make_unique<VectorObject>(1000000, 0.3));
  ASSERT_EQ(ComputeMoments("d", "m"), 1);
  EXPECT_EQ(Message(), "");
  auto* m = Get<VectorObject>("m");
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->at(3), 0.0);
  EXPECT_EQ(m->at(4), 0.0);
  EXPECT_FALSE(std::signbit(m->at(4)));
  EXPECT_EQ(m->at(5), 0.0);
  EXPECT_EQ(m->at(6), 0.0);
}

TEST_F(MomentsTest, OverflowCreatesNothing) {
  Vector("d", {1e308, 1e308, 1e308});
  Vector("m", {7});
  EXPECT_EQ(ComputeMoments("d", "m"), 0);
  EXPECT_EQ(Message(), "Floating point error\nOverflow of numerical value\n");
  EXPECT_EQ(Get<VectorObject>("m")->size, 1);
  EXPECT_EQ(Get<VectorObject>("m")->at(1), 7.0);
}

TEST_F(MomentsTest, MessagesInCheckOrder) {
  Vector("one", {1});
  Matrix("M", 2, 2, {1, 2, 3, 4});
  Refused(ComputeMoments("", "out"), "Invalid source matrix name\n");
  Refused(ComputeMoments(std::string(1001, 'v'), "out"), "Invalid source matrix name\n");
  Refused(ComputeMoments("one", ""), "Invalid destination vector name\n");
  Refused(ComputeMoments("nothing", "out"), "Unable to find source vector with specified name\n");
  Refused(ComputeMoments("M", "out"), "Unable to find source vector with specified name\n");
  Refused(ComputeMoments("one", "out"),
          "Invalid argument. Vector must contain at least 2 values.\n");
  EXPECT_EQ(FindObject("out", OBJMASK_ANY), nullptr);
}

TEST_F(MomentsTest, ObjectFormNeedsSixElementsAndTheRoutineTwoValues) {
  VectorObject* two = Vector("two", {1, 2});
  VectorObject* seven = Vector("seven", {0, 0, 0, 0, 0, 0, 42});
  Refused(ComputeMomentObjects(two, Vector("five", {0, 0, 0, 0, 0})),
          "Destination vector must have at least 6 elements.\n");
  ASSERT_EQ(ComputeMomentObjects(two, seven), 1);
  EXPECT_EQ(seven->at(1), 1.5);
  EXPECT_EQ(seven->at(7), 42.0);  // elements after the sixth are not touched
  double mean, adev, sdev, var, skew, kurt;
  const double three[] = {3.0};
  Moments(three, mean, adev, sdev, var, skew, kurt);
  EXPECT_EQ(Message(), "Numerical library error\nn must be at least 2\n");
  EXPECT_EQ(Status().lastCode, OPERR_NUMLIB);
}

}  // namespace
}  // namespace tq
