#include "commands/chart_dialog.h"
#include "commands/session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "commands/series_dialogs.h"
#include "support/chart_support.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

using Strings = std::vector<std::string>;
using Button = ChartChoiceForm::Button;
using ParametersButton = ChartParametersForm::Button;
using Rows = std::vector<std::pair<std::string, std::string>>;

const std::string kNoSeries =
    "Error:\nThere are no data series to display.\nPlease create at least one or multiple data "
    "series.";
const std::string kLabel = "Error:\nInvalid data series label.\nPlease select valid label text";
const std::string kExists =
    "This data series label already exists.\nPlease select another valid label text";
const std::string kFunction = "Error:\nInvalid function name.\nPlease select valid function name";
const std::string kVector = "Error:\nInvalid vector name.\nPlease select valid vector name";
const std::string kPoints = "Error: Number of points must be between 10 and 10000.";
const std::string kTooSmall =
    "Error:\nVector size is too small.\nPlease select vector with at least two elements.";
const std::string kRange =
    "Error: maximum of coordinate x must be greater than minimum.\nPlease correct maximum and "
    "minimum values.";
const std::string kReserved = "Error: new variable name is reserved keyword \n<";

std::string NoFunction(const std::string& name) {
  return "Error:\nUnable to find function\n<" + name +
         ">\nPlease select or enter valid function name.";
}
std::string NoVector(const std::string& name) {
  return "Error:\nUnable to find vector\n<" + name + ">\nPlease select or enter valid name.";
}
std::string BadName(const std::string& what, const std::string& name) {
  return "Error:\nInvalid " + what + "\n<" + name +
         ">\nPlease enter valid name.\nName shall contain only letters and digits and charater "
         "_.\nFirst character must not be digit.";
}

class ChartDialogTest : public testing::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    for (auto [name, size] : {std::pair{"v3", 3}, {"w3", 3}, {"v4", 4}, {"one", 1}})
      Vector(name, std::vector<double>(size_t(size), 1.0));
    Function("f", "x*x");
    Function("g", "x");
    testing::AddSeries(chart, SERIES_TWO_VECTORS, "", "").Label = "s1";
    chart.SeriesList[0]->name = "s1";
    chart.SeriesCount = 1;
  }
  // Presses a button of the Chart dialog with the entry `selectedEntry` selected.
  void Press(Button button, std::string selectedEntry = "") {
    ui.AnswerForm<ChartChoiceForm>([=](ChartChoiceForm& f) {
      f.selected = -1;
      for (size_t i = 0; i < f.entries.size(); ++i)
        if (f.entries[i] == selectedEntry) f.selected = int32_t(i);
      return button;
    });
  }
  // A new data set of two vectors with the preset label.
  void PressNewVectorSeries() {
    ui.AnswerForm<ChartParametersForm>(
        [](ChartParametersForm&) { return ParametersButton::kNewDataSet; });
    ui.AnswerForm<DataTypeForm>([](DataTypeForm& f) { f.selected = 0; });
    ui.AnswerForm<SeriesForm>([](SeriesForm& f) {
      f.source1.text = "v3";
      f.source2.text = "w3";
    });
    ui.AnswerForm<DrawingOptionsForm>([](DrawingOptionsForm&) {});
  }
  static bool NoShow(ChartObject&) { return true; }
  // Walks a new series form of `type` through the rows: each applies its
  // edits, then expects the one message shown, or none and the series added.
  SeriesForm Walk(int32_t type, const Rows& rows) {
    SeriesForm form;
    form.seriesType = type;
    form.rangeMin = 1;
    form.rangeMax = form.points = 10;
    for (const auto& [edits, message] : rows) {
      testing::ForEachEdit(edits, [&](const std::string& field, const std::string& value) {
        if (field == "source1") form.source1.text = value;
        if (field == "source2") form.source2.text = value;
        if (field == "label") form.label = value;
        if (field == "rangeMax") form.rangeMax = std::strtod(value.c_str(), nullptr);
        if (field == "points") form.points = std::strtod(value.c_str(), nullptr);
      });
      ui.messages.clear();
      const bool added = ApplySeriesForm(form, chart, nullptr) != nullptr;
      EXPECT_EQ(ui.messages, message.empty() ? Strings{} : Strings{message}) << edits;
      EXPECT_EQ(added, message.empty()) << edits;
    }
    return form;
  }

  ChartObject chart;
};

TEST_F(ChartDialogTest, CreateNeedsASeriesAndTakesTheDialogsNames) {
  Press(Button::kCreate);
  ui.AnswerForm<ChartParametersForm>([](ChartParametersForm& f) {
    EXPECT_EQ(Strings({f.name, f.chartTitle, f.xLabel, f.yLabel}),
              (Strings{"Chart1", "Chart1", "X", "Y"}));
  });
  PressNewVectorSeries();
  ui.AnswerForm<ChartParametersForm>([](ChartParametersForm& f) {
    EXPECT_EQ(f.seriesLabels, Strings{"series1"});
    f.name = "sales";
    f.chartTitle = "Sales by month";
    f.xLabel = "month";
  });
  ui.AnswerForm<ChartChoiceForm>([](ChartChoiceForm& f) {
    EXPECT_EQ(f.entries, Strings{"sales:  Sales by month"});
    EXPECT_EQ(f.selected, 0);
    return Button::kCreate;  // a second chart: the counter went on
  });
  ui.AnswerForm<ChartParametersForm>([](ChartParametersForm& f) { EXPECT_EQ(f.name, "Chart2"); });
  EXPECT_FALSE(ChartDialog(NoShow));  // the second one was refused, then cancelled
  EXPECT_EQ(ui.messages, (Strings{kNoSeries, kNoSeries}));
  auto* sales = FindObjectAs<ChartObject>("sales", OBJMASK_CHART);
  ASSERT_NE(sales, nullptr);
  EXPECT_EQ(sales->XLabel, "month");
  EXPECT_EQ(sales->SeriesCount, 1);
  EXPECT_EQ(FindObject("Chart2", OBJMASK_CHART), nullptr);
  EXPECT_EQ(LastChartName(), "sales");
}

TEST_F(ChartDialogTest, ChartNameChecksInOrder) {
  ChartParametersForm form;
  ChartObject empty;
  for (const char* name : {"", "2nd", "pi", "fine"}) {
    form.name = name;
    EXPECT_FALSE(ApplyChartParameters(form, empty, true));
  }
  EXPECT_EQ(ui.messages,
            (Strings{"Error:\nEmpty or invalid chart name\n<>\nPlease enter valid object name.",
                     BadName("chart object name", "2nd"),
                     kReserved + "pi>\nPlease choose another name.", kNoSeries}));
}

TEST_F(ChartDialogTest, EmptyListAndNoSelectionMessages) {
  for (int round = 0; round < 2; ++round) {
    Press(Button::kEdit);
    Press(Button::kDelete);
    Press(Button::kDisplay);
    EXPECT_FALSE(ChartDialog(NoShow));
    ASSERT_TRUE(round || CreateEmptyChart("c", "t"));
  }
  const std::string none = "There are no chart objects in the list.";
  EXPECT_EQ(ui.messages, (Strings{none, none,
                                  none + "\nPlease create a new chart object.\nSpecify drawing "
                                         "parameters and at least one dataset for the new chart.",
                                  "There are no items selected in the list.",
                                  "There are no items selected in the list.",
                                  "Please select one item in the list."}));
}

TEST_F(ChartDialogTest, EditKeepsTheNameAndDeleteRemovesTheChart) {
  ASSERT_TRUE(CreateEmptyChart("c", "old"));
  Press(Button::kEdit, "c:  old");
  PressNewVectorSeries();
  ui.AnswerForm<ChartParametersForm>([](ChartParametersForm& f) {
    EXPECT_FALSE(f.nameEnabled);
    f.name = "ignored";
    f.chartTitle = "new";
    f.yLabel = "";
  });
  EXPECT_TRUE(ChartDialog(NoShow));
  auto* c = FindObjectAs<ChartObject>("c", OBJMASK_CHART);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(Strings({c->name, c->Title, c->YLabel}), (Strings{"c", "new", ""}));
  Press(Button::kDelete, "c:  new");
  EXPECT_TRUE(ChartDialog(NoShow));
  EXPECT_EQ(FindObject("c", OBJMASK_CHART), nullptr);
}

TEST_F(ChartDialogTest, DisplayReportsAndShowsThePreselectedChart) {
  ASSERT_TRUE(CreateEmptyChart("first", "first"));
  ASSERT_TRUE(CreateEmptyChart("second", "second"));
  auto* second = FindObjectAs<ChartObject>("second", OBJMASK_CHART);
  testing::AddSeries(*second, SERIES_TWO_VECTORS, "v3", "w3");
  ui.AnswerForm<ChartChoiceForm>([](ChartChoiceForm& f) {
    EXPECT_EQ(f.selected, 1);  // the chart last created
    return Button::kDisplay;
  });
  std::string shown;
  EXPECT_TRUE(ChartDialog([&](ChartObject& c) { return !(shown = c.name).empty(); }));
  EXPECT_EQ(shown, "second");
  EXPECT_EQ(ui.output, "Displaying chart object\r\nsecond\r\n");
}

TEST_F(ChartDialogTest, SeriesButtonsChangeTheListAtOnce) {
  ASSERT_TRUE(CreateEmptyChart("c", "c"));
  auto* c = FindObjectAs<ChartObject>("c", OBJMASK_CHART);
  PressNewVectorSeries();
  PressNewVectorSeries();
  ui.AnswerForm<ChartParametersForm>([](ChartParametersForm& f) {
    EXPECT_EQ(f.seriesLabels, (Strings{"series1", "series2"}));
    f.selectedSeries = 0;
    return ParametersButton::kDeleteDataSet;
  });
  EXPECT_FALSE(RunChartParameters(*c, false));  // cancelled: the series changes stay
  ASSERT_EQ(c->SeriesList.size(), 1u);
  EXPECT_EQ(c->SeriesList[0]->Label, "series2");
  EXPECT_EQ(c->SeriesCount, 1);
  EXPECT_FALSE(DeleteDataSet(chart, "S1"));  // labels differ by case
  EXPECT_TRUE(DeleteDataSet(chart, "s1"));
  EXPECT_EQ(chart.SeriesCount, 0);
}

TEST_F(ChartDialogTest, OptionsRangeChecksInOrder) {
  ChartOptionsForm form;
  form.xMin = form.xMax = 1;
  form.yMax = (form.yMin = 5) - 1;
  const std::string small = " axis range between maximum and minimum is too small";
  const std::string order = " axis maximum value must be greater than minimum value";
  const std::vector<std::pair<std::function<void()>, std::string>> rows = {
      {[] {}, "Error: Horizontal" + order},
      {[&] { form.xMax = 1.00001; }, "Error: Horizontal" + small},  // within 0.0001 of it
      {[&] { form.xMin = 0, form.xMax = 1e-21; }, "Error: Horizontal" + small},
      {[&] { form.xMax = 1; }, "Error: Vertical" + order},
      {[&] { form.yMax = NAN; }, "Error: Vertical" + order},
      {[&] { form.yMax = 5.0001; }, "Error: Vertical" + small},
      {[&] { form.yMax = 5.001, form.gridlines = form.polar = form.showTitle = true; }, ""}};
  for (const auto& [edit, message] : rows) {
    edit();
    ui.messages.clear();
    EXPECT_EQ(ApplyChartOptions(form, chart) ? "" : ui.messages.at(0), message);
  }
  EXPECT_EQ(chart.Options, CHART_GRIDLINES | CHART_POLAR | CHART_SHOW_TITLE);
  EXPECT_EQ(chart.YMax, 5.001);
  form = ChartOptionsForm();
  form.autoRange = true;  // no range checks, the values kept
  form.xMin = 3;
  EXPECT_TRUE(ApplyChartOptions(form, chart));
  EXPECT_EQ(chart.Options, CHART_AUTO_RANGE);
  EXPECT_EQ(chart.XMin, 3);
}

// Each row fixes the check that failed before, so the messages come out in
// the order the dialog runs its checks.
TEST_F(ChartDialogTest, TwoVectorSeriesChecksInOrder) {
  SeriesForm form =
      Walk(SERIES_TWO_VECTORS,
           {{"", "Error:\nInvalid horizontal axis data vector.\nPlease select valid vector name"},
            {"source1=nox",
             "Error:\nInvalid vertical axis data vector.\nPlease select valid vector name"},
            {"source2=noy", kLabel},
            {"label=s1", kExists},
            {"label=bad-label", NoVector("nox")},
            {"source1= v3  vector (3)", NoVector("noy")},  // a picked entry, trimmed and cut
            {"source2=v4",
             "Error:\nTwo vectors have different size.\nPlease select two vectors with "
             "equal number of elements."},
            {"source2=w3", BadName("dataset label name", "bad-label")},
            {"label=" + std::string(1001, 'a'), kLabel},
            {"label=" + std::string(1000, 'a'), ""},
            {"label=S1", ""}});  // labels differ by case
  ASSERT_EQ(chart.SeriesList.size(), 3u);
  const SeriesObject& added = *chart.SeriesList[2];
  EXPECT_EQ(Strings({added.Label, added.name, added.Source1, added.Source2}),
            (Strings{"S1", "S1", "v3", "w3"}));
  EXPECT_EQ(chart.SeriesCount, 3);
  // Edited, a series may keep its own label but not take another's.
  SeriesObject* edited = chart.SeriesList[2].get();
  EXPECT_EQ(ApplySeriesForm(form, chart, edited), edited);
  form.label = "s1";
  EXPECT_EQ(ApplySeriesForm(form, chart, edited), nullptr);
  EXPECT_EQ(ui.messages, Strings{kExists});
  EXPECT_EQ(chart.SeriesList.size(), 3u);
}

TEST_F(ChartDialogTest, RangeFunctionSeriesChecksInOrder) {
  Walk(SERIES_RANGE_FUNCTION, {{"source1=ignored;rangeMax=1.0000000001;points=9", kFunction},
                               {"source2=nof", kLabel},
                               {"label=s1", kRange},
                               {"rangeMax=nan", kRange},
                               {"rangeMax=2", kPoints},
                               {"points=nan", kPoints},
                               {"points=10001", kPoints},
                               {"points=10000", NoFunction("nof")},
                               {"source2=f:  a description", kExists},
                               {"label=if", kReserved + "if>\nPlease choose another name."},
                               {"label=curve", ""}});
  const SeriesObject& added = *chart.SeriesList[1];
  EXPECT_EQ(StringPrintf("'%s' %s %g %g", added.Source1.c_str(), added.Source2.c_str(),
                         added.RangeMax, added.PointCount),
            "'' f 2 10000");
}

TEST_F(ChartDialogTest, FunctionSeriesChecksInOrder) {
  Walk(SERIES_X_VECTOR_FUNCTION, {{"", kVector},
                                  {"source1=nov", kFunction},
                                  {"source2=nof", kLabel},
                                  {"label=s1", NoFunction("nof")},
                                  {"source2=f", kExists},
                                  {"label=1st", NoVector("nov")},
                                  {"source1=one", kTooSmall},
                                  {"source1=v4", BadName("dataset label name", "1st")}});
  // The label checks are those above.
  Walk(SERIES_Y_VECTOR_FUNCTION, {{"", kFunction},
                                  {"source1=nof", kVector},
                                  {"source2=nov;label=inverse", NoFunction("nof")},
                                  {"source1=g", NoVector("nov")},
                                  {"source2=one", kTooSmall},
                                  {"source2=v3", ""}});
  EXPECT_EQ(Strings({chart.SeriesList[1]->Source1, chart.SeriesList[1]->Source2}),
            (Strings{"g", "v3"}));
  const std::string invalid = "Error:\nInvalid function name to calculate ";
  Walk(SERIES_PARAMETRIC,
       {{"rangeMax=0;points=5",
         invalid + "horizontal coordinate.\nPlease select valid function name"},
        {"source1=nofx", invalid + "vertical coordinate.\nPlease select valid function name"},
        {"source2=nofy;label=loop",
         "Error: maximum of parameter must be greater than minimum.\nPlease correct "
         "maximum and minimum values."},
        {"rangeMax=6.28", kPoints},
        {"points=10", NoFunction("nofx")},
        {"source1=f", NoFunction("nofy")},
        {"source2=g", ""}});
}

TEST_F(ChartDialogTest, NewDataSetRunsTypeSeriesAndDrawingDialogs) {
  ui.AnswerForm<DataTypeForm>([](DataTypeForm& f) {
    EXPECT_EQ(f.choices.at(4),
              "Parameteric plot: range of parameter values and two functions to calculate X and "
              "Y values");
    f.selected = 2;
  });
  ui.AnswerForm<SeriesForm>([](SeriesForm& f) {
    EXPECT_EQ(f.title, "New Data Set type 3");
    EXPECT_EQ(f.label, "series1");
    EXPECT_EQ(f.source1.entries, (Strings{"v3", "w3", "v4", "one"}));
    f.source1.text = "one";  // refused: too small
  });
  ui.AnswerForm<SeriesForm>([](SeriesForm& f) { f.source1.text = "v4"; });
  ui.AnswerForm<DrawingOptionsForm>([](DrawingOptionsForm& f) {
    EXPECT_EQ(f.lineColors[8], "light blue");
    EXPECT_EQ(f.markerSizes[0], "0 (no marker)");
    EXPECT_EQ(f.markerShape, 1);
    f.lineColor = 2;
    f.markerShape = 9;  // not in the list: the shape stays
  });
  EXPECT_TRUE(NewDataSet(chart));
  EXPECT_EQ(ui.messages, Strings{kTooSmall});
  ASSERT_EQ(chart.SeriesList.size(), 2u);
  EXPECT_EQ(chart.SeriesList[1]->LineColor, 2);
  EXPECT_EQ(chart.SeriesList[1]->MarkerShape, 1);
}

TEST_F(ChartDialogTest, EmptyListsAreAnnouncedOnOpening) {
  DeleteAllObjects();
  ui.AnswerForm<DataTypeForm>([](DataTypeForm& f) { f.selected = 3; });
  EXPECT_FALSE(NewDataSet(chart));  // the series dialog is cancelled
  ui.AnswerForm<DataTypeForm>([](DataTypeForm& f) { f.selected = 4; });
  NewDataSet(chart);
  const std::string none = "There are no functions currently.\nYou need to create function";
  EXPECT_EQ(ui.messages,
            (Strings{none + " f(x) to compute horizontal coordinate.",
                     "There are no data vectors in the list.\nYou need to create "
                     "vectors with data sets to display a chart.",
                     none + "s f(x) to compute horizontal and vertical coordinates."}));
}

}  // namespace
}  // namespace tq
