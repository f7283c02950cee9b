// The fields of the chart and data series dialogs as plain structs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "commands/forms.h"
#include "core/ui_port.h"

namespace tq {

// "Chart Dialog": the chart objects. Each button acts and the dialog stays
// open; Cancel closes it.
struct ChartChoiceForm : Form {
  enum Button : ButtonId { kCreate = kFirstFormButton, kEdit, kDelete, kDisplay };
  ChartChoiceForm() {
    title = "Chart Dialog";
    buttons = {{kCreate, "Create a new Chart"},
               {kEdit, "Edit Chart properties"},
               {kDelete, "Delete Chart"},
               {kDisplay, "Display Chart"},
               {kCancelButton, "Cancel"}};
    defaultButton = kDisplay;
  }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::vector<std::string> entries;
  int32_t selected = -1;  // index into entries, -1 for none
};

// "New Chart parameters": names and labels and the series labels. OK checks
// and closes; the other buttons act and the dialog stays open.
struct ChartParametersForm : Form {
  enum Button : ButtonId {
    kOk = kOkButton,
    kChartOptions = kFirstFormButton,
    kNewDataSet,
    kEditDataSet,
    kDeleteDataSet
  };
  ChartParametersForm() {
    title = "New Chart parameters";
    buttons = {{kOk, "OK"},
               {kCancelButton, "Cancel"},
               {kChartOptions, "Chart options"},
               {kNewDataSet, "New data set"},
               {kEditDataSet, "Edit data set"},
               {kDeleteDataSet, "Delete data set"}};
  }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  bool nameEnabled = true;  // false while an existing chart is edited
  std::string name;
  std::string chartTitle;
  std::string xLabel;
  std::string yLabel;
  std::vector<std::string> seriesLabels;
  int32_t selectedSeries = -1;  // index into seriesLabels, -1 for none
};

// "Chart presentation options": the option bits and the user range. The
// range fields are disabled while autoRange is set.
struct ChartOptionsForm : Form {
  ChartOptionsForm() { title = "Chart presentation options"; }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
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
  DataTypeForm() { title = "Dialog data type"; }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::vector<std::string> choices;
  int32_t selected = -1;  // 0-based; the series type is selected + 1
};

// "New Data Set" and "New Data Set type 2" .. "type 5". source1 and
// source2 stand for the series' Source1 and Source2; a type that does not
// use one leaves its label empty.
struct SeriesForm : Form {
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  int32_t seriesType = 1;
  NameList source1;
  NameList source2;
  std::string label;
  double rangeMin = 0, rangeMax = 0, points = 0;  // types 2 and 5
};

// "Drawing options": indexes into the four lists.
struct DrawingOptionsForm : Form {
  DrawingOptionsForm() { title = "Drawing options"; }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::vector<std::string> lineTypes, lineColors, markerShapes, markerSizes;
  int32_t lineType = 0, lineColor = 0, markerShape = 0, markerSize = 0;
};

}  // namespace tq
