#include "core/object_list.h"

#include <memory>

#include <gtest/gtest.h>

#include "support/workbench_test.h"

namespace tq {
namespace {

using ObjectListTest = testing::WorkbenchTest;

TEST_F(ObjectListTest, FindObjectIgnoresCaseAndSkipsOtherKinds) {
  Variable("a", 1.0);
  auto* matrix = Put("a", std::make_unique<MatrixObject>(2, 2, 0.0));
  EXPECT_EQ(FindObject("A", OBJMASK_MATRIX), matrix);
  EXPECT_EQ(FindObject("A", OBJMASK_VECTOR), nullptr);
  EXPECT_EQ(FindObject("A", OBJMASK_ANY)->kind, KIND_VARIABLE);
  EXPECT_EQ(FindObjectExact("A"), nullptr);
}

TEST_F(ObjectListTest, FailedObjectsAreFoundOnlyOnRequestAndUnallocatedOnesNever) {
  auto* failed = Put("v", std::make_unique<VectorObject>(2, 0.0));
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
  Put("v1", std::make_unique<VectorObject>(2, 0.0));
  Variable("x", 1.0);
  Put("v2", std::make_unique<VectorObject>(2, 0.0));
  MathObject* first = FindFirstObject(OBJMASK_VECTOR);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->name, "v1");
  EXPECT_EQ(FindNextObject(OBJMASK_VECTOR)->name, "v2");
  EXPECT_EQ(FindNextObject(OBJMASK_VECTOR), nullptr);
  EXPECT_EQ(FindFirstObject(OBJMASK_CHART), nullptr);
}

TEST_F(ObjectListTest, ListEntryTexts) {
  Put("M", std::make_unique<MatrixObject>(2, 3, 0.0));  // 2 columns, 3 rows
  Put("v", std::make_unique<VectorObject>(5, 0.0));
  Variable("x", 2.5);
  auto* f = Function("f", "x^2");
  Function("g", "x");
  f->description = "square";
  auto* chart = Put("c", std::make_unique<ChartObject>());
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
  Put("m", std::make_unique<MatrixObject>(2, 2, 0.0));
  Put("M", std::make_unique<VectorObject>(2, 0.0));
  Variable("x", 1.0);
  EXPECT_EQ(DeleteObjectByName("M"), 1);
  EXPECT_EQ(DeleteObjectByName("m"), 1);
  EXPECT_EQ(DeleteObjectByName("X"), 1);
  EXPECT_EQ(DeleteObjectByName("nothing"), 0);
  EXPECT_EQ(DeleteObjectByName(""), 0);
  EXPECT_EQ(ui.output, "Deleted Matrix <m>\r\nDeleted Vector <M>\r\nDeleted Object <x>\r\n");
  EXPECT_EQ(IsObjectListEmpty(), 1);
}

TEST_F(ObjectListTest, DeleteAllObjectsWorksFromTheTail) {
  Put("m", std::make_unique<MatrixObject>(2, 2, 0.0));
  Put("v", std::make_unique<VectorObject>(2, 0.0));
  Variable("x", 1.0);
  DeleteAllObjects();
  EXPECT_EQ(ui.output, "Deleted object <x>\r\nDeleted Vector <v>\r\nDeleted Matrix <m>\r\n");
  EXPECT_EQ(IsObjectListEmpty(), 1);
}

TEST_F(ObjectListTest, PurgeInvalidObjectsReportsNamedOnes) {
  Put("good", std::make_unique<VectorObject>(2, 0.0));
  Put("bad", std::make_unique<VectorObject>(2, 0.0))->status = STATUS_FAILED;
  Variable("", 1.0)->status = STATUS_EMPTY;
  Function("f", "x")->status = STATUS_ALLOC_FAILED;
  PurgeInvalidObjects();
  EXPECT_EQ(ui.output, "Deleted Vector <bad>\r\nDeleted Object <f>\r\n");
  ASSERT_EQ(CurrentObjectList()->size(), 1u);
  EXPECT_EQ(CurrentObjectList()->entries()[0]->name, "good");
}

TEST_F(ObjectListTest, NameIndexFollowsEveryChangeOfTheList) {
  ObjectList& list = document.objects;
  auto* variable = Variable("a", 1.0);
  AddObject(nullptr);  // an empty entry
  auto* matrix = Put("A", std::make_unique<MatrixObject>(2, 2, 0.0));
  Variable("", 2.0);  // unnamed: never found by name
  auto* vector = Put("b", std::make_unique<VectorObject>(2, 0.0));
  Put("c", std::make_unique<ChartObject>());
  EXPECT_TRUE(list.IndexConsistent());
  EXPECT_EQ(FindObject("a", OBJMASK_MATRIX), matrix);
  EXPECT_EQ(FindObject("", OBJMASK_ANY), nullptr);

  RenameObject(*matrix, "z");
  RenameObject(*variable, "Z");  // earlier in the list, so found first again
  EXPECT_TRUE(list.IndexConsistent());
  EXPECT_EQ(FindObject("a", OBJMASK_ANY), nullptr);
  EXPECT_EQ(FindObject("z", OBJMASK_ANY), variable);
  EXPECT_EQ(FindObject("z", OBJMASK_MATRIX), matrix);
  EXPECT_EQ(FindObjectExact("z"), matrix);

  // The enumeration cursor keeps its place while earlier entries go.
  EXPECT_EQ(FindFirstObject(OBJMASK_ANY), variable);
  EXPECT_EQ(FindNextObject(OBJMASK_ANY), matrix);
  variable->status = STATUS_FAILED;
  PurgeInvalidObjects();
  EXPECT_EQ(FindNextObject(OBJMASK_ANY), vector);
  EXPECT_EQ(DeleteObjectByName("Z"), 1);
  EXPECT_EQ(FindNextObject(OBJMASK_ANY)->name, "c");
  EXPECT_EQ(ui.output, "Deleted Object <Z>\r\nDeleted Matrix <z>\r\n");
  EXPECT_TRUE(list.IndexConsistent());
  EXPECT_EQ(list.size(), 4u);  // the empty entry, the unnamed variable, b and c

  DeleteAllObjects();
  EXPECT_TRUE(list.IndexConsistent());
  EXPECT_EQ(FindObject("b", OBJMASK_ANY), nullptr);
  Put("B", std::make_unique<VectorObject>(1, 0.0));
  EXPECT_EQ(FindObject("b", OBJMASK_VECTOR)->name, "B");
}

TEST_F(ObjectListTest, ReplaceObjectLeavesOneObjectOfTheName) {
  Variable("v", 1.0);
  Put("x", std::make_unique<VectorObject>(2, 0.0));
  Put("V", std::make_unique<MatrixObject>(2, 2, 0.0));  // two of one name, as only AddObject makes
  Put("v", std::make_unique<VectorObject>(2, 0.0))->status = STATUS_FAILED;
  EXPECT_EQ(SharedObjectName(document.objects), "v");
  auto function = std::make_unique<FunctionObject>("x+1");
  function->name = "v";
  EXPECT_EQ(ReplaceObject(std::move(function)), 1);
  EXPECT_EQ(ui.output,
            "Deleted Object <v>\r\nDeleted Matrix <V>\r\nDeleted Vector <v>\r\n");
  ASSERT_EQ(document.objects.size(), 2u);
  EXPECT_EQ(document.objects.entries()[1]->kind, KIND_FUNCTION);  // appended at the tail
  EXPECT_EQ(SharedObjectName(document.objects), std::nullopt);
  Put("X", std::make_unique<VectorObject>(2, 0.0))->status = STATUS_FAILED;  // an invalid one is not saved
  EXPECT_EQ(SharedObjectName(document.objects), std::nullopt);
}

TEST_F(ObjectListTest, LookupsInALargeListFindEachNameIgnoringCase) {
  constexpr int kCount = 100000;
  for (int i = 0; i < kCount; ++i) Put(("n" + std::to_string(i)).c_str(), std::make_unique<VariableObject>(double(i)));
  for (int i = 0; i < kCount; i += 7) {
    auto* found = FindObjectAs<VariableObject>("N" + std::to_string(i), OBJMASK_VARIABLE);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->value, double(i));
  }
  for (int i = 0; i < kCount; i += 1000) DeleteObjectByName("n" + std::to_string(i));
  EXPECT_EQ(document.objects.size(), size_t(kCount - kCount / 1000));
  EXPECT_EQ(FindObject("n1000", OBJMASK_ANY), nullptr);
  EXPECT_EQ(FindObject("n1001", OBJMASK_ANY), document.objects.entries()[999].get());
  EXPECT_TRUE(document.objects.IndexConsistent());
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
