// The refusal of a numeric field whose text is not a number.
#pragma once

#include <string>
#include <string_view>

namespace tq {

// "Please enter a number in <label>." (the label without a trailing colon);
// "Please enter a number." for a field without a label.
inline std::string NotANumberMessage(std::string_view label) {
  while (!label.empty() && (label.back() == ':' || label.back() == ' ')) label.remove_suffix(1);
  if (label.empty()) return "Please enter a number.";
  return "Please enter a number in " + std::string(label) + ".";
}

}  // namespace tq
