#include <cfloat>
#include <string>

#include <gtest/gtest.h>

#include "commands/arithmetic_dialogs.h"
#include "commands/forms.h"
#include "core/object_list.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

class ArithmeticDialogTest : public testing::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    Put("A", std::make_unique<MatrixObject>(3, 2, 1.0));  // 2x3
    Put("B", std::make_unique<MatrixObject>(2, 3, 2.0));  // 3x2
    Put("A2", std::make_unique<MatrixObject>(3, 2, 5.0));
    Put("u", std::make_unique<VectorObject>(3, 1.0));
    Put("w", std::make_unique<VectorObject>(3, 2.0));
  }
  void Enter(std::vector<std::string> sources, std::string output) {
    ui.AnswerForm<OperationForm>([=](OperationForm& f) {
      ASSERT_EQ(f.sources.size(), sources.size());
      for (size_t i = 0; i < sources.size(); ++i) f.sources[i].text = sources[i];
      f.output.text = output;
    });
  }
};

TEST_F(ArithmeticDialogTest, AddFormListsMatricesAndVectorsAndPicksTheFirst) {
  ui.AnswerForm<OperationForm>([](OperationForm& f) {
    EXPECT_EQ(f.title, "Add Matrices or Vectors");
    EXPECT_EQ(f.ButtonText(kOkButton), "Add");
    EXPECT_EQ(f.sources[0].label, "Select first matrix or vector");
    EXPECT_EQ(f.sources[0].entries,
              (std::vector<std::string>{"A  matrix 2x3", "B  matrix 3x2", "A2  matrix 2x3",
                                        "u  vector (3)", "w  vector (3)"}));
    EXPECT_EQ(f.sources[0].text, "A  matrix 2x3");  // the first entry is selected
    EXPECT_EQ(f.output.entries, (std::vector<std::string>{"A", "B", "A2", "u", "w"}));
    EXPECT_EQ(f.output.label,
              "Output matrix name\nPlease enter new matrix name or \nselect one of the existing "
              "objects from the drop-down list.");
    f.output.text = "S";
  });
  EXPECT_TRUE(AddDialog());  // picked entries are cut to their names
  EXPECT_EQ(ui.output, "Added matrices A and A\r\noutput stored in new matrix <S>\r\n");
}

TEST_F(ArithmeticDialogTest, AddReportsAndReplacesTheOutput) {
  Enter({"A  matrix 2x3", " A2 "}, "A");
  EXPECT_TRUE(AddDialog());
  EXPECT_EQ(ui.output,
            "Deleted Matrix <A>\r\nAdded matrices A and A2\r\noutput stored in new matrix "
            "<A>\r\n");
  Enter({"u", "w"}, "x y");  // a typed name is cut at its blank
  EXPECT_TRUE(SubtractDialog());
  EXPECT_NE(ui.output.find("Subtracted vectors u and w\r\noutput stored in new vector <x>\r\n"),
            std::string::npos);
  EXPECT_NE(FindObject("x", OBJMASK_VECTOR), nullptr);
}

TEST_F(ArithmeticDialogTest, ChecksRunInOrderAndKeepTheDialogOpen) {
  Enter({"", "w"}, "o");
  Enter({"u", std::string(1001, 'a')}, "o");
  Enter({"u", "w"}, "");
  Enter({"nope", "w"}, "o");
  Enter({"u", "nope"}, "o");
  Enter({"u", "w"}, "1o");
  Enter({"u", "w"}, "PI");
  Enter({"u", "A"}, "o");
  EXPECT_FALSE(AddDialog());
  EXPECT_EQ(ui.formsShown, 9);
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "Error:\nInvalid 1st argument.\nPlease select valid source matrix or vector.",
                "Error:\nInvalid 2nd argument.\nPlease select valid source matrix or vector.",
                "Error:\nInvalid output matrix name.\nPlease select or enter valid name.",
                "Error:\nUnable to find 1st argument\n<nope>\nPlease select or enter valid name.",
                "Error:\nUnable to find 2nd argument\n<nope>\nPlease select or enter valid name.",
                "Error:\nInvalid output matrix name\n<1o>\nPlease enter valid name.\nName shall "
                "containg only letters and digits and charater _.\nFirst character must not be "
                "digit.",
                "Error: new variable name is reserved keyword \n<PI>\nPlease choose another name.",
                "Error:\nInvalid arguments type. Both arguments must be of the same type:\nmatrix "
                "+ matrix\nor vector + vector."}));
  EXPECT_EQ(ui.output, "");
}

TEST_F(ArithmeticDialogTest, FailedAdditionClosesWithTheEngineMessage) {
  Enter({"A", "B"}, "C");
  EXPECT_FALSE(AddDialog());
  EXPECT_EQ(ui.formsShown, 1);
  EXPECT_EQ(ui.messages.back(),
            "Error:\nInvalid arguments. Matrices must have equal number columns and equal number "
            "of rows.\n");
}

TEST_F(ArithmeticDialogTest, FailedMultiplicationStaysOpen) {
  Enter({"A", "A2"}, "C");
  EXPECT_FALSE(MultiplyDialog());
  EXPECT_EQ(ui.formsShown, 2);
  EXPECT_EQ(ui.messages.back(),
            "Error:\nInvalid argument sizes. Number columns of the 1st matrix must be equal to "
            "the number of rows of the 2nd matrix .\n");
}

TEST_F(ArithmeticDialogTest, MultiplyTakesEachPairOfKindsButVectorTimesMatrix) {
  Enter({"u", "A"}, "o");
  Enter({"A", "u"}, "au");
  EXPECT_TRUE(MultiplyDialog());
  EXPECT_EQ(ui.messages,
            std::vector<std::string>{"Error:\nInvalid arguments type. Arguments must be of the "
                                     "following type:\nmatrix x matrix\normatrix x vector\nor "
                                     "vector x vector."});
  EXPECT_EQ(ui.output, "Multiplied matrix A and vector u\r\noutput stored in new matrix <au>\r\n");
  EXPECT_EQ(FindObject("o", OBJMASK_ANY), nullptr);
  ui.output.clear();
  Enter({"u", "w"}, "d");
  Enter({"A", "B"}, "ab");
  EXPECT_TRUE(MultiplyDialog());
  EXPECT_TRUE(MultiplyDialog());
  EXPECT_EQ(ui.output,
            "Multiplied vectors u and w\r\noutput stored in new vector <d>\r\n"
            "Multiplied matrices A and B\r\noutput stored in new matrix <ab>\r\n");
}

TEST_F(ArithmeticDialogTest, OverflowShowsTheFaultText) {
  Put("H", std::make_unique<MatrixObject>(2, 2, DBL_MAX));
  Put("C", std::make_unique<VectorObject>(1, 3.0));
  Enter({"H", "H"}, "C");
  EXPECT_FALSE(MultiplyDialog());
  EXPECT_EQ(ui.messages.front(), "Error:\nFloating point error\nOverflow of numerical value\n");
  EXPECT_NE(FindObject("C", OBJMASK_VECTOR), nullptr);
}

TEST_F(ArithmeticDialogTest, TransposeChecksInOrderThenReports) {
  ui.AnswerForm<OperationForm>([](OperationForm& f) {
    EXPECT_EQ(f.title, "Transpose Matrix");
    EXPECT_EQ(f.sources[0].label, "Select matrix from the list");
    EXPECT_EQ(f.sources[0].entries,
              (std::vector<std::string>{"A  matrix 2x3", "B  matrix 3x2", "A2  matrix 2x3"}));
    f.sources[0].text = "u";
    f.output.text = "T";
  });
  Enter({""}, "T");
  Enter({"A"}, "");
  Enter({"B"}, "T");
  EXPECT_TRUE(TransposeDialog());
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "Error:\nUnable to find source matrix\n<u>\nPlease select or enter valid name.",
                "Error:\nInvalid argument.\nPlease select valid source matrix.",
                "Error:\nInvalid output matrix name.\nPlease select or enter valid name."}));
  EXPECT_EQ(ui.output, "Transposed matrix <B>\r\noutput stored in new matrix <T>\r\n");
}

TEST_F(ArithmeticDialogTest, MultiplyRefusesABlankOutputName) {
  Enter({"A", "B"}, "   ");
  EXPECT_FALSE(MultiplyDialog());
  EXPECT_EQ(ui.messages.front(),
            "Error:\nInvalid output object name.\nPlease select or enter valid name.");
}

}  // namespace
}  // namespace tq
