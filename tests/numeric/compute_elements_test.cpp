#include <gtest/gtest.h>

#include "lang/element_compute.h"
#include "numeric_test.h"

namespace tq::testing {
namespace {

using ComputeTest = NumericTest;

TEST_F(ComputeTest, RowAndColumnIndexes) {
  Put("M", std::make_unique<MatrixObject>(3, 2, 0.0));
  AddFunction("idx", "10*_M+_N");
  Compute("M", "idx", "R");
  ui.AnswerQuestions({true});
  EXPECT_TRUE(ComputeForAllElementsDialog());
  EXPECT_EQ(ui.questions,
            std::vector<std::string>{
                "Warning:\nFunction idx(x) should depend on variable x.\nFunction can use "
                "variables _M and _N to get \nrow and column numbers.\nThis function does not "
                "depend on variable x.\nDo you want to continue anyway?"});
  auto* r = Get<MatrixObject>("R");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->at(1, 1), 11.0);
  EXPECT_EQ(r->at(2, 3), 23.0);
  EXPECT_EQ(ui.output,
            "Computed function idx for all elements of matrix M\r\noutput stored in new matrix "
            "<R>\r\n");
}

TEST_F(ComputeTest, FailedElementsHoldTheMarkerUnlessTheLastFails) {
  Vector("v", {4, -1, 9});
  Vector("last", {4, 9, -1});
  AddFunction("r", "sqrt(x)");
  Compute("v", "r", "w");
  EXPECT_TRUE(ComputeForAllElementsDialog());
  auto* w = Get<VectorObject>("w");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->at(1), 2.0);
  EXPECT_EQ(w->at(2), 1.1e300);
  EXPECT_EQ(w->at(3), 3.0);
  const std::string report = ui.output;
  Compute("last", "r", "w");
  EXPECT_FALSE(ComputeForAllElementsDialog());
  EXPECT_EQ(ui.messages,
            std::vector<std::string>{"Error:\nFloating point error\nInvalid operation\n"});
  EXPECT_EQ(Get<VectorObject>("w"), w);  // untouched
  EXPECT_EQ(w->at(3), 3.0);
  EXPECT_EQ(ui.output, report);
}

TEST_F(ComputeTest, DialogChecksInOrderThenTheSourceAsDestination) {
  Vector("v", {3});
  AddFunction("sq", "x*x");
  Compute("", "sq", "o");
  Compute("v", "", "o");
  Compute("v", "sq", "");
  Compute("nope", "sq", "o");
  Compute("v", "nope", "o");
  Compute("v", "sq", "while");
  Compute("v", "sq", "9o");
  Compute("v", "sq", "v");
  EXPECT_TRUE(ComputeForAllElementsDialog());
  EXPECT_EQ(Get<VectorObject>("v")->at(1), 9.0);
  EXPECT_EQ(ui.output.rfind("Deleted Vector <v>\r\n", 0), 0u);
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "Error:\nInvalid 1st argument.\nPlease select valid source matrix or vector.",
                "Error:\nInvalid 2nd argument.\nPlease select function f(x). You must create "
                "function f(x) before using this option.",
                "Error:\nInvalid output matrix or vector name.\nPlease select or enter valid name.",
                "Error:\nUnable to find source matrix or vector\n<nope>\nPlease select or enter "
                "valid name.",
                "Error:\nUnable to find function\n<nope>\nPlease select or enter valid name.",
                "Error: new variable name is reserved keyword \n<while>\nPlease choose another "
                "name.",
                "Error:\nInvalid output object name\n<9o>\nPlease enter valid name.\nName shall "
                "containg only letters and digits and charater _.\nFirst character must not be "
                "digit."}));
}

TEST_F(ComputeTest, EngineMessages) {
  Vector("v", {1});
  AddFunction("sq", "x*x");
  AddFunction("bad", "x+");
  Refused(ComputeFunctionForVector("v", "nope", "o"),
          "Unable to find function with the specified name\n");
  Refused(ComputeFunctionForMatrix("v", "sq", "o"),
          "Unable to find source matrix with the specified name\n");
  Refused(ComputeFunctionForVector("v", "sq", ""), "Invalid destination vector name\n");
  EXPECT_EQ(ComputeFunctionForVector("v", "bad", "o"), -1);
  EXPECT_EQ(Message(), "Unable to compile function. Correct systax error and try again.\n");
}

}  // namespace
}  // namespace tq::testing
