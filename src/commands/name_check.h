// The name check of every dialog that names a new object.
#pragma once

#include <cstdint>
#include <string_view>

namespace tq {

// 1 when `name` may name a new object. A reserved keyword or function name
// is refused with its message, which sets Core().nameMessageShown; a malformed
// name is refused silently, for the caller's own message.
int32_t ValidateNewName(std::string_view name);

}  // namespace tq
