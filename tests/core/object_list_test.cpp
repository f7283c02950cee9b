#include "core/object_list.h"

#include <memory>

#include <gtest/gtest.h>

#include "support/scripted_ui.h"

namespace tq {
namespace {

class ObjectListTest : public testing::WorkbenchTest {
 protected:
  template <class T, class... Args>
  T* Add(const char* name, Args... args) {
    auto object = std::make_unique<T>(args...);
    object->name = name;
    T* raw = object.get();
    AddObject(std::move(object));
    return raw;
  }
};

TEST_F(ObjectListTest, FindObjectIgnoresCaseAndSkipsOtherKinds) {
  Add<VariableObject>("a", 1.0);
  auto* matrix = Add<MatrixObject>("a", 2, 2, 0.0);
  EXPECT_EQ(FindObject("A", OBJMASK_MATRIX), matrix);
  EXPECT_EQ(FindObject("A", OBJMASK_VECTOR), nullptr);
  EXPECT_EQ(FindObject("A", OBJMASK_ANY)->kind, KIND_VARIABLE);
  EXPECT_EQ(FindObjectExact("A"), nullptr);
}

TEST_F(ObjectListTest, StatusRules) {
  auto* failed = Add<VectorObject>("v", 2, 0.0);
  failed->status = STATUS_ALLOC_FAILED;
  EXPECT_EQ(FindObject("v", OBJMASK_VECTOR | OBJMASK_WITH_FAILED), nullptr);
  failed->status = STATUS_FAILED;
  EXPECT_EQ(FindObject("v", OBJMASK_VECTOR), nullptr);
  EXPECT_EQ(FindObject("v", OBJMASK_VECTOR | OBJMASK_WITH_FAILED), failed);
  failed->status = 2;
  EXPECT_EQ(FindObject("v", OBJMASK_VECTOR | OBJMASK_WITH_FAILED), failed);
  failed->status = STATUS_ALLOC_FAILED;
  EXPECT_TRUE(ObjectListEntries(OBJMASK_VECTOR | OBJMASK_WITH_FAILED).empty());
}

TEST_F(ObjectListTest, EnumerationFollowsListOrder) {
  Add<VectorObject>("v1", 2, 0.0);
  Add<VariableObject>("x", 1.0);
  Add<VectorObject>("v2", 2, 0.0);
  MathObject* first = FindFirstObject(OBJMASK_VECTOR);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->name, "v1");
  EXPECT_EQ(FindNextObject(OBJMASK_VECTOR)->name, "v2");
  EXPECT_EQ(FindNextObject(OBJMASK_VECTOR), nullptr);
  EXPECT_EQ(FindFirstObject(OBJMASK_CHART), nullptr);
}

TEST_F(ObjectListTest, ListEntryTexts) {
  Add<MatrixObject>("M", 2, 3, 0.0);  // 2 columns, 3 rows
  Add<VectorObject>("v", 5, 0.0);
  Add<VariableObject>("x", 2.5);
  auto* f = Add<FunctionObject>("f", "x^2");
  Add<FunctionObject>("g", "x");
  f->description = "square";
  auto* chart = Add<ChartObject>("c");
  chart->Title = "Title";
  auto entries = ObjectListEntries(OBJMASK_MATRIX | OBJMASK_VECTOR | OBJMASK_VARIABLE |
                                   OBJMASK_FUNCTION | OBJMASK_CHART);
  EXPECT_EQ(entries, (std::vector<std::string>{"M  matrix 3x2", "v  vector (5)", "x = 2.5",
                                               "f:  square", "g", "c:  Title"}));
  auto names = ObjectListEntries(OBJMASK_MATRIX | OBJMASK_FUNCTION | OBJMASK_NAMES_ONLY);
  EXPECT_EQ(names, (std::vector<std::string>{"M", "f", "g"}));
  auto variable = std::make_unique<VariableObject>(1.0 / 3.0);
  variable->name = "third";
  EXPECT_EQ(*ObjectListEntry(*variable, OBJMASK_VARIABLE), "third = 0.333333333333");
}

TEST_F(ObjectListTest, DeleteObjectByNameDeletesTheFirstMatchAndReports) {
  Add<MatrixObject>("m", 2, 2, 0.0);
  Add<VectorObject>("M", 2, 0.0);
  Add<VariableObject>("x", 1.0);
  EXPECT_EQ(DeleteObjectByName("M"), 1);
  EXPECT_EQ(DeleteObjectByName("m"), 1);
  EXPECT_EQ(DeleteObjectByName("X"), 1);
  EXPECT_EQ(DeleteObjectByName("nothing"), 0);
  EXPECT_EQ(DeleteObjectByName(""), 0);
  EXPECT_EQ(ui.output, "Deleted Matrix <m>\r\nDeleted Vector <M>\r\nDeleted Object <x>\r\n");
  EXPECT_EQ(IsObjectListEmpty(), 1);
}

TEST_F(ObjectListTest, DeleteAllObjectsWorksFromTheTail) {
  Add<MatrixObject>("m", 2, 2, 0.0);
  Add<VectorObject>("v", 2, 0.0);
  Add<VariableObject>("x", 1.0);
  DeleteAllObjects();
  EXPECT_EQ(ui.output, "Deleted object <x>\r\nDeleted Vector <v>\r\nDeleted Matrix <m>\r\n");
  EXPECT_EQ(IsObjectListEmpty(), 1);
}

TEST_F(ObjectListTest, PurgeInvalidObjectsReportsNamedOnes) {
  Add<VectorObject>("good", 2, 0.0);
  Add<VectorObject>("bad", 2, 0.0)->status = STATUS_FAILED;
  Add<VariableObject>("", 1.0)->status = STATUS_EMPTY;
  Add<FunctionObject>("f", "x")->status = STATUS_ALLOC_FAILED;
  PurgeInvalidObjects();
  EXPECT_EQ(ui.output, "Deleted Vector <bad>\r\nDeleted Object <f>\r\n");
  ASSERT_EQ(CurrentObjectList()->size(), 1u);
  EXPECT_EQ(CurrentObjectList()->entries[0]->name, "good");
}

TEST_F(ObjectListTest, NothingWorksWithoutADocument) {
  SetCurrentDocument(nullptr);
  EXPECT_EQ(AddObject(std::make_unique<VariableObject>(1.0)), 0);
  EXPECT_EQ(FindObject("x", OBJMASK_ANY), nullptr);
  EXPECT_EQ(DeleteObjectByName("x"), 0);
  EXPECT_EQ(IsObjectListEmpty(), 1);
}

TEST_F(ObjectListTest, TemporaryObjectsArePurgedSilently) {
  AddTempObject(std::make_unique<VectorObject>(3, 0.0));
  EXPECT_EQ(document.tempObjects.size(), 1u);
  PurgeTempObjects();
  EXPECT_TRUE(document.tempObjects.empty());
  EXPECT_EQ(ui.output, "");
}

}  // namespace
}  // namespace tq
