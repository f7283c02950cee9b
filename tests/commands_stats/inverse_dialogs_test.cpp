#include "commands/inverse_dialogs.h"

#include <string>

#include <gtest/gtest.h>

#include "commands/statistics_menu_commands.h"
#include "dialog_helpers.h"
#include "objects_fixture.h"

namespace tq {
namespace {

class InverseDialogsTest : public ObjectsTest {};

TEST_F(InverseDialogsTest, InverseReportsAndReplaces) {
  Matrix("A", 2, 2, {0, 1, 1, 0});
  Matrix("B", 1, 1, {9});
  ui.AnswerForm<OperationForm>([](OperationForm& form) {
    EXPECT_EQ(form.title, "Inverse Matrix");
    EXPECT_EQ(form.button, "Inverse Matrix");
    ASSERT_EQ(form.sources.size(), 1u);
    EXPECT_EQ(form.sources[0].text, "A  matrix 2x2");
    EXPECT_EQ(form.output.entries, (std::vector<std::string>{"A", "B"}));
    form.output.text = " B ";
  });
  EXPECT_TRUE(MenuInverse());
  EXPECT_EQ(ui.output,
            "Deleted Matrix <B>\r\nInversed Matrix <A>\r\noutput stored in new matrix <B>\r\n");
  EXPECT_EQ(Get<MatrixObject>("B")->at(1, 2), 1.0);
}

TEST_F(InverseDialogsTest, SingularMatrixKeepsTheDialogOpen) {
  Matrix("Z", 2, 2, {0, 0, 0, 0});
  AnswerOperation(ui, {"Z"}, "Zi");
  EXPECT_FALSE(InverseDialog());
  EXPECT_EQ(ui.messages, (std::vector<std::string>{
                             "Error:\nNumerical library error\nSingular Matrix, the equation cant "
                             "be solved\n"}));
  EXPECT_EQ(ui.formsShown, 2);  // shown again, then cancelled
  EXPECT_EQ(FindObject("Zi", OBJMASK_ANY), nullptr);
}

TEST_F(InverseDialogsTest, InverseChecksInOrder) {
  Matrix("A", 2, 2, {1, 0, 0, 1});
  Vector("v", {1, 2});
  struct {
    std::string source, output, message;
  } rows[] = {
      {"", "X", "Error:\nInvalid 1st argument.\nPlease select valid source matrix."},
      {"A", "  ", "Error:\nInvalid output object name.\nPlease select or enter valid name."},
      {"Q", "X", "Error:\nUnable to find 1st argument\n<Q>\nPlease select or enter valid name."},
      {"A", "9x",
       "Error:\nInvalid output matrix name\n<9x>\nPlease enter valid name.\nName shall containg "
       "only letters and digits and charater _.\nFirst character must not be digit."},
      {"v", "X", "Error:\nInvalid arguments type. First argument must be matrix.\n"},
  };
  for (const auto& row : rows) {
    ui.messages.clear();
    AnswerOperation(ui, {row.source}, row.output);
    EXPECT_FALSE(InverseDialog());
    EXPECT_EQ(ui.messages, (std::vector<std::string>{row.message}));
  }
  EXPECT_EQ(ui.output, "");
}

TEST_F(InverseDialogsTest, SolveReportsAndChecksKinds) {
  Matrix("A", 1, 1, {2});
  Vector("b", {4});
  ui.AnswerForm<OperationForm>([](OperationForm& form) {
    EXPECT_EQ(form.title, "Solve system of linear equations");
    EXPECT_EQ(form.button, "Solve equation");
    ASSERT_EQ(form.sources.size(), 2u);
    EXPECT_EQ(form.sources[1].text, "b  vector (1)");
    form.sources[0].text = "A  matrix 1x1";
    form.output.text = "x";
  });
  EXPECT_TRUE(MenuSolve());
  EXPECT_EQ(ui.output,
            "Solved system of linear equations A*x=b\r\nMatrix A A  Vector b b\r\noutput stored "
            "in new vector <x>\r\n");
  EXPECT_EQ(Get<VectorObject>("x")->at(1), 2.0);

  AnswerOperation(ui, {"b", "A"}, "y");
  EXPECT_FALSE(SolveDialog());
  EXPECT_EQ(ui.messages.back(),
            "Error:\nInvalid arguments type. First argument must be matrix.\nSecond argument must "
            "be vector.");
  AnswerOperation(ui, {"A", ""}, "y");
  EXPECT_FALSE(SolveDialog());
  EXPECT_EQ(ui.messages.back(), "Error:\nInvalid 2nd argument.\nPlease select valid source vector.");
  AnswerOperation(ui, {"A", "b"}, "1y");
  EXPECT_FALSE(SolveDialog());
  EXPECT_EQ(ui.messages.back().rfind("Error:\nInvalid output vector name\n<1y>", 0), 0u);
}

TEST_F(InverseDialogsTest, MenuPreconditions) {
  EXPECT_FALSE(MenuInverse());
  EXPECT_FALSE(MenuSolve());
  Matrix("A", 1, 1, {1});
  EXPECT_FALSE(MenuSolve());
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "There are no matrices in the list. You must create matrix before using this "
                "function. This will create inverse matrix. Input matrix must have equal number "
                "of rows and columns.",
                "There are no matrices in the list. This will solve system of linear equations in "
                "the form A*x=b where A is a matrix and x and b are vectors. You must create "
                "matrix A of equation coefficients before using this function. Matrix must have "
                "equal number of rows and columns",
                "There are no vectors in the list. This will solve system of linear equations in "
                "the form A*x=b where A is a matrix and x and b are vectors. You must create "
                "vector B of equation right side values before using this function. Number of "
                "vector elements must be equal to the number of rows and columns of matrix."}));
  EXPECT_EQ(ui.formsShown, 0);
}

}  // namespace
}  // namespace tq
