#include "app/app_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/output_window.h"
#include "commands/session.h"

namespace tq::app::testing {

void AppTest::SetUp() {
  ResetSession();
  window = std::make_unique<MainWindow>();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void AppTest::TearDown() {
  EXPECT_EQ(pendingModals, 0) << "a modal window the test expected did not open";
  window.reset();
  ResetSession();
}

void AppTest::OnNextModal(std::function<void(QWidget*)> act) {
  ++pendingModals;
  // Polls until a modal window other than the ones open now is shown.
  QWidget* before = QApplication::activeModalWidget();
  auto* timer = new QTimer(qApp);
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(timer, &QTimer::timeout, [this, timer, clock, before, act] {
    QWidget* modal = QApplication::activeModalWidget();
    const bool timedOut = clock->elapsed() > 10000;
    if ((modal && modal != before && modal->isVisible()) || timedOut) {
      timer->stop();
      timer->deleteLater();
      delete clock;
      if (timedOut) {
        ADD_FAILURE() << "no modal window opened within 10 s";
        if (modal) modal->close();
        return;
      }
      --pendingModals;
      act(modal);
    }
  });
  timer->start(10);
}

void AppTest::AnswerMessage(QMessageBox::StandardButton button) {
  OnNextModal([this, button](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) {
      ADD_FAILURE() << "expected a message box, got " << modal->metaObject()->className()
                    << " \"" << modal->windowTitle().toStdString() << "\"";
      modal->close();
      return;
    }
    messages << box->text();
    QAbstractButton* pressed = box->button(button);
    if (!pressed) {
      ADD_FAILURE() << "the message box has no such button: " << box->text().toStdString();
      box->close();
      return;
    }
    pressed->click();
  });
}

void AppTest::Click(QWidget* window, const QString& text) {
  for (QPushButton* button : window->findChildren<QPushButton*>()) {
    if (button->text().remove(QLatin1Char('&')) == text && button->isVisible()) {
      QTest::mouseClick(button, Qt::LeftButton);
      return;
    }
  }
  ADD_FAILURE() << "no button \"" << text.toStdString() << "\" in \""
                << window->windowTitle().toStdString() << "\"";
}

std::string AppTest::Output() { return window->output().ReportText(); }

}  // namespace tq::app::testing
