#include "commands/value_editor.h"

#include "core/core_state.h"

#include <cstdio>

#include "commands/dialog.h"
#include "core/string_format.h"

namespace tq {

std::string CellText(double value) { return StringPrintf("%20.12G ", value); }

std::string CellEditText(double value) { return StringPrintf("%.12G", value); }

std::string RowNumberText(int32_t row) { return StringPrintf("%8d", row); }

std::string ColumnTitleText(int32_t column) { return StringPrintf("%9d ", column); }

bool StoreCellText(MathObject& object, int32_t row, int32_t column, std::string_view text) {
  if (text.empty() || text.size() > 254) return false;
  double value = 0.0;
  std::string copy(text);
  if (std::sscanf(copy.c_str(), "%lg", &value) != 1) return false;
  if (auto* matrix = dynamic_cast<MatrixObject*>(&object)) {
    if (row < 1 || row > matrix->rows || column < 1 || column > matrix->columns) return false;
    matrix->at(row, column) = value;
    NoteChange(CHANGE_OBJECT_VALUES);
    return true;
  }
  if (auto* vector = dynamic_cast<VectorObject*>(&object)) {
    if (row < 1 || row > vector->size || column != 1) return false;
    vector->at(row) = value;
    NoteChange(CHANGE_OBJECT_VALUES);
    return true;
  }
  return false;
}

ValueEditorForm ValueEditorFormFor(MathObject& object) {
  ValueEditorForm form;
  form.object = &object;
  if (object.kind == KIND_MATRIX) {
    form.title = "Edit values in matrix";
    form.rowColumnTitle = "Row \\ Col";
    form.rowColumnWidth = 60;
    form.valueColumnWidth = 130;
  } else {
    form.title = "Edit values in vector";
    form.rowColumnTitle = "Index";
    form.valueColumnTitle = "Value ";
    form.rowColumnWidth = 70;
    form.valueColumnWidth = 144;
  }
  return form;
}

void OpenValueEditor(MathObject& object) {
  ValueEditorForm form = ValueEditorFormFor(object);
  RunOkCancelDialog(form);
}

}  // namespace tq
