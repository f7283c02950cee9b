// The pattern shared by the operation dialogs of linear algebra and
// statistics: read and cut the names, check their lengths, look the sources
// up, validate the output name, call the engine, report or show the error.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "commands/dialog.h"
#include "commands/forms.h"
#include "core/math_object.h"
#include "core/user_cancel.h"

namespace tq {

// A source list of the dialog's form, filled with the objects of `mask`.
NameList SourceList(const char* label, uint32_t mask);
// The editable output list, filled with the bare names of `mask`'s objects.
NameList OutputList(const char* label, uint32_t mask);

// Step 1: the names of every source list, then the output name.
std::vector<std::string> ReadDialogNames(const OperationForm& form);

// Step 2: shows `message` unless the name is 1 to 1000 characters long.
bool CheckDialogNameLength(const std::string& name, const char* message);

// Step 3: "Unable to find 1st argument" (ordinal "1st" or "2nd").
MathObject* FindDialogSource(const std::string& name, uint32_t mask, const char* ordinal);

// Step 4: the output name rules, with the dialog's own message ("matrix" or
// "vector") unless the check has shown its own.
bool CheckOutputName(const std::string& name, const char* outputKind);

// Step 8: the engine's message, or the generic one.
void ShowEngineFailure();
// The same for an engine the user may stop: after a confirmed stop the
// message the compute dialog shows. The dialog sets Core().userCancelled to
// 0 before it calls the engine.
void ShowEngineFailureOrStop();

// Runs the dialog: `apply(form, carriedOut)` runs the action button's
// checks in their order and answers whether the dialog closes. Returns
// whether the operation was carried out. The operations do not poll, so a
// stop request made while one ran is dropped when it ends.
template <class ApplyFn>
bool RunOperationDialog(OperationForm& form, ApplyFn apply) {
  StopRequestsEndHere unstoppable;
  bool carriedOut = false;
  RunDialog(form, [&](ButtonId) { return apply(form, carriedOut); });
  return carriedOut;
}

}  // namespace tq
