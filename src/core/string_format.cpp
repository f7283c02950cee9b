#include "core/string_format.h"

#include <cstdio>
#include <string_view>

namespace tq {

std::string StringPrintfV(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  char small[256];
  int n = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  if (n < 0) return {};
  if (size_t(n) < sizeof small) return std::string(small, size_t(n));
  std::string out(size_t(n) + 1, '\0');
  std::vsnprintf(out.data(), out.size(), format, args);
  out.resize(size_t(n));
  return out;
}

std::string StringPrintf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string out = StringPrintfV(format, args);
  va_end(args);
  return out;
}

std::string TrimBlanks(std::string_view text) {
  size_t b = text.find_first_not_of(" \t\r\n\v\f");
  if (b == std::string_view::npos) return {};
  size_t e = text.find_last_not_of(" \t\r\n\v\f");
  return std::string(text.substr(b, e - b + 1));
}

}  // namespace tq
