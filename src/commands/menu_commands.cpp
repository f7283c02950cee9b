#include "commands/menu_commands.h"

#include <cstdint>

#include "commands/arithmetic_dialogs.h"
#include "commands/object_commands.h"
#include "core/object_list.h"
#include "core/ui_port.h"

namespace tq {

namespace {

constexpr const char* kNoMatricesOrVectors =
    "There are no matrices or vectors in the list. You must create matrix or vector before using "
    "this function.";
constexpr const char* kNoMatrices =
    "There are no matrices in the list. You must create matrix before using this function.";

// A precondition: some object of the kinds in `mask` exists.
bool Require(uint32_t mask, const char* message) {
  if (FindFirstObject(mask)) return true;
  ShowMessage(message);
  return false;
}

}  // namespace

bool MenuCreateObject() { return CreateObjectCommand(); }

bool MenuEditObject() {
  return Require(OBJMASK_MATRIX | OBJMASK_VECTOR, kNoMatricesOrVectors) && EditCommand();
}

bool MenuDeleteObjects() {
  return Require(OBJMASK_MATRIX | OBJMASK_VECTOR, kNoMatricesOrVectors) && DeleteObjectsCommand();
}

bool MenuDisplayObject() {
  return Require(OBJMASK_MATRIX | OBJMASK_VECTOR, kNoMatricesOrVectors) && DisplayCommand();
}

bool MenuTranspose() { return Require(OBJMASK_MATRIX, kNoMatrices) && TransposeDialog(); }

bool MenuAdd() { return Require(OBJMASK_MATRIX | OBJMASK_VECTOR, kNoMatricesOrVectors) && AddDialog(); }

bool MenuSubtract() {
  return Require(OBJMASK_MATRIX | OBJMASK_VECTOR, kNoMatricesOrVectors) && SubtractDialog();
}

bool MenuMultiply() {
  return Require(OBJMASK_MATRIX | OBJMASK_VECTOR, kNoMatricesOrVectors) && MultiplyDialog();
}

bool MenuDeleteAllObjects() {
  if (!AskYesNoWarning("This will delete all existing objects; i.e. all matrices, vectors, variables, "
                "functions, charts will be deleted. List of objects will be empty. Are you sure "
                "you want to continue?"))
    return false;
  DeleteAllObjects();
  return true;
}

}  // namespace tq
