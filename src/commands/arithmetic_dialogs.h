// The Add, Subtract, Multiply and Transpose dialogs. Each returns true when
// the operation was carried out.
#pragma once

namespace tq {

bool AddDialog();
bool SubtractDialog();
bool MultiplyDialog();
bool TransposeDialog();

}  // namespace tq
