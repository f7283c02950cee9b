#include "stats/significance_tests.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "objects_fixture.h"
#include "reference_statistics.h"
#include "stats/chi_square_options.h"

namespace tq {
namespace {

class SignificanceTest : public ObjectsTest {
 protected:
  // The next chi-square options form is answered with these choices.
  void ChiSquareOptions(int32_t type, int32_t constraints) {
    ui.AnswerForm<ChiSquareOptionsForm>([=](ChiSquareOptionsForm& form) {
      EXPECT_EQ(form.type, 0);
      EXPECT_EQ(form.constraints, 0);
      form.type = type;
      form.constraints = constraints;
    });
  }
  const VectorObject* Result(const char* name) { return Get<VectorObject>(name); }
};

constexpr double kPromised = 3e-7;

// Sample mean and variance in long double, for the reference statistics.
void Describe(const std::vector<double>& x, long double& mean, long double& var) {
  long double sum = 0;
  for (double v : x) sum += v;
  mean = sum / x.size();
  long double squares = 0;
  for (double v : x) squares += (v - mean) * (v - mean);
  var = squares / (x.size() - 1);
}

long double StudentReference(long double t, long double df) {
  return reference::IncompleteBeta(df / 2, 0.5L, df / (df + t * t));
}

TEST_F(SignificanceTest, EqualVarianceWorkedExample) {
  Vector("a", {1, 2, 3, 4});
  Vector("b", {2, 3, 4, 5});
  ASSERT_EQ(StudentTTest("a", "b", "t", TTEST_EQUAL_VARIANCE), 1);
  auto* t = Result("t");
  ASSERT_EQ(t->size, 2);
  EXPECT_NEAR(t->at(1), -1.09545, 5e-6);
  EXPECT_NEAR(t->at(2), 0.315334, 5e-7);
  EXPECT_NEAR(t->at(2), double(StudentReference(t->at(1), 6)), kPromised);
}

TEST_F(SignificanceTest, AllThreeTTestsAgreeWithTheReference) {
  const std::vector<double> a = {12.1, 14.3, 9.8, 11.0, 13.7, 12.9, 10.4};
  const std::vector<double> b = {15.2, 13.9, 16.8, 14.1, 17.5, 15.0, 16.2};
  auto* va = Vector("a", {12.1, 14.3, 9.8, 11.0, 13.7, 12.9, 10.4});
  auto* vb = Vector("b", {15.2, 13.9, 16.8, 14.1, 17.5, 15.0, 16.2});
  (void)va;
  (void)vb;
  long double meanA, varA, meanB, varB;
  Describe(a, meanA, varA);
  Describe(b, meanB, varB);
  const long double n = a.size();

  ASSERT_EQ(StudentTTest("a", "b", "eq", TTEST_EQUAL_VARIANCE), 1);
  long double pooled = ((n - 1) * varA + (n - 1) * varB) / (2 * n - 2);
  long double tEq = (meanA - meanB) / std::sqrt(pooled * (2 / n));
  EXPECT_NEAR(Result("eq")->at(1), double(tEq), 1e-12);
  EXPECT_NEAR(Result("eq")->at(2), double(StudentReference(tEq, 2 * n - 2)), kPromised);

  ASSERT_EQ(StudentTTest("a", "b", "uneq", TTEST_UNEQUAL_VARIANCE), 1);
  long double s = varA / n + varB / n;
  long double tUneq = (meanA - meanB) / std::sqrt(s);
  long double df = s * s / ((varA / n) * (varA / n) / (n - 1) + (varB / n) * (varB / n) / (n - 1));
  EXPECT_NEAR(Result("uneq")->at(1), double(tUneq), 1e-12);
  EXPECT_NEAR(Result("uneq")->at(2), double(StudentReference(tUneq, df)), kPromised);

  ASSERT_EQ(StudentTTest("a", "b", "pair", TTEST_PAIRED), 1);
  std::vector<double> diff;
  for (size_t j = 0; j < a.size(); ++j) diff.push_back(a[j] - b[j]);
  long double meanD, varD;
  Describe(diff, meanD, varD);
  long double tPair = meanD / std::sqrt(varD / n);
  EXPECT_NEAR(Result("pair")->at(1), double(tPair), 1e-10);
  EXPECT_NEAR(Result("pair")->at(2), double(StudentReference(tPair, n - 1)), kPromised);
}

TEST_F(SignificanceTest, FTestIsSymmetric) {
  Vector("a", {-2, 0, 0, 0, 2});  // variance 2
  Vector("b", {-4, 0, 0, 0, 4});  // variance 8
  ASSERT_EQ(FTest("a", "b", "ab"), 1);
  ASSERT_EQ(FTest("b", "a", "ba"), 1);
  EXPECT_EQ(Result("ab")->at(1), 4.0);
  EXPECT_EQ(Result("ba")->at(1), 4.0);
  EXPECT_EQ(Result("ab")->at(2), Result("ba")->at(2));
  long double expected = 2 * reference::IncompleteBeta(2, 2, 4.0L / (4 + 4 * 4));
  EXPECT_NEAR(Result("ab")->at(2), double(expected), kPromised);
}

TEST_F(SignificanceTest, FTestWithUnequalSizesAgreesWithTheReference) {
  Vector("a", {1.0, 2.5, 2.0, 4.5, 3.0, 0.5});
  Vector("b", {2.0, 2.2, 1.9, 2.4});
  ASSERT_EQ(FTest("a", "b", "f"), 1);
  long double meanA, varA, meanB, varB;
  Describe({1.0, 2.5, 2.0, 4.5, 3.0, 0.5}, meanA, varA);
  Describe({2.0, 2.2, 1.9, 2.4}, meanB, varB);
  long double f = varA / varB;  // the larger variance on top: df1 = 5, df2 = 3
  long double p = 2 * reference::IncompleteBeta(1.5L, 2.5L, 3 / (3 + 5 * f));
  if (p > 1) p = 2 - p;
  EXPECT_NEAR(Result("f")->at(1), double(f), 1e-12);
  EXPECT_NEAR(Result("f")->at(2), double(p), kPromised);
}

TEST_F(SignificanceTest, ZeroVarianceInTheFTest) {
  Vector("c", {3, 3, 3, 3});
  Vector("d", {1, 2, 3, 4});
  Vector("out", {1, 2, 3});
  EXPECT_EQ(FTest("c", "d", "out"), 0);
  EXPECT_EQ(Message(),
            "Numerical library error\nUnable to compute F-test. First distribution has zero "
            "variance.\n");
  EXPECT_EQ(FTest("d", "c", "out"), 0);
  EXPECT_EQ(Message(),
            "Numerical library error\nUnable to compute F-test. Second distribution has zero "
            "variance.\n");
  EXPECT_EQ(Result("out")->size, 3);
}

TEST_F(SignificanceTest, ZeroPooledDeviationIsTrapped) {
  Vector("one", {1, 1, 1, 1});
  Vector("two", {2, 2, 2, 2});
  Vector("out", {5});
  for (int32_t type : {TTEST_EQUAL_VARIANCE, TTEST_UNEQUAL_VARIANCE, TTEST_PAIRED}) {
    EXPECT_EQ(StudentTTest("one", "two", "out", type), 0);
    EXPECT_EQ(Message(), "Floating point error\nDivide by zero\n") << type;
    // Equal means as well: 0/0.
    EXPECT_EQ(StudentTTest("one", "one", "out", type), 0);
    EXPECT_EQ(Message(), "Floating point error\nInvalid operation\n") << type;
  }
  EXPECT_EQ(Result("out")->size, 1);
  EXPECT_EQ(Result("out")->at(1), 5.0);
  EXPECT_EQ(document.objects.size(), 3u);
}

TEST_F(SignificanceTest, ChiSquareOfTwoObservedDistributions) {
  Vector("a", {10, 0, 7, 12, 5});
  Vector("b", {8, 0, 9, 15, 2});
  ChiSquareOptions(CHISQUARE_OBSERVED, 1);
  ASSERT_EQ(ChiSquareTest("a", "b", "c"), 1);
  // The empty bin adds nothing and lowers the degrees of freedom: 5 - 1 - 1.
  long double chi = 4.0L / 18 + 4.0L / 16 + 9.0L / 27 + 9.0L / 7;
  EXPECT_NEAR(Result("c")->at(1), double(chi), 1e-14);
  EXPECT_NEAR(Result("c")->at(2), double(reference::UpperIncompleteGamma(1.5L, chi / 2)),
              kPromised);
}

TEST_F(SignificanceTest, ChiSquareAgainstExpectedCounts) {
  Vector("obs", {18, 22, 29, 31});
  Vector("exp", {25, 25, 25, 25});
  ChiSquareOptions(CHISQUARE_EXPECTED, 0);
  ASSERT_EQ(ChiSquareTest("obs", "exp", "c"), 1);
  long double chi = (49.0L + 9 + 16 + 36) / 25;
  EXPECT_NEAR(Result("c")->at(1), double(chi), 1e-14);
  EXPECT_NEAR(Result("c")->at(2), double(reference::UpperIncompleteGamma(2, chi / 2)), kPromised);

  Vector("bad", {25, 0, 25, 25});
  ChiSquareOptions(CHISQUARE_EXPECTED, 0);
  EXPECT_EQ(ChiSquareTest("obs", "bad", "c2"), 0);
  EXPECT_EQ(Message(), "Numerical library error\nBad expected number in chsone\n");
}

TEST_F(SignificanceTest, ChiSquareOfAVectorWithItselfIsZero) {
  Vector("a", {3, 4, 5, 6});
  ChiSquareOptions(CHISQUARE_OBSERVED, 0);
  ASSERT_EQ(ChiSquareTest("a", "a", "c"), 1);
  EXPECT_EQ(Result("c")->at(1), 0.0);
  EXPECT_EQ(Result("c")->at(2), 1.0);
}

TEST_F(SignificanceTest, NegativeDegreesOfFreedom) {
  Vector("a", {3, 4, 5, 6});
  Vector("b", {4, 4, 6, 5});
  ChiSquareOptions(CHISQUARE_OBSERVED, 5);
  EXPECT_EQ(ChiSquareTest("a", "b", "c"), 0);
  EXPECT_EQ(Message(), "Numerical library error\nInvalid arguments in routine gammq\n");
  EXPECT_EQ(FindObject("c", OBJMASK_ANY), nullptr);
}

TEST_F(SignificanceTest, ChiSquareOptionsNotConfirmed) {
  Vector("a", {3, 4, 5, 6});
  EXPECT_EQ(ChiSquareTest("a", "a", "c"), 0);
  EXPECT_EQ(ui.formsShown, 1);
  EXPECT_EQ(Message(), "");
  EXPECT_EQ(OperationStatus.flags, 0);
  EXPECT_EQ(FindObject("c", OBJMASK_ANY), nullptr);
}

TEST_F(SignificanceTest, TTestMessagesInCheckOrder) {
  const std::string tooLong(1001, 'x');
  Vector("four", {1, 2, 3, 4});
  Vector("five", {1, 2, 3, 4, 5});
  Vector("six", {1, 2, 3, 4, 5, 6});
  Vector("three", {1, 2, 3});
  Matrix("M", 2, 2, {1, 2, 3, 4});
  struct {
    std::string a, b, dest;
    int32_t type;
    std::string message;
  } rows[] = {
      {"", "four", "t", 0, "Invalid 1st vector name\n"},
      {"four", tooLong, "t", 0, "Invalid 2nd vector name\n"},
      {"four", "four", "", 0, "Invalid destination vector name\n"},
      {"nothing", "four", "t", 3, "Invalid problem type parameter\n"},
      {"four", "four", "t", -1, "Invalid problem type parameter\n"},
      {"M", "four", "t", 0, "Unable to find 1st source vector with the specified name\n"},
      {"four", "M", "t", 0, "Unable to find 2nd source vector with the specified name\n"},
      {"five", "six", "t", TTEST_PAIRED,
       "Invalid arguments. \nVectors have different sizes. \nTwo distributions must have equal "
       "number of samples.\n"},
      {"three", "six", "t", TTEST_PAIRED,
       "Invalid arguments. \nVectors have different sizes. \nTwo distributions must have equal "
       "number of samples.\n"},
      {"three", "four", "t", 0,
       "Invalid arguments.\nVectors are too short\nEach distribution must have at least 4 "
       "samples.\n"},
      {"four", "three", "t", 1,
       "Invalid arguments.\nVectors are too short\nEach distribution must have at least 4 "
       "samples.\n"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(StudentTTest(row.a, row.b, row.dest, row.type), 0);
    EXPECT_EQ(Message(), row.message);
  }
  // The same checks guard the F-test and the chi-square test, which asks
  // for no options when they fail.
  EXPECT_EQ(FTest("three", "four", "f"), 0);
  EXPECT_EQ(Message(),
            "Invalid arguments.\nVectors are too short\nEach distribution must have at least 4 "
            "samples.\n");
  EXPECT_EQ(ChiSquareTest("four", "M", "c"), 0);
  EXPECT_EQ(Message(), "Unable to find 2nd source vector with the specified name\n");
  EXPECT_EQ(ui.formsShown, 0);
  SetCurrentDocument(nullptr);
  EXPECT_EQ(FTest("four", "four", "f"), 0);
  EXPECT_EQ(Message(), "Pointer on math objects list is corrupted\n");
}

TEST_F(SignificanceTest, ObjectFormMessages) {
  VectorObject* three = Vector("three", {1, 2, 3});
  VectorObject* four = Vector("four", {1, 2, 3, 4});
  VectorObject* five = Vector("five", {1, 2, 3, 4, 6});
  VectorObject* one = Vector("one", {0});
  VectorObject* two = Vector("two", {0, 0});
  EXPECT_EQ(StudentTTestObjects(nullptr, four, two, 0), 0);
  EXPECT_EQ(Message(), "Invalid 1st argument\n");
  EXPECT_EQ(FTestObjects(four, nullptr, two), 0);
  EXPECT_EQ(Message(), "Invalid 2nd argument\n");
  EXPECT_EQ(ChiSquareTestObjects(four, four, nullptr, 0, 0), 0);
  EXPECT_EQ(Message(), "Invalid destination argument\n");
  EXPECT_EQ(StudentTTestObjects(four, five, two, TTEST_PAIRED), 0);
  EXPECT_EQ(Message(), "Vectors have different number of elements.\n");
  EXPECT_EQ(StudentTTestObjects(three, four, two, 0), 0);
  EXPECT_EQ(Message(), "Vector 1 is too short. Each distribution must have at least 4 elements.\n");
  EXPECT_EQ(FTestObjects(four, three, two), 0);
  EXPECT_EQ(Message(), "Vector 2 is too short. Each distribution must have at least 4 elements.\n");
  EXPECT_EQ(FTestObjects(four, five, one), 0);
  EXPECT_EQ(Message(), "Destination vector must have at least two elements.\n");
  EXPECT_EQ(StudentTTestObjects(four, five, two, 7), 0);
  EXPECT_EQ(Message(), "Invalid problem type parameter.\n");
  EXPECT_EQ(ChiSquareTestObjects(one, four, two, 0, 1), 0);
  EXPECT_EQ(Message(), "Vector 1 is too short. Each distribution must have at least 2 elements.\n");
  EXPECT_EQ(ChiSquareTestObjects(four, one, two, 0, 1), 0);
  EXPECT_EQ(Message(), "Vector 2 is too short. Each distribution must have at least 2 elements.\n");
  EXPECT_EQ(ChiSquareTestObjects(four, five, one, 0, 1), 0);
  EXPECT_EQ(Message(), "Destination vector must have at least two elements.\n");
  EXPECT_EQ(ChiSquareTestObjects(four, five, two, 0, 1), 0);
  EXPECT_EQ(Message(), "Vectors must have same number of elements.\n");
}

TEST_F(SignificanceTest, ObjectLevelFailureIsFollowedByTheFailureText) {
  Vector("four", {1, 2, 3, 4});
  Vector("five", {1, 2, 3, 4, 5});
  ChiSquareOptions(CHISQUARE_OBSERVED, 0);
  EXPECT_EQ(ChiSquareTest("four", "five", "c"), 0);
  EXPECT_EQ(Message(), "Vectors must have same number of elements.\nOperation failed\n");
}

}  // namespace
}  // namespace tq
