#include <gtest/gtest.h>

#include "numeric/root_finding.h"
#include "support/numeric_dialogs.h"
#include "support/workbench_test.h"
#include "commands/language_forms.h"

namespace tq::testing {
namespace {

using RootSearchTest = WorkbenchTest;
using ExtremumSearchTest = WorkbenchTest;

TEST_F(RootSearchTest, RefinedRootsRootsAtLowerPolesAndRepeats) {
  const struct {
    const char* name;
    const char* body;
    double lower, upper;
    int32_t intervals;
    std::vector<std::string> report;
  } rows[] = {
      {"f", "x*x-2", -2, 2, 10,
       {"root  x=-1.4142136   f(x)=", "root  x=1.4142136   f(x)=", "2 roots found\r\n"}},
      {"g", "x+3", -3, 1, 4, {"root  x=-3   f(x)=0 \r\n"}},
      {"n", "x+1-1e-15", -2, 0, 2, {"1 root found"}},  // found twice, reported once
      {"p", "1/x", -1, 1, 3,  // a pole is no root
       {"to 1\r\nWarning: Possible discontinuity of\r\nfunction in the interval  -0.333333  "
        "0.333333\r\nCompleted\r\n0 roots found\r\n"}},
  };
  for (const auto& row : rows) {
    ui.output.clear();
    Function(row.name, row.body);
    AnswerSearch(ui, row.name, row.lower, row.upper, row.intervals, 1e-12, false);
    EXPECT_TRUE(SearchCommand(SearchKind::kRoots));
    for (const std::string& text : row.report)
      EXPECT_NE(ui.output.find(text), std::string::npos) << ui.output;
  }
}

// Each refusal shows the dialog again; the last answers are accepted.
TEST_F(RootSearchTest, DialogChecksInOrderThenARootOnTheGrid) {
  EXPECT_FALSE(SearchCommand(SearchKind::kRoots));
  Function("c", "2*3");
  Function("f", "x-0.5");
  ui.AnswerForm<SearchForm>([](SearchForm& f) {
    EXPECT_EQ(f.title, "Find roots");
    EXPECT_EQ(f.function, "c");
    f.function = "";
  });
  ui.AnswerForm<OutputOptionsForm>([](OutputOptionsForm&) {});  // the function is checked after
  AnswerSearch(ui, "c", 0, 1);
  ui.AnswerForm<SearchForm>([](SearchForm& f) {
    f.function = "f";
    f.lower = f.upper = 0;
  });
  ui.AnswerForm<SearchForm>([](SearchForm& f) {
    EXPECT_EQ(f.upper, 0.0);  // the dialog keeps what was entered
    f.upper = 1;
    f.intervals = 1;
  });
  ui.AnswerForm<SearchForm>([](SearchForm& f) {
    f.intervals = 2;
    f.maxIterations = 99;
  });
  ui.AnswerForm<SearchForm>([](SearchForm& f) { f.maxIterations = 1000001; });
  ui.AnswerForm<SearchForm>([](SearchForm& f) {
    f.maxIterations = 10000;
    f.tolerance = 1e-101;
  });
  AnswerSearch(ui, "f", 0, 1, 10, 2e10);  // refused by the engine
  ui.AnswerForm<SearchForm>([](SearchForm& f) { f.tolerance = 1e-12; });
  ui.AnswerForm<OutputOptionsForm>([](OutputOptionsForm& f) { f.pointsName = "  "; });
  ui.AnswerForm<OutputOptionsForm>([](OutputOptionsForm& f) {
    f.pointsName = "r x";  // cut at the blank
    f.valuesName = "";
  });
  ui.AnswerForm<OutputOptionsForm>([](OutputOptionsForm& f) { f.valuesName = " R "; });  // one vector would replace the other
  ui.AnswerForm<OutputOptionsForm>([](OutputOptionsForm& f) { f.valuesName = "fr:  more"; });
  EXPECT_TRUE(SearchCommand(SearchKind::kRoots));
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "Warning: \nThere are no functions in the list.\nYou must create new function "
                "f(x).",
                "Error:\nFunction name string is empty.\nPlease select valid function name in the "
                "list",
                "Incorrect function argument:\nFunction c(x) must depend on variable x.\nPlease "
                "correct error and try again.",
                "Error:\nValue of upper limit of interval must be  greater than value of lower "
                "limit.",
                "Error:\nNumber of intervals must be greater or equal 2.",
                "Error:\nMaximum number of iterations must be greater than 100",
                "Error:\nMaximum number of iterations must be lesser than 1000000",
                "Error:\nError tolerance must be greater than 1.E-100",
                "Error:\nInvalid arguments. \nError tolerance value is too big.\n",
                "Error:\nInvalid roots vector name.\nPlease enter valid vector name.",
                "Error:\nInvalid f(R) vector name.\nPlease enter valid vector name.",
                "Error:\nThe two output vectors must have different names.\nPlease enter another name."}));
  // The refusal of the engine follows its heading; the root is reported once.
  const std::string kHead =
      "Attempting to find roots of equation f(x)=0\r\nin the interval from 0 to 1\r\n";
  EXPECT_EQ(ui.output, kHead + kHead + "root  x=0.5   f(x)=0 \r\nCompleted\r\n1 root found\r\n");
  ASSERT_EQ(Get<VectorObject>("r")->size, 1);
  EXPECT_EQ(Get<VectorObject>("r")->at(1), 0.5);
  EXPECT_NE(Get<VectorObject>("fr"), nullptr);
}

TEST_F(RootSearchTest, NoRootDeletesTheOldOutputVectors) {
  Function("f", "x*x+1");
  Vector("vector_roots", {1, 1, 1});
  Vector("vector_f_roots", {1, 1, 1});
  AnswerSearch(ui, "f", -1, 1, 10);
  EXPECT_TRUE(SearchCommand(SearchKind::kRoots));
  EXPECT_EQ(ui.output.substr(ui.output.find("0 roots")),
            "0 roots found\r\nDeleted Vector <vector_roots>\r\nDeleted Vector "
            "<vector_f_roots>\r\n");
  EXPECT_EQ(document.objects.size(), 1u);
}

TEST_F(ExtremumSearchTest, TwoIntervalsPassTheDialogButNotTheEngine) {
  Function("f", "(x-1)^2+2");
  AnswerSearch(ui, "f", -3, 4, 2);
  AnswerSearch(ui, "f", -3, 4, 20);
  EXPECT_TRUE(SearchCommand(SearchKind::kMinimums));
  EXPECT_EQ(ui.messages,
            std::vector<std::string>{
                "Error:\nInvalid arguments. \nNumber of intervals must be greater or equal 3.\n"});
  const std::string kHead =
      "Attempting to find minimums of function f(x)\r\nin the interval from -3 to 4\r\n";
  EXPECT_EQ(ui.output,
            kHead + kHead + "minimum  x=1   f(x)=2 \r\nCompleted\r\n1 minimum found\r\n");
  EXPECT_NE(Get<VectorObject>("vector_min"), nullptr);
  EXPECT_EQ(Get<VectorObject>("vector_f_min")->at(1), 2.0);
}

// Each kind keeps its own last report; maxima hold the function itself.
TEST_F(ExtremumSearchTest, MinimaMaximaAndNone) {
  Function("s", "sin(x)");
  Function("m", "x");
  Function("c", "x-x+1");
  AnswerSearch(ui, "s", 0, 7, 70, 1e-10, false);
  EXPECT_TRUE(SearchCommand(SearchKind::kMinimums));
  AnswerSearch(ui, "s", 0, 7, 70, 1e-10);
  EXPECT_TRUE(SearchCommand(SearchKind::kMaximums));
  EXPECT_NE(ui.output.find("minimum  x=4.712389"), std::string::npos) << ui.output;
  EXPECT_NE(ui.output.find("maximum  x=1.5707963"), std::string::npos) << ui.output;
  EXPECT_NE(ui.output.find("1 maximum found"), std::string::npos);
  ASSERT_NE(Get<VectorObject>("vector_f_max"), nullptr);
  EXPECT_NEAR(Get<VectorObject>("vector_f_max")->at(1), 1.0, 1e-15);
  AnswerSearch(ui, "m", 0, 1, 10);
  EXPECT_TRUE(SearchCommand(SearchKind::kMinimums));
  AnswerSearch(ui, "c", 0, 1, 10);
  EXPECT_TRUE(SearchCommand(SearchKind::kMaximums));
  EXPECT_NE(ui.output.find("Completed\r\n0 minimums found\r\n"), std::string::npos);
  EXPECT_NE(ui.output.find("Completed\r\n0 maximums found\r\n"), std::string::npos);
}

// "New" and "Edit" act while the dialog stays open and select the function.
TEST_F(RootSearchTest, NewAndEditSelectTheFunctionTheyMade) {
  ui.AnswerForm<SearchForm>([](SearchForm& f) {
    EXPECT_TRUE(f.functions.empty());
    return kNewFunction;
  });
  ui.AnswerForm<FunctionEditForm>([](FunctionEditForm& f) {
    f.name = "lin";
    f.body = "x-2";
  });
  ui.AnswerForm<SearchForm>([](SearchForm& f) {
    EXPECT_EQ(f.functions, std::vector<std::string>{"lin"});
    EXPECT_EQ(f.function, "lin");
    return kEditFunction;
  });
  ui.AnswerForm<FunctionEditForm>([](FunctionEditForm& f) { f.body = "x-3"; });
  ui.AnswerForm<SearchForm>([](SearchForm& f) {
    EXPECT_EQ(f.function, "lin");
    f.lower = 0;
    f.upper = 10;
    f.intervals = 7;
  });
  ui.AnswerForm<OutputOptionsForm>([](OutputOptionsForm&) {});
  EXPECT_TRUE(SearchCommand(SearchKind::kRoots));
  EXPECT_EQ(ui.messages, std::vector<std::string>{
                             "Warning: \nThere are no functions in the list.\nYou must create new "
                             "function f(x)."});
  ASSERT_NE(Get<VectorObject>("vector_roots"), nullptr);
  EXPECT_NEAR(Get<VectorObject>("vector_roots")->at(1), 3.0, 1e-9);
}

// OK takes the dialog out of sight only once its entries pass the checks
// (their refusals show over the dialog); New and Edit keep it in sight.
TEST(SearchDialogSight, OkHidesOnlyEntriesThatPass) {
  const struct {
    void (*change)(SearchForm&);
    bool hides;
  } searchRows[] = {
      {[](SearchForm&) {}, true},
      {[](SearchForm& f) { f.upper = f.lower; }, false},
      {[](SearchForm& f) { f.intervals = 2; }, true},
      {[](SearchForm& f) { f.intervals = 1; }, false},
      {[](SearchForm& f) { f.tolerance = 1e-100; }, true},
      {[](SearchForm& f) { f.tolerance = 9e-101; }, false},
      {[](SearchForm& f) { f.maxIterations = 100; }, true},
      {[](SearchForm& f) { f.maxIterations = 99; }, false},
      {[](SearchForm& f) { f.maxIterations = 1000000; }, true},
      {[](SearchForm& f) { f.maxIterations = 1000001; }, false},
  };
  for (const auto& row : searchRows) {
    SearchForm form;
    form.lower = -100;
    form.upper = 100;
    form.intervals = 1000;
    form.tolerance = 1e-12;
    form.maxIterations = 10000;
    row.change(form);
    EXPECT_EQ(form.HidesWhileActing(kOkButton), row.hides)
        << form.lower << " " << form.upper << " " << form.intervals << " " << form.tolerance
        << " " << form.maxIterations;
    EXPECT_FALSE(form.HidesWhileActing(kNewFunction));
    EXPECT_FALSE(form.HidesWhileActing(kEditFunction));
  }
  IntegralForm integral;
  integral.lower = -5;
  integral.upper = 5;
  integral.absTolerance = 1e-100;
  EXPECT_TRUE(integral.HidesWhileActing(kOkButton));
  EXPECT_FALSE(integral.HidesWhileActing(kNewFunction));
  integral.absTolerance = 9e-101;
  EXPECT_FALSE(integral.HidesWhileActing(kOkButton));
  integral.absTolerance = 1e-20;
  integral.upper = integral.lower;
  EXPECT_FALSE(integral.HidesWhileActing(kOkButton));
  // The output options stay in sight under their refusals.
  EXPECT_FALSE(OutputOptionsForm{}.HidesWhileActing(kOkButton));
}

}  // namespace
}  // namespace tq::testing
