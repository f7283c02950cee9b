#include "commands/statistics_dialogs.h"

#include <string>
#include <vector>

#include "commands/operation_dialog.h"
#include "commands/statistics_forms.h"
#include "core/object_list.h"
#include "core/operation_status.h"
#include "core/ui_port.h"
#include "stats/moments.h"
#include "stats/significance_tests.h"

namespace tq {

namespace {

constexpr uint32_t kMatricesAndVectors = OBJMASK_MATRIX | OBJMASK_VECTOR;
constexpr const char* kOutputLength =
    "Error:\nInvalid output vector name.\nPlease select or enter valid name.";

// The element of the result vector that the dialog reports.
const VectorObject* ResultVector(const std::string& name) {
  return dynamic_cast<const VectorObject*>(FindObject(name, OBJMASK_VECTOR));
}

// --- Moments of distribution --------------------------------------------------

DialogOutcome ApplyMoments(const OperationForm& form) {
  std::vector<std::string> names = ReadDialogNames(form);
  const std::string &source = names[0], &output = names[1];
  if (!CheckDialogNameLength(source,
                             "Error:\nInvalid argument.\nPlease select valid source vector.") ||
      !CheckDialogNameLength(output, kOutputLength))
    return kStayOpen;
  if (!FindObject(source, OBJMASK_VECTOR)) {
    ShowMessage("Error:\nUnable to find source vector\n<" + source +
                ">\nPlease select or enter valid name.");
    return kStayOpen;
  }
  if (!CheckOutputName(output, "vector")) return kStayOpen;
  ResetOperationStatus();
  if (ComputeMoments(source, output) != 1) {
    ShowEngineFailure();
    return {true, false};
  }
  Report("Moments of distribution calculated.\r\nInput data vector <%s>\r\noutput stored in new "
         "vector <%s>",
         source.c_str(), output.c_str());
  if (const VectorObject* result = ResultVector(output); result && result->size >= 6) {
    Report("mean (average) = %G", result->at(1));
    Report("average deviation = %G", result->at(2));
    Report("standard deviation = %G", result->at(3));
    Report("variance = %G", result->at(4));
    if (result->at(4) > kSmallestVariance) {
      Report("skewness (third moment)  = %G", result->at(5));
      Report("kurtosis (fourth moment) = %G", result->at(6));
    } else {
      Report("Variance is too small.\r\nThird moment and fourth moment cannot be calculated");
    }
  }
  return {true, true};
}

// --- the three significance tests ---------------------------------------------

// The checks the three test dialogs share, in the pattern's order.
bool CheckTestDialog(const std::vector<std::string>& names) {
  const std::string &first = names[0], &second = names[1], &output = names[2];
  if (!CheckDialogNameLength(
          first, "Error:\nInvalid 1st argument.\nPlease select valid source matrix or vector.") ||
      !CheckDialogNameLength(
          second, "Error:\nInvalid 2nd argument.\nPlease select valid source matrix or vector.") ||
      !CheckDialogNameLength(output, kOutputLength))
    return false;
  MathObject* a = FindDialogSource(first, kMatricesAndVectors, "1st");
  if (!a) return false;
  MathObject* b = FindDialogSource(second, kMatricesAndVectors, "2nd");
  if (!b) return false;
  if (!CheckOutputName(output, "vector")) return false;
  if (a->kind != KIND_VECTOR || b->kind != KIND_VECTOR) {
    ShowMessage("Error:\nInvalid arguments type. Arguments must be vectors.");
    return false;
  }
  return true;
}

ExplainedOperationForm TestForm(const char* title, const char* button, const char* statistic) {
  ExplainedOperationForm form;
  form.title = title;
  form.button = button;
  form.sources = {SourceList("Select first distribution vector", OBJMASK_VECTOR),
                  SourceList("Select second distribution vector", OBJMASK_VECTOR)};
  form.output = OutputList((std::string("Output vector will contain values \n") + statistic +
                            " and significance.\nPlease enter new vector name or \nselect one of "
                            "the existing objects from the drop-down list.")
                               .c_str(),
                           OBJMASK_VECTOR);
  return form;
}

void ReportTestHeader(const char* format, const std::vector<std::string>& names) {
  Report(format, names[0].c_str(), names[1].c_str(), names[2].c_str());
}

DialogOutcome ApplyTTest(const OperationForm& form) {
  std::vector<std::string> names = ReadDialogNames(form);
  if (!CheckTestDialog(names)) return kStayOpen;
  TTestOptionsForm options;
  if (!ShowForm(options)) return kStayOpen;
  ResetOperationStatus();
  if (StudentTTest(names[0], names[1], names[2], options.type) != 1) {
    ShowEngineFailure();
    return {true, false};
  }
  ReportTestHeader(
      "Students t-test for sigificance\r\nof means difference\r\ninput vectors %s and "
      "%s\r\noutput stored in new vector <%s>",
      names);
  switch (options.type) {
    case TTEST_EQUAL_VARIANCE:
      Report("Two distributions are assumed \r\nto have equal true variance.");
      break;
    case TTEST_UNEQUAL_VARIANCE:
      Report("Two distributions are assumed \r\nto have different true variances.");
      break;
    default:
      Report("Two distributions contain paired samples.");
      break;
  }
  if (const VectorObject* result = ResultVector(names[2]); result && result->size >= 2) {
    Report("Student's t = %G", result->at(1));
    Report("significance  (P, two-tail)= %G", result->at(2));
  }
  Report("Significance is a probability that two \r\ndistributions have equal means.");
  Report("Small value, lesser than approximately 0.025\r\nindicates sigificant difference of means.");
  return {true, true};
}

DialogOutcome ApplyFTest(const OperationForm& form) {
  std::vector<std::string> names = ReadDialogNames(form);
  if (!CheckTestDialog(names)) return kStayOpen;
  ResetOperationStatus();
  if (FTest(names[0], names[1], names[2]) != 1) {
    ShowEngineFailure();
    return {true, false};
  }
  ReportTestHeader(
      "F-test for sigificance\r\nof variance difference\r\ninput vectors %s and %s\r\noutput "
      "stored in new vector <%s>",
      names);
  const VectorObject* result = ResultVector(names[2]);
  if (!result || result->size < 2 || result->at(1) == 0.0) {
    Report("Error:\r\nUnable to compute F-test.\r\nOne of the distributions has zero variance.");
    return {true, true};
  }
  Report("F = %G", result->at(1));
  Report("significance  (P, two-tail)= %G", result->at(2));
  Report("Significance is a probability that two \r\ndistributions have equal variances.");
  Report(
      "Small value, lesser than approximately 0.05\r\nindicates sigificant difference of "
      "variances.");
  return {true, true};
}

DialogOutcome ApplyChiSquare(const OperationForm& form) {
  std::vector<std::string> names = ReadDialogNames(form);
  if (!CheckTestDialog(names)) return kStayOpen;
  ResetOperationStatus();
  if (ChiSquareTest(names[0], names[1], names[2]) != 1) {
    // The options were not confirmed: nothing was computed and there is
    // nothing to show, so the dialog stays as it was.
    if (Status().flags == 0 && OperationMessage().empty()) return kStayOpen;
    ShowEngineFailure();
    return {true, false};
  }
  ReportTestHeader(
      "Chi-square test for sigificance\r\nof distributions difference\r\ninput vectors %s and "
      "%s\r\noutput stored in new vector <%s>",
      names);
  const VectorObject* result = ResultVector(names[2]);
  if (!result || result->size < 2 || result->at(1) == 0.0) {
    Report("Error:\r\nUnable to compute Chi-square test.");
    return {true, true};
  }
  Report("Chi-square = %G", result->at(1));
  Report("significance (P, two-tail)= %G", result->at(2));
  Report(
      "Significance is a probability that two \r\ndata sets are drawn from\r\nthe same "
      "distribution.");
  return {true, true};
}

}  // namespace

bool MomentsDialog() {
  ExplainedOperationForm form;
  form.title = "Moments of distribution";
  form.button = "Moments";
  form.explanation =
      "Output vector will contain moments of distribution:\nmean, average deviation, "
      "\nstandard deviation, variance, \nskewness (third moment), \nkurtosis (fourth moment).";
  form.sources = {SourceList("Select vector with input data", OBJMASK_VECTOR)};
  form.output = OutputList(
      "Please enter output vector name \nor select one of the existing objects from the "
      "drop-down list.",
      OBJMASK_VECTOR);
  return RunOperationDialog(form, ApplyMoments);
}

bool TTestDialog() {
  ExplainedOperationForm form = TestForm("Student's t-test", "t-test", "Student's t");
  return RunOperationDialog(form, ApplyTTest);
}

bool FTestDialog() {
  ExplainedOperationForm form = TestForm("F-test for different variances", "F-test", "F");
  return RunOperationDialog(form, ApplyFTest);
}

bool ChiSquareDialog() {
  ExplainedOperationForm form = TestForm("Shi-square test", "Chi-square", "Chi-square");
  return RunOperationDialog(form, ApplyChiSquare);
}

}  // namespace tq
