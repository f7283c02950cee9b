// The console's Ui port: report lines to standard output, message texts and
// questions to standard error, forms answered from the command's arguments.
#pragma once

#include <csignal>
#include <cstdio>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "core/queued_dialog.h"
#include "core/ui_port.h"

namespace tq::cli {

enum class QuestionAnswer { kAsk, kYes, kNo };

class ConsoleUi : public UiPort {
 public:
  // Fills a form shown by a command and names the button pressed; nothing
  // cancels it.
  using FormFiller = QueuedAnswer;

  ConsoleUi(FILE* out, FILE* err, bool interactive, QuestionAnswer answer);

  void Output(std::string_view line) override;
  void ShowMessage(std::string_view text) override;
  bool AskYesNo(std::string_view text) override;
  DialogResult RunDialog(Dialog& dialog) override;
  bool CancelRequested() override;
  void DropCancelRequest() override;

  // Values queued by :inputs for the input statements of scripts.
  std::deque<double>& queuedInputs() { return queuedInputs_; }
  // What Output wrote, within the output window's limit.
  std::string WindowText() override { return windowText_; }

  // The next forms a command shows are answered by these fillers, in order;
  // a dialog that stays open takes the next one, and one shown when none is
  // left (a dialog kept open after a refusal) is cancelled.
  void QueueForm(FormFiller filler) { fillers_.push_back(std::move(filler)); }
  void ClearForms() { fillers_.clear(); }

  // A console-only diagnostic (bad arguments of a console command).
  void Error(const std::string& text);

  // "script:line: " put before each message and diagnostic of the line
  // being run from a script ("" outside scripts); LocationShown tells
  // whether one was written since the location was set.
  void SetLocation(std::string location) {
    location_ = std::move(location);
    locationShown_ = false;
  }
  const std::string& location() const { return location_; }
  bool LocationShown() const { return locationShown_; }

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
  std::string location_;
  bool locationShown_ = false;

  void WriteLocation();
};

// Set by the SIGINT handler, read by the cancel poll and the prompt.
extern volatile std::sig_atomic_t g_interruptRequested;
// Set by the SIGINT handler and never cleared: a run that is not
// interactive ends after the line it interrupted.
extern volatile std::sig_atomic_t g_interruptSeen;
void InstallInterruptHandler();

}  // namespace tq::cli
