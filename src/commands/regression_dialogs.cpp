// The three dialogs of the linear regression: the X(i) selection, Y and the
// result name, and the output options.
#include <algorithm>
#include <string>
#include <vector>

#include "commands/entry_names.h"
#include "commands/name_check.h"
#include "commands/operation_dialog.h"
#include "commands/statistics_dialogs.h"
#include "commands/statistics_forms.h"
#include "core/object_list.h"
#include "core/operation_status.h"
#include "core/string_format.h"
#include "core/ui_port.h"
#include "stats/regression.h"

namespace tq {

namespace {

constexpr size_t kMaxSelectedEntries = 10000;

// The names chosen in the output options, when saving was chosen.
struct ExtraNames {
  bool save = false;
  std::string covariance, residuals, predictions;
};

RegressionOutputForm MakeOutputForm() {
  RegressionOutputForm form;
  form.covariance = OutputList("Select name for covariance matrix", OBJMASK_VECTOR);
  form.residuals = OutputList("Select name for vector of residuas", OBJMASK_VECTOR);
  form.predictions = OutputList("Select name for vector of predictions", OBJMASK_VECTOR);
  form.covariance.text = "covariances";
  form.residuals.text = "residual_errors";
  form.predictions.text = "predictions";
  return form;
}

// One name of the output options: 1 to 1000 characters and a valid new name.
bool CheckExtraName(const std::string& name, const char* what) {
  if (name.empty() || name.size() > 1000) {
    ShowMessage(std::string("Error:\nInvalid ") + what +
                " name.\nPlease enter valid name for matrix or vector.");
    return false;
  }
  if (ValidateNewName(name)) return true;
  if (!Core().nameMessageShown)
    ShowMessage(std::string("Error:\nInvalid ") + what + " name\n<" + name +
                ">\nPlease enter valid name.\nName shall containg only letters and digits and "
                "charater _.\nFirst character must not be digit.");
  return false;
}

// "Output options", open until its entries pass or the user cancels.
bool AskOutputOptions(RegressionOutputForm& form, ExtraNames& names) {
  return RunDialog(form, [&](ButtonId) {
           names = {};
           names.save = form.saveExtras;
           if (!form.saveExtras) return kCloseDialog;
           names.covariance = ReadEntryName(form.covariance.text);
           if (!CheckExtraName(names.covariance, "covariance matrix")) return kStayOpen;
           names.residuals = ReadEntryName(form.residuals.text);
           if (!CheckExtraName(names.residuals, "residuals vector")) return kStayOpen;
           names.predictions = ReadEntryName(form.predictions.text);
           if (!CheckExtraName(names.predictions, "predictions vector")) return kStayOpen;
           return kCloseDialog;
         }) == DialogResult::kClose;
}

void ReportRegression(const std::vector<std::string>& xNames, const std::string& yName,
                      const std::string& output) {
  const int32_t k = int32_t(xNames.size());
  const int32_t p = k + 1;
  Report("Linear regression multiple variables");
  Report("Input data X(i)");
  std::string inputs;
  for (int32_t i = 1; i <= k; ++i)
    inputs += StringPrintf("X(%d) %s  ", i, xNames[size_t(i - 1)].c_str());
  Report("%s", inputs.c_str());
  Report("Output data Y  %s", yName.c_str());
  const auto* result = dynamic_cast<const VectorObject*>(FindObject(output, OBJMASK_VECTOR));
  if (!result || result->size < RegressionResultSize(p) || result->at(1) == 0.0) {
    Report("Error:\r\nUnable to compute linear regression.");
    return;
  }
  Report("Regression results");
  Report("constant =               %#.8G", result->at(1));
  for (int32_t i = 1; i <= k; ++i)
    Report("coefficient %d <%s> = %#.8G", i, xNames[size_t(i - 1)].c_str(), result->at(i + 1));
  Report("Chi-square = %G", result->at(p + 1));
  Report("Regression Variance = %G", result->at(p + 2));
  Report("Standard errors and 95%% confidence interval");
  Report("                  std. error          Lower 95%%        Upper 95%%");
  Report("constant:   %#12.6G     %#12.6G    %#12.6G", result->at(p + 3), result->at(2 * p + 3),
         result->at(3 * p + 3));
  for (int32_t i = 1; i <= k; ++i)
    Report("coeff. %.2d:   %#12.6G    %#12.6G    %#12.6G", i, result->at(p + 3 + i),
           result->at(2 * p + 3 + i), result->at(3 * p + 3 + i));
}

DialogResult ApplyFitting(const OperationForm& form, const std::vector<std::string>& xNames,
                          RegressionOutputForm& options, bool& carriedOut) {
  std::vector<std::string> names = ReadDialogNames(form);
  const std::string &yName = names[0], &output = names[1];
  if (!CheckDialogNameLength(
          yName, "Error:\nInvalid 2nd argument.\nPlease select valid source matrix or vector.") ||
      !CheckDialogNameLength(
          output, "Error:\nInvalid output vector name.\nPlease select or enter valid name."))
    return kStayOpen;
  MathObject* y = FindDialogSource(yName, OBJMASK_MATRIX | OBJMASK_VECTOR, "2nd");
  if (!y) return kStayOpen;
  if (!CheckOutputName(output, "vector")) return kStayOpen;
  if (y->kind != KIND_VECTOR) {
    ShowMessage("Error:\nInvalid arguments type. Arguments must be vectors.");
    return kStayOpen;
  }
  if (xNames.size() > size_t(kMaxRegressionVectors)) {
    ShowMessage("Error:\nToo many vectors X.");
    return kStayOpen;
  }
  ExtraNames extras;
  if (!AskOutputOptions(options, extras)) return kStayOpen;
  if (extras.save &&
      (extras.covariance.empty() || extras.residuals.empty() || extras.predictions.empty())) {
    ShowMessage("Error:\nInvalid name specified for output matrix or vector.");
    return kStayOpen;
  }
  ResetOperationStatus();
  if (LinearRegression(&xNames, int32_t(xNames.size()), yName, false, output, extras.save,
                       extras.covariance, extras.residuals, extras.predictions) != 1) {
    ShowEngineFailure();
    return kCloseDialog;
  }
  ReportRegression(xNames, yName, output);
  return CarriedOut(carriedOut);
}

bool FittingDialog(const std::vector<std::string>& xNames) {
  OperationForm form;
  form.title = "Linear regression multiple";
  form.SetButtonText(kOkButton, "Fitting");
  form.explanation =
      "Output vector will contain values of best-fit parameters a(0) ... a(k), chi-square, "
      "variance, standard errors of all parameters, lower limits with prob. 95% of all "
      "parameters and upper limits with prob. 95%.";
  form.sources = {SourceList(
      "Select vector of measured data (dependent variable) Y. Vector Y and all selected input "
      "vectors X(i) must have same number of elements. ",
      OBJMASK_VECTOR)};
  form.output = OutputList("Output vector name", OBJMASK_VECTOR);
  RegressionOutputForm options = MakeOutputForm();
  return RunOperationDialog(form, [&](OperationForm& f, bool& carriedOut) {
    return ApplyFitting(f, xNames, options, carriedOut);
  });
}

}  // namespace

bool RegressionCommand() {
  ObjectChoiceForm form;
  form.title = "Linear regression multiple variables";
  form.prompt =
      "Select vectors with input variables X(i)\nMultiple vectors can be selected.\nAll vectors "
      "must have same number of elements.";
  form.SetButtonText(kOkButton, "OK");
  form.multipleSelection = true;
  form.entries = ObjectListEntries(OBJMASK_VECTOR);
  bool carriedOut = false;
  RunDialog(form, [&](ButtonId) {
    if (form.selected.empty()) {
      ShowMessage(
          "No items selected in the list.Please select at one or several vectors of input "
          "variables X(i).");
      return kStayOpen;
    }
    std::vector<size_t> selected = form.selected;
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    if (selected.size() > kMaxSelectedEntries) selected.resize(kMaxSelectedEntries);
    std::vector<std::string> xNames;
    for (size_t index : selected) {
      if (index >= form.entries.size()) continue;
      std::string text = form.entries[index];
      if (text.empty() || text.size() > 999) continue;
      CutAtFirstBlank(text);
      if (!text.empty() && text.size() <= 999) xNames.push_back(text);
    }
    // The selection dialog closes in every case from here on.
    if (xNames.empty()) {
      ShowMessage("Error: list of selected input varaibles X(i) is empty.");
      return kCloseDialog;
    }
    if (xNames.size() < selected.size()) {
      ShowMessage(
          "Error: some of the selected X(i) vector names are invalid or inaccessible by "
          "program.");
      return kCloseDialog;
    }
    // The fitting dialog opens over the selection, which closes after it.
    carriedOut = FittingDialog(xNames);
    return kCloseDialog;
  });
  return carriedOut;
}

}  // namespace tq
