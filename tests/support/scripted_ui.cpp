#include "support/scripted_ui.h"

#include <algorithm>

#include "core/element_block.h"
#include "core/operation_status.h"
#include "core/queued_dialog.h"
#include "core/user_cancel.h"

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

void WorkbenchTest::SetUp() {
  ResetCoreState();
  SetCurrentDocument(&document);
  SetCurrentUi(&ui);
}

VectorObject* WorkbenchTest::Vector(const std::string& name, std::initializer_list<double> values) {
  auto* v = Put(name, std::make_unique<VectorObject>(int32_t(values.size()), 0.0));
  std::copy(values.begin(), values.end(), v->data());
  return v;
}

MatrixObject* WorkbenchTest::Matrix(const std::string& name, int rows, int columns, double first) {
  auto* m = Put(name, std::make_unique<MatrixObject>(columns, rows, 0.0));
  for (int64_t i = 0; i < m->count(); ++i) m->data()[i] = first + double(i);
  return m;
}

void WorkbenchTest::TearDown() {
  SetAllocationFailureAfter(-1);
  SetCurrentUi(nullptr);
  SetCurrentDocument(nullptr);
}

}  // namespace tq::testing
