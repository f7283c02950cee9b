// The chart dialogs: the list of charts with create, edit, delete and
// display, the chart's parameters with its series, and the presentation
// options.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "commands/chart_forms.h"
#include "core/math_object.h"

namespace tq {

// What displays a prepared chart: a window, or a file writer in the
// console. Returns false when it failed (after its own message).
using ChartShower = std::function<bool(ChartObject&)>;

// "Chart Dialog", shown until it is closed. True when the last button's
// action was carried out.
bool ChartDialog(const ChartShower& show);

// "New Chart parameters" for a chart being created or edited, shown until
// OK passes its checks or the user cancels. True after OK.
bool RunChartParameters(ChartObject& chart, bool creating);

// The checks of the OK button of "New Chart parameters", in order; on
// success the names and labels are taken into the chart.
bool ApplyChartParameters(const ChartParametersForm& form, ChartObject& chart, bool requireSeries);

// "Chart presentation options"; true when the options were stored.
bool RunChartOptions(ChartObject& chart);
// Its checks and storing; false after a message (the dialog stays open).
bool ApplyChartOptions(const ChartOptionsForm& form, ChartObject& chart);

// A chart with no series yet, named and titled from the console, with the
// name checks of "New Chart parameters"; replaces an object of that name.
bool CreateEmptyChart(const std::string& name, const std::string& title);
// A new title for a chart that has no series yet (the Edit dialog would
// refuse it).
bool RetitleEmptyChart(ChartObject& chart, const std::string& title);

// The chart the Chart dialog preselects, and the name counters: a new run
// starts again from "Chart1" and "series1".
const std::string& LastChartName();
void ResetChartDialogState();

}  // namespace tq
