#include "cli/interactive_prompt.h"

#include <sys/select.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <readline/history.h>
#include <readline/readline.h>

#include "cli/console_commands.h"
#include "cli/console_ui.h"
#include "core/math_object.h"
#include "core/object_list.h"

namespace tq::cli {

namespace {

constexpr const char* kPrompt = "tq> ";
constexpr int kHistoryLines = 1000;

std::function<bool(const std::string&)>* g_run = nullptr;
bool g_endOfInput = false;

void OnLine(char* text) {
  if (!text) {
    g_endOfInput = true;
    rl_callback_handler_remove();
    return;
  }
  std::string line = text;
  std::free(text);
  if (!line.empty()) add_history(line.c_str());
  // Run the line outside readline's prompt, then show a fresh prompt.
  rl_callback_handler_remove();
  if (!(*g_run)(line)) g_endOfInput = true;
  if (!g_endOfInput) rl_callback_handler_install(kPrompt, OnLine);
}

std::vector<std::string> g_matches;

char* NextMatch(const char*, int state) {
  static size_t next = 0;
  if (state == 0) next = 0;
  if (next >= g_matches.size()) return nullptr;
  return strdup(g_matches[next++].c_str());
}

char** Complete(const char* text, int start, int) {
  g_matches = CompletionCandidates(rl_line_buffer, size_t(start), text);
  rl_attempted_completion_over = 1;  // no file names
  return rl_completion_matches(text, NextMatch);
}

// Creates the directories of `path` that do not exist yet.
void MakeParents(const std::string& path) {
  for (size_t at = path.find('/', 1); at != std::string::npos; at = path.find('/', at + 1))
    mkdir(path.substr(0, at).c_str(), 0700);
}

}  // namespace

std::string HistoryFilePath() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
    return std::string(data) + "/tallyquist/history";
  if (const char* home = std::getenv("HOME"); home && *home)
    return std::string(home) + "/.local/share/tallyquist/history";
  return {};
}

bool IsQuitWord(const std::string& line) {
  size_t first = line.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return false;
  size_t last = line.find_last_not_of(" \t\r\n");
  std::string word = line.substr(first, last - first + 1);
  return word == "quit" || word == "exit";
}

std::vector<std::string> CompletionCandidates(const std::string& line, size_t start,
                                              const std::string& word) {
  std::vector<std::string> out;
  size_t first = line.find_first_not_of(" \t");
  const bool commandWord = first != std::string::npos && line[first] == ':' &&
                           line.find_first_of(" \t", first) >= start;
  if (commandWord) {
    // The word may or may not include the colon (readline splits at blanks).
    std::string typed = word.rfind(':', 0) == 0 ? word.substr(1) : word;
    std::string prefix = word.rfind(':', 0) == 0 ? ":" : "";
    for (const ConsoleCommand& command : ConsoleCommands())
      if (std::string(command.name).rfind(typed, 0) == 0) out.push_back(prefix + command.name);
    return out;
  }
  for (const std::string& name : ObjectListEntries(OBJMASK_ANY | OBJMASK_NAMES_ONLY))
    if (name.rfind(word, 0) == 0) out.push_back(name);
  return out;
}

void RunInteractivePrompt(const std::function<bool(const std::string&)>& run) {
  auto callback = run;
  g_run = &callback;
  g_endOfInput = false;
  rl_catch_signals = 0;
  rl_attempted_completion_function = Complete;
  // Names and command words end at blanks and operators, not at the colon.
  rl_basic_word_break_characters = const_cast<char*>(" \t\n\"()+-*/^<>=!&|,;$");
  const std::string historyPath = HistoryFilePath();
  if (!historyPath.empty()) read_history(historyPath.c_str());
  rl_callback_handler_install(kPrompt, OnLine);
  while (!g_endOfInput) {
    fd_set fds;
    FD_ZERO(&fds);
    FD_SET(STDIN_FILENO, &fds);
    int ready = select(STDIN_FILENO + 1, &fds, nullptr, nullptr, nullptr);
    if (ready < 0) {
      if (errno != EINTR) break;
      if (g_interruptRequested) {
        // Ctrl+C at the prompt clears the line.
        g_interruptRequested = 0;
        rl_free_line_state();
        rl_replace_line("", 0);
        rl_crlf();
        rl_on_new_line();
        rl_redisplay();
      }
      continue;
    }
    rl_callback_read_char();
  }
  if (!g_endOfInput) rl_callback_handler_remove();
  std::fputc('\n', stdout);
  if (!historyPath.empty()) {
    MakeParents(historyPath);
    if (write_history(historyPath.c_str()) == 0) history_truncate_file(historyPath.c_str(), kHistoryLines);
  }
  g_run = nullptr;
}

}  // namespace tq::cli
