#include "app/app_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/output_window.h"
#include "commands/session.h"
#include "core/object_list.h"

namespace tq::app::testing {

QStringList ButtonTexts(QWidget* window) {
  QStringList texts;
  for (QPushButton* button : window->findChildren<QPushButton*>()) texts << button->text();
  return texts;
}

QStringList LabelTexts(QWidget* window) {
  QStringList texts;
  for (QLabel* label : window->findChildren<QLabel*>()) texts << label->text();
  return texts;
}

void AddFunction(const std::string& name, const std::string& body) {
  auto function = std::make_unique<FunctionObject>(body);
  function->name = name;
  AddObject(std::move(function));
}

void AddVariable(const std::string& name, double value) {
  auto variable = std::make_unique<VariableObject>(value);
  variable->name = name;
  AddObject(std::move(variable));
}

void AppTest::SetUp() {
  ResetSession();
  window = std::make_unique<MainWindow>();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void AppTest::TearDown() {
  EXPECT_EQ(pendingModals, 0) << "a modal window the test expected did not open";
  qDeleteAll(watchers_);
  watchers_.clear();
  window.reset();
  ResetSession();
}

void AppTest::OnNextModal(std::function<void(QWidget*)> act) {
  ++pendingModals;
  // Polls until a modal window other than the ones open now is shown.
  QWidget* before = QApplication::activeModalWidget();
  auto* timer = new QTimer;
  watchers_.append(timer);
  QElapsedTimer clock;
  clock.start();
  QObject::connect(timer, &QTimer::timeout, [this, timer, clock, before, act] {
    QWidget* modal = QApplication::activeModalWidget();
    const bool timedOut = clock.elapsed() > 10000;
    if ((modal && modal != before && modal->isVisible()) || timedOut) {
      timer->stop();
      watchers_.removeOne(timer);
      timer->deleteLater();
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
