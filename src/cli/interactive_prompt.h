// The interactive prompt with line editing, history kept across sessions and
// Tab completion, for a terminal.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tq::cli {

// Reads lines at the prompt until end of input or until `run` returns
// false, passing each to `run`. Ctrl+C at the prompt clears the line being
// typed. The history is read from and written to HistoryFilePath().
void RunInteractivePrompt(const std::function<bool(const std::string&)>& run);

// Where the history is kept: $XDG_DATA_HOME/tallyquist/history, or
// ~/.local/share/tallyquist/history; "" when neither is known.
std::string HistoryFilePath();

// The completions of `word`, which starts at `start` in `line`: command
// words (with their colon) for the first word of a ":" line, otherwise the
// names of workspace objects, in list order.
std::vector<std::string> CompletionCandidates(const std::string& line, size_t start,
                                              const std::string& word);

// "quit" or "exit" alone on a line (blanks aside) ends the interactive session.
bool IsQuitWord(const std::string& line);

}  // namespace tq::cli
