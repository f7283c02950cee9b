// printf-style formatting into a std::string.
#pragma once

#include <cstdarg>
#include <string>

namespace tq {

std::string StringPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string StringPrintfV(const char* format, va_list args);

// Removes white space from both ends.
std::string TrimBlanks(std::string_view text);

}  // namespace tq
