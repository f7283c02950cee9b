// The fixture of the desktop tests: a fresh session in a main window shown
// on the offscreen platform, and helpers that act on the modal windows a
// command opens (message boxes, dialogs) as a user would.
#pragma once

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>

#include "app/main_window.h"

class QWidget;
class QPushButton;

namespace tq::app::testing {

// The texts of a window's push buttons and labels, in creation order.
QStringList ButtonTexts(QWidget* window);
QStringList LabelTexts(QWidget* window);
// Adds a function or a variable to the workspace.
void AddFunction(const std::string& name, const std::string& body);
void AddVariable(const std::string& name, double value);

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs `act` on the next modal window that opens (a dialog or a message
  // box), once it is shown; `act` closes it (or the test waits forever: a
  // watchdog fails the test after 10 s).
  void OnNextModal(std::function<void(QWidget*)> act);
  // Answers the next message box by pressing `button`, recording its text
  // in `messages`.
  void AnswerMessage(QMessageBox::StandardButton button = QMessageBox::Ok);
  // Presses the push button whose text is `text` in `window`.
  static void Click(QWidget* window, const QString& text);

  // Runs a menu command as its menu item does.
  void Run(ShellCommand command) { window->Run(command); }
  // The output window's text with "\r\n" line ends.
  std::string Output();

  std::unique_ptr<MainWindow> window;
  // The texts of the message boxes answered, in order.
  QStringList messages;
  // Modal windows still expected by OnNextModal when the test ended.
  int pendingModals = 0;

 private:
  // The watchers of OnNextModal still waiting; stopped when the test ends.
  QList<QObject*> watchers_;
};

}  // namespace tq::app::testing
