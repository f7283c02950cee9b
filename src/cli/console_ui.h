// The console's Ui port: report lines to standard output, message texts and
// questions to standard error, forms answered from the command's arguments.
#pragma once

#include <csignal>
#include <cstdio>
#include <deque>
#include <functional>
#include <string>

#include "core/ui_port.h"

namespace tq::cli {

enum class QuestionAnswer { kAsk, kYes, kNo };

class ConsoleUi : public UiPort {
 public:
  // Fills a form shown by a command; returns false to cancel it.
  using FormFiller = std::function<bool(Form&)>;

  ConsoleUi(FILE* out, FILE* err, bool interactive, QuestionAnswer answer);

  void Output(std::string_view line) override;
  void ShowMessage(std::string_view text) override;
  bool AskYesNo(std::string_view text) override;
  bool ShowForm(Form& form) override;
  bool CancelRequested() override;
  void DropCancelRequest() override;

  // Values queued by :inputs for the input statements of scripts.
  std::deque<double>& queuedInputs() { return queuedInputs_; }
  // What Output wrote, within the output window's limit.
  std::string WindowText() override { return windowText_; }

  // The next forms a command shows are answered by these fillers, in order;
  // a form shown when none is left (a dialog shown again after a refusal)
  // is cancelled.
  void QueueForm(FormFiller filler) { fillers_.push_back(std::move(filler)); }
  void ClearForms() { fillers_.clear(); }

  // A console-only diagnostic (bad arguments of a console command).
  void Error(const std::string& text);

  bool interactive() const { return interactive_; }

 private:
  std::deque<double> queuedInputs_;
  FILE* out_;
  FILE* err_;
  bool interactive_;
  QuestionAnswer answer_;
  bool stopPending_ = false;  // an interrupt in a script: its question is answered Yes
  std::deque<FormFiller> fillers_;
  std::string windowText_;
};

// Set by the SIGINT handler, read by the cancel poll and the prompt.
extern volatile std::sig_atomic_t g_interruptRequested;
void InstallInterruptHandler();

}  // namespace tq::cli
