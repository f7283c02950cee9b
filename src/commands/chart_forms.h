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
  std::string listLabel = "Chart objects";
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
  std::string nameLabel = "Chart object name";
  std::string titleLabel = "Chart title";
  std::string xLabelLabel = "Horizontal axis label";
  std::string yLabelLabel = "Vertical axis label";
  std::string seriesListLabel = "Data series";
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
  // The texts of the check boxes, in the order of the fields below.
  std::string autoRangeText = "Auto range select";
  std::string showTitleText = "Display chart title";
  std::string showXLabelText = "Display horizintal axis label";
  std::string showYLabelText = "Display vertical axis label";
  std::string gridlinesText = "Gridlines";
  std::string polarText = "Polar coordinates ( teta, r )";
  std::string xMinLabel = "Horizontal axis minimum";
  std::string xMaxLabel = "Horizontal axis maximum";
  std::string yMinLabel = "Vertical axis minimum";
  std::string yMaxLabel = "Vertical axis maximum";
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
  std::string prompt = "Type of the data set";
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
  std::string labelLabel = "Data series label";
  std::string label;
  // Types 2 and 5 (the others leave the labels empty).
  std::string rangeMinLabel, rangeMaxLabel, pointsLabel;
  double rangeMin = 0, rangeMax = 0, points = 0;
};

// "Drawing options": indexes into the four lists.
struct DrawingOptionsForm : Form {
  DrawingOptionsForm() { title = "Drawing options"; }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::string lineTypeLabel = "Line type";
  std::string lineColorLabel = "Line color";
  std::string markerShapeLabel = "Marker shape";
  std::string markerSizeLabel = "Marker size";
  std::vector<std::string> lineTypes, lineColors, markerShapes, markerSizes;
  int32_t lineType = 0, lineColor = 0, markerShape = 0, markerSize = 0;
};

// The texts of the chart window: its title and the buttons of the
// display, then the viewing aids beside them.
struct ChartWindowTexts {
  const char* title = "Display Chart";
  const char* close = "Close window";
  const char* print = "Print";
  const char* printPreview = "Print preview...";
  const char* saveImage = "Save as image...";
  const char* copy = "Copy";
  const char* legend = "Legend";
  const char* resetView = "Reset view";
  const char* chartArea = "Chart";
  const char* chartAreaHint =
      "Mouse wheel: zoom in or out. Drag: move the view. Right-drag or Shift+drag: zoom into "
      "the rectangle.";
  const char* saveImageTitle = "Save chart as image";
  const char* imageFilter =
      "PNG image (*.png)|*.png|SVG drawing (*.svg)|*.svg|PDF document (*.pdf)|*.pdf||";
};
inline constexpr ChartWindowTexts kChartWindowTexts{};

}  // namespace tq
