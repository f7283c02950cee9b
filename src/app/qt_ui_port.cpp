#include "app/qt_ui_port.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>

#include "app/dialog_window.h"
#include "app/output_window.h"

namespace tq::app {

QtUiPort::QtUiPort(OutputWindow& output, QWidget& mainWindow)
    : output_(output), mainWindow_(mainWindow) {
  qApp->installEventFilter(this);
}

QtUiPort::~QtUiPort() {
  qApp->removeEventFilter(this);
  ShowBusyCursor(false);
}

void QtUiPort::Output(std::string_view line) { output_.AppendReport(line); }

std::string QtUiPort::WindowText() { return output_.ReportText(); }

void QtUiPort::ClearWindow() { output_.clear(); }

QWidget* QtUiPort::DialogParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return &mainWindow_;
}

int QtUiPort::Ask(std::string_view text, int icon, int buttons) {
  ShowBusyCursor(false);
  QMessageBox box(QMessageBox::Icon(icon), QString::fromLatin1(kTitle),
                  QString::fromStdString(std::string(text)),
                  QMessageBox::StandardButtons(buttons), DialogParent());
  box.setTextFormat(Qt::PlainText);
  return box.exec();
}

void QtUiPort::ShowMessage(std::string_view text) {
  Ask(text, QMessageBox::Warning, QMessageBox::Ok);
}

bool QtUiPort::AskYesNo(std::string_view text) {
  return Ask(text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtUiPort::AskYesNoWarning(std::string_view text) {
  return Ask(text, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtUiPort::AskOkCancel(std::string_view text) {
  return Ask(text, QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel) ==
         QMessageBox::Ok;
}

YesNoCancel QtUiPort::AskYesNoCancel(std::string_view text) {
  switch (Ask(text, QMessageBox::Question,
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return YesNoCancel::kYes;
    case QMessageBox::No: return YesNoCancel::kNo;
    default: return YesNoCancel::kCancel;
  }
}

DialogResult QtUiPort::RunDialog(Dialog& dialog) {
  ShowBusyCursor(false);
  std::unique_ptr<DialogWindow> window = MakeDialogWindow(dialog, DialogParent());
  return window->Run();
}

// Called from the engines' loops, possibly per element: a clock read and a
// comparison between looks at the event queue.
bool QtUiPort::CancelRequested() {
  const auto now = std::chrono::steady_clock::now();
  if (now < nextPoll_) return false;
  ShowBusyCursor(true);
  polling_ = true;
  QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  polling_ = false;
  nextPoll_ = std::chrono::steady_clock::now() + kPollInterval;
  const bool requested = interruptRequested_;
  interruptRequested_ = false;
  return requested;
}

// While the poll dispatches events, a key press or a click anywhere in the
// program is the request to interrupt, and every other input is dropped so
// that no second command starts and nothing the command uses changes.
bool QtUiPort::eventFilter(QObject* watched, QEvent* event) {
  if (!polling_ || !watched->isWidgetType()) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
      interruptRequested_ = true;
      return true;
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::Close:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::InputMethod:
    case QEvent::TabletPress:
    case QEvent::TouchBegin:
      return true;
    default:
      return QObject::eventFilter(watched, event);
  }
}

void QtUiPort::ShowBusyCursor(bool busy) {
  if (busy == busyCursor_) return;
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
  busyCursor_ = busy;
}

void QtUiPort::BeginCommand(const QString& what) {
  commandRunning_ = true;
  interruptRequested_ = false;
  nextPoll_ = std::chrono::steady_clock::now() + kPollInterval;
  emit statusChanged(what);
}

void QtUiPort::EndCommand() {
  commandRunning_ = false;
  ShowBusyCursor(false);
  emit statusChanged(QStringLiteral("Ready"));
}

}  // namespace tq::app
