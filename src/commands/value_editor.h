// The grid editors of a matrix's or a vector's values. The front end draws
// the grid; storing a typed cell goes through StoreCellText.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/math_object.h"
#include "commands/form_visitor.h"
#include "core/ui_port.h"

namespace tq {

// "Edit values in matrix" / "Edit values in vector": works on the object
// itself; the only button is "Close".
// The grid's first column holds the row numbers; widths and the row height
// are in dialog units.
struct ValueEditorForm : Form {
  ValueEditorForm() { buttons = {{kOkButton, "Close"}}; }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  MathObject* object = nullptr;
  std::string rowColumnTitle;    // "Row \ Col" or "Index"
  std::string valueColumnTitle;  // a vector's "Value "; a matrix titles its columns by number
  int rowColumnWidth = 0;
  int valueColumnWidth = 0;
  int rowHeight = 20;
};

// The row number in the first column ("%8d") and a matrix column's title
// ("%9d "), both from 1.
std::string RowNumberText(int32_t row);
std::string ColumnTitleText(int32_t column);

// The text a cell shows ("%20.12LG ") and the text put into its edit box.
std::string CellText(double value);
std::string CellEditText(double value);

// Stores the number typed into cell (row, column), both from 1 (a vector's
// column is 1). Text that is not 1 to 254 characters or not a number leaves
// the element unchanged; returns whether it was stored.
bool StoreCellText(MathObject& object, int32_t row, int32_t column, std::string_view text);

// The editor's form for a matrix or a vector.
ValueEditorForm ValueEditorFormFor(MathObject& object);

// Opens the editor on a valid matrix or vector.
void OpenValueEditor(MathObject& object);

}  // namespace tq
