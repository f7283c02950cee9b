#include "stats/regression.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "objects_fixture.h"
#include "reference_statistics.h"

namespace tq {
namespace {

class RegressionTest : public ObjectsTest {
 protected:
  int32_t Fit(std::vector<std::string> xs, const char* y, const char* dest, bool save = false,
              const char* cov = "", const char* res = "", const char* pred = "") {
    return LinearRegression(&xs, int32_t(xs.size()), y, false, dest, save, cov, res, pred);
  }
};

TEST_F(RegressionTest, WorkedExampleEveryFigure) {
  Vector("x", {1, 2, 3, 4});
  Vector("y", {3, 5, 7, 10});
  ASSERT_EQ(Fit({"x"}, "y", "r", true, "cov", "res", "pred"), 1);
  auto* r = Get<VectorObject>("r");
  ASSERT_EQ(r->size, 10);  // 4p + 2 with p = 2
  const double expected[10] = {0.5,  2.3,       0.3,       0.15,    0.474342,
                               0.173205, -0.448683, 1.95359, 1.44868, 2.64641};
  for (int i = 0; i < 10; ++i) EXPECT_NEAR(r->at(i + 1), expected[i], 5e-6) << i;
  EXPECT_NEAR(r->at(1), 0.5, 1e-14);
  EXPECT_NEAR(r->at(2), 2.3, 1e-14);
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
  EXPECT_EQ(document.objects.entries[2]->name, "r");
  EXPECT_EQ(document.objects.entries[3]->name, "cov");
  EXPECT_EQ(document.objects.entries[5]->name, "pred");
}

TEST_F(RegressionTest, ThreeSamplesOneVector) {
  Vector("x", {1, 2, 4});
  Vector("y", {1, 3, 4});
  ASSERT_EQ(Fit({"x"}, "y", "r"), 1);
  auto* r = Get<VectorObject>("r");
  EXPECT_EQ(r->at(4), r->at(3));  // variance = chi-square / (3 - 2)
  EXPECT_EQ(document.objects.size(), 3u);  // the result vector only
}

TEST_F(RegressionTest, AgreesWithAnIndependentFitToTwelveDigits) {
  const std::vector<double> x1 = {0.5, 1.7, 2.2, 3.9, 4.1, 5.6, 6.3, 7.8, 8.4, 9.9};
  const std::vector<double> x2 = {3.1, -1.2, 0.4, 2.8, -0.7, 1.9, -2.5, 0.8, 3.3, -1.6};
  const std::vector<double> y = {7.2, 4.9, 7.7, 13.9, 8.6, 15.1, 9.4, 17.3, 22.6, 15.0};
  auto make = [&](const char* name, const std::vector<double>& values) {
    auto v = std::make_unique<VectorObject>(int32_t(values.size()), 0.0);
    for (size_t j = 0; j < values.size(); ++j) v->at(int32_t(j + 1)) = values[j];
    v->name = name;
    AddObject(std::move(v));
  };
  make("x1", x1);
  make("x2", x2);
  make("y", y);
  ASSERT_EQ(Fit({"x1", "x2"}, "y", "r"), 1);
  auto* r = Get<VectorObject>("r");

  std::vector<long double> ones(y.size(), 1), c1(x1.begin(), x1.end()), c2(x2.begin(), x2.end());
  reference::LeastSquares ref = reference::FitLeastSquares(
      {ones, c1, c2}, std::vector<long double>(y.begin(), y.end()));
  const int p = 3;
  const long double variance = ref.chiSquare / (long double)(y.size() - p);
  auto close = [](double actual, long double expected) {
    EXPECT_NEAR(actual, double(expected), 1e-12 * std::fabs(double(expected)));
  };
  for (int i = 0; i < p; ++i) close(r->at(i + 1), ref.parameters[size_t(i)]);
  close(r->at(p + 1), ref.chiSquare);
  close(r->at(p + 2), variance);
  for (int i = 0; i < p; ++i)
    close(r->at(p + 3 + i), std::sqrt(variance * ref.inverseDiagonal[size_t(i)]));
}

TEST_F(RegressionTest, CollinearVectorsCreateNothingAndKeepTheOutputs) {
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
}

TEST_F(RegressionTest, MoreParametersThanSamplesIsSingular) {
  Vector("a", {1, 2, 4});
  Vector("b", {3, 1, 2});
  Vector("c", {5, 5, 1});
  Vector("y", {1, 2, 3});
  // Without a tolerance, rounding may leave a tiny pivot in place of the
  // exact zero; the fit then fails on the fault that follows.
  EXPECT_EQ(Fit({"a", "b", "c"}, "y", "r"), 0);
  EXPECT_NE(OperationStatus.flags & (OPERR_NUMLIB | OPERR_TRAPPED), 0);
  EXPECT_EQ(FindObject("r", OBJMASK_ANY), nullptr);
}

TEST_F(RegressionTest, SuccessReplacesObjectsOfTheOutputNames) {
  Vector("x", {1, 2, 3, 4});
  Vector("y", {3, 5, 7, 10});
  Vector("r", {1});
  Matrix("res", 1, 1, {1});
  ASSERT_EQ(Fit({"x"}, "y", "r", true, "cov", "res", "pred"), 1);
  EXPECT_EQ(ui.output, "Deleted Vector <r>\r\nDeleted Matrix <res>\r\n");
  EXPECT_EQ(Get<VectorObject>("res")->size, 4);
}

TEST_F(RegressionTest, MessagesInCheckOrder) {
  const std::string tooLong(1001, 'n');
  Vector("x", {1, 2, 3, 4});
  Vector("x5", {1, 2, 3, 4, 5});
  Vector("x2", {1, 2});
  Vector("y", {3, 5, 7, 10});
  Vector("y5", {3, 5, 7, 10, 11});
  Matrix("M", 2, 2, {1, 2, 3, 4});
  std::vector<std::string> none;
  EXPECT_EQ(LinearRegression(nullptr, 1, "y", false, "r", false, "", "", ""), 0);
  EXPECT_EQ(Message(), "Pointer on list of vectors X(i) is corrupted\n");
  EXPECT_EQ(LinearRegression(&none, 0, "y", false, "r", false, "", "", ""), 0);
  EXPECT_EQ(Message(), " List of vectors X(i) is empty. Please select at least one vector X(i)\n");
  std::vector<std::string> one = {"x"};
  EXPECT_EQ(LinearRegression(&one, 2, "y", false, "r", false, "", "", ""), 0);
  EXPECT_EQ(Message(),
            " Number of vectors X(i) is incorrect. Please select at least one vector X(i)\n");
  struct {
    std::vector<std::string> xs;
    std::string y, dest;
    bool save;
    std::string cov, res, pred, message;
  } rows[] = {
      {{"x"}, "", "r", false, "", "", "", "Invalid 2nd vector name\n"},
      {{"x"}, "y", tooLong, false, "", "", "", "Invalid destination vector name\n"},
      {{"x"}, "y", "r", true, "", "res", "pred", "Invalid covariance matrix name\n"},
      {{"x"}, "y", "r", true, "cov", "", "pred", "Invalid residuals vector name\n"},
      {{"x"}, "y", "r", true, "cov", "res", tooLong, "Invalid predictions vector name\n"},
      {{"x"}, "y", "r", true, "cov", "R", "pred",
       "Output vectors and matrix must have different names.\n"},
      {{"x", "nothing"}, "y", "r", false, "", "", "",
       "Unable to find X(i) vector with the specified name\n"},
      {{"M"}, "y", "r", false, "", "", "", "Unable to find X(i) vector with the specified name\n"},
      {{"x2"}, "y", "r", false, "", "", "",
       "Too few data samples in vectors X(i). Must be more than 2 data samples to do linear "
       "regression.\n"},
      {{"x", "x5"}, "y", "r", false, "", "", "",
       "Different size of X(i) data vectors. All vectors X(i) must contain same number of data "
       "samples.\n"},
      {{"x"}, "M", "r", false, "", "", "",
       "Unable to find 2nd source vector with the specified name\n"},
      {{"x"}, "y5", "r", false, "", "", "",
       "Different size of X and Y data vectors. All vectors X(i) and vector Y must contain same "
       "number of data samples.\n"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(LinearRegression(&row.xs, int32_t(row.xs.size()), row.y, false, row.dest,
                               row.save, row.cov, row.res, row.pred),
              0);
    EXPECT_EQ(Message(), row.message);
  }
  EXPECT_EQ(document.objects.size(), 6u);
  SetCurrentDocument(nullptr);
  EXPECT_EQ(LinearRegression(&one, 1, "y", false, "r", false, "", "", ""), 0);
  EXPECT_EQ(Message(), "List of objects is corrupted\n");
}

TEST_F(RegressionTest, ObjectsThatCannotBeCreated) {
  Vector("x", {1, 2, 3, 4});
  Vector("y", {3, 5, 7, 10});
  SetAllocationFailureAfter(0);
  EXPECT_EQ(Fit({"x"}, "y", "r"), 0);
  EXPECT_EQ(Message(), "Unable to create destination vector.\nPossibly not enough memory.\n");
  SetAllocationFailureAfter(2);
  EXPECT_EQ(Fit({"x"}, "y", "r", true, "cov", "res", "pred"), 0);
  EXPECT_EQ(Message(), "Unable to create output matrix or vector.\nPossibly not enough memory.\n");
  // Work arrays of the fit: the fault path releases them.
  SetAllocationFailureAfter(6);
  EXPECT_EQ(Fit({"x"}, "y", "r", true, "cov", "res", "pred"), 0);
  EXPECT_EQ(Message().rfind("Numerical library cannot allocate memory\n", 0), 0u);
  EXPECT_EQ(document.objects.size(), 2u);
}

TEST_F(RegressionTest, ObjectFormMessages) {
  VectorObject* x = Vector("x", {1, 2, 3, 4});
  VectorObject* x1 = Vector("x1", {1});
  VectorObject* x5 = Vector("x5", {1, 2, 3, 4, 5});
  VectorObject* y = Vector("y", {3, 5, 7, 10});
  VectorObject* y1 = Vector("y1", {3});
  VectorObject* y5 = Vector("y5", {1, 2, 3, 4, 5});
  VectorObject* dest = Vector("d", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  VectorObject* small = Vector("s", {0, 0, 0, 0, 0, 0, 0, 0, 0});
  MatrixObject* cov = Matrix("c", 2, 2, {0, 0, 0, 0});
  MatrixObject* cov3 = Matrix("c3", 3, 3, {0, 0, 0, 0, 0, 0, 0, 0, 0});
  VectorObject* n4 = Vector("n4", {0, 0, 0, 0});
  const VectorObject* xs[] = {x};
  const VectorObject* xsShort[] = {x1};
  const VectorObject* xsMixed[] = {x, x5};
  const VectorObject* xsNull[] = {nullptr};
  struct {
    const VectorObject* const* xs;
    int32_t k;
    const VectorObject* y;
    VectorObject* dest;
    bool save;
    MatrixObject* cov;
    VectorObject *res, *pred;
    const char* message;
  } rows[] = {
      {xs, 0, y, dest, false, nullptr, nullptr, nullptr, "Invalid parameter number of vectors X\n"},
      {nullptr, 1, y, dest, false, nullptr, nullptr, nullptr,
       "Invalid pointer to X(i) vectors array\n"},
      {xsNull, 1, y, dest, false, nullptr, nullptr, nullptr,
       "One of the vectors X(i) arguments object is invalid\n"},
      {xsShort, 1, y, dest, false, nullptr, nullptr, nullptr,
       "Vector X is too short. Each distribution must have at least 2 elements.\n"},
      {xsMixed, 2, y, dest, false, nullptr, nullptr, nullptr,
       "Different size of vectors X(i). All vectors X(i) must have equal number of data "
       "elements.\n"},
      {xs, 1, nullptr, dest, false, nullptr, nullptr, nullptr, "Invalid vector argument Y \n"},
      {xs, 1, y, nullptr, false, nullptr, nullptr, nullptr, "Invalid destination argument\n"},
      {xs, 1, y1, dest, false, nullptr, nullptr, nullptr,
       "Vector of data samples Y is too short. Each distribution must have at least 2 "
       "elements.\n"},
      {xs, 1, y, small, false, nullptr, nullptr, nullptr, "Destination vector has to few elements.\n"},
      {xs, 1, y5, dest, false, nullptr, nullptr, nullptr,
       "Different size of vectors X and Y. All vectors X(i) and Y must contain same number of "
       "elements.\n"},
      {xs, 1, y, dest, true, nullptr, n4, n4, "Invalid covariance matrix argument\n"},
      {xs, 1, y, dest, true, cov3, n4, n4,
       "Incorrect size of output covariance matrix. Matrix sizes must be equal to number of "
       "paramenters X including constant.\n"},
      {xs, 1, y, dest, true, cov, nullptr, n4, "Invalid residuals vector argument\n"},
      {xs, 1, y, dest, true, cov, y5, n4,
       "Incorrect size of output residuals vector. All vectors X(i) and Y and output residuals "
       "vector must contain same number of elements.\n"},
      {xs, 1, y, dest, true, cov, n4, nullptr, "Invalid predictions argument\n"},
      {xs, 1, y, dest, true, cov, n4, y5,
       "Incorrect size of output predictions vector. All vectors X(i) and Y and output "
       "predictions vector must contain same number of elements.\n"},
  };
  for (const auto& row : rows) {
    ResetOperationStatus();
    EXPECT_EQ(LinearRegressionObjects(row.xs, row.k, row.y, false, row.dest, row.save, row.cov,
                                      row.res, row.pred),
              0);
    EXPECT_EQ(Message(), row.message);
  }
}

}  // namespace
}  // namespace tq
