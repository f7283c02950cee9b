#include "commands/inverse_dialogs.h"

#include <string>
#include <vector>

#include "commands/operation_dialog.h"
#include "commands/statistics_forms.h"
#include "core/core_state.h"
#include "core/object_list.h"
#include "core/operation_status.h"
#include "core/ui_port.h"
#include "linalg/inverse.h"

namespace tq {

namespace {

constexpr uint32_t kMatricesAndVectors = OBJMASK_MATRIX | OBJMASK_VECTOR;
constexpr const char* kFirstLength =
    "Error:\nInvalid 1st argument.\nPlease select valid source matrix.";
constexpr const char* kOutputLength =
    "Error:\nInvalid output object name.\nPlease select or enter valid name.";

DialogResult ApplyInverse(const OperationForm& form, bool& carriedOut) {
  std::vector<std::string> names = ReadDialogNames(form);
  const std::string &source = names[0], &output = names[1];
  if (!CheckDialogNameLength(source, kFirstLength) ||
      !CheckDialogNameLength(output, kOutputLength))
    return kStayOpen;
  MathObject* a = FindDialogSource(source, kMatricesAndVectors, "1st");
  if (!a) return kStayOpen;
  if (!CheckOutputName(output, "matrix")) return kStayOpen;
  if (a->kind != KIND_MATRIX) {
    ShowMessage("Error:\nInvalid arguments type. First argument must be matrix.\n");
    return kStayOpen;
  }
  Core().userCancelled = 0;
  ResetOperationStatus();
  if (InvertMatrix(source, output) != 1) {
    ShowEngineFailureOrStop();
    return kStayOpen;
  }
  Report("Inversed Matrix <%s>\r\noutput stored in new matrix <%s>", source.c_str(),
         output.c_str());
  return CarriedOut(carriedOut);
}

DialogResult ApplySolve(const OperationForm& form, bool& carriedOut) {
  std::vector<std::string> names = ReadDialogNames(form);
  const std::string &nameA = names[0], &nameB = names[1], &output = names[2];
  if (!CheckDialogNameLength(nameA, kFirstLength) ||
      !CheckDialogNameLength(nameB,
                             "Error:\nInvalid 2nd argument.\nPlease select valid source vector.") ||
      !CheckDialogNameLength(output, kOutputLength))
    return kStayOpen;
  MathObject* a = FindDialogSource(nameA, kMatricesAndVectors, "1st");
  if (!a) return kStayOpen;
  MathObject* b = FindDialogSource(nameB, kMatricesAndVectors, "2nd");
  if (!b) return kStayOpen;
  if (!CheckOutputName(output, "vector")) return kStayOpen;
  if (a->kind != KIND_MATRIX || b->kind != KIND_VECTOR) {
    ShowMessage(
        "Error:\nInvalid arguments type. First argument must be matrix.\nSecond argument must be "
        "vector.");
    return kStayOpen;
  }
  Core().userCancelled = 0;
  ResetOperationStatus();
  if (SolveLinearSystem(nameA, nameB, output) != 1) {
    ShowEngineFailureOrStop();
    return kStayOpen;
  }
  Report(
      "Solved system of linear equations A*x=b\r\nMatrix A %s  Vector b %s\r\noutput stored in "
      "new vector <%s>",
      nameA.c_str(), nameB.c_str(), output.c_str());
  return CarriedOut(carriedOut);
}

}  // namespace

bool InverseDialog() {
  OperationForm form;
  form.title = "Inverse Matrix";
  form.SetButtonText(kOkButton, "Inverse Matrix");
  form.sources = {SourceList("Select Matrix from the list", OBJMASK_MATRIX)};
  form.output = OutputList(
      "Output name for inverse matrix\nPlease enter new matrix name or \nselect one of the "
      "existing objects from the drop-down list.",
      kMatricesAndVectors);
  return RunOperationDialog(form, ApplyInverse);
}

bool SolveDialog() {
  OperationForm form;
  form.title = "Solve system of linear equations";
  form.SetButtonText(kOkButton, "Solve equation");
  form.explanation = "Solving matrix equation Ax=b";
  form.sources = {SourceList("Select matrix A", OBJMASK_MATRIX),
                  SourceList("Select vector b", OBJMASK_VECTOR)};
  form.output = OutputList(
      "Output name for vector x\nPlease enter new vector name or \nselect one of the existing "
      "objects from the drop-down list.",
      kMatricesAndVectors);
  return RunOperationDialog(form, ApplySolve);
}

}  // namespace tq
