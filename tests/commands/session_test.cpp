// The session: every kind of change is recorded and marks the session
// modified; saving and opening clear the flag, a failed save or open does
// not; observers hear of the changes once, when a command ends.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "chart/chart_model.h"
#include "commands/calculator_commands.h"
#include "commands/chart_dialog.h"
#include "commands/chart_forms.h"
#include "commands/file_commands.h"
#include "commands/file_forms.h"
#include "commands/series_dialogs.h"
#include "commands/session.h"
#include "commands/value_editor.h"
#include "core/object_list.h"
#include "lang/function_objects.h"
#include "lang/interpreter.h"
#include "support/workbench_test.h"
#include "workspace/data_file.h"

namespace tq::testing {
namespace {

class SessionTest : public WorkbenchTest {
 protected:
  // Starts from an unmodified session with no pending changes.
  void Settle() {
    TakeChanges();
    ClearSessionModified();
  }
  // The changes recorded since the last look; the session must have been
  // marked modified exactly when there are any.
  ChangeSet Changes() {
    const bool modified = SessionModified();
    const ChangeSet changes = TakeChanges();
    EXPECT_EQ(modified, changes != 0);
    ClearSessionModified();
    return changes;
  }
};

TEST_F(SessionTest, ObjectListChangesCarryTheKindOfTheObject) {
  struct Case {
    const char* what;
    std::unique_ptr<MathObject> (*make)();
    ChangeSet kinds;
  };
  const Case cases[] = {
      {"vector", [] { return std::unique_ptr<MathObject>(new VectorObject(2, 1.0)); }, CHANGE_OBJECT_LIST},
      {"function", [] { return std::unique_ptr<MathObject>(new FunctionObject("x")); },
       CHANGE_OBJECT_LIST | CHANGE_FUNCTION},
      {"variable", [] { return std::unique_ptr<MathObject>(new VariableObject(1.0)); },
       CHANGE_OBJECT_LIST | CHANGE_VARIABLE},
      {"chart", [] { return std::unique_ptr<MathObject>(new ChartObject()); },
       CHANGE_OBJECT_LIST | CHANGE_CHART},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Settle();
    auto added = c.make();
    added->name = "o";
    AddObject(std::move(added));
    EXPECT_EQ(Changes(), c.kinds);
    auto replacement = c.make();
    replacement->name = "O";
    ReplaceObject(std::move(replacement));
    EXPECT_EQ(Changes(), c.kinds);
    RenameObject(*FindObject("O", OBJMASK_ANY), "p");
    EXPECT_EQ(Changes(), c.kinds);
    DeleteObjectByName("p");
    EXPECT_EQ(Changes(), c.kinds);
    EXPECT_EQ(DeleteObjectByName("p"), 0);
    EXPECT_EQ(Changes(), 0u);
  }
  Vector("a", {1});
  Vector("b", {2});
  Settle();
  DeleteAllObjects();
  EXPECT_EQ(Changes(), CHANGE_OBJECT_LIST);
  DeleteAllObjects();
  EXPECT_EQ(Changes(), 0u);
}

TEST_F(SessionTest, ValueEditsAndImportsIntoAnExistingObjectChangeItsValues) {
  VectorObject* v = Vector("v", {1, 2});
  MatrixObject* m = Matrix("m", 1, 2);
  Settle();
  EXPECT_FALSE(StoreCellText(*v, 3, 1, "5"));
  EXPECT_EQ(Changes(), 0u);
  EXPECT_TRUE(StoreCellText(*v, 2, 1, "5"));
  EXPECT_EQ(Changes(), CHANGE_OBJECT_VALUES);
  EXPECT_TRUE(StoreCellText(*m, 1, 2, "7"));
  EXPECT_EQ(Changes(), CHANGE_OBJECT_VALUES);

  const std::string data = Write("v.txt", "3\n4\n");
  EXPECT_EQ(ImportVector(*v, Path("missing.txt")), 0);
  EXPECT_EQ(Changes(), 0u);
  EXPECT_EQ(ImportVector(*v, data), 1);
  EXPECT_EQ(Changes(), CHANGE_OBJECT_VALUES);
  EXPECT_EQ(v->at(2), 4.0);
}

TEST_F(SessionTest, ProgramsAndTheCalculatorAssigningAVariableChangeIt) {
  Variable("a", 1.0);
  Settle();
  std::string error;
  ASSERT_EQ(CompileFunction("a+1", error), 0) << error;
  int32_t code = 0;
  lang::RunCompiled(0.0, &code, nullptr);
  EXPECT_EQ(Changes(), 0u);  // reading a variable changes nothing
  ASSERT_EQ(CompileFunction("a=3", error), 0) << error;
  lang::RunCompiled(0.0, &code, nullptr);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(Changes(), CHANGE_VARIABLE);

  Calculator().entry = "a=5";
  Calculator().modified = true;
  EvaluateEntry();
  EXPECT_EQ(FindObjectAs<VariableObject>("a", OBJMASK_VARIABLE)->value, 5.0);
  EXPECT_NE(Changes() & CHANGE_VARIABLE, 0u);
}

TEST_F(SessionTest, ChartAndSeriesEditsChangeTheChart) {
  ChartObject chart;
  chart.name = "c";
  auto series = std::make_unique<SeriesObject>();
  series->Label = series->name = "s";
  chart.SeriesList.push_back(std::move(series));
  chart.SeriesCount = 1;
  Settle();

  ChartParametersForm form;
  form.name = "1bad";
  EXPECT_FALSE(ApplyChartParameters(form, chart, false));
  ui.messages.clear();
  EXPECT_EQ(Changes(), 0u);
  form.name = "c";
  form.title = "T";
  EXPECT_TRUE(ApplyChartParameters(form, chart, false));
  EXPECT_EQ(Changes(), CHANGE_CHART);

  ui.AnswerForm<DrawingOptionsForm>([](DrawingOptionsForm& options) {
    options.lineColor = 2;
    return true;
  });
  EXPECT_TRUE(RunDrawingOptions(*chart.SeriesList[0]));
  EXPECT_EQ(Changes(), CHANGE_CHART);

  EXPECT_FALSE(DeleteDataSet(chart, "t"));
  EXPECT_EQ(Changes(), 0u);
  EXPECT_TRUE(DeleteDataSet(chart, "s"));
  EXPECT_EQ(Changes(), CHANGE_CHART);
}

TEST_F(SessionTest, SavingOpeningAndNewClearTheModifiedFlagAndFailuresKeepIt) {
  const std::string path = Path("w.mts");
  Vector("v", {1, 2});
  ASSERT_TRUE(SessionModified());
  ui.AnswerForm<FileNameForm>([&](FileNameForm& form) {
    form.path = Path("no/such/folder/w.mts");
    return true;
  });
  EXPECT_FALSE(FileSaveAsCommand());
  EXPECT_TRUE(SessionModified());
  ui.AnswerForm<FileNameForm>([&](FileNameForm& form) {
    form.path = path;
    return true;
  });
  ASSERT_TRUE(FileSaveAsCommand());
  EXPECT_FALSE(SessionModified());

  Vector("w", {3});
  EXPECT_FALSE(OpenDocumentFile(Path("missing.mts")));
  EXPECT_TRUE(SessionModified());
  ui.AnswerQuestions({true});  // delete the existing objects
  ASSERT_TRUE(OpenDocumentFile(path));
  EXPECT_FALSE(SessionModified());

  Vector("x", {4});
  ui.AnswerQuestions({false});  // a merge keeps objects the file does not hold
  ASSERT_TRUE(OpenDocumentFile(path));
  EXPECT_TRUE(SessionModified());

  EXPECT_TRUE(FileNewCommand());
  EXPECT_FALSE(SessionModified());
  ui.output.clear();
  ui.messages.clear();
}

class Recorder : public SessionObserver {
 public:
  void OnSessionChanged(ChangeSet changes) override { heard.push_back(changes); }
  std::vector<ChangeSet> heard;
};

TEST_F(SessionTest, ObserversHearTheChangesOfACommandOnce) {
  Document own;
  ScriptedUi port;
  Recorder first, second;
  {
    Session session(own, port);
    EXPECT_EQ(CurrentSession(), &session);
    EXPECT_EQ(CurrentDocument(), &own);
    session.AddObserver(&first);
    session.AddObserver(&second);
    session.DeliverChanges();  // nothing changed
    Put("v", std::make_unique<VectorObject>(1, 0.0));
    Function("f", "x");
    session.DeliverChanges();
    session.RemoveObserver(&second);
    DeleteObjectByName("v");
    session.DeliverChanges();
    session.DeliverChanges();
  }
  EXPECT_EQ(CurrentSession(), nullptr);
  EXPECT_EQ(CurrentDocument(), nullptr);
  EXPECT_EQ(first.heard, (std::vector<ChangeSet>{CHANGE_OBJECT_LIST | CHANGE_FUNCTION, CHANGE_OBJECT_LIST}));
  EXPECT_EQ(second.heard, (std::vector<ChangeSet>{CHANGE_OBJECT_LIST | CHANGE_FUNCTION}));
  SetCurrentDocument(&document);
  SetCurrentUi(&ui);
}

TEST_F(SessionTest, ResetSessionBringsEveryLibraryBackButKeepsDocumentAndPort) {
  Calculator().entry = "1+1";
  Commands().chartCounter = 5;
  Commands().workspacePath = "x.mts";
  Vector("v", {1});
  ResetSession();
  EXPECT_EQ(Calculator().entry, "");
  EXPECT_EQ(Commands().chartCounter, 1);
  EXPECT_EQ(CurrentWorkspacePath(), "");
  EXPECT_FALSE(SessionModified());
  EXPECT_EQ(TakeChanges(), 0u);
  EXPECT_EQ(CurrentDocument(), &document);
  EXPECT_EQ(CurrentUi(), &ui);
  EXPECT_NE(FindObject("v", OBJMASK_ANY), nullptr);
}

}  // namespace
}  // namespace tq::testing
