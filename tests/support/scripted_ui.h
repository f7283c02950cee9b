// A Ui port for tests: records every report line, message, question and
// form, and answers questions and forms from a script.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/object_list.h"
#include "core/ui_port.h"

namespace tq::testing {

class ScriptedUi : public UiPort {
 public:
  using FormAnswer = std::function<bool(Form&)>;

  void Output(std::string_view line) override;
  void ShowMessage(std::string_view text) override;
  bool AskYesNo(std::string_view text) override;
  bool ShowForm(Form& form) override;
  bool CancelRequested() override;
  void DropCancelRequest() override { cancelPending = false; }
  std::string WindowText() override { return output; }

  // Answers for the next questions, in order; with none left the answer is No.
  void AnswerQuestions(std::initializer_list<bool> answers);
  // Answers the next form of type T; with none left a form is cancelled.
  template <class T, class Fill>
  void AnswerForm(Fill fill) {
    forms_.push_back([fill](Form& form) {
      T* typed = dynamic_cast<T*>(&form);
      EXPECT_NE(typed, nullptr) << "a form of another type was shown";
      if (!typed) return false;
      fill(*typed);
      return true;
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
  int formsShown = 0;
  int polls = 0;

 private:
  std::deque<bool> answers_;
  std::deque<FormAnswer> forms_;
  int cancelAtPoll_ = 0;
};

// Every test starts from a fresh workspace, status and port.
class WorkbenchTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Appends `object` to the workspace under `name`.
  template <class T>
  T* Put(const std::string& name, std::unique_ptr<T> object) {
    object->name = name;
    T* raw = object.get();
    AddObject(std::move(object));
    return raw;
  }
  VectorObject* Vector(const std::string& name, std::initializer_list<double> values);
  // Elements first, first + 1, ... in row order.
  MatrixObject* Matrix(const std::string& name, int rows, int columns, double first = 1.0);
  template <class T>
  T* Get(const std::string& name) {
    return dynamic_cast<T*>(FindObject(name, OBJMASK_ANY));
  }

  ScriptedUi ui;
  Document document;
};

}  // namespace tq::testing
