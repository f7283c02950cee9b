#include "commands/search_commands.h"

#include <cstring>
#include <memory>

#include "commands/entry_names.h"
#include "commands/function_commands.h"
#include "commands/operation_dialog.h"
#include "core/object_list.h"
#include "core/operation_status.h"
#include "core/string_format.h"
#include "core/user_cancel.h"
#include "lang/function_checks.h"
#include "numeric/extremum_search.h"
#include "numeric/integration.h"
#include "numeric/root_finding.h"

namespace tq {

namespace {

// What differs between the three searches.
struct SearchTexts {
  const char* title;
  const char* attempting;
  const char* foundOne;
  const char* foundMany;
  const char* pointsName;
  const char* valuesName;
  double (*engine)(double, double, int32_t, int32_t, double);
};

const SearchTexts& TextsOf(SearchKind kind) {
  static const SearchTexts kRoots{"Find roots",
                                  "Attempting to find roots of equation f(x)=0",
                                  "%d root found",
                                  "%d roots found",
                                  "vector_roots",
                                  "vector_f_roots",
                                  FindRoots};
  static const SearchTexts kMinimums{"Find Minimums",
                                     "Attempting to find minimums of function f(x)",
                                     "%d minimum found",
                                     "%d minimums found",
                                     "vector_min",
                                     "vector_f_min",
                                     FindMinimums};
  static const SearchTexts kMaximums{"Find Maximums",
                                     "Attempting to find maximums of function f(x)",
                                     "%d maximum found",
                                     "%d maximums found",
                                     "vector_max",
                                     "vector_f_max",
                                     FindMaximums};
  switch (kind) {
    case SearchKind::kRoots: return kRoots;
    case SearchKind::kMinimums: return kMinimums;
    case SearchKind::kMaximums: return kMaximums;
  }
  return kRoots;
}

constexpr const char* kNoFunctions =
    "Warning: \nThere are no functions in the list.\nYou must create new function f(x).";
constexpr const char* kEmptyFunctionName =
    "Error:\nFunction name string is empty.\nPlease select valid function name in the list";
constexpr const char* kUpperAboveLower =
    "Error:\nValue of upper limit of interval must be  greater than value of lower limit.";
constexpr const char* kToleranceTooSmall = "Error:\nError tolerance must be greater than 1.E-100";
constexpr const char* kSameOutputNames =
    "Error:\nThe two output vectors must have different names.\nPlease enter another name.";

// The function list, with the last chosen function (else the first) shown.
void FillFunctions(std::vector<std::string>& entries, std::string& text,
                   const std::string& lastChosen) {
  entries = ObjectListEntries(OBJMASK_FUNCTION);
  text.clear();
  for (const std::string& entry : entries) {
    std::string name = entry;
    CutEntryName(name);
    if (!lastChosen.empty() && name == lastChosen) text = entry;
  }
  if (text.empty() && !entries.empty()) text = entries.front();
  if (entries.empty()) ShowMessage(kNoFunctions);
}

// "New" and "Edit" of a search or integral dialog: the function dialogs,
// then the list refilled with the function created or edited shown.
void NewOrEditFunction(ButtonId button, std::vector<std::string>& entries, std::string& text) {
  std::string name;
  std::vector<std::string> selected;
  if (!TrimBlanks(text).empty()) selected.push_back(TrimBlanks(text));
  const bool done = button == kNewFunction ? CreateFunctionButton(&name)
                                           : EditFunctionButton(selected, &name);
  if (done) FillFunctions(entries, text, name);
}

// The message refusing the search dialog's entries; null when they pass.
const char* SearchEntriesFailure(const SearchForm& form) {
  if (!(form.lower + 1e-100 < form.upper)) return kUpperAboveLower;
  if (form.intervals < 2) return "Error:\nNumber of intervals must be greater or equal 2.";
  if (!(form.tolerance >= 1e-100)) return kToleranceTooSmall;
  if (form.maxIterations < 100)
    return "Error:\nMaximum number of iterations must be greater than 100";
  if (form.maxIterations > 1000000)
    return "Error:\nMaximum number of iterations must be lesser than 1000000";
  return nullptr;
}

const char* IntegralEntriesFailure(const IntegralForm& form) {
  if (!(form.lower + 1e-100 < form.upper)) return kUpperAboveLower;
  if (!(form.absTolerance >= 1e-100)) return kToleranceTooSmall;
  return nullptr;
}

// Shows the failure, if any; true when the entries pass.
bool EntriesAccepted(const char* failure) {
  if (failure) ShowMessage(failure);
  return !failure;
}

// The output-options dialog until its OK passes; false on Cancel.
bool ChooseOutput(const SearchTexts& texts, OutputOptionsForm& options) {
  options = OutputOptionsForm{};
  options.vectors = ObjectListEntries(OBJMASK_VECTOR | OBJMASK_NAMES_ONLY);
  options.pointsName = texts.pointsName;
  options.valuesName = texts.valuesName;
  return RunDialog(options, [&](ButtonId) {
           if (!options.save) return kCloseDialog;
           options.pointsName = ReadEntryName(options.pointsName);
           options.valuesName = ReadEntryName(options.valuesName);
           if (options.pointsName.empty() || options.pointsName.size() > 1000) {
             ShowMessage("Error:\nInvalid roots vector name.\nPlease enter valid vector name.");
             return kStayOpen;
           }
           if (options.valuesName.empty() || options.valuesName.size() > 1000) {
             ShowMessage("Error:\nInvalid f(R) vector name.\nPlease enter valid vector name.");
             return kStayOpen;
           }
           // One vector would replace the other and a result would be lost.
           if (NamesEqualIgnoringCase(options.pointsName, options.valuesName)) {
             ShowMessage(kSameOutputNames);
             return kStayOpen;
           }
           return kCloseDialog;
         }) == DialogResult::kClose;
}

// The function chosen in a search or integral dialog: a name of 1 to 999
// characters that passes the analysis check. Remembered for the next opening.
bool AcceptFunction(const std::string& text, std::string& remembered, std::string& name) {
  name = TrimBlanks(text);
  remembered = name;
  if (name.empty() || name.size() > 999) {
    ShowMessage(kEmptyFunctionName);
    return false;
  }
  std::string checkMessage;
  if (CheckFunctionForAnalysis(name, checkMessage) != 0) {
    if (!checkMessage.empty()) ShowMessage(checkMessage);
    return false;
  }
  CutEntryName(name);
  remembered = name;
  return true;
}

void SaveSearchResults(const OutputOptionsForm& options) {
  SearchResultStore& store = SearchResults();
  if (!store.SaveResults) return;
  if (store.Count == 0) {
    DeleteObjectByName(options.pointsName);
    DeleteObjectByName(options.valuesName);
    return;
  }
  ResetOperationStatus();
  auto points = std::make_unique<VectorObject>(store.Count, 0.0);
  auto values = std::make_unique<VectorObject>(store.Count, 0.0);
  if (points->status != STATUS_VALID || values->status != STATUS_VALID) return;
  for (int32_t i = 0; i < store.Count; ++i) {
    points->at(i + 1) = store.x[size_t(i)];
    values->at(i + 1) = store.fx[size_t(i)];
  }
  points->name = options.pointsName;
  values->name = options.valuesName;
  DeleteObjectByName(options.pointsName);
  DeleteObjectByName(options.valuesName);
  AddObject(std::move(points));
  AddObject(std::move(values));
}

void ReportSummary(SearchKind kind, const SearchTexts& texts) {
  Report(Core().userCancelled == 1 ? "Calculation terminated by user" : "Completed");
  const SearchCounters& counters = CountersOf(kind);
  Report(counters.found == 1 ? texts.foundOne : texts.foundMany, counters.found);
  if (counters.toleranceWarnings > 0)
    Report("%d values x unable to satisfy\r\nspecified limit of error tolerance ",
           counters.toleranceWarnings);
  if (counters.discontinuityWarnings > 0)
    Report("%d values x detected with possible\r\ndiscontinuity of function",
           counters.discontinuityWarnings);
}

}  // namespace

bool SearchForm::HidesWhileActing(ButtonId id) const {
  return id == kOkButton && !SearchEntriesFailure(*this);
}

bool IntegralForm::HidesWhileActing(ButtonId id) const {
  return id == kOkButton && !IntegralEntriesFailure(*this);
}

bool SearchCommand(SearchKind kind) {
  const SearchTexts& texts = TextsOf(kind);
  SearchParameters& parameters = ParametersOf(kind);
  SearchForm form;
  form.title = texts.title;
  form.lower = parameters.Lower;
  form.upper = parameters.Upper;
  form.intervals = parameters.Intervals;
  form.tolerance = parameters.Tolerance;
  form.maxIterations = parameters.MaxIterations;
  FillFunctions(form.functions, form.function, parameters.FunctionName);
  bool carriedOut = false;
  RunDialog(form, [&](ButtonId button) {
    if (button == kNewFunction || button == kEditFunction) {
      NewOrEditFunction(button, form.functions, form.function);
      return kStayOpen;
    }
    if (!EntriesAccepted(SearchEntriesFailure(form))) return kStayOpen;
    parameters.Lower = form.lower;
    parameters.Upper = form.upper;
    parameters.Intervals = form.intervals;
    parameters.Tolerance = form.tolerance;
    parameters.MaxIterations = form.maxIterations;
    parameters.FunctionName = TrimBlanks(form.function);
    OutputOptionsForm options;
    if (!ChooseOutput(texts, options)) return kStayOpen;
    SearchResults().SaveResults = options.save;
    SearchResults().Count = 0;
    std::string name;
    if (!AcceptFunction(form.function, parameters.FunctionName, name)) return kStayOpen;
    ResetOperationStatus();
    CountersOf(kind) = SearchCounters{};
    Report("%s", texts.attempting);
    Report("in the interval from %G to %G", parameters.Lower, parameters.Upper);
    if (texts.engine(parameters.Lower, parameters.Upper, parameters.Intervals,
                     parameters.MaxIterations, parameters.Tolerance) != 1.0) {
      ShowEngineFailure();
      return kStayOpen;
    }
    ReportSummary(kind, texts);
    SaveSearchResults(options);
    // What was found before a stop is kept, but the search was not completed.
    carriedOut = Core().userCancelled != 1;
    return kCloseDialog;
  });
  return carriedOut;
}

bool IntegralCommand() {
  IntegralParameters& parameters = IntegralSettings();
  IntegralForm form;
  form.lower = parameters.Lower;
  form.upper = parameters.Upper;
  form.absTolerance = parameters.AbsTolerance;
  form.relTolerance = parameters.RelTolerance;
  FillFunctions(form.functions, form.function, parameters.FunctionName);
  bool carriedOut = false;
  RunDialog(form, [&](ButtonId button) {
    if (button == kNewFunction || button == kEditFunction) {
      NewOrEditFunction(button, form.functions, form.function);
      return kStayOpen;
    }
    if (!EntriesAccepted(IntegralEntriesFailure(form))) return kStayOpen;
    parameters.Lower = form.lower;
    parameters.Upper = form.upper;
    parameters.AbsTolerance = form.absTolerance;
    parameters.RelTolerance = form.relTolerance;
    std::string name;
    if (!AcceptFunction(form.function, parameters.FunctionName, name)) return kStayOpen;
    ResetOperationStatus();
    Report("Calculating integral of function f(x)");
    Report("on the interval from %G to %G", parameters.Lower, parameters.Upper);
    double result = 0.0;
    IntegralFailure failure;
    if (Integrate(parameters.Lower, parameters.Upper, parameters.AbsTolerance,
                  parameters.RelTolerance, result, failure) == 1)
      return CarriedOut(carriedOut);
    if (!failure.message.empty()) ShowMessage(failure.message);
    if (!failure.reportLine.empty()) Report("%s", failure.reportLine.c_str());
    const size_t length = std::strlen(Status().message);
    if ((Status().flags & OPERR_ARGUMENT) && length >= 2 && length <= 999) {
      ShowMessage(std::string("Error:\n") + Status().message);
      return kStayOpen;
    }
    return kCloseDialog;
  });
  return carriedOut;
}

}  // namespace tq
