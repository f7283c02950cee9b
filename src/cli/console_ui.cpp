#include "cli/console_ui.h"

#include <signal.h>

#include <cctype>
#include <iostream>
#include <string>

#include "core/output_text.h"
#include "core/queued_dialog.h"

namespace tq::cli {

volatile std::sig_atomic_t g_interruptRequested = 0;
volatile std::sig_atomic_t g_interruptSeen = 0;

namespace {

void OnInterrupt(int) {
  g_interruptRequested = 1;
  g_interruptSeen = 1;
}

std::string Lowered(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

void InstallInterruptHandler() {
  struct sigaction action = {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a blocking read returns so the prompt can react
  sigaction(SIGINT, &action, nullptr);
}

ConsoleUi::ConsoleUi(FILE* out, FILE* err, bool interactive, QuestionAnswer answer)
    : out_(out), err_(err), interactive_(interactive), answer_(answer) {}

void ConsoleUi::Output(std::string_view line) {
  // Only what the output window would still hold is kept for :savetext.
  AppendOutputText(windowText_, line);
  // The output window's "\r\n" line ends become plain line ends.
  size_t from = 0;
  while (from < line.size()) {
    size_t at = line.find("\r\n", from);
    if (at == std::string_view::npos) {
      std::fwrite(line.data() + from, 1, line.size() - from, out_);
      break;
    }
    std::fwrite(line.data() + from, 1, at - from, out_);
    std::fputc('\n', out_);
    from = at + 2;
  }
}

void ConsoleUi::WriteLocation() {
  if (location_.empty()) return;
  std::fputs(location_.c_str(), err_);
  locationShown_ = true;
}

void ConsoleUi::ShowMessage(std::string_view text) {
  std::fflush(out_);
  WriteLocation();
  std::fwrite(text.data(), 1, text.size(), err_);
  std::fputc('\n', err_);
  std::fflush(err_);
}

bool ConsoleUi::AskYesNo(std::string_view text) {
  std::fflush(out_);
  std::fwrite(text.data(), 1, text.size(), err_);
  std::fputc('\n', err_);
  bool yes = false;
  if (stopPending_) {
    stopPending_ = false;
    yes = true;
  } else if (answer_ == QuestionAnswer::kYes) {
    yes = true;
  } else if (answer_ == QuestionAnswer::kAsk && interactive_) {
    for (;;) {
      std::fputs("(y/n) ", err_);
      std::fflush(err_);
      std::string reply;
      if (!std::getline(std::cin, reply)) break;
      reply = Lowered(reply);
      if (reply == "y" || reply == "yes") {
        yes = true;
        break;
      }
      if (reply == "n" || reply == "no") break;
    }
  }
  std::fputs(yes ? "[Yes]\n" : "[No]\n", err_);
  std::fflush(err_);
  return yes;
}

DialogResult ConsoleUi::RunDialog(Dialog& dialog) {
  int shown = 0;
  return RunQueuedDialog(dialog, fillers_, shown);
}

bool ConsoleUi::CancelRequested() {
  if (!g_interruptRequested) return false;
  g_interruptRequested = 0;
  // On a terminal the user answers the stop question; in a script the
  // interrupt stops the calculation at once.
  if (!interactive_) stopPending_ = true;
  return true;
}

void ConsoleUi::DropCancelRequest() {
  g_interruptRequested = 0;
  stopPending_ = false;
}

void ConsoleUi::Error(const std::string& text) {
  std::fflush(out_);
  WriteLocation();
  std::fprintf(err_, "%s\n", text.c_str());
  std::fflush(err_);
}

}  // namespace tq::cli
