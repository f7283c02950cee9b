#include "commands/entry_names.h"

#include "core/string_format.h"

namespace tq {

namespace {

void CutAt(std::string& text, const char* stops) {
  if (text.empty() || text.size() > 999) return;
  size_t at = text.find_first_of(stops);
  if (at != std::string::npos) text.erase(at);
}

}  // namespace

void CutEntryName(std::string& text) { CutAt(text, " :"); }

void CutAtFirstBlank(std::string& text) { CutAt(text, " "); }

std::string ReadEntryName(const std::string& text) {
  std::string name = TrimBlanks(text);
  CutEntryName(name);
  return name;
}

}  // namespace tq
