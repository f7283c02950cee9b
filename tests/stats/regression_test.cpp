#include "stats/regression.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/workbench_test.h"

namespace tq {
namespace {

class RegressionTest : public testing::WorkbenchTest {
 protected:
  int32_t Fit(std::vector<std::string> xs, const char* y, const char* dest, bool save = false,
              const char* cov = "", const char* res = "", const char* pred = "") {
    return LinearRegression(&xs, int32_t(xs.size()), y, false, dest, save, cov, res, pred);
  }
};

TEST_F(RegressionTest, WorkedExampleEveryFigure) {
  Vector("x", {1, 2, 3, 4});
  Vector("y", {3, 5, 7, 10});
  Vector("r", {1});
  Matrix("res", 1, 1, {1});
  ASSERT_EQ(Fit({"x"}, "y", "r", true, "cov", "res", "pred"), 1);
  EXPECT_EQ(ui.output, "Deleted Vector <r>\r\nDeleted Matrix <res>\r\n");
  auto* r = Get<VectorObject>("r");
  ASSERT_EQ(r->size, 10);  // 4p + 2 with p = 2
  const double expected[10] = {0.5,      2.3,       0.3,     0.15,    0.474342,
                               0.173205, -0.448683, 1.95359, 1.44868, 2.64641};
  for (int i = 0; i < 10; ++i) EXPECT_NEAR(r->at(i + 1), expected[i], i < 4 ? 1e-14 : 5e-6) << i;
  // The limits are exactly two standard errors either side.
  EXPECT_EQ(r->at(7), r->at(1) - 2 * r->at(5));
  EXPECT_EQ(r->at(10), r->at(2) + 2 * r->at(6));
  auto* cov = Get<MatrixObject>("cov");
  ASSERT_EQ(cov->rows, 2);
  EXPECT_NEAR(cov->at(1, 1), 0.15 * 1.5, 1e-14);  // variance times (X'X)^-1
  EXPECT_NEAR(cov->at(1, 2), 0.15 * -0.5, 1e-14);
  EXPECT_NEAR(cov->at(2, 2), 0.15 * 0.2, 1e-14);
  auto* res = Get<VectorObject>("res");
  auto* pred = Get<VectorObject>("pred");
  const double residuals[4] = {0.2, -0.1, -0.4, 0.3}, y[4] = {3, 5, 7, 10};
  for (int j = 1; j <= 4; ++j) {
    EXPECT_NEAR(res->at(j), residuals[j - 1], 1e-14);
    EXPECT_EQ(pred->at(j), r->at(1) + r->at(2) * j);
    EXPECT_EQ(res->at(j), y[j - 1] - pred->at(j));
  }
  // Listed in this order: sources, result, covariance, residuals, predictions.
  ASSERT_EQ(document.objects.size(), 6u);
  EXPECT_EQ(document.objects.entries()[2]->name, "r");
  EXPECT_EQ(document.objects.entries()[3]->name, "cov");
  EXPECT_EQ(document.objects.entries()[5]->name, "pred");
}

TEST_F(RegressionTest, TwoVariablesAgreeWithTheExactFit) {
  Vector("x1", {1, 2, 3, 4, 5, 6});
  Vector("x2", {2, -1, 0, 3, 1, -2});
  Vector("y", {3, 4, 7, 12, 11, 10});
  ASSERT_EQ(Fit({"x1", "x2"}, "y", "r"), 1);
  EXPECT_EQ(document.objects.size(), 4u);  // the result vector only
  // Exact in rationals; (X'X)^-1 has the diagonal 71/69, 35/552, 35/552.
  const double v = 224.0 / 207, e0 = std::sqrt(v * 71 / 69), e = std::sqrt(v * 35 / 552);
  const double expected[] = {14.0 / 69, 47.0 / 23, 22.0 / 23, 224.0 / 69, v, e0, e, e};
  for (int i = 0; i < 8; ++i)
    EXPECT_NEAR(Get<VectorObject>("r")->at(i + 1), expected[i], 1e-12 * expected[i]) << i;
}

TEST_F(RegressionTest, ThreeSamplesLeaveOneDegreeOfFreedom) {
  Vector("x", {1, 2, 4});
  Vector("y", {1, 3, 4});
  ASSERT_EQ(Fit({"x"}, "y", "r"), 1);
  EXPECT_EQ(Get<VectorObject>("r")->at(4), Get<VectorObject>("r")->at(3));  // chi-square / (3 - 2)
}

TEST_F(RegressionTest, SingularSystemsCreateNothingAndKeepTheOutputs) {
  Vector("x1", {1, 2, 3, 4});
  Vector("x2", {2, 4, 6, 8});
  Vector("y", {1, 3, 2, 5});
  Vector("r", {42});
  Vector("cov", {43});
  EXPECT_EQ(Fit({"x1", "x2"}, "y", "r", true, "cov", "res", "pred"), 0);
  EXPECT_EQ(Message(), "Numerical library error\nSingular Matrix, the equation cant be solved\n");
  EXPECT_EQ(Get<VectorObject>("r")->at(1), 42.0);
  EXPECT_EQ(Get<VectorObject>("cov")->at(1), 43.0);
  EXPECT_EQ(document.objects.size(), 5u);
  EXPECT_EQ(ui.output, "");
  // More parameters than samples: rounding may leave a tiny pivot in place
  // of the exact zero, and the fit then fails on the fault that follows.
  Vector("a", {1, 2, 4});
  Vector("b", {3, 1, 2});
  Vector("c", {5, 5, 1});
  Vector("y3", {1, 2, 3});
  EXPECT_EQ(Fit({"a", "b", "c"}, "y3", "s"), 0);
  EXPECT_NE(Status().flags & (OPERR_NUMLIB | OPERR_TRAPPED), 0);
  EXPECT_EQ(FindObject("s", OBJMASK_ANY), nullptr);
}

// NaN data is refused with the invalid-operation fault, as moments and the
// t-test refuse it, and nothing is created or replaced.
TEST_F(RegressionTest, NaNInYOrAnyXIsRefused) {
  const double nan = std::nan("");
  Vector("x1", {1, 2, 3, 4});
  Vector("x2", {2, 1, 4, 3});
  Vector("y", {1, 3, 2, 5});
  Vector("r", {42});
  Vector("xn", {1, 2, nan, 4});
  Vector("yn", {nan, 3, 2, 5});
  const struct {
    std::vector<std::string> xs;
    const char* y;
  } rows[] = {{{"x1"}, "yn"}, {{"xn"}, "y"}, {{"x1", "xn"}, "y"}, {{"xn", "x2"}, "yn"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.y);
    EXPECT_EQ(Fit(row.xs, row.y, "r"), 0);
    EXPECT_EQ(Message(), "Floating point error\nInvalid operation\n");
    EXPECT_EQ(Get<VectorObject>("r")->size, 1);
    EXPECT_EQ(Get<VectorObject>("r")->at(1), 42.0);
    EXPECT_EQ(Fit(row.xs, row.y, "r", true, "cov", "res", "pred"), 0);
    EXPECT_EQ(FindObject("cov", OBJMASK_ANY), nullptr);
  }
  // Unprotected, the routine itself records the fault.
  ResetOperationStatus();
  const VectorObject* xs[] = {Get<VectorObject>("x1")};
  VectorObject* dest = Vector("dest", {7, 7, 7, 7, 7, 7, 7, 7, 7, 7});
  EXPECT_EQ(LinearRegressionObjects(xs, 1, Get<VectorObject>("yn"), false, dest, false, nullptr,
                                    nullptr, nullptr),
            0);
  EXPECT_EQ(Message(), "Floating point error\nInvalid operation\n");
  EXPECT_EQ(dest->at(1), 7.0);
}

TEST_F(RegressionTest, MessagesInCheckOrder) {
  const std::string tooLong(1001, 'n');
  Vector("x", {1, 2, 3, 4});
  Vector("x5", {1, 2, 3, 4, 5});
  Vector("x2", {1, 2});
  Vector("y", {3, 5, 7, 10});
  Vector("y5", {3, 5, 7, 10, 11});
  Matrix("M", 2, 2, {1, 2, 3, 4});
  std::vector<std::string> none, one = {"x"};
  Refused(LinearRegression(nullptr, 1, "y", false, "r", false, "", "", ""),
          "Pointer on list of vectors X(i) is corrupted\n");
  Refused(LinearRegression(&none, 0, "y", false, "r", false, "", "", ""),
          " List of vectors X(i) is empty. Please select at least one vector X(i)\n");
  Refused(LinearRegression(&one, 2, "y", false, "r", false, "", "", ""),
          " Number of vectors X(i) is incorrect. Please select at least one vector X(i)\n");
  Refused(Fit({"x"}, "", "r"), "Invalid 2nd vector name\n");
  Refused(Fit({"x"}, "y", tooLong.c_str()), "Invalid destination vector name\n");
  Refused(Fit({"x"}, "y", "r", true, "", "res", "pred"), "Invalid covariance matrix name\n");
  Refused(Fit({"x"}, "y", "r", true, "cov", "", "pred"), "Invalid residuals vector name\n");
  Refused(Fit({"x"}, "y", "r", true, "cov", "res", tooLong.c_str()),
          "Invalid predictions vector name\n");
  Refused(Fit({"x"}, "y", "r", true, "cov", "R", "pred"),
          "Output vectors and matrix must have different names.\n");
  const std::string kNoX = "Unable to find X(i) vector with the specified name\n";
  Refused(Fit({"x", "nothing"}, "y", "r"), kNoX);
  Refused(Fit({"M"}, "y", "r"), kNoX);
  Refused(Fit({"x2"}, "y", "r"),
          "Too few data samples in vectors X(i). Must be more than 2 data samples to do linear "
          "regression.\n");
  Refused(Fit({"x", "x5"}, "y", "r"),
          "Different size of X(i) data vectors. All vectors X(i) must contain same number of "
          "data samples.\n");
  Refused(Fit({"x"}, "M", "r"), "Unable to find 2nd source vector with the specified name\n");
  Refused(Fit({"x"}, "y5", "r"),
          "Different size of X and Y data vectors. All vectors X(i) and vector Y must contain "
          "same number of data samples.\n");
  EXPECT_EQ(document.objects.size(), 6u);
  SetCurrentDocument(nullptr);
  Refused(Fit({"x"}, "y", "r"), "List of objects is corrupted\n");
}

TEST_F(RegressionTest, ObjectsThatCannotBeCreated) {
  Vector("x", {1, 2, 3, 4});
  Vector("y", {3, 5, 7, 10});
  SetAllocationFailureAfter(0);
  Refused(Fit({"x"}, "y", "r"),
          "Unable to create destination vector.\nPossibly not enough memory.\n");
  SetAllocationFailureAfter(2);
  Refused(Fit({"x"}, "y", "r", true, "cov", "res", "pred"),
          "Unable to create output matrix or vector.\nPossibly not enough memory.\n");
  // Work arrays of the fit: the fault path releases them.
  SetAllocationFailureAfter(6);
  EXPECT_EQ(Fit({"x"}, "y", "r", true, "cov", "res", "pred"), 0);
  EXPECT_EQ(Message().rfind("Numerical library cannot allocate memory\n", 0), 0u);
  EXPECT_EQ(document.objects.size(), 2u);
}

}  // namespace
}  // namespace tq
