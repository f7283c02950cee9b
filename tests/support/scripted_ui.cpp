#include "support/scripted_ui.h"

#include "core/queued_dialog.h"

namespace tq::testing {

void ScriptedUi::Output(std::string_view line) { output.append(line); }

void ScriptedUi::ShowMessage(std::string_view text) { messages.emplace_back(text); }

bool ScriptedUi::AskYesNo(std::string_view text) {
  questions.emplace_back(text);
  questionKinds.push_back(QuestionKind::kYesNo);
  if (answers_.empty()) return false;
  bool answer = answers_.front();
  answers_.pop_front();
  return answer;
}

bool ScriptedUi::AskYesNoWarning(std::string_view text) {
  bool answer = AskYesNo(text);
  questionKinds.back() = QuestionKind::kYesNoWarning;
  return answer;
}

bool ScriptedUi::AskOkCancel(std::string_view text) {
  bool answer = AskYesNo(text);
  questionKinds.back() = QuestionKind::kOkCancel;
  return answer;
}

YesNoCancel ScriptedUi::AskYesNoCancel(std::string_view text) {
  questions.emplace_back(text);
  questionKinds.push_back(QuestionKind::kYesNoCancel);
  if (threeWay_.empty()) return YesNoCancel::kCancel;
  YesNoCancel answer = threeWay_.front();
  threeWay_.pop_front();
  return answer;
}

DialogResult ScriptedUi::RunDialog(Dialog& dialog) {
  ++dialogsOpen;
  const DialogResult result = RunQueuedDialog(dialog, forms_, formsShown);
  --dialogsOpen;
  return result;
}

bool ScriptedUi::CancelRequested() {
  ++polls;
  if (cancelPending) {
    cancelPending = false;
    return true;
  }
  return polls == cancelAtPoll_;
}

void ScriptedUi::AnswerQuestions(std::initializer_list<bool> answers) {
  answers_.insert(answers_.end(), answers.begin(), answers.end());
}

}  // namespace tq::testing
