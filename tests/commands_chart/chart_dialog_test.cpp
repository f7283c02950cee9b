#include "commands/chart_dialog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "chart/chart_model.h"
#include "chart/workspace_objects.h"
#include "core/object_list.h"
#include "support/scripted_ui.h"

namespace tq {
namespace {

using Strings = std::vector<std::string>;
using Button = ChartChoiceForm::Button;
using ParametersButton = ChartParametersForm::Button;

class ChartDialogTest : public testing::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    ResetChartDialogState();
    testing::PutVector("vx", {1, 2, 3});
    testing::PutVector("vy", {1, 2, 3});
  }
  // Presses a button of the Chart dialog with the entry of `name` selected.
  void Press(Button button, std::string selectedEntry = "") {
    ui.AnswerForm<ChartChoiceForm>([=](ChartChoiceForm& f) {
      f.pressed = button;
      f.selected = -1;
      for (size_t i = 0; i < f.entries.size(); ++i)
        if (f.entries[i] == selectedEntry) f.selected = int32_t(i);
    });
  }
  void PressParameters(ParametersButton button) {
    ui.AnswerForm<ChartParametersForm>([=](ChartParametersForm& f) { f.pressed = button; });
  }
  // New data set of two vectors with the preset label.
  void AnswerNewVectorSeries() {
    ui.AnswerForm<DataTypeForm>([](DataTypeForm& f) { f.selected = 0; });
    ui.AnswerForm<SeriesForm>([](SeriesForm& f) {
      f.source1.text = "vx";
      f.source2.text = "vy";
    });
    ui.AnswerForm<DrawingOptionsForm>([](DrawingOptionsForm&) {});
  }
  static bool NoShow(ChartObject&) { return true; }
};

const std::string kNoSeries =
    "Error:\nThere are no data series to display.\nPlease create at least one or multiple data "
    "series.";

TEST_F(ChartDialogTest, CreateNeedsASeriesAndTakesTheDialogsNames) {
  Press(Button::kCreate);
  ui.AnswerForm<ChartParametersForm>([](ChartParametersForm& f) {
    EXPECT_EQ(f.name, "Chart1");
    EXPECT_EQ(f.title, "Chart1");
    EXPECT_EQ(f.xLabel, "X");
    EXPECT_EQ(f.yLabel, "Y");
    EXPECT_TRUE(f.nameEnabled);
    f.pressed = ParametersButton::kOk;
  });
  PressParameters(ParametersButton::kNewDataSet);
  AnswerNewVectorSeries();
  ui.AnswerForm<ChartParametersForm>([](ChartParametersForm& f) {
    EXPECT_EQ(f.seriesLabels, Strings{"series1"});
    f.name = "sales";
    f.title = "Sales by month";
    f.xLabel = "month";
    f.pressed = ParametersButton::kOk;
  });
  ui.AnswerForm<ChartChoiceForm>([](ChartChoiceForm& f) {
    EXPECT_EQ(f.entries, Strings{"sales:  Sales by month"});
    EXPECT_EQ(f.selected, 0);
    f.pressed = Button::kCreate;  // a second chart: the counter went on
  });
  ui.AnswerForm<ChartParametersForm>([](ChartParametersForm& f) { EXPECT_EQ(f.name, "Chart2"); });
  EXPECT_FALSE(ChartDialog(NoShow));  // the second one was refused, then cancelled
  EXPECT_EQ(ui.messages, (Strings{kNoSeries, kNoSeries}));
  auto* chart = FindObjectAs<ChartObject>("sales", OBJMASK_CHART);
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(chart->XLabel, "month");
  EXPECT_EQ(chart->SeriesCount, 1);
  EXPECT_EQ(FindObject("Chart2", OBJMASK_CHART), nullptr);
  EXPECT_EQ(LastChartName(), "sales");
}

TEST_F(ChartDialogTest, ChartNameChecksInOrder) {
  auto chart = std::make_unique<ChartObject>();
  ChartParametersForm form;
  form.name = "";
  EXPECT_FALSE(ApplyChartParameters(form, *chart, true));
  form.name = "2nd";
  EXPECT_FALSE(ApplyChartParameters(form, *chart, true));
  form.name = "pi";
  EXPECT_FALSE(ApplyChartParameters(form, *chart, true));
  form.name = "fine";
  EXPECT_FALSE(ApplyChartParameters(form, *chart, true));
  EXPECT_EQ(ui.messages,
            (Strings{"Error:\nEmpty or invalid chart name\n<>\nPlease enter valid object name.",
                     "Error:\nInvalid chart object name\n<2nd>\nPlease enter valid name.\nName "
                     "shall contain only letters and digits and charater _.\nFirst character must "
                     "not be digit.",
                     "Error: new variable name is reserved keyword \n<pi>\nPlease choose another "
                     "name.",
                     kNoSeries}));
}

TEST_F(ChartDialogTest, EmptyListAndNoSelectionMessages) {
  Press(Button::kEdit);
  Press(Button::kDelete);
  Press(Button::kDisplay);
  EXPECT_FALSE(ChartDialog(NoShow));
  ASSERT_TRUE(CreateEmptyChart("c", "t"));
  Press(Button::kEdit);
  Press(Button::kDelete);
  Press(Button::kDisplay);
  EXPECT_FALSE(ChartDialog(NoShow));
  EXPECT_EQ(
      ui.messages,
      (Strings{"There are no chart objects in the list.", "There are no chart objects in the list.",
               "There are no chart objects in the list.\nPlease create a new chart "
               "object.\nSpecify drawing parameters and at least one dataset for the new chart.",
               "There are no items selected in the list.",
               "There are no items selected in the list.", "Please select one item in the list."}));
}

TEST_F(ChartDialogTest, EditKeepsTheNameAndCopiesTitleAndLabels) {
  ASSERT_TRUE(CreateEmptyChart("c", "old"));
  Press(Button::kEdit, "c:  old");
  PressParameters(ParametersButton::kNewDataSet);
  AnswerNewVectorSeries();
  ui.AnswerForm<ChartParametersForm>([](ChartParametersForm& f) {
    EXPECT_FALSE(f.nameEnabled);
    f.name = "ignored";
    f.title = "new";
    f.yLabel = "";
  });
  EXPECT_TRUE(ChartDialog(NoShow));
  auto* chart = FindObjectAs<ChartObject>("c", OBJMASK_CHART);
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(chart->Title, "new");
  EXPECT_EQ(chart->YLabel, "");
}

TEST_F(ChartDialogTest, DisplayReportsAndShowsThePreselectedChart) {
  ASSERT_TRUE(CreateEmptyChart("first", "first"));
  ASSERT_TRUE(CreateEmptyChart("second", "second"));
  auto* chart = FindObjectAs<ChartObject>("second", OBJMASK_CHART);
  testing::AddSeries(*chart, SERIES_TWO_VECTORS, "vx", "vy");
  ui.AnswerForm<ChartChoiceForm>([](ChartChoiceForm& f) {
    EXPECT_EQ(f.selected, 1);  // the chart last created
    f.pressed = Button::kDisplay;
  });
  std::string shown;
  EXPECT_TRUE(ChartDialog([&](ChartObject& c) {
    shown = c.name;
    return true;
  }));
  EXPECT_EQ(shown, "second");
  EXPECT_EQ(ui.output, "Displaying chart object\r\nsecond\r\n");
}

TEST_F(ChartDialogTest, DeleteRemovesTheSelectedChart) {
  ASSERT_TRUE(CreateEmptyChart("c", "c"));
  Press(Button::kDelete, "c:  c");
  EXPECT_TRUE(ChartDialog(NoShow));
  EXPECT_EQ(FindObject("c", OBJMASK_CHART), nullptr);
}

TEST_F(ChartDialogTest, SeriesButtonsChangeTheListAtOnce) {
  ASSERT_TRUE(CreateEmptyChart("c", "c"));
  auto* chart = FindObjectAs<ChartObject>("c", OBJMASK_CHART);
  PressParameters(ParametersButton::kNewDataSet);
  AnswerNewVectorSeries();
  PressParameters(ParametersButton::kNewDataSet);
  AnswerNewVectorSeries();
  ui.AnswerForm<ChartParametersForm>([](ChartParametersForm& f) {
    EXPECT_EQ(f.seriesLabels, (Strings{"series1", "series2"}));
    f.selectedSeries = 0;
    f.pressed = ParametersButton::kDeleteDataSet;
  });
  // Cancel: the series changes stay.
  EXPECT_FALSE(RunChartParameters(*chart, false));
  ASSERT_EQ(chart->SeriesList.size(), 1u);
  EXPECT_EQ(chart->SeriesList[0]->Label, "series2");
  EXPECT_EQ(chart->SeriesCount, 1);
}

TEST_F(ChartDialogTest, OptionsRangeChecksInOrder) {
  ChartObject chart;
  ChartOptionsForm form;
  form.xMin = 1;
  form.xMax = 1;
  form.yMin = 5;
  form.yMax = 4;
  auto apply = [&] {
    ui.messages.clear();
    bool ok = ApplyChartOptions(form, chart);
    return ok ? std::string() : ui.messages.at(0);
  };
  EXPECT_EQ(apply(), "Error: Horizontal axis maximum value must be greater than minimum value");
  form.xMax = 1.00001;  // less than 0.0001 of the magnitude
  EXPECT_EQ(apply(), "Error: Horizontal axis range between maximum and minimum is too small");
  form.xMin = 0;
  form.xMax = 1e-21;
  EXPECT_EQ(apply(), "Error: Horizontal axis range between maximum and minimum is too small");
  form.xMax = 1;
  EXPECT_EQ(apply(), "Error: Vertical axis maximum value must be greater than minimum value");
  form.yMax = NAN;
  EXPECT_EQ(apply(), "Error: Vertical axis maximum value must be greater than minimum value");
  form.yMax = 5.0001;
  EXPECT_EQ(apply(), "Error: Vertical axis range between maximum and minimum is too small");
  form.yMax = 5.001;
  form.gridlines = form.polar = form.showTitle = true;
  EXPECT_EQ(apply(), "");
  EXPECT_EQ(chart.Options, CHART_GRIDLINES | CHART_POLAR | CHART_SHOW_TITLE);
  EXPECT_EQ(chart.YMax, 5.001);
}

TEST_F(ChartDialogTest, AutoRangeSkipsTheRangeChecksButStoresTheValues) {
  ChartObject chart;
  ChartOptionsForm form;
  form.autoRange = true;
  form.xMin = 3;
  form.xMax = 1;
  EXPECT_TRUE(ApplyChartOptions(form, chart));
  EXPECT_EQ(chart.Options, CHART_AUTO_RANGE);
  EXPECT_EQ(chart.XMin, 3);
}

}  // namespace
}  // namespace tq
