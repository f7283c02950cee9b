#include <string>

#include <gtest/gtest.h>

#include "commands/object_commands.h"
#include "core/object_list.h"
#include "core/user_cancel.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

using DisplayTest = testing::WorkbenchTest;

std::string Trimmed(const char* text, size_t width) {
  std::string s = text;
  TrimNumber(s, width);
  return s;
}

TEST(TrimNumberTest, WorkedExamples) {
  EXPECT_EQ(Trimmed("2.50000000000  ", 22), std::string(22 - 5, ' ') + "2.5  ");
  EXPECT_EQ(Trimmed("1.00000000000E+20  ", 0), "1.E+20  ");
  EXPECT_EQ(Trimmed("3.00000000000  ", 0), "3.  ");
  EXPECT_EQ(Trimmed("0.00000000000  ", 0), "0.  ");
  EXPECT_EQ(Trimmed("-1.25000000000E-05  ", 0), "-1.25E-05  ");
  EXPECT_EQ(Trimmed("100  ", 0), "100  ");  // without a point the zeros are digits
}

TEST(TrimNumberTest, TextsWithoutAPointOrTooShortStay) {
  EXPECT_EQ(Trimmed("0", 3), "0");
  EXPECT_EQ(Trimmed("", 2), "");
  EXPECT_EQ(Trimmed("12", 3), " 12");
}

TEST_F(DisplayTest, MatrixLinesHoldTenTrimmedNumbers) {
  auto* m = Put("M", std::make_unique<MatrixObject>(25, 1, 0.5));
  m->at(1, 25) = 1e20;
  EXPECT_EQ(DisplayObject("M"), 1);
  const std::string half = std::string(22 - 5, ' ') + "0.5  ";
  std::string expected = "Matrix  M  1x25\r\nrow 1:\r\n";
  std::string ten;
  for (int i = 0; i < 10; ++i) ten += half;
  expected += ten + "\r\n" + ten + "\r\n";
  for (int i = 0; i < 4; ++i) expected += half;
  expected += std::string(22 - 8, ' ') + "1.E+20  \r\n";
  EXPECT_EQ(ui.output, expected);
}

TEST_F(DisplayTest, VectorNumbersAreNeitherTrimmedNorPadded) {
  auto* v = Put("v", std::make_unique<VectorObject>(11, 0.5));
  v->at(2) = -3;
  EXPECT_EQ(DisplayObject("v"), 1);
  std::string expected = "Vector  v  (11)\r\n0.500000000000  -3.00000000000  ";
  for (int i = 3; i <= 10; ++i) expected += "0.500000000000  ";
  expected += "\r\n0.500000000000  \r\n";
  EXPECT_EQ(ui.output, expected);
}

TEST_F(DisplayTest, FourHundredElementsDisplayWithoutQuestion) {
  Put("ok", std::make_unique<MatrixObject>(20, 20, 1.0));
  Put("big", std::make_unique<MatrixObject>(21, 20, 1.0));
  Put("vbig", std::make_unique<VectorObject>(401, 1.0));
  EXPECT_EQ(DisplayObject("ok"), 1);
  EXPECT_TRUE(ui.questions.empty());
  ui.output.clear();
  EXPECT_EQ(DisplayObject("big"), 0);
  EXPECT_EQ(ui.questions.back(),
            "Warning:\nMatrix is too big to display.\nAre you sure to display all elements?");
  EXPECT_EQ(ui.output, "");
  EXPECT_EQ(DisplayObject("vbig"), 0);
  EXPECT_EQ(ui.questions.back(),
            "Warning:\nVector is too big to display.\nAre you sure to display all elements?");
  ui.AnswerQuestions({true});
  EXPECT_EQ(DisplayObject("big"), 1);
  EXPECT_EQ(ui.output.rfind("Matrix  big  20x21\r\n", 0), 0u);
}

TEST_F(DisplayTest, LookupIsExactAndStatusIsChecked) {
  Put("M", std::make_unique<MatrixObject>(2, 2, 1.0));
  EXPECT_EQ(DisplayObject("m"), 0);
  EXPECT_EQ(ui.output, "");
  Put("bad", std::make_unique<VectorObject>(2, 1.0))->status = STATUS_FAILED;
  Put("worse", std::make_unique<VectorObject>(2, 1.0))->status = STATUS_ALLOC_FAILED;
  Variable("x", 1.0);
  EXPECT_EQ(DisplayObject("bad"), 0);
  EXPECT_EQ(DisplayObject("worse"), 0);
  EXPECT_EQ(DisplayObject("x"), 0);
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(ui.messages[0],
            "Error:\nObject state is not valid.\nLast operation on this object has failed.\n"
            "Unable to display object.");
  EXPECT_EQ(ui.messages[1], "Error:\nObject state is not valid.\nUnable to display object.");
  EXPECT_EQ(ui.messages[2], "Unable to display object.");
}

TEST_F(DisplayTest, LongDisplaysPollForCancel) {
  Put("m", std::make_unique<MatrixObject>(100, 20, 1.0));
  ui.AnswerQuestions({true, true});  // display all; then stop
  ui.RequestCancelAtPoll(1);
  EXPECT_EQ(DisplayObject("m"), 1);
  // Rows 1 to 3 hold 300 elements; the poll before row 4's numbers stops it.
  EXPECT_NE(ui.output.find("row 4:\r\n"), std::string::npos);
  EXPECT_EQ(ui.output.find("row 5:"), std::string::npos);
  EXPECT_EQ(ui.questions.back(), "Do you want to stop calculation?");
  EXPECT_EQ(Core().userCancelled, 1);
}

}  // namespace
}  // namespace tq
