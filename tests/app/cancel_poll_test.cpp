// While a command computes, a key press is the request to stop it, and no
// other input reaches the program.
#include <QAbstractButton>
#include <QTest>
#include <QTimer>

#include "app/app_test.h"
#include "app/output_window.h"
#include "app/qt_ui_port.h"
#include "commands/function_commands.h"
#include "core/object_list.h"
#include "lang/element_compute.h"

namespace tq::app::testing {
namespace {

class CancelPollTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    auto function = std::make_unique<FunctionObject>("i=0\nwhile (1)\ni=i+1\nend\ni");
    function->name = "f";
    AddObject(std::move(function));
  }
  // Answers the stop question with `answer`; after a Yes, the message that
  // the run ended is acknowledged.
  void AnswerStopQuestion(QMessageBox::StandardButton answer) {
    OnNextModal([this, answer](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      messages << box->text();
      box->button(answer)->click();
      if (answer == QMessageBox::Yes) AnswerMessage();
    });
  }
  // Runs the endless program as Execute does; true when it ended.
  bool ExecuteEndlessProgram() {
    bool ended = false;
    window->RunCommand("Execute", [&ended] {
      if (ExecuteFunctionButton({"f"})) ExecuteCurrentFunction();
      ended = true;
    });
    return ended;
  }
};

TEST_F(CancelPollTest, AKeyPressAsksTheStopQuestionAndYesEndsTheProgram) {
  QTimer::singleShot(300, [this] { QTest::keyClick(&window->output(), Qt::Key_Space); });
  AnswerStopQuestion(QMessageBox::Yes);
  EXPECT_TRUE(ExecuteEndlessProgram());
  ASSERT_EQ(messages.size(), 2);
  EXPECT_EQ(messages[0], "Do you want to stop calculation?");
  EXPECT_TRUE(messages[1].contains("Calculation terminated by user")) << messages[1].toStdString();
  EXPECT_FALSE(window->port().commandRunning());
}

TEST_F(CancelPollTest, NoKeepsComputingUntilTheNextRequest) {
  QTimer::singleShot(200, [this] { QTest::mouseClick(window->output().viewport(), Qt::LeftButton); });
  AnswerStopQuestion(QMessageBox::No);
  QTimer::singleShot(600, [this] {
    QTest::keyClick(&window->output(), Qt::Key_A);
    AnswerStopQuestion(QMessageBox::Yes);
  });
  EXPECT_TRUE(ExecuteEndlessProgram());
  EXPECT_EQ(messages.size(), 3);
  // The keys went to the stop request, not into the window.
  EXPECT_EQ(window->output().toPlainText().count('a'), 0);
}

TEST_F(CancelPollTest, MenuShortcutsDoNotStartASecondCommand) {
  QTimer::singleShot(200, [this] { QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier); });
  AnswerStopQuestion(QMessageBox::Yes);
  EXPECT_TRUE(ExecuteEndlessProgram());
  // Ctrl+N was taken as the stop request; File New did not run.
  EXPECT_NE(FindObject("f", OBJMASK_ANY), nullptr);
  EXPECT_EQ(messages.first(), "Do you want to stop calculation?");
}

// A compute for all elements polls the same port from its element loop.
TEST_F(CancelPollTest, AKeyPressStopsAComputeForAllElements) {
  auto source = std::make_unique<VectorObject>(2000000, 1.0);
  source->name = "s";
  AddObject(std::move(source));
  auto slow = std::make_unique<FunctionObject>("i=0\nwhile (i<100)\ni=i+1\nend\nx");
  slow->name = "g";
  AddObject(std::move(slow));
  QTimer::singleShot(300, [this] { QTest::keyClick(&window->output(), Qt::Key_Space); });
  OnNextModal([this](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    messages << box->text();
    box->button(QMessageBox::Yes)->click();
  });
  int32_t result = -1;
  window->RunCommand("Compute", [&result] {
    ElementFunctionCheck check;
    check.withoutX = ElementFunctionCheck::WithoutX::kAccept;
    result = ComputeFunctionForVector("s", "g", "out", &check);
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(messages, QStringList{"Do you want to stop calculation?"});
}

}  // namespace
}  // namespace tq::app::testing
