// A Ui port for tests: records every report line, message, question and
// form, and answers questions and dialogs from a script.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "commands/form_visitor.h"
#include "core/object_list.h"
#include "core/queued_dialog.h"
#include "core/ui_port.h"

namespace tq::testing {

class ScriptedUi : public UiPort {
 public:
  // Fills a shown form and names the button pressed; nothing cancels.
  using FormAnswer = QueuedAnswer;

  void Output(std::string_view line) override;
  void ShowMessage(std::string_view text) override;
  bool AskYesNo(std::string_view text) override;
  bool AskYesNoWarning(std::string_view text) override;
  bool AskOkCancel(std::string_view text) override;
  // Answered from AnswerThreeWay, else Cancel.
  YesNoCancel AskYesNoCancel(std::string_view text) override;
  void ClearWindow() override { output.clear(); }
  // Each showing of the dialog takes the next answer and applies its
  // button; a dialog that stays open takes the next one.
  DialogResult RunDialog(Dialog& dialog) override;
  bool CancelRequested() override;
  void DropCancelRequest() override { cancelPending = false; }
  std::string WindowText() override { return output; }

  // Answers for the next questions, in order; with none left the answer is No.
  void AnswerQuestions(std::initializer_list<bool> answers);
  void AnswerThreeWay(YesNoCancel answer) { threeWay_.push_back(answer); }
  // Answers the next form of type T; with none left a form is cancelled.
  // `fill` returns nothing to press the form's default button, or the
  // button to press.
  template <class T, class Fill>
  void AnswerForm(Fill fill) {
    forms_.push_back([fill](Form& form) -> std::optional<ButtonId> {
      T* typed = FormCast<T>(form);
      EXPECT_NE(typed, nullptr) << "a form of another type was shown";
      if (!typed) return std::nullopt;
      if constexpr (std::is_void_v<decltype(fill(*typed))>) {
        fill(*typed);
        return form.defaultButton;
      } else {
        return ButtonId(fill(*typed));
      }
    });
  }
  // The cancel poll answers yes on its n-th call (counted from 1).
  void RequestCancelAtPoll(int n) { cancelAtPoll_ = n; }
  // An interrupt made now (as Ctrl+C while a command runs): the next poll
  // takes it unless it is dropped first.
  bool cancelPending = false;

  // The output window text, with "\r\n" line ends.
  std::string output;
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  // How each question was asked, in the order of `questions`.
  enum class QuestionKind { kYesNo, kYesNoWarning, kOkCancel, kYesNoCancel };
  std::vector<QuestionKind> questionKinds;
  int formsShown = 0;
  // The dialogs running now: a dialog opened from another's button sees 2.
  int dialogsOpen = 0;
  int polls = 0;

 private:
  std::deque<bool> answers_;
  std::deque<YesNoCancel> threeWay_;
  std::deque<FormAnswer> forms_;
  int cancelAtPoll_ = 0;
};

}  // namespace tq::testing
