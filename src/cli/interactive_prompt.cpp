#include "cli/interactive_prompt.h"

#include <sys/select.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <readline/history.h>
#include <readline/readline.h>

#include "cli/console_ui.h"

namespace tq::cli {

namespace {

constexpr const char* kPrompt = "tq> ";

std::function<void(const std::string&)>* g_run = nullptr;
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
  (*g_run)(line);
  if (!g_endOfInput) rl_callback_handler_install(kPrompt, OnLine);
}

}  // namespace

void RunInteractivePrompt(const std::function<void(const std::string&)>& run) {
  auto callback = run;
  g_run = &callback;
  g_endOfInput = false;
  rl_catch_signals = 0;
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
  g_run = nullptr;
}

}  // namespace tq::cli
