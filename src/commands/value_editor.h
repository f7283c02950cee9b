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
struct ValueEditorForm : Form {
  ValueEditorForm() { buttons = {{kOkButton, "Close"}}; }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  MathObject* object = nullptr;
};

// The text a cell shows ("%20.12LG ") and the text put into its edit box.
std::string CellText(double value);
std::string CellEditText(double value);

// Stores the number typed into cell (row, column), both from 1 (a vector's
// column is 1). Text that is not 1 to 254 characters or not a number leaves
// the element unchanged; returns whether it was stored.
bool StoreCellText(MathObject& object, int32_t row, int32_t column, std::string_view text);

// Opens the editor on a valid matrix or vector.
void OpenValueEditor(MathObject& object);

}  // namespace tq
