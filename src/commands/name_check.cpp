#include "commands/name_check.h"

#include <string>

#include "core/core_state.h"
#include "core/object_list.h"
#include "core/ui_port.h"

namespace tq {

namespace {

// The message of a reserved word, or nullptr for a rule the caller words.
const char* ReservedWordMessage(NameRule broken) {
  switch (broken) {
    case NameRule::kReservedKeyword:
      return "Error: new variable name is reserved keyword \n<";
    case NameRule::kReservedFunction:
      return "Error: new variable name is reserved function name \n<";
    default:
      return nullptr;
  }
}

}  // namespace

int32_t ValidateNewName(std::string_view name) {
  Core().nameMessageShown = 0;
  const NameRule broken = BrokenNameRule(name);
  if (broken == NameRule::kValid) return 1;
  if (const char* message = ReservedWordMessage(broken)) {
    ShowMessage(message + std::string(name) + ">\nPlease choose another name.");
    Core().nameMessageShown = 1;
  }
  return 0;
}

}  // namespace tq
