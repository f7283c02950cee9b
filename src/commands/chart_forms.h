// The fields of the chart and data series dialogs as plain structs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "commands/forms.h"
#include "core/ui_port.h"

namespace tq {

// "Chart Dialog": the chart objects and the button pressed. OK with a
// button runs it and shows the dialog again; Cancel closes it.
struct ChartChoiceForm : Form {
  enum class Button { kCreate, kEdit, kDelete, kDisplay };
  std::vector<std::string> entries;
  int32_t selected = -1;  // index into entries, -1 for none
  Button pressed = Button::kDisplay;
};

// "New Chart parameters": names and labels, the series labels, and the
// button pressed (kOk, or one that acts and shows the dialog again).
struct ChartParametersForm : Form {
  enum class Button { kOk, kChartOptions, kNewDataSet, kEditDataSet, kDeleteDataSet };
  bool nameEnabled = true;  // false while an existing chart is edited
  std::string name;
  std::string title;
  std::string xLabel;
  std::string yLabel;
  std::vector<std::string> seriesLabels;
  int32_t selectedSeries = -1;  // index into seriesLabels, -1 for none
  Button pressed = Button::kOk;
};

// "Chart presentation options": the option bits and the user range. The
// range fields are disabled while autoRange is set.
struct ChartOptionsForm : Form {
  bool autoRange = false;
  bool showTitle = false;
  bool showXLabel = false;
  bool showYLabel = false;
  bool gridlines = false;
  bool polar = false;
  double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};

// "Dialog data type": the five kinds of series, none preselected.
struct DataTypeForm : Form {
  std::vector<std::string> choices;
  int32_t selected = -1;  // 0-based; the series type is selected + 1
};

// "New Data Set" and "New Data Set type 2" .. "type 5". source1 and
// source2 stand for the series' Source1 and Source2; a type that does not
// use one leaves its label empty.
struct SeriesForm : Form {
  std::string title;
  int32_t seriesType = 1;
  NameList source1;
  NameList source2;
  std::string label;
  double rangeMin = 0, rangeMax = 0, points = 0;  // types 2 and 5
};

// "Drawing options": indexes into the four lists.
struct DrawingOptionsForm : Form {
  std::vector<std::string> lineTypes, lineColors, markerShapes, markerSizes;
  int32_t lineType = 0, lineColor = 0, markerShape = 0, markerSize = 0;
};

}  // namespace tq
