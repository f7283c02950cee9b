#include <gtest/gtest.h>

#include "numeric/root_finding.h"
#include "numeric_test.h"

namespace tq::testing {
namespace {

using RootSearchTest = NumericTest;

TEST_F(RootSearchTest, ARootOnTheGridIsReportedOnce) {
  AddFunction("f", "x-0.5");
  Search("f", 0, 1, 2);
  EXPECT_TRUE(SearchCommand(SearchKind::kRoots));
  EXPECT_EQ(ui.output,
            "Attempting to find roots of equation f(x)=0\r\n"
            "in the interval from 0 to 1\r\n"
            "root  x=0.5   f(x)=0 \r\n"
            "Completed\r\n"
            "1 root found\r\n");
  auto* roots = dynamic_cast<VectorObject*>(FindObject("vector_roots", OBJMASK_VECTOR));
  auto* values = dynamic_cast<VectorObject*>(FindObject("vector_f_roots", OBJMASK_VECTOR));
  ASSERT_NE(roots, nullptr);
  ASSERT_NE(values, nullptr);
  EXPECT_EQ(roots->size, 1);
  EXPECT_EQ(roots->at(1), 0.5);
}

TEST_F(RootSearchTest, RefinedRootsAndARootAtLower) {
  AddFunction("f", "x*x-2");
  Search("f", -2, 2, 10, 1e-12, false);
  EXPECT_TRUE(SearchCommand(SearchKind::kRoots));
  EXPECT_NE(ui.output.find("root  x=-1.4142136   f(x)="), std::string::npos) << ui.output;
  EXPECT_NE(ui.output.find("root  x=1.4142136   f(x)="), std::string::npos) << ui.output;
  EXPECT_NE(ui.output.find("2 roots found\r\n"), std::string::npos);
  ui.output.clear();
  AddFunction("g", "x+3");
  Search("g", -3, 1, 4, 1e-12, false);
  EXPECT_TRUE(SearchCommand(SearchKind::kRoots));
  EXPECT_NE(ui.output.find("root  x=-3   f(x)=0 \r\n"), std::string::npos) << ui.output;
}

TEST_F(RootSearchTest, ANegativeRootFoundTwiceIsReportedOnce) {
  AddFunction("f", "x+1-1e-15");
  Search("f", -2, 0, 2, 1e-12, false);
  EXPECT_TRUE(SearchCommand(SearchKind::kRoots));
  EXPECT_NE(ui.output.find("1 root found"), std::string::npos) << ui.output;
}

TEST_F(RootSearchTest, APoleIsNeverAReportedRoot) {
  AddFunction("f", "1/x");
  Search("f", -1, 1, 3, 1e-12, false);
  EXPECT_TRUE(SearchCommand(SearchKind::kRoots));
  EXPECT_EQ(ui.output.find("root  x="), std::string::npos) << ui.output;
  EXPECT_NE(ui.output.find("0 roots found"), std::string::npos);
}

TEST_F(RootSearchTest, ArgumentRefusals) {
  AddFunction("f", "x");
  ui.AnswerForm<SearchForm>([](SearchForm& f) { f.tolerance = 1e-101; });  // refused at once
  Search("f", 0, 1, 10, 2e10);
  EXPECT_FALSE(SearchCommand(SearchKind::kRoots));
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "Error:\nError tolerance must be greater than 1.E-100",
                "Error:\nInvalid arguments. \nError tolerance value is too big.\n"}));
}

TEST_F(RootSearchTest, DialogChecksInOrder) {
  AddFunction("f", "x");
  ui.AnswerForm<SearchForm>([](SearchForm& f) {
    EXPECT_EQ(f.title, "Find roots");
    EXPECT_EQ(f.lower, -100.0);
    EXPECT_EQ(f.upper, 100.0);
    EXPECT_EQ(f.intervals, 1000);
    EXPECT_EQ(f.tolerance, 1e-12);
    EXPECT_EQ(f.maxIterations, 10000);
    EXPECT_EQ(f.function, "f");
    f.upper = f.lower;
  });
  ui.AnswerForm<SearchForm>([](SearchForm& f) {
    EXPECT_EQ(f.upper, -100.0);  // the dialog keeps what was entered
    f.upper = 1;
    f.intervals = 1;
  });
  ui.AnswerForm<SearchForm>([](SearchForm& f) {
    f.intervals = 2;
    f.maxIterations = 99;
  });
  ui.AnswerForm<SearchForm>([](SearchForm& f) { f.maxIterations = 1000001; });
  EXPECT_FALSE(SearchCommand(SearchKind::kRoots));
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "Error:\nValue of upper limit of interval must be  greater than value of lower "
                "limit.",
                "Error:\nNumber of intervals must be greater or equal 2.",
                "Error:\nMaximum number of iterations must be greater than 100",
                "Error:\nMaximum number of iterations must be lesser than 1000000"}));
}

TEST_F(RootSearchTest, NoRootDeletesTheOldOutputVectors) {
  AddFunction("f", "x*x+1");
  auto old = std::make_unique<VectorObject>(3, 1.0);
  old->name = "vector_roots";
  AddObject(std::move(old));
  Search("f", -1, 1, 10);
  EXPECT_TRUE(SearchCommand(SearchKind::kRoots));
  EXPECT_NE(ui.output.find("0 roots found\r\nDeleted Vector <vector_roots>\r\n"),
            std::string::npos)
      << ui.output;
  EXPECT_EQ(FindObject("vector_roots", OBJMASK_ANY), nullptr);
}

TEST_F(RootSearchTest, FunctionChecksSendTheUserBack) {
  AddFunction("c", "2*3");
  Search("", 0, 1);
  Search("c", 0, 1);
  EXPECT_FALSE(SearchCommand(SearchKind::kRoots));
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0],
            "Error:\nFunction name string is empty.\nPlease select valid function name in the "
            "list");
  EXPECT_EQ(ui.messages[1],
            "Incorrect function argument:\nFunction c(x) must depend on variable x.\nPlease "
            "correct error and try again.");
  EXPECT_EQ(ui.output, "");
}

TEST_F(RootSearchTest, AnEmptyFunctionListWarns) {
  EXPECT_FALSE(SearchCommand(SearchKind::kRoots));
  EXPECT_EQ(ui.messages.front(),
            "Warning: \nThere are no functions in the list.\nYou must create new function f(x).");
}

TEST_F(RootSearchTest, OutputNamesMustBeUsable) {
  AddFunction("f", "x");
  ui.AnswerForm<SearchForm>([](SearchForm& f) {
    f.lower = -1;
    f.upper = 2;
  });
  ui.AnswerForm<OutputOptionsForm>([](OutputOptionsForm& f) {
    EXPECT_TRUE(f.save);
    EXPECT_EQ(f.pointsName, "vector_roots");
    EXPECT_EQ(f.valuesName, "vector_f_roots");
    f.pointsName = "  ";
  });
  ui.AnswerForm<OutputOptionsForm>([](OutputOptionsForm& f) {
    f.pointsName = "r x";
    f.valuesName = "";
  });
  ui.AnswerForm<OutputOptionsForm>([](OutputOptionsForm& f) { f.valuesName = "fr:  more"; });
  EXPECT_TRUE(SearchCommand(SearchKind::kRoots));
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "Error:\nInvalid roots vector name.\nPlease enter valid vector name.",
                "Error:\nInvalid f(R) vector name.\nPlease enter valid vector name."}));
  EXPECT_NE(FindObject("r", OBJMASK_VECTOR), nullptr);
  EXPECT_NE(FindObject("fr", OBJMASK_VECTOR), nullptr);
}

}  // namespace
}  // namespace tq::testing
