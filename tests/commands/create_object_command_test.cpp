#include <string>

#include <gtest/gtest.h>

#include "commands/forms.h"
#include "commands/menu_commands.h"
#include "commands/object_commands.h"
#include "core/element_block.h"
#include "core/object_list.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

class CreateTest : public testing::WorkbenchTest {
 protected:
  // Answers the create form with a matrix or a vector.
  void AnswerMatrix(std::string name, int rows, int columns, double initial = 0.0) {
    ui.AnswerForm<CreateObjectForm>([=](CreateObjectForm& f) {
      f.kind = CreateObjectForm::Kind::kMatrix;
      f.name = name;
      f.rows = rows;
      f.columns = columns;
      f.initial = initial;
    });
  }
  void AnswerVector(std::string name, int elements, double initial = 0.0) {
    ui.AnswerForm<CreateObjectForm>([=](CreateObjectForm& f) {
      f.kind = CreateObjectForm::Kind::kVector;
      f.name = name;
      f.elements = elements;
      f.initial = initial;
    });
  }
};

TEST_F(CreateTest, CreatesAMatrixAndAVector) {
  AnswerMatrix("  A ", 2, 3, 1.5);
  EXPECT_TRUE(CreateObjectCommand());
  AnswerVector("v", 4);
  EXPECT_TRUE(CreateObjectCommand());
  EXPECT_EQ(ui.output, "Created Matrix A 2x3\r\nCreated Vector v (4)\r\n");
  auto* a = dynamic_cast<MatrixObject*>(FindObject("A", OBJMASK_MATRIX));
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->name, "A");
  EXPECT_EQ(a->at(2, 3), 1.5);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CreateTest, NameRefusalsShowTheDialogAgain) {
  AnswerMatrix("   ", 2, 2);
  AnswerMatrix(std::string(129, 'a'), 2, 2);
  AnswerMatrix("1abc", 2, 2);
  AnswerMatrix("sqrt", 2, 2);
  EXPECT_FALSE(CreateObjectCommand());  // the fifth showing is cancelled
  EXPECT_EQ(ui.formsShown, 5);
  ASSERT_EQ(ui.messages.size(), 4u);
  EXPECT_EQ(ui.messages[0], "Error\nName not specified\nPlease enter valid name");
  EXPECT_EQ(ui.messages[1], "Error\nToo long name");
  EXPECT_EQ(ui.messages[2],
            "Error:\nInvalid name <1abc>\nPlease enter valid name.\nName shall containg only "
            "letters and digits and charater _  First character must not be digit.");
  EXPECT_EQ(ui.messages[3],
            "Error: new variable name is reserved function name \n<sqrt>\nPlease choose another "
            "name.");
  EXPECT_EQ(ui.output, "");
}

TEST_F(CreateTest, ExactlyOneHundredTwentyEightCharactersIsAccepted) {
  AnswerVector(std::string(128, 'b'), 2);
  EXPECT_TRUE(CreateObjectCommand());
}

TEST_F(CreateTest, ReplacingAnotherObjectAsksFirst) {
  Variable("X", 1.0);
  AnswerMatrix("x", 2, 2);
  ui.AnswerQuestions({false});
  EXPECT_FALSE(CreateObjectCommand());
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0],
            "Warning:\nAnother object with name <x> already exists.\nDo you with do delete old "
            "object and create new matrix?");
  EXPECT_NE(FindObject("X", OBJMASK_VARIABLE), nullptr);

  AnswerVector("x", 3);
  ui.AnswerQuestions({true});
  EXPECT_TRUE(CreateObjectCommand());
  EXPECT_EQ(ui.questions[1],
            "Warning:\nAnother object with name <x> already exists.\nDo you with do delete old "
            "object and create new vector?");
  EXPECT_EQ(ui.output, "Deleted Object <X>\r\nCreated Vector x (3)\r\n");
}

TEST_F(CreateTest, OneByOneMatrixAsksThreeQuestionsInOrder) {
  AnswerMatrix("m", 1, 1);
  ui.AnswerQuestions({true, true, true});
  EXPECT_TRUE(CreateObjectCommand());
  ASSERT_EQ(ui.questions.size(), 3u);
  EXPECT_EQ(ui.questions[0],
            "Warning\nspecified matrix dimensions 1 x 1;\nDo you want to create this small "
            "matrix?");
  EXPECT_EQ(ui.questions[1],
            "Warning\nspecified number of columns equal 1;\nDo you want to create this matrix?");
  EXPECT_EQ(ui.questions[2],
            "Warning\nspecified number of rows equal 1;\nDo you want to create this matrix?");
  EXPECT_EQ(ui.output, "Created Matrix m 1x1\r\n");
}

TEST_F(CreateTest, NoToASizeQuestionShowsTheDialogAgain) {
  AnswerMatrix("m", 1, 5);
  ui.AnswerQuestions({false});
  EXPECT_FALSE(CreateObjectCommand());
  EXPECT_EQ(ui.formsShown, 2);
  EXPECT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0],
            "Warning\nspecified number of rows equal 1;\nDo you want to create this matrix?");

  AnswerVector("v", 1);
  ui.AnswerQuestions({true});
  EXPECT_TRUE(CreateObjectCommand());
  EXPECT_EQ(ui.questions[1],
            "Warning\nspecified vectorx dimension is 1;\nDo you want to create this small "
            "vector?");
}

TEST_F(CreateTest, TooBigMatricesAndVectorsAreRefused) {
  AnswerMatrix("m", 10000, 1001);
  EXPECT_FALSE(CreateObjectCommand());
  EXPECT_EQ(ui.messages.back(), "Specified matrix is too big");
  AnswerVector("v", 1000000);
  EXPECT_TRUE(CreateObjectCommand());
  AnswerVector("w", 1000001);
  EXPECT_FALSE(CreateObjectCommand());
  EXPECT_EQ(ui.messages.back(), "Please enter an integer between 1 and 1000000.");
  AnswerMatrix("z", 0, 2);
  EXPECT_FALSE(CreateObjectCommand());
  EXPECT_EQ(ui.messages.back(), "Please enter an integer between 1 and 1000000.");
}

TEST_F(CreateTest, StorageFailureEndsTheCommand) {
  AnswerMatrix("small", 2, 2);
  AnswerMatrix("big", 1000, 1000);
  AnswerVector("v", 5);
  SetAllocationFailureAfter(0);
  EXPECT_FALSE(CreateObjectCommand());
  EXPECT_EQ(ui.messages.back(),
            "Error:\nUnable to create new matrix.\nPossibly not enough memory for matrix.");
  EXPECT_FALSE(CreateObjectCommand());
  EXPECT_EQ(ui.messages.back(),
            "Error:\nUnable to create new matrix.\nPossibly not enough memory for matrix.\n"
            "Specified matrix size is too big");
  EXPECT_FALSE(CreateObjectCommand());
  EXPECT_EQ(ui.messages.back(),
            "Error:\nUnable to create new vector.\nPossibly not enough memory for vector.");
  EXPECT_EQ(IsObjectListEmpty(), 1);
  EXPECT_EQ(ui.formsShown, 3);  // not shown again after a failure
}

TEST_F(CreateTest, DeleteAllObjectsAsksFirst) {
  AnswerVector("v", 2);
  CreateObjectCommand();
  ui.output.clear();
  EXPECT_FALSE(MenuDeleteAllObjects());
  EXPECT_EQ(IsObjectListEmpty(), 0);
  ui.AnswerQuestions({true});
  EXPECT_TRUE(MenuDeleteAllObjects());
  EXPECT_EQ(ui.questions.back(),
            "This will delete all existing objects; i.e. all matrices, vectors, variables, "
            "functions, charts will be deleted. List of objects will be empty. Are you sure you "
            "want to continue?");
  EXPECT_EQ(ui.output, "Deleted Vector <v>\r\n");
}

}  // namespace
}  // namespace tq
