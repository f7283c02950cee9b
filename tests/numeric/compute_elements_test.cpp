#include <cstring>

#include <gtest/gtest.h>

#include "lang/element_compute.h"
#include "support/numeric_dialogs.h"
#include "support/workbench_test.h"
#include "commands/language_forms.h"

namespace tq::testing {
namespace {

using ComputeTest = WorkbenchTest;

TEST_F(ComputeTest, RowAndColumnIndexes) {
  Put("M", std::make_unique<MatrixObject>(3, 2, 0.0));
  Function("idx", "10*_M+_N");
  AnswerCompute(ui, "M", "idx", "R");
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

TEST_F(ComputeTest, ANoToTheQuestionOrASyntaxErrorKeepsTheDialogOpen) {
  Vector("v", {1, 2});
  Function("idx", "_N");
  Function("bad", "x+");
  AnswerCompute(ui, "v", "idx", "w");
  AnswerCompute(ui, "v", "bad", "w");
  ui.AnswerQuestions({false});
  EXPECT_FALSE(ComputeForAllElementsDialog());  // both refused, then cancelled
  EXPECT_EQ(ui.formsShown, 3);
  EXPECT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Syntax error in function bad \nat line number "
                                                  "1\nPlease correct error and try again.\n"});
  EXPECT_EQ(FindObject("w", OBJMASK_ANY), nullptr);
  EXPECT_EQ(ui.output, "");
}

TEST_F(ComputeTest, FailedElementsHoldTheMarkerUnlessTheLastFails) {
  Vector("v", {4, -1, 9});
  Vector("last", {4, 9, -1});
  Function("r", "sqrt(x)");
  AnswerCompute(ui, "v", "r", "w");
  EXPECT_TRUE(ComputeForAllElementsDialog());
  auto* w = Get<VectorObject>("w");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->at(1), 2.0);
  EXPECT_EQ(w->at(2), 1.1e300);
  EXPECT_EQ(w->at(3), 3.0);
  const std::string report = ui.output;
  AnswerCompute(ui, "last", "r", "w");
  EXPECT_FALSE(ComputeForAllElementsDialog());
  EXPECT_EQ(ui.messages,
            std::vector<std::string>{"Error:\nFloating point error\nInvalid operation\n"});
  EXPECT_EQ(Get<VectorObject>("w"), w);  // untouched
  EXPECT_EQ(w->at(3), 3.0);
  EXPECT_EQ(ui.output, report);
}

// Functions without _m and _n go through the block evaluation; an element
// index makes the engine evaluate element by element. Both give the same
// values and the same stop.
TEST_F(ComputeTest, BlocksAndElementsAgreeAndStopTheSame) {
  auto* big = Put("big", std::make_unique<VectorObject>(10000, 0.0));
  for (int32_t i = 1; i <= 10000; ++i) big->at(i) = 0.001 * i - 3.0;
  Function("plain", "1/(x-0.5)+sqrt(x)");
  Function("indexed", "1/(x-0.5)+sqrt(x)+0*_n");
  AnswerCompute(ui, "big", "plain", "a");
  AnswerCompute(ui, "big", "indexed", "b");
  EXPECT_TRUE(ComputeForAllElementsDialog());
  EXPECT_TRUE(ComputeForAllElementsDialog());
  auto *a = Get<VectorObject>("a"), *b = Get<VectorObject>("b");
  ASSERT_TRUE(a && b);
  EXPECT_EQ(0, std::memcmp(a->data(), b->data(), 10000 * sizeof(double)));
  EXPECT_EQ(a->at(1), 1.1e300);  // sqrt of a negative number
  EXPECT_EQ(a->at(3500), 1.1e300);  // x = 0.5
  for (const char* function : {"plain", "indexed"}) {
    ui.messages.clear();
    ui.polls = 0;
    ui.RequestCancelAtPoll(3);
    ui.AnswerQuestions({true});
    AnswerCompute(ui, "big", function, "c");
    EXPECT_FALSE(ComputeForAllElementsDialog()) << function;
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Calculation terminated by user"}) << function;
    EXPECT_EQ(Get<VectorObject>("c"), nullptr);
  }
}

TEST_F(ComputeTest, DialogChecksInOrderThenTheSourceAsDestination) {
  Vector("v", {3});
  Function("sq", "x*x");
  AnswerCompute(ui, "", "sq", "o");
  AnswerCompute(ui, "v", "", "o");
  AnswerCompute(ui, "v", "sq", "");
  AnswerCompute(ui, "nope", "sq", "o");
  AnswerCompute(ui, "v", "nope", "o");
  AnswerCompute(ui, "v", "sq", "while");
  AnswerCompute(ui, "v", "sq", "9o");
  AnswerCompute(ui, "v", "sq", "v");
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
  Function("sq", "x*x");
  Function("bad", "x+");
  Refused(ComputeFunctionForVector("v", "nope", "o"),
          "Unable to find function with the specified name\n");
  Refused(ComputeFunctionForMatrix("v", "sq", "o"),
          "Unable to find source matrix with the specified name\n");
  Refused(ComputeFunctionForVector("v", "sq", ""), "Invalid destination vector name\n");
  EXPECT_EQ(ComputeFunctionForVector("v", "bad", "o"), -1);
  EXPECT_EQ(Message(), "Unable to compile function. Correct systax error and try again.\n");
}

// "New" and "Edit" act while the dialog stays open; the function made is
// selected and remembered.
TEST_F(ComputeTest, NewAndEditSelectTheFunctionTheyMade) {
  Vector("v", {1, 2});
  Function("a", "x");
  ui.AnswerForm<ComputeForm>([](ComputeForm& f) {
    EXPECT_EQ(f.title, "Compute Function for all elements");
    EXPECT_EQ(f.ButtonText(kOkButton), "Compute");
    EXPECT_EQ(f.function.text, "a");
    return ComputeForm::kNew;
  });
  ui.AnswerForm<FunctionEditForm>([](FunctionEditForm& f) {
    f.name = "g";
    f.body = "x*10";
  });
  ui.AnswerForm<ComputeForm>([](ComputeForm& f) {
    EXPECT_EQ(f.function.entries, (std::vector<std::string>{"a", "g"}));
    EXPECT_EQ(f.function.text, "g");
    f.function.text = " ";
    return ComputeForm::kEdit;
  });
  ui.AnswerForm<ComputeForm>([](ComputeForm& f) {
    f.function.text = "g";
    return ComputeForm::kEdit;
  });
  ui.AnswerForm<FunctionEditForm>([](FunctionEditForm& f) {
    EXPECT_FALSE(f.creating);
    f.body = "x*100";
    f.description = "hundred";
  });
  ui.AnswerForm<ComputeForm>([](ComputeForm& f) {
    EXPECT_EQ(f.function.text, "g:  hundred");
    f.output.text = "w";
  });
  EXPECT_TRUE(ComputeForAllElementsDialog());
  EXPECT_EQ(ComputeFunctionName(), "g");
  EXPECT_EQ(ui.messages, std::vector<std::string>{"No items selected in the list"});
  EXPECT_EQ(Get<VectorObject>("w")->at(2), 200.0);
  // The next opening preselects it.
  Get<FunctionObject>("g")->description.clear();
  ui.AnswerForm<ComputeForm>([](ComputeForm& f) { EXPECT_EQ(f.function.text, "g"); });
  EXPECT_FALSE(ComputeForAllElementsDialog());
}

}  // namespace
}  // namespace tq::testing
