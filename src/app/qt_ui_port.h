// The desktop program's Ui port: report lines into the output window,
// message boxes and questions as modal message boxes, each dialog as its
// window, and the cancel poll that keeps the window alive while a command
// computes on the GUI thread.
#pragma once

#include <QObject>
#include <QString>
#include <chrono>

#include "core/ui_port.h"

class QWidget;

namespace tq::app {

class OutputWindow;

class QtUiPort final : public QObject, public UiPort {
  Q_OBJECT

 public:
  // The program's title on every message box.
  static constexpr const char* kTitle = "Tallyquist";
  // How often the cancel poll looks at the event queue while a command runs.
  static constexpr std::chrono::milliseconds kPollInterval{50};

  QtUiPort(OutputWindow& output, QWidget& mainWindow);
  ~QtUiPort() override;

  void Output(std::string_view line) override;
  void ShowMessage(std::string_view text) override;
  bool AskYesNo(std::string_view text) override;
  bool AskYesNoWarning(std::string_view text) override;
  bool AskOkCancel(std::string_view text) override;
  YesNoCancel AskYesNoCancel(std::string_view text) override;
  DialogResult RunDialog(Dialog& dialog) override;
  bool CancelRequested() override;
  void DropCancelRequest() override { interruptRequested_ = false; }
  std::string WindowText() override;
  void ClearWindow() override;

  // A command runs from now until EndCommand: the status bar says what
  // runs, and the poll's busy cursor is cleared at the end.
  void BeginCommand(const QString& what);
  void EndCommand();
  bool commandRunning() const { return commandRunning_; }
  // True while the cancel poll dispatches events: input is being dropped.
  bool polling() const { return polling_; }

 signals:
  // The status bar's text: what runs, or "Ready".
  void statusChanged(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The window a modal box or dialog opens over: the topmost modal dialog,
  // else the main window.
  QWidget* DialogParent() const;
  void ShowBusyCursor(bool busy);
  int Ask(std::string_view text, int icon, int buttons);

  OutputWindow& output_;
  QWidget& mainWindow_;
  std::chrono::steady_clock::time_point nextPoll_{};
  bool polling_ = false;
  bool interruptRequested_ = false;
  bool commandRunning_ = false;
  bool busyCursor_ = false;
};

}  // namespace tq::app
