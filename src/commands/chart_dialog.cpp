#include "commands/chart_dialog.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "chart/chart_model.h"
#include "chart/display_chart.h"
#include "commands/dialog.h"
#include "commands/entry_names.h"
#include "commands/name_check.h"
#include "commands/series_dialogs.h"
#include "commands/session.h"
#include "core/object_list.h"
#include "core/string_format.h"
#include "core/ui_port.h"

namespace tq {

namespace {

constexpr const char* kNoSeries =
    "Error:\nThere are no data series to display.\nPlease create at least one or multiple data "
    "series.";
constexpr const char* kNoCharts = "There are no chart objects in the list.";
constexpr const char* kNothingSelected = "There are no items selected in the list.";
constexpr const char* kNoChartsToDisplay =
    "There are no chart objects in the list.\nPlease create a new chart object.\nSpecify drawing "
    "parameters and at least one dataset for the new chart.";
constexpr const char* kSelectOne = "Please select one item in the list.";

bool CheckChartName(const std::string& name) {
  if (name.empty() || name.size() > 1000) {
    ShowMessage("Error:\nEmpty or invalid chart name\n<" + name +
                ">\nPlease enter valid object name.");
    return false;
  }
  if (ValidateNewName(name)) return true;
  if (!Core().nameMessageShown)
    ShowMessage("Error:\nInvalid chart object name\n<" + name +
                ">\nPlease enter valid name.\nName shall contain only letters and digits and "
                "charater _.\nFirst character must not be digit.");
  return false;
}

ChartChoiceForm MakeChoiceForm() {
  ChartChoiceForm form;
  form.entries = ObjectListEntries(OBJMASK_CHART);
  form.selected = form.entries.empty() ? -1 : 0;
  if (Commands().lastChartName.empty()) return form;
  for (size_t i = 0; i < form.entries.size(); ++i) {
    std::string name = form.entries[i];
    CutEntryName(name);
    if (name == Commands().lastChartName) form.selected = int32_t(i);
  }
  return form;
}

// The selected chart, or nullptr after the dialog's message.
ChartObject* SelectedChart(const ChartChoiceForm& form, const char* emptyMessage,
                           const char* noSelectionMessage) {
  if (form.entries.empty()) {
    ShowMessage(emptyMessage);
    return nullptr;
  }
  if (form.selected < 0 || size_t(form.selected) >= form.entries.size()) {
    ShowMessage(noSelectionMessage);
    return nullptr;
  }
  std::string name = form.entries[size_t(form.selected)];
  CutEntryName(name);
  return FindObjectAs<ChartObject>(name, OBJMASK_CHART);
}

bool CreateChart() {
  auto chart = std::make_unique<ChartObject>();
  chart->name = chart->Title = StringPrintf("Chart%d", Commands().chartCounter++);
  if (!RunChartParameters(*chart, true)) return false;
  const std::string name = chart->name;
  DeleteObjectByName(name);
  AddObject(std::move(chart));
  Commands().lastChartName = name;
  return true;
}

bool EditChart(const ChartChoiceForm& form) {
  ChartObject* chart = SelectedChart(form, kNoCharts, kNothingSelected);
  if (!chart) return false;
  Commands().lastChartName = chart->name;
  return RunChartParameters(*chart, false);
}

bool DeleteChart(const ChartChoiceForm& form) {
  ChartObject* chart = SelectedChart(form, kNoCharts, kNothingSelected);
  if (!chart) return false;
  const std::string name = chart->name;
  if (Commands().lastChartName == name) Commands().lastChartName.clear();
  return DeleteObjectByName(name) != 0;
}

bool DisplaySelectedChart(const ChartChoiceForm& form, const ChartShower& show) {
  ChartObject* chart = SelectedChart(form, kNoChartsToDisplay, kSelectOne);
  if (!chart) return false;
  Commands().lastChartName = chart->name;
  Report("Displaying chart object");
  Report("%s", chart->name.c_str());
  return DisplayChart(*chart, show, ShowMessage) == 1;
}

ChartParametersForm MakeParametersForm(const ChartObject& chart, bool creating) {
  ChartParametersForm form;
  form.nameEnabled = creating;
  form.name = chart.name;
  form.chartTitle = chart.Title;
  form.xLabel = chart.XLabel;
  form.yLabel = chart.YLabel;
  for (const auto& series : chart.SeriesList) form.seriesLabels.push_back(series->Label);
  form.selectedSeries = form.seriesLabels.empty() ? -1 : 0;
  return form;
}

SeriesObject* SelectedSeries(ChartObject& chart, const ChartParametersForm& form) {
  if (form.selectedSeries < 0 || size_t(form.selectedSeries) >= form.seriesLabels.size())
    return nullptr;
  const std::string& label = form.seriesLabels[size_t(form.selectedSeries)];
  for (auto& series : chart.SeriesList)
    if (series->Label == label) return series.get();
  return nullptr;
}

}  // namespace

bool ApplyChartParameters(const ChartParametersForm& form, ChartObject& chart, bool requireSeries) {
  const std::string name = form.nameEnabled ? form.name : chart.name;
  if (!CheckChartName(name)) return false;
  if (requireSeries && chart.SeriesList.empty()) {
    ShowMessage(kNoSeries);
    return false;
  }
  RenameObject(chart, name);
  chart.Title = form.chartTitle;
  chart.XLabel = form.xLabel;
  chart.YLabel = form.yLabel;
  NoteChange(CHANGE_CHART);
  return true;
}

bool RunChartParameters(ChartObject& chart, bool creating) {
  ChartParametersForm form = MakeParametersForm(chart, creating);
  return RunDialog(form, [&](ButtonId button) {
           switch (button) {
             case ChartParametersForm::kOk:
               return ApplyChartParameters(form, chart, true) ? kCloseDialog : kStayOpen;
             case ChartParametersForm::kChartOptions:
               RunChartOptions(chart);
               break;
             case ChartParametersForm::kNewDataSet:
               NewDataSet(chart);
               break;
             case ChartParametersForm::kEditDataSet:
               if (SeriesObject* series = SelectedSeries(chart, form)) EditDataSet(chart, *series);
               break;
             case ChartParametersForm::kDeleteDataSet:
               if (SeriesObject* series = SelectedSeries(chart, form))
                 DeleteDataSet(chart, series->Label);
               break;
           }
           // The series list changes at once; the typed texts stay as they are.
           ChartParametersForm refreshed = MakeParametersForm(chart, creating);
           form.seriesLabels = refreshed.seriesLabels;
           form.selectedSeries = refreshed.selectedSeries;
           return kStayOpen;
         }) == DialogResult::kClose;
}

bool ApplyChartOptions(const ChartOptionsForm& form, ChartObject& chart) {
  if (!form.autoRange) {
    struct Axis {
      double min, max;
      const char* order;
      const char* tooSmall;
    };
    const Axis axes[2] = {
        {form.xMin, form.xMax,
         "Error: Horizontal axis maximum value must be greater than minimum value",
         "Error: Horizontal axis range between maximum and minimum is too small"},
        {form.yMin, form.yMax,
         "Error: Vertical axis maximum value must be greater than minimum value",
         "Error: Vertical axis range between maximum and minimum is too small"},
    };
    for (const Axis& axis : axes) {
      if (!(axis.max > axis.min)) {
        ShowMessage(axis.order);
        return false;
      }
      const double larger = std::max(std::fabs(axis.max), std::fabs(axis.min));
      if (!(axis.max > axis.min + 1e-20) || !(axis.min + 0.0001 * larger <= axis.max)) {
        ShowMessage(axis.tooSmall);
        return false;
      }
    }
  }
  int32_t options = 0;
  if (form.autoRange) options |= CHART_AUTO_RANGE;
  if (form.showTitle) options |= CHART_SHOW_TITLE;
  if (form.showXLabel) options |= CHART_SHOW_XLABEL;
  if (form.showYLabel) options |= CHART_SHOW_YLABEL;
  if (form.gridlines) options |= CHART_GRIDLINES;
  if (form.polar) options |= CHART_POLAR;
  chart.Options = options;
  chart.XMin = form.xMin;
  chart.XMax = form.xMax;
  chart.YMin = form.yMin;
  chart.YMax = form.yMax;
  return true;
}

bool RunChartOptions(ChartObject& chart) {
  ChartOptionsForm form;
  form.autoRange = chart.Options & CHART_AUTO_RANGE;
  form.showTitle = chart.Options & CHART_SHOW_TITLE;
  form.showXLabel = chart.Options & CHART_SHOW_XLABEL;
  form.showYLabel = chart.Options & CHART_SHOW_YLABEL;
  form.gridlines = chart.Options & CHART_GRIDLINES;
  form.polar = chart.Options & CHART_POLAR;
  form.xMin = chart.XMin;
  form.xMax = chart.XMax;
  form.yMin = chart.YMin;
  form.yMax = chart.YMax;
  return RunDialog(form, [&](ButtonId) {
           return ApplyChartOptions(form, chart) ? kCloseDialog : kStayOpen;
         }) == DialogResult::kClose;
}

bool ChartDialog(const ChartShower& show) {
  bool carriedOut = false;
  ChartChoiceForm form = MakeChoiceForm();
  RunDialog(form, [&](ButtonId button) {
    switch (button) {
      case ChartChoiceForm::kCreate:
        carriedOut = CreateChart();
        break;
      case ChartChoiceForm::kEdit:
        carriedOut = EditChart(form);
        break;
      case ChartChoiceForm::kDelete:
        carriedOut = DeleteChart(form);
        break;
      case ChartChoiceForm::kDisplay:
        carriedOut = DisplaySelectedChart(form, show);
        break;
    }
    // The list is filled again after every action.
    ChartChoiceForm refreshed = MakeChoiceForm();
    form.entries = refreshed.entries;
    form.selected = refreshed.selected;
    return kStayOpen;
  });
  return carriedOut;
}

bool CreateEmptyChart(const std::string& name, const std::string& title) {
  auto chart = std::make_unique<ChartObject>();
  ChartParametersForm form = MakeParametersForm(*chart, true);
  form.name = name;
  form.chartTitle = title;
  if (!ApplyChartParameters(form, *chart, false)) return false;
  DeleteObjectByName(name);
  AddObject(std::move(chart));
  Commands().lastChartName = name;
  return true;
}

bool RetitleEmptyChart(ChartObject& chart, const std::string& title) {
  ChartParametersForm form = MakeParametersForm(chart, false);
  form.chartTitle = title;
  if (!ApplyChartParameters(form, chart, false)) return false;
  Commands().lastChartName = chart.name;
  return true;
}

const std::string& LastChartName() { return Commands().lastChartName; }

void ResetChartDialogState() {
  Commands().chartCounter = 1;
  Commands().lastChartName.clear();
  ResetSeriesLabelCounter();
}

}  // namespace tq
