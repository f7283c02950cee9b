#include "commands/arithmetic_dialogs.h"

#include <cstdint>
#include <string>

#include "commands/operation_dialog.h"
#include "core/core_state.h"
#include "core/object_list.h"
#include "core/operation_status.h"
#include "core/ui_port.h"
#include "linalg/arithmetic.h"

namespace tq {

namespace {

constexpr uint32_t kMatricesAndVectors = OBJMASK_MATRIX | OBJMASK_VECTOR;
constexpr const char* kFirstLabel = "Select first matrix or vector";
constexpr const char* kSecondLabel = "Select second matrix or vector";
constexpr const char* kOutputLabel =
    "Output matrix name\nPlease enter new matrix name or \nselect one of the existing objects "
    "from the drop-down list.";
constexpr const char* kFirstLength =
    "Error:\nInvalid 1st argument.\nPlease select valid source matrix or vector.";
constexpr const char* kSecondLength =
    "Error:\nInvalid 2nd argument.\nPlease select valid source matrix or vector.";

using Engine = int32_t (*)(const std::string&, const std::string&, const std::string&);

// What differs between the three two-source dialogs.
struct TwoSourceDialog {
  const char* title;
  const char* button;
  const char* outputLength;
  const char* kindMessage;
  Engine matrices;       // matrix with matrix
  Engine matrixVector;   // matrix with vector, or nullptr
  Engine vectors;        // vector with vector
  const char* matricesReport;
  const char* matrixVectorReport;
  const char* vectorsReport;
  bool closeOnFailure;
};

OperationForm TwoSourceForm(const TwoSourceDialog& dialog) {
  OperationForm form;
  form.title = dialog.title;
  form.SetButtonText(kOkButton, dialog.button);
  form.sources = {SourceList(kFirstLabel, kMatricesAndVectors),
                  SourceList(kSecondLabel, kMatricesAndVectors)};
  form.output = OutputList(kOutputLabel, kMatricesAndVectors);
  return form;
}

DialogResult ApplyTwoSource(const TwoSourceDialog& dialog, const OperationForm& form,
                            bool& carriedOut) {
  std::vector<std::string> names = ReadDialogNames(form);
  const std::string &first = names[0], &second = names[1], &output = names[2];
  if (!CheckDialogNameLength(first, kFirstLength) ||
      !CheckDialogNameLength(second, kSecondLength) ||
      !CheckDialogNameLength(output, dialog.outputLength))
    return kStayOpen;
  MathObject* a = FindDialogSource(first, kMatricesAndVectors, "1st");
  if (!a) return kStayOpen;
  MathObject* b = FindDialogSource(second, kMatricesAndVectors, "2nd");
  if (!b) return kStayOpen;
  if (!CheckOutputName(output, "matrix")) return kStayOpen;

  Engine engine = nullptr;
  const char* report = nullptr;
  if (a->kind == KIND_MATRIX && b->kind == KIND_MATRIX) {
    engine = dialog.matrices;
    report = dialog.matricesReport;
  } else if (a->kind == KIND_MATRIX && b->kind == KIND_VECTOR && dialog.matrixVector) {
    engine = dialog.matrixVector;
    report = dialog.matrixVectorReport;
  } else if (a->kind == KIND_VECTOR && b->kind == KIND_VECTOR) {
    engine = dialog.vectors;
    report = dialog.vectorsReport;
  }
  if (!engine) {
    ShowMessage(dialog.kindMessage);
    return kStayOpen;
  }
  Core().userCancelled = 0;
  ResetOperationStatus();
  if (engine(first, second, output) == 1) {
    Report(report, first.c_str(), second.c_str(), output.c_str());
    return CarriedOut(carriedOut);
  }
  ShowEngineFailureOrStop();
  return dialog.closeOnFailure ? kCloseDialog : kStayOpen;
}

bool RunTwoSourceDialog(const TwoSourceDialog& dialog) {
  OperationForm form = TwoSourceForm(dialog);
  return RunOperationDialog(
      form, [&](OperationForm& f, bool& carriedOut) { return ApplyTwoSource(dialog, f, carriedOut); });
}

}  // namespace

bool AddDialog() {
  static constexpr TwoSourceDialog kAdd = {
      "Add Matrices or Vectors",
      "Add",
      "Error:\nInvalid output matrix name.\nPlease select or enter valid name.",
      "Error:\nInvalid arguments type. Both arguments must be of the same type:\nmatrix + "
      "matrix\nor vector + vector.",
      AddMatrices,
      nullptr,
      AddVectors,
      "Added matrices %s and %s\r\noutput stored in new matrix <%s>",
      nullptr,
      "Added vectors %s and %s\r\noutput stored in new vector <%s>",
      true};
  return RunTwoSourceDialog(kAdd);
}

bool SubtractDialog() {
  static constexpr TwoSourceDialog kSubtract = {
      "Subtract Matrices or Vectors",
      "Subtract",
      "Error:\nInvalid output matrix name.\nPlease select or enter valid name.",
      "Error:\nInvalid arguments type. Both arguments must be of the same type:\nmatrix - "
      "matrix\nor vector - vector.",
      SubtractMatrices,
      nullptr,
      SubtractVectors,
      "Subtracted matrices %s and %s\r\noutput stored in new matrix <%s>",
      nullptr,
      "Subtracted vectors %s and %s\r\noutput stored in new vector <%s>",
      true};
  return RunTwoSourceDialog(kSubtract);
}

bool MultiplyDialog() {
  static constexpr TwoSourceDialog kMultiply = {
      "Multiply Matrices and Vectors",
      "Multiply",
      "Error:\nInvalid output object name.\nPlease select or enter valid name.",
      "Error:\nInvalid arguments type. Arguments must be of the following type:\nmatrix x "
      "matrix\normatrix x vector\nor vector x vector.",
      MultiplyMatrices,
      MultiplyMatrixVector,
      MultiplyVectors,
      "Multiplied matrices %s and %s\r\noutput stored in new matrix <%s>",
      "Multiplied matrix %s and vector %s\r\noutput stored in new matrix <%s>",
      "Multiplied vectors %s and %s\r\noutput stored in new vector <%s>",
      false};
  return RunTwoSourceDialog(kMultiply);
}

bool TransposeDialog() {
  OperationForm form;
  form.title = "Transpose Matrix";
  form.SetButtonText(kOkButton, "Transpose");
  form.sources = {SourceList("Select matrix from the list", OBJMASK_MATRIX)};
  form.output = OutputList(kOutputLabel, kMatricesAndVectors);
  return RunOperationDialog(form, [](OperationForm& f, bool& carriedOut) -> DialogResult {
    std::vector<std::string> names = ReadDialogNames(f);
    const std::string &source = names[0], &output = names[1];
    if (!CheckDialogNameLength(source, "Error:\nInvalid argument.\nPlease select valid source "
                                       "matrix.") ||
        !CheckDialogNameLength(output, "Error:\nInvalid output matrix name.\nPlease select or "
                                       "enter valid name."))
      return kStayOpen;
    if (!FindObject(source, OBJMASK_MATRIX)) {
      ShowMessage("Error:\nUnable to find source matrix\n<" + source +
                  ">\nPlease select or enter valid name.");
      return kStayOpen;
    }
    if (!CheckOutputName(output, "matrix")) return kStayOpen;
    ResetOperationStatus();
    if (TransposeMatrix(source, output) == 1) {
      Report("Transposed matrix <%s>\r\noutput stored in new matrix <%s>", source.c_str(),
             output.c_str());
      return CarriedOut(carriedOut);
    }
    ShowEngineFailure();
    return kCloseDialog;
  });
}

}  // namespace tq
