// The port through which the engine and the commands talk to the user: the
// output window, message boxes, Yes/No questions, modal forms and the cancel
// poll. Each front end implements it once; tests use a scripted one.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

namespace tq {

// A dialog's fields as a plain struct. A front end shows it filled, lets the
// user change it and answers OK or Cancel.
struct Form {
  virtual ~Form() = default;
};

class UiPort {
 public:
  virtual ~UiPort() = default;
  // One line of the output window, ending in "\r\n" (a line may hold more).
  virtual void Output(std::string_view line) = 0;
  // A modal message box with an OK button.
  virtual void ShowMessage(std::string_view text) = 0;
  // A modal Yes/No question; true for Yes.
  virtual bool AskYesNo(std::string_view text) = 0;
  // A modal form; true for OK (the form then holds the user's entries).
  virtual bool ShowForm(Form& form) = 0;
  // True when the user has asked to interrupt since the last poll (a key
  // press or click in the desktop program, Ctrl+C in the console).
  virtual bool CancelRequested() = 0;
  // Forgets an interrupt that no poll has taken: it was meant for a command
  // that has ended.
  virtual void DropCancelRequest() {}
  // The whole text of the output window (what Save window text writes).
  virtual std::string WindowText() { return {}; }
};

// The front end's port; nothing is shown while none is set.
UiPort* CurrentUi();
void SetCurrentUi(UiPort* ui);

void ShowMessage(std::string_view text);
// No port answers No.
bool AskYesNo(std::string_view text);
bool ShowForm(Form& form);

// printf-style line into the output window, with "\r\n" appended.
void Report(const char* format, ...) __attribute__((format(printf, 1, 2)));
void ReportV(const char* format, va_list args);

}  // namespace tq
