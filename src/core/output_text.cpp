#include "core/output_text.h"

#include <algorithm>

namespace tq {

OutputAppend AppendOutputText(std::string& text, std::string_view line, size_t editorLimit) {
  OutputAppend change;
  const size_t limit = std::min(editorLimit, kOutputTextLimit);
  if (line.size() > limit / 4) line = line.substr(0, limit / 4);
  if (text.size() + line.size() > limit && text.size() >= limit) {
    const size_t n = text.size();
    size_t cut = text.find('\n', n / 4);
    if (cut == std::string::npos || cut >= n / 2) cut = n / 2;
    text.erase(0, cut + 1);
    change.dropped = cut + 1;
  }
  text.append(line);
  change.appended = line.size();
  return change;
}

}  // namespace tq
