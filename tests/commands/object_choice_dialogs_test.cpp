#include <string>

#include <gtest/gtest.h>

#include "commands/forms.h"
#include "commands/menu_commands.h"
#include "commands/object_commands.h"
#include "commands/value_editor.h"
#include "core/object_list.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

class ChoiceTest : public testing::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    for (const char* name : {"b", "A", "c"}) Vector(name, {1, 1});
    Put("M", std::make_unique<MatrixObject>(3, 2, 0.0));
    Variable("x", 1.0);
  }
  void Select(std::vector<size_t> indexes) {
    ui.AnswerForm<ObjectChoiceForm>([=](ObjectChoiceForm& f) { f.selected = indexes; });
  }
};

TEST_F(ChoiceTest, ListsMatricesAndVectorsSortedIgnoringCase) {
  std::vector<std::string> entries;
  ui.AnswerForm<ObjectChoiceForm>([&](ObjectChoiceForm& f) {
    entries = f.entries;
    EXPECT_EQ(f.title, "Delete Matrix or Vector");
    EXPECT_EQ(f.prompt, "Selet items you want to delete");
    EXPECT_TRUE(f.multipleSelection);
  });
  EXPECT_FALSE(DeleteObjectsCommand());  // nothing selected, then cancelled
  EXPECT_EQ(entries, (std::vector<std::string>{"A  vector (2)", "b  vector (2)", "c  vector (2)",
                                               "M  matrix 2x3"}));
}

TEST_F(ChoiceTest, DeleteRefusesAnEmptySelectionThenDeletesEverySelected) {
  Select({});
  Select({3, 0});
  EXPECT_TRUE(DeleteObjectsCommand());
  EXPECT_EQ(ui.messages, std::vector<std::string>{"No items selected in the list"});
  EXPECT_EQ(ui.output, "Deleted Vector <A>\r\nDeleted Matrix <M>\r\n");
}

TEST_F(ChoiceTest, DisplayNeedsOneSelection) {
  Select({});
  Select({1});
  EXPECT_TRUE(DisplayCommand());
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Please select one item in the list"});
  EXPECT_EQ(ui.output.rfind("Vector  b  (2)\r\n", 0), 0u);
}

TEST_F(ChoiceTest, EditReportsAndOpensTheEditor) {
  Select({3});
  bool edited = false;
  ui.AnswerForm<ValueEditorForm>([&](ValueEditorForm& f) {
    EXPECT_EQ(f.title, "Edit values in matrix");
    EXPECT_EQ(ui.dialogsOpen, 2);  // over the list, which is still open
    EXPECT_TRUE(StoreCellText(*f.object, 2, 3, "2e3"));
    EXPECT_FALSE(StoreCellText(*f.object, 1, 1, "abc"));
    EXPECT_FALSE(StoreCellText(*f.object, 3, 1, "1"));
    EXPECT_FALSE(StoreCellText(*f.object, 1, 1, std::string(255, '1')));
    edited = true;
  });
  EXPECT_TRUE(EditCommand());
  EXPECT_TRUE(edited);
  EXPECT_EQ(ui.output, "Editing Matrix  M  2x3\r\n");
  auto* m = dynamic_cast<MatrixObject*>(FindObject("M", OBJMASK_MATRIX));
  EXPECT_EQ(m->at(2, 3), 2000.0);
  EXPECT_EQ(m->at(1, 1), 0.0);
  EXPECT_EQ(CellText(2000.0), "                2000 ");
  EXPECT_EQ(CellEditText(1.0 / 3.0), "0.333333333333");
}

TEST_F(ChoiceTest, EditObjectChecksStatus) {
  dynamic_cast<VectorObject*>(FindObject("c", OBJMASK_VECTOR))->status = STATUS_FAILED;
  EXPECT_EQ(EditObject("c"), 0);
  EXPECT_EQ(ui.messages.back(),
            "Error:\nObject state is not valid.\nLast operation on this object has failed.\n"
            "Unable to open the object.");
  EXPECT_EQ(EditObject("x"), 0);
  EXPECT_EQ(ui.messages.back(), "Unable to open the object for editing.");
}

TEST_F(ChoiceTest, MenuPreconditionWithoutMatricesOrVectors) {
  DeleteAllObjects();
  ui.output.clear();
  EXPECT_FALSE(MenuDisplayObject());
  EXPECT_FALSE(MenuTranspose());
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "There are no matrices or vectors in the list. You must create matrix or vector "
                "before using this function.",
                "There are no matrices in the list. You must create matrix before using this "
                "function."}));
  EXPECT_EQ(ui.formsShown, 0);
}

}  // namespace
}  // namespace tq
