// The Matrix menu's object commands: create, delete, display and edit.
#pragma once

#include <cstdint>
#include <string>

#include "core/math_object.h"

namespace tq {

// Each returns true when the command was carried out.
bool CreateObjectCommand();
bool DeleteObjectsCommand();
bool DisplayCommand();
bool EditCommand();

// 1 when the object was displayed.
int32_t DisplayObject(const std::string& name);
// 1 when an editor was opened (the editor itself belongs to the front end).
int32_t EditObject(const std::string& name);

int32_t DisplayMatrix(const MathObject* object);
int32_t DisplayVector(const MathObject* object);

// Removes the trailing zeros of a formatted number and pads it on the left
// with blanks to `width`.
void TrimNumber(std::string& text, size_t width);

// The entries of the object list dialogs (matrices and vectors, failed ones
// included), sorted as the list control shows them.
std::vector<std::string> MatrixAndVectorEntries();

}  // namespace tq
