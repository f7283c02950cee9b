// The port through which the commands talk to the user: the output window,
// message boxes, Yes/No questions, dialogs and the cancel poll. Each front end
// implements it once; tests use a scripted one. Engines use only Report and
// the cancel poll (PollUserCancel); messages, questions and dialogs are the
// commands' own.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

// Declared with every concrete form in the command layer (commands/form_visitor.h):
// a front end shows a form by visiting it, so one that misses a form fails to build.
class FormVisitor;

// A button of a dialog. Ids below kFirstFormButton are shared; a form with
// more buttons numbers them from kFirstFormButton.
using ButtonId = int;
inline constexpr ButtonId kCancelButton = -1;  // Cancel, the close box, Escape
inline constexpr ButtonId kOkButton = 0;
inline constexpr ButtonId kFirstFormButton = 1;

struct FormButton {
  ButtonId id;
  std::string text;
};

// A dialog's fields as a plain struct, with its title and its buttons in the
// order shown. A front end shows it filled and lets the user change it.
struct Form {
  Form() : buttons{{kOkButton, "OK"}, {kCancelButton, "Cancel"}} {}
  virtual ~Form() = default;
  virtual void Accept(FormVisitor& visitor) = 0;

  // The text of button `id`; empty when the form has no such button.
  const std::string& ButtonText(ButtonId id) const;
  // Renames button `id` (the action button of a shared form).
  void SetButtonText(ButtonId id, std::string text);
  // Whether the dialog goes out of sight while button `id`'s action runs,
  // the entries just read being in the form: a dialog that hands over to
  // further dialogs and a computation, and comes back with those entries
  // when the action keeps it open.
  virtual bool HidesWhileActing(ButtonId) const { return false; }

  std::string title;
  std::vector<FormButton> buttons;
  ButtonId defaultButton = kOkButton;  // what Enter presses
};

// What a button of an open dialog led to: close the dialog, keep it open
// (after the message that says why), or end it as cancelled.
enum class DialogResult { kClose, kStayOpen, kCancelled };

// The answer to a Yes/No/Cancel question.
enum class YesNoCancel { kYes, kNo, kCancel };

// A form and what its buttons do. A front end shows form(), calls Apply for
// each button pressed (with the form holding the user's entries) and closes
// the dialog only when Apply answers kClose or kCancelled. Cancel and the
// close box end the dialog as kCancelled without calling Apply. Apply may
// run another dialog while this one stays open.
class Dialog {
 public:
  virtual ~Dialog() = default;
  virtual Form& form() = 0;
  virtual DialogResult Apply(ButtonId button) = 0;
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
  // A Yes/No question with the exclamation icon: a warning before a step
  // that cannot be undone.
  virtual bool AskYesNoWarning(std::string_view text) { return AskYesNo(text); }
  // A modal box with OK and Cancel; true for OK.
  virtual bool AskOkCancel(std::string_view text) { return AskYesNo(text); }
  // A modal Yes/No/Cancel question.
  virtual YesNoCancel AskYesNoCancel(std::string_view text) {
    return AskYesNo(text) ? YesNoCancel::kYes : YesNoCancel::kNo;
  }
  // Runs a modal dialog until Apply closes it or the user cancels; returns
  // the last result (kClose or kCancelled).
  virtual DialogResult RunDialog(Dialog& dialog) = 0;
  // True when the user has asked to interrupt since the last poll (a key
  // press or click in the desktop program, Ctrl+C in the console).
  //
  // The engines call it from their loops, possibly once per element, with
  // nothing of theirs on screen being safe to change. A desktop front end
  // rate-limits itself (for example looks at its event queue at most every
  // 50 ms and answers false in between), processes only the events that keep
  // the window alive (paint, resize) and the interrupt keys and clicks, and
  // drops every other input event: no command may start while one runs.
  // After true the engine asks the stop question through AskYesNo.
  virtual bool CancelRequested() = 0;
  // Forgets an interrupt that no poll has taken: it was meant for a command
  // that has ended.
  virtual void DropCancelRequest() {}
  // The whole text of the output window (what Save window text writes).
  virtual std::string WindowText() { return {}; }
  // Empties the output window.
  virtual void ClearWindow() {}
};

// The front end's port; nothing is shown while none is set.
UiPort* CurrentUi();
void SetCurrentUi(UiPort* ui);

void ShowMessage(std::string_view text);
// No port answers No (and Cancel, for the questions that have it).
bool AskYesNo(std::string_view text);
bool AskYesNoWarning(std::string_view text);
bool AskOkCancel(std::string_view text);
YesNoCancel AskYesNoCancel(std::string_view text);
// No port cancels.
DialogResult RunDialog(Dialog& dialog);

// printf-style line into the output window, with "\r\n" appended.
void Report(const char* format, ...) __attribute__((format(printf, 1, 2)));
void ReportV(const char* format, va_list args);

}  // namespace tq
