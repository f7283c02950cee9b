// The data series of a chart: choosing the kind, the five series dialogs
// with their checks, and the drawing options.
#pragma once

#include <cstdint>
#include <string>

#include "commands/chart_forms.h"
#include "core/math_object.h"

namespace tq {

// "New data set": the kind, its dialog and the drawing options. True when
// a series was added to the chart.
bool NewDataSet(ChartObject& chart);
// "Edit data set": the series in the dialog of its kind, then the drawing
// options. True when it was changed.
bool EditDataSet(ChartObject& chart, SeriesObject& series);
// "Delete data set": removes the series with this label (exact case).
bool DeleteDataSet(ChartObject& chart, const std::string& label);

// The series dialog of a kind, with its lists filled and its fields preset
// from `series` (or from a new series' defaults and the next "series%d").
SeriesForm MakeSeriesForm(int32_t seriesType, const SeriesObject* series);
// The checks of the series dialog in their order; on success the new or
// edited series gets the form's fields. Returns the series, or nullptr
// after a message (the dialog stays open).
SeriesObject* ApplySeriesForm(const SeriesForm& form, ChartObject& chart, SeriesObject* editing);

// Shows "Drawing options" for the series and stores the choices on OK.
bool RunDrawingOptions(SeriesObject& series);

// The series label counter starts again at 1 (a new run).
void ResetSeriesLabelCounter();

}  // namespace tq
