#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "chart/chart_model.h"
#include "chart/workspace_objects.h"
#include "commands/chart_dialog.h"
#include "commands/series_dialogs.h"
#include "core/object_list.h"
#include "support/scripted_ui.h"

namespace tq {
namespace {

using Strings = std::vector<std::string>;

class SeriesDialogTest : public testing::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    ResetChartDialogState();
    Vector("v3", 3);
    Vector("w3", 3);
    Vector("v4", 4);
    Vector("one", 1);
    Function("f", "x*x");
    Function("g", "x");
    auto existing = std::make_unique<SeriesObject>();
    existing->Label = existing->name = "s1";
    chart.SeriesList.push_back(std::move(existing));
    chart.SeriesCount = 1;
  }
  void Vector(const char* name, int32_t size) {
    testing::PutVector(name, std::vector<double>(size_t(size), 1.0));
  }
  void Function(const char* name, const char* body) { testing::PutFunction(name, body); }
  // Applies the form and returns the one message shown ("" when accepted).
  std::string Apply(const SeriesForm& form) {
    ui.messages.clear();
    SeriesObject* series = ApplySeriesForm(form, chart, nullptr);
    EXPECT_LE(ui.messages.size(), 1u);
    if (series) return "";
    return ui.messages.empty() ? "(no message)" : ui.messages[0];
  }
  static SeriesForm Blank(int32_t type) {
    SeriesForm form;
    form.seriesType = type;
    form.rangeMin = 1;
    form.rangeMax = 10;
    form.points = 10;
    return form;
  }

  ChartObject chart;
};

const std::string kLabel = "Error:\nInvalid data series label.\nPlease select valid label text";
const std::string kExists =
    "This data series label already exists.\nPlease select another valid label text";
const std::string kFunction = "Error:\nInvalid function name.\nPlease select valid function name";
const std::string kVector = "Error:\nInvalid vector name.\nPlease select valid vector name";
const std::string kPoints = "Error: Number of points must be between 10 and 10000.";
const std::string kTooSmall =
    "Error:\nVector size is too small.\nPlease select vector with at least two elements.";

std::string NoFunction(const std::string& name) {
  return "Error:\nUnable to find function\n<" + name +
         ">\nPlease select or enter valid function name.";
}
std::string NoVector(const std::string& name) {
  return "Error:\nUnable to find vector\n<" + name + ">\nPlease select or enter valid name.";
}
std::string BadLabel(const std::string& label) {
  return "Error:\nInvalid dataset label name\n<" + label +
         ">\nPlease enter valid name.\nName shall contain only letters and digits and charater "
         "_.\nFirst character must not be digit.";
}

// Each case fixes the check that failed before, so the messages come out in
// the order the dialog runs its checks.
TEST_F(SeriesDialogTest, TwoVectorChecksInOrder) {
  SeriesForm form = Blank(SERIES_TWO_VECTORS);
  EXPECT_EQ(Apply(form),
            "Error:\nInvalid horizontal axis data vector.\nPlease select valid vector name");
  form.source1.text = "nox";
  EXPECT_EQ(Apply(form),
            "Error:\nInvalid vertical axis data vector.\nPlease select valid vector name");
  form.source2.text = "noy";
  EXPECT_EQ(Apply(form), kLabel);
  form.label = "s1";
  EXPECT_EQ(Apply(form), kExists);
  form.label = "bad-label";
  EXPECT_EQ(Apply(form), NoVector("nox"));
  form.source1.text = " v3  vector (3)";  // a picked entry, trimmed and cut
  EXPECT_EQ(Apply(form), NoVector("noy"));
  form.source2.text = "v4";
  EXPECT_EQ(Apply(form),
            "Error:\nTwo vectors have different size.\nPlease select two vectors with "
            "equal number of elements.");
  form.source2.text = "w3";
  EXPECT_EQ(Apply(form), BadLabel("bad-label"));
  form.label = "S1";  // labels differ by case
  EXPECT_EQ(Apply(form), "");
  ASSERT_EQ(chart.SeriesList.size(), 2u);
  const SeriesObject& added = *chart.SeriesList[1];
  EXPECT_EQ(added.Label, "S1");
  EXPECT_EQ(added.name, "S1");
  EXPECT_EQ(added.Source1, "v3");
  EXPECT_EQ(added.Source2, "w3");
  EXPECT_EQ(added.SeriesType, 1);
  EXPECT_EQ(chart.SeriesCount, 2);
}

TEST_F(SeriesDialogTest, RangeFunctionChecksInOrder) {
  SeriesForm form = Blank(SERIES_RANGE_FUNCTION);
  form.source1.text = "ignored";
  form.rangeMax = form.rangeMin + 1e-10;
  form.points = 9;
  EXPECT_EQ(Apply(form), kFunction);
  form.source2.text = "nof";
  EXPECT_EQ(Apply(form), kLabel);
  form.label = "s1";
  EXPECT_EQ(Apply(form),
            "Error: maximum of coordinate x must be greater than minimum.\nPlease "
            "correct maximum and minimum values.");
  form.rangeMax = 2;
  EXPECT_EQ(Apply(form), kPoints);
  form.points = 10001;
  EXPECT_EQ(Apply(form), kPoints);
  form.points = 10000;
  EXPECT_EQ(Apply(form), NoFunction("nof"));
  form.source2.text = "f:  a description";
  EXPECT_EQ(Apply(form), kExists);
  form.label = "if";  // a reserved word: the name check shows its own message
  EXPECT_EQ(Apply(form),
            "Error: new variable name is reserved keyword \n<if>\nPlease choose another name.");
  form.label = "curve";
  EXPECT_EQ(Apply(form), "");
  const SeriesObject& added = *chart.SeriesList[1];
  EXPECT_EQ(added.Source1, "");
  EXPECT_EQ(added.Source2, "f");
  EXPECT_EQ(added.RangeMax, 2);
  EXPECT_EQ(added.PointCount, 10000);
}

TEST_F(SeriesDialogTest, NaNRangeAndPointsAreRefused) {
  SeriesForm form = Blank(SERIES_RANGE_FUNCTION);
  form.source2.text = "f";
  form.label = "curve";
  form.rangeMax = NAN;
  EXPECT_EQ(Apply(form),
            "Error: maximum of coordinate x must be greater than minimum.\nPlease "
            "correct maximum and minimum values.");
  form.rangeMax = 10;
  form.points = NAN;
  EXPECT_EQ(Apply(form), kPoints);
}

TEST_F(SeriesDialogTest, VectorOfXChecksInOrder) {
  SeriesForm form = Blank(SERIES_X_VECTOR_FUNCTION);
  EXPECT_EQ(Apply(form), kVector);
  form.source1.text = "nov";
  EXPECT_EQ(Apply(form), kFunction);
  form.source2.text = "nof";
  EXPECT_EQ(Apply(form), kLabel);
  form.label = "s1";
  EXPECT_EQ(Apply(form), NoFunction("nof"));
  form.source2.text = "f";
  EXPECT_EQ(Apply(form), kExists);
  form.label = "1st";
  EXPECT_EQ(Apply(form), NoVector("nov"));
  form.source1.text = "one";
  EXPECT_EQ(Apply(form), kTooSmall);
  form.source1.text = "v4";
  EXPECT_EQ(Apply(form), BadLabel("1st"));
}

TEST_F(SeriesDialogTest, VectorOfYChecksInOrder) {
  SeriesForm form = Blank(SERIES_Y_VECTOR_FUNCTION);
  EXPECT_EQ(Apply(form), kFunction);
  form.source1.text = "nof";
  EXPECT_EQ(Apply(form), kVector);
  form.source2.text = "nov";
  EXPECT_EQ(Apply(form), kLabel);
  form.label = "s1";
  EXPECT_EQ(Apply(form), NoFunction("nof"));
  form.source1.text = "g";
  EXPECT_EQ(Apply(form), kExists);
  form.label = "inverse";
  EXPECT_EQ(Apply(form), NoVector("nov"));
  form.source2.text = "one";
  EXPECT_EQ(Apply(form), kTooSmall);
  form.source2.text = "v3";
  EXPECT_EQ(Apply(form), "");
  EXPECT_EQ(chart.SeriesList[1]->Source1, "g");
  EXPECT_EQ(chart.SeriesList[1]->Source2, "v3");
}

TEST_F(SeriesDialogTest, ParametricChecksInOrder) {
  SeriesForm form = Blank(SERIES_PARAMETRIC);
  form.rangeMax = 0;
  form.points = 5;
  EXPECT_EQ(Apply(form),
            "Error:\nInvalid function name to calculate horizontal coordinate.\nPlease "
            "select valid function name");
  form.source1.text = "nofx";
  EXPECT_EQ(Apply(form),
            "Error:\nInvalid function name to calculate vertical coordinate.\nPlease "
            "select valid function name");
  form.source2.text = "nofy";
  EXPECT_EQ(Apply(form), kLabel);
  form.label = "s1";
  EXPECT_EQ(Apply(form),
            "Error: maximum of parameter must be greater than minimum.\nPlease correct "
            "maximum and minimum values.");
  form.rangeMax = 6.28;
  EXPECT_EQ(Apply(form), kPoints);
  form.points = 10;
  EXPECT_EQ(Apply(form), NoFunction("nofx"));
  form.source1.text = "f";
  EXPECT_EQ(Apply(form), NoFunction("nofy"));
  form.source2.text = "g";
  EXPECT_EQ(Apply(form), kExists);
  form.label = "loop";
  EXPECT_EQ(Apply(form), "");
}

TEST_F(SeriesDialogTest, LabelsLongerThanAThousandCharactersAreRefused) {
  SeriesForm form = Blank(SERIES_TWO_VECTORS);
  form.source1.text = "v3";
  form.source2.text = "w3";
  form.label = std::string(1001, 'a');
  EXPECT_EQ(Apply(form), kLabel);
  form.label = std::string(1000, 'a');
  EXPECT_EQ(Apply(form), "");
}

TEST_F(SeriesDialogTest, AnEditedSeriesMayKeepItsLabelButNotTakeAnother) {
  SeriesForm form = Blank(SERIES_TWO_VECTORS);
  form.source1.text = "v3";
  form.source2.text = "w3";
  form.label = "s2";
  ASSERT_EQ(Apply(form), "");
  SeriesObject* second = chart.SeriesList[1].get();
  form.source2.text = "v3";
  EXPECT_EQ(ApplySeriesForm(form, chart, second), second);
  EXPECT_EQ(second->Source2, "v3");
  form.label = "s1";
  ui.messages.clear();
  EXPECT_EQ(ApplySeriesForm(form, chart, second), nullptr);
  EXPECT_EQ(ui.messages, Strings{kExists});
  EXPECT_EQ(chart.SeriesList.size(), 2u);
}

TEST_F(SeriesDialogTest, NewDataSetRunsTypeSeriesAndDrawingDialogs) {
  ui.AnswerForm<DataTypeForm>([](DataTypeForm& f) {
    EXPECT_EQ(f.selected, -1);
    ASSERT_EQ(f.choices.size(), 5u);
    EXPECT_EQ(f.choices[4],
              "Parameteric plot: range of parameter values and two functions to "
              "calculate X and Y values");
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
    f.markerShape = 9;  // not a choice of the list: kept
  });
  EXPECT_TRUE(NewDataSet(chart));
  EXPECT_EQ(ui.messages, Strings{kTooSmall});
  ASSERT_EQ(chart.SeriesList.size(), 2u);
  EXPECT_EQ(chart.SeriesList[1]->LineColor, 2);
  EXPECT_EQ(chart.SeriesList[1]->MarkerShape, 1);
  EXPECT_EQ(MakeSeriesForm(1, nullptr).label, "series2");
}

TEST_F(SeriesDialogTest, EmptyListsAreAnnouncedOnOpening) {
  DeleteAllObjects();
  ui.AnswerForm<DataTypeForm>([](DataTypeForm& f) { f.selected = 3; });
  EXPECT_FALSE(NewDataSet(chart));  // the series dialog is cancelled
  EXPECT_EQ(ui.messages,
            (Strings{"There are no functions currently.\nYou need to create function f(x) to "
                     "compute horizontal coordinate.",
                     "There are no data vectors in the list.\nYou need to create vectors with data "
                     "sets to display a chart."}));
  ui.messages.clear();
  ui.AnswerForm<DataTypeForm>([](DataTypeForm& f) { f.selected = 4; });
  NewDataSet(chart);
  EXPECT_EQ(ui.messages, Strings{"There are no functions currently.\nYou need to create functions "
                                 "f(x) to compute horizontal and vertical coordinates."});
}

TEST_F(SeriesDialogTest, DeleteDataSetRespectsCase) {
  EXPECT_FALSE(DeleteDataSet(chart, "S1"));
  EXPECT_TRUE(DeleteDataSet(chart, "s1"));
  EXPECT_TRUE(chart.SeriesList.empty());
  EXPECT_EQ(chart.SeriesCount, 0);
}

}  // namespace
}  // namespace tq
