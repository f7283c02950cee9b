#include "commands/series_dialogs.h"

#include <memory>
#include <vector>

#include "chart/chart_model.h"
#include "commands/dialog.h"
#include "commands/entry_names.h"
#include "commands/name_check.h"
#include "commands/session.h"
#include "core/object_list.h"
#include "core/string_format.h"
#include "core/ui_port.h"

namespace tq {

namespace {

constexpr const char* kTypeChoices[5] = {
    "Two vectors give X and Y values",
    "Range of X values and a function to calculate Y values",
    "Vector of X values and a function to calculate Y values",
    "Vector of Y values and a function to calculate X values",
    "Parameteric plot: range of parameter values and two functions to calculate X and Y values",
};

constexpr const char* kNoVectors =
    "There are no data vectors in the list.\nYou need to create vectors with data sets to display "
    "a chart.";
constexpr const char* kNoFunctionForY =
    "There are no functions currently.\nYou need to create function f(x) to compute vertical "
    "coordinate.";
constexpr const char* kNoFunctionForX =
    "There are no functions currently.\nYou need to create function f(x) to compute horizontal "
    "coordinate.";
constexpr const char* kNoFunctionsForXY =
    "There are no functions currently.\nYou need to create functions f(x) to compute horizontal "
    "and vertical coordinates.";

constexpr const char* kHorizontalVectorName =
    "Error:\nInvalid horizontal axis data vector.\nPlease select valid vector name";
constexpr const char* kVerticalVectorName =
    "Error:\nInvalid vertical axis data vector.\nPlease select valid vector name";
constexpr const char* kFunctionName =
    "Error:\nInvalid function name.\nPlease select valid function name";
constexpr const char* kVectorName = "Error:\nInvalid vector name.\nPlease select valid vector name";
constexpr const char* kHorizontalFunctionName =
    "Error:\nInvalid function name to calculate horizontal coordinate.\nPlease select valid "
    "function name";
constexpr const char* kVerticalFunctionName =
    "Error:\nInvalid function name to calculate vertical coordinate.\nPlease select valid function "
    "name";
constexpr const char* kLabelLength =
    "Error:\nInvalid data series label.\nPlease select valid label text";
constexpr const char* kRangeOfX =
    "Error: maximum of coordinate x must be greater than minimum.\nPlease correct maximum and "
    "minimum values.";
constexpr const char* kRangeOfParameter =
    "Error: maximum of parameter must be greater than minimum.\nPlease correct maximum and minimum "
    "values.";
constexpr const char* kPointCount = "Error: Number of points must be between 10 and 10000.";
constexpr const char* kLabelExists =
    "This data series label already exists.\nPlease select another valid label text";
constexpr const char* kDifferentSizes =
    "Error:\nTwo vectors have different size.\nPlease select two vectors with equal number of "
    "elements.";
constexpr const char* kVectorTooSmall =
    "Error:\nVector size is too small.\nPlease select vector with at least two elements.";

// One check of a series dialog; `source` is 1 or 2 where it looks at a source.
enum class Step {
  kNameLength,
  kLabelLength,
  kRange,
  kPoints,
  kFunctionExists,
  kVectorExists,
  kLabelUnique,
  kEqualSizes,
  kVectorSize,
  kValidateLabel,
};

struct Check {
  Step step;
  int source = 0;
  const char* message = nullptr;
};

// The checks of each kind of series, in their order.
const std::vector<Check>& ChecksOf(int32_t type) {
  static const std::vector<Check> kChecks[5] = {
      {{Step::kNameLength, 1, kHorizontalVectorName},
       {Step::kNameLength, 2, kVerticalVectorName},
       {Step::kLabelLength},
       {Step::kLabelUnique},
       {Step::kVectorExists, 1},
       {Step::kVectorExists, 2},
       {Step::kEqualSizes},
       {Step::kValidateLabel}},
      {{Step::kNameLength, 2, kFunctionName},
       {Step::kLabelLength},
       {Step::kRange, 0, kRangeOfX},
       {Step::kPoints},
       {Step::kFunctionExists, 2},
       {Step::kLabelUnique},
       {Step::kValidateLabel}},
      {{Step::kNameLength, 1, kVectorName},
       {Step::kNameLength, 2, kFunctionName},
       {Step::kLabelLength},
       {Step::kFunctionExists, 2},
       {Step::kLabelUnique},
       {Step::kVectorExists, 1},
       {Step::kVectorSize, 1},
       {Step::kValidateLabel}},
      {{Step::kNameLength, 1, kFunctionName},
       {Step::kNameLength, 2, kVectorName},
       {Step::kLabelLength},
       {Step::kFunctionExists, 1},
       {Step::kLabelUnique},
       {Step::kVectorExists, 2},
       {Step::kVectorSize, 2},
       {Step::kValidateLabel}},
      {{Step::kNameLength, 1, kHorizontalFunctionName},
       {Step::kNameLength, 2, kVerticalFunctionName},
       {Step::kLabelLength},
       {Step::kRange, 0, kRangeOfParameter},
       {Step::kPoints},
       {Step::kFunctionExists, 1},
       {Step::kFunctionExists, 2},
       {Step::kLabelUnique},
       {Step::kValidateLabel}},
  };
  return kChecks[type - 1];
}

bool NameLengthOk(const std::string& name) { return !name.empty() && name.size() <= 1000; }

// Whether another series of the chart has this label (case counts).
bool LabelTaken(const ChartObject& chart, const std::string& label, const SeriesObject* editing) {
  for (const auto& series : chart.SeriesList)
    if (series.get() != editing && series->Label == label) return true;
  return false;
}

bool Refuse(const std::string& message) {
  ShowMessage(message);
  return false;
}

// Runs one check; false after its message.
bool RunCheck(const Check& check, const SeriesForm& form, const std::string& source1,
              const std::string& source2, const ChartObject& chart, const SeriesObject* editing) {
  const std::string& source = check.source == 1 ? source1 : source2;
  switch (check.step) {
    case Step::kNameLength:
      return NameLengthOk(source) || Refuse(check.message);
    case Step::kLabelLength:
      return NameLengthOk(form.label) || Refuse(kLabelLength);
    case Step::kRange:
      return form.rangeMax - 1e-10 > form.rangeMin || Refuse(check.message);
    case Step::kPoints:
      return (form.points >= kDialogMinPoints && form.points <= kDialogMaxPoints) ||
             Refuse(kPointCount);
    case Step::kFunctionExists:
      return FindObject(source, OBJMASK_FUNCTION) ||
             Refuse("Error:\nUnable to find function\n<" + source +
                    ">\nPlease select or enter valid function name.");
    case Step::kVectorExists:
      return FindObject(source, OBJMASK_VECTOR) ||
             Refuse("Error:\nUnable to find vector\n<" + source +
                    ">\nPlease select or enter valid name.");
    case Step::kLabelUnique:
      return !LabelTaken(chart, form.label, editing) || Refuse(kLabelExists);
    case Step::kEqualSizes: {
      auto* x = FindObjectAs<VectorObject>(source1, OBJMASK_VECTOR);
      auto* y = FindObjectAs<VectorObject>(source2, OBJMASK_VECTOR);
      return (x && y && x->size == y->size) || Refuse(kDifferentSizes);
    }
    case Step::kVectorSize: {
      auto* vector = FindObjectAs<VectorObject>(source, OBJMASK_VECTOR);
      return (vector && vector->size >= 2) || Refuse(kVectorTooSmall);
    }
    case Step::kValidateLabel:
      if (ValidateNewName(form.label)) return true;
      if (!Core().nameMessageShown)
        ShowMessage("Error:\nInvalid dataset label name\n<" + form.label +
                    ">\nPlease enter valid name.\nName shall contain only letters and digits and "
                    "charater _.\nFirst character must not be digit.");
      return false;
  }
  return false;
}

NameList VectorList(const char* label) {
  NameList list{label, ObjectListEntries(OBJMASK_NAMES_ONLY | OBJMASK_VECTOR), {}};
  if (!list.entries.empty()) list.text = list.entries.front();
  return list;
}

NameList FunctionList(const char* label) {
  NameList list{label, ObjectListEntries(OBJMASK_FUNCTION), {}};
  if (!list.entries.empty()) list.text = list.entries.front();
  return list;
}

// The messages shown on opening a dialog whose lists are empty.
void WarnAboutEmptyLists(const SeriesForm& form) {
  const bool noVectors = ObjectListEntries(OBJMASK_NAMES_ONLY | OBJMASK_VECTOR).empty();
  const bool noFunctions = ObjectListEntries(OBJMASK_FUNCTION).empty();
  switch (form.seriesType) {
    case SERIES_TWO_VECTORS:
      if (noVectors) ShowMessage(kNoVectors);
      break;
    case SERIES_RANGE_FUNCTION:
      if (noFunctions) ShowMessage(kNoFunctionForY);
      break;
    case SERIES_X_VECTOR_FUNCTION:
      if (noVectors) ShowMessage(kNoVectors);
      if (noFunctions) ShowMessage(kNoFunctionForY);
      break;
    case SERIES_Y_VECTOR_FUNCTION:
      if (noFunctions) ShowMessage(kNoFunctionForX);
      if (noVectors) ShowMessage(kNoVectors);
      break;
    default:
      if (noFunctions) ShowMessage(kNoFunctionsForXY);
      break;
  }
}

// Shows the series dialog until its checks pass; the series, or nullptr
// when cancelled.
SeriesObject* RunSeriesDialog(ChartObject& chart, int32_t type, SeriesObject* editing) {
  SeriesForm form = MakeSeriesForm(type, editing);
  WarnAboutEmptyLists(form);
  SeriesObject* series = nullptr;
  RunDialog(form, [&](ButtonId) {
    series = ApplySeriesForm(form, chart, editing);
    return series ? kCloseDialog : kStayOpen;
  });
  return series;
}

}  // namespace

SeriesForm MakeSeriesForm(int32_t seriesType, const SeriesObject* series) {
  SeriesForm form;
  form.seriesType = seriesType;
  form.title = seriesType == 1 ? std::string("New Data Set")
                               : StringPrintf("New Data Set type %d", seriesType);
  switch (seriesType) {
    case SERIES_TWO_VECTORS:
      form.source1 = VectorList("Horizontal axis data vector");
      form.source2 = VectorList("Vertical axis data vector");
      break;
    case SERIES_RANGE_FUNCTION:
      form.source2 = FunctionList("Function to calculate vertical coordinate");
      form.rangeMinLabel = "Minimum of x";
      form.rangeMaxLabel = "Maximum of x";
      form.pointsLabel = "Number of points";
      break;
    case SERIES_X_VECTOR_FUNCTION:
      form.source1 = VectorList("Vector of horizontal coordinates");
      form.source2 = FunctionList("Function to calculate vertical coordinate");
      break;
    case SERIES_Y_VECTOR_FUNCTION:
      form.source1 = FunctionList("Function to calculate horizontal coordinate");
      form.source2 = VectorList("Vector of vertical coordinates");
      break;
    default:
      form.source1 = FunctionList("Function to calculate horizontal coordinate");
      form.source2 = FunctionList("Function to calculate vertical coordinate");
      form.rangeMinLabel = "Minimum of parameter";
      form.rangeMaxLabel = "Maximum of parameter";
      form.pointsLabel = "Number of points";
      break;
  }
  const SeriesObject defaults;
  const SeriesObject& preset = series ? *series : defaults;
  if (series) {
    form.source1.text = series->Source1;
    form.source2.text = series->Source2;
    form.label = series->Label;
  } else {
    form.label = StringPrintf("series%d", Commands().seriesCounter);
  }
  form.rangeMin = preset.RangeMin;
  form.rangeMax = preset.RangeMax;
  form.points = preset.PointCount;
  return form;
}

SeriesObject* ApplySeriesForm(const SeriesForm& form, ChartObject& chart, SeriesObject* editing) {
  if (form.seriesType < 1 || form.seriesType > 5) return nullptr;
  const std::string source1 = ReadEntryName(form.source1.text);
  const std::string source2 = ReadEntryName(form.source2.text);
  for (const Check& check : ChecksOf(form.seriesType))
    if (!RunCheck(check, form, source1, source2, chart, editing)) return nullptr;

  SeriesObject* series = editing;
  if (!series) {
    auto created = std::make_unique<SeriesObject>();
    series = created.get();
    chart.SeriesList.push_back(std::move(created));
    ++chart.SeriesCount;
    ++Commands().seriesCounter;
  }
  series->name = form.label;
  series->Label = form.label;
  series->Source1 = form.seriesType == SERIES_RANGE_FUNCTION ? std::string() : source1;
  series->Source2 = source2;
  series->RangeMin = form.rangeMin;
  series->RangeMax = form.rangeMax;
  series->PointCount = form.points;
  series->SeriesType = form.seriesType;
  NoteChange(CHANGE_CHART);
  return series;
}

bool RunDrawingOptions(SeriesObject& series) {
  DrawingOptionsForm form;
  form.lineTypes.assign(std::begin(kLineTypeTexts), std::end(kLineTypeTexts));
  form.lineColors.assign(std::begin(kColorTexts), std::end(kColorTexts));
  form.markerShapes.assign(std::begin(kMarkerShapeTexts), std::end(kMarkerShapeTexts));
  form.markerSizes.assign(std::begin(kMarkerSizeTexts), std::end(kMarkerSizeTexts));
  form.lineType = series.LineType;
  form.lineColor = series.LineColor;
  form.markerShape = series.MarkerShape;
  form.markerSize = series.MarkerSize;
  if (!RunOkCancelDialog(form)) return false;
  // Only choices of the lists are taken.
  auto store = [](int32_t& field, int32_t choice, size_t count) {
    if (choice >= 0 && size_t(choice) < count) field = choice;
  };
  store(series.LineType, form.lineType, form.lineTypes.size());
  store(series.LineColor, form.lineColor, form.lineColors.size());
  store(series.MarkerShape, form.markerShape, form.markerShapes.size());
  store(series.MarkerSize, form.markerSize, form.markerSizes.size());
  NoteChange(CHANGE_CHART);
  return true;
}

bool NewDataSet(ChartObject& chart) {
  DataTypeForm types;
  types.choices.assign(std::begin(kTypeChoices), std::end(kTypeChoices));
  if (!RunOkCancelDialog(types) || types.selected < 0 || types.selected > 4) return false;
  SeriesObject* series = RunSeriesDialog(chart, types.selected + 1, nullptr);
  if (!series) return false;
  RunDrawingOptions(*series);
  return true;
}

bool EditDataSet(ChartObject& chart, SeriesObject& series) {
  if (series.SeriesType < 1 || series.SeriesType > 5) return false;
  if (!RunSeriesDialog(chart, series.SeriesType, &series)) return false;
  RunDrawingOptions(series);
  return true;
}

bool DeleteDataSet(ChartObject& chart, const std::string& label) {
  auto& list = chart.SeriesList;
  for (auto it = list.begin(); it != list.end(); ++it) {
    if ((*it)->Label != label) continue;
    list.erase(it);
    --chart.SeriesCount;
    NoteChange(CHANGE_CHART);
    return true;
  }
  return false;
}

void ResetSeriesLabelCounter() { Commands().seriesCounter = 1; }

}  // namespace tq
