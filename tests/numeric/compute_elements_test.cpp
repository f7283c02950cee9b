#include <gtest/gtest.h>

#include "commands/compute_dialog.h"
#include "core/operation_status.h"
#include "lang/element_compute.h"
#include "lang/lang_test.h"

namespace tq::testing {
namespace {

class ComputeTest : public LangTest {
 protected:
  template <class T>
  T* Put(const char* name, std::unique_ptr<T> object) {
    object->name = name;
    T* raw = object.get();
    AddObject(std::move(object));
    return raw;
  }
  VectorObject* Vector(const char* name, std::initializer_list<double> values) {
    auto* v = Put(name, std::make_unique<VectorObject>(int32_t(values.size()), 0.0));
    int i = 1;
    for (double x : values) v->at(i++) = x;
    return v;
  }
  void Enter(std::string source, std::string function, std::string output) {
    ui.AnswerForm<ComputeForm>([=](ComputeForm& f) {
      f.source.text = source;
      f.function.text = function;
      f.output.text = output;
    });
  }
  template <class T>
  T* Get(const char* name) {
    return dynamic_cast<T*>(FindObject(name, OBJMASK_ANY));
  }
};

TEST_F(ComputeTest, RowAndColumnIndexes) {
  Put("M", std::make_unique<MatrixObject>(3, 2, 0.0));
  AddFunction("idx", "10*_M+_N");
  Enter("M", "idx", "R");
  ui.AnswerQuestions({true});
  EXPECT_TRUE(ComputeForAllElementsDialog());
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0],
            "Warning:\nFunction idx(x) should depend on variable x.\nFunction can use variables _M "
            "and _N to get \nrow and column numbers.\nThis function does not depend on variable "
            "x.\nDo you want to continue anyway?");
  auto* r = Get<MatrixObject>("R");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->at(1, 1), 11.0);
  EXPECT_EQ(r->at(2, 3), 23.0);
  EXPECT_EQ(ui.output,
            "Computed function idx for all elements of matrix M\r\noutput stored in new matrix "
            "<R>\r\n");
}

TEST_F(ComputeTest, AFailedElementHoldsTheMarker) {
  Vector("v", {4, -1, 9});
  AddFunction("r", "sqrt(x)");
  Enter("v", "r", "w");
  EXPECT_TRUE(ComputeForAllElementsDialog());
  auto* w = Get<VectorObject>("w");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->at(1), 2.0);
  EXPECT_EQ(w->at(2), 1.1e300);
  EXPECT_EQ(w->at(3), 3.0);
}

TEST_F(ComputeTest, AFailedLastElementFailsTheOperation) {
  Vector("v", {4, 9, -1});
  AddFunction("r", "sqrt(x)");
  Put("w", std::make_unique<VariableObject>(5.0));
  Enter("v", "r", "w");
  EXPECT_FALSE(ComputeForAllElementsDialog());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].rfind("Error:\n", 0), 0u);
  EXPECT_NE(Get<VariableObject>("w"), nullptr);  // untouched
  EXPECT_EQ(ui.output, "");
}

TEST_F(ComputeTest, TheSourceMayBeTheDestination) {
  Vector("v", {1, 2, 3});
  AddFunction("sq", "x*x");
  Enter("v", "sq", "v");
  EXPECT_TRUE(ComputeForAllElementsDialog());
  EXPECT_EQ(Get<VectorObject>("v")->at(3), 9.0);
  EXPECT_EQ(ui.output.rfind("Deleted Vector <v>\r\n", 0), 0u);
}

TEST_F(ComputeTest, DialogChecksInOrder) {
  Vector("v", {1});
  AddFunction("sq", "x*x");
  Enter("", "sq", "o");
  Enter("v", "", "o");
  Enter("v", "sq", "");
  Enter("nope", "sq", "o");
  Enter("v", "nope", "o");
  Enter("v", "sq", "while");
  Enter("v", "sq", "9o");
  EXPECT_FALSE(ComputeForAllElementsDialog());
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
  EXPECT_EQ(ComputeFunctionForVector("v", "nope", "o"), 0);
  EXPECT_EQ(OperationMessage(), "Unable to find function with the specified name\n");
  EXPECT_EQ(ComputeFunctionForMatrix("v", "sq", "o"), 0);
  EXPECT_EQ(OperationMessage(), "Unable to find source matrix with the specified name\n");
  EXPECT_EQ(ComputeFunctionForVector("v", "sq", ""), 0);
  EXPECT_EQ(OperationMessage(), "Invalid destination vector name\n");
  AddFunction("bad", "x+");
  EXPECT_EQ(ComputeFunctionForVector("v", "bad", "o"), -1);
  EXPECT_EQ(OperationMessage(), "Unable to compile function. Correct systax error and try again.\n");
}

}  // namespace
}  // namespace tq::testing
