#include <gtest/gtest.h>

#include "numeric_test.h"

namespace tq::testing {
namespace {

using ExtremumSearchTest = NumericTest;

TEST_F(ExtremumSearchTest, MinimumOfAParabola) {
  AddFunction("f", "(x-1)^2+2");
  Search("f", -3, 4, 20);
  EXPECT_TRUE(SearchCommand(SearchKind::kMinimums));
  EXPECT_EQ(ui.output,
            "Attempting to find minimums of function f(x)\r\n"
            "in the interval from -3 to 4\r\n"
            "minimum  x=1   f(x)=2 \r\n"
            "Completed\r\n"
            "1 minimum found\r\n");
  EXPECT_NE(FindObject("vector_min", OBJMASK_VECTOR), nullptr);
  EXPECT_NE(FindObject("vector_f_min", OBJMASK_VECTOR), nullptr);
}

TEST_F(ExtremumSearchTest, MaximaReportTheFunctionItself) {
  AddFunction("f", "3-(x+2)^2");
  Search("f", -5, 5, 30);
  EXPECT_TRUE(SearchCommand(SearchKind::kMaximums));
  EXPECT_NE(ui.output.find("maximum  x=-2   f(x)=3 \r\n"), std::string::npos) << ui.output;
  EXPECT_NE(ui.output.find("1 maximum found\r\n"), std::string::npos);
  auto* values = dynamic_cast<VectorObject*>(FindObject("vector_f_max", OBJMASK_VECTOR));
  ASSERT_NE(values, nullptr);
  EXPECT_EQ(values->at(1), 3.0);
}

TEST_F(ExtremumSearchTest, MonotonicAndConstantFunctionsHaveNone) {
  AddFunction("m", "x");
  AddFunction("c", "x-x+1");
  Search("m", 0, 1, 10);
  EXPECT_TRUE(SearchCommand(SearchKind::kMinimums));
  Search("c", 0, 1, 10);
  EXPECT_TRUE(SearchCommand(SearchKind::kMaximums));
  EXPECT_NE(ui.output.find("Completed\r\n0 minimums found\r\n"), std::string::npos);
  EXPECT_NE(ui.output.find("Completed\r\n0 maximums found\r\n"), std::string::npos);
}

TEST_F(ExtremumSearchTest, TwoIntervalsPassTheDialogButNotTheEngine) {
  AddFunction("f", "x*x");
  Search("f", -1, 1, 2);
  EXPECT_FALSE(SearchCommand(SearchKind::kMinimums));
  EXPECT_EQ(ui.messages,
            std::vector<std::string>{
                "Error:\nInvalid arguments. \nNumber of intervals must be greater or equal 3.\n"});
  EXPECT_EQ(ui.formsShown, 3);  // the dialog came back
}

TEST_F(ExtremumSearchTest, MinimaAndMaximaKeepTheirOwnLastReported) {
  AddFunction("s", "sin(x)");
  Search("s", 0, 7, 70, 1e-10, false);
  EXPECT_TRUE(SearchCommand(SearchKind::kMinimums));
  Search("s", 0, 7, 70, 1e-10, false);
  EXPECT_TRUE(SearchCommand(SearchKind::kMaximums));
  EXPECT_NE(ui.output.find("minimum  x=4.712389"), std::string::npos) << ui.output;
  EXPECT_NE(ui.output.find("maximum  x=1.5707963"), std::string::npos) << ui.output;
  EXPECT_NE(ui.output.find("1 maximum found"), std::string::npos);
}

}  // namespace
}  // namespace tq::testing
