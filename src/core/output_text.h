// The output window's text, bounded the way the window bounds it, so that a
// command printing without end runs in constant memory. Every front end
// keeps the window text through this one rule.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tq {

// The most characters the output window holds before it drops old text.
inline constexpr size_t kOutputTextLimit = 32000;

// Appends one report line. With limit = the smaller of `editorLimit` and
// kOutputTextLimit: a line longer than limit / 4 is cut to limit / 4
// characters; when the text and the line together exceed the limit and the
// text already holds at least limit characters, the oldest quarter goes, up to and including the
// first line feed from a quarter of the text (or its middle when none comes
// before it). The text therefore never exceeds limit + limit / 4 - 1.
// Returns what changed, so that a window holding the same text can apply it.
struct OutputAppend {
  size_t dropped = 0;   // characters removed from the start
  size_t appended = 0;  // characters of the line added at the end
};
OutputAppend AppendOutputText(std::string& text, std::string_view line,
                              size_t editorLimit = kOutputTextLimit);

}  // namespace tq
