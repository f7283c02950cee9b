// The formula calculator window: modeless, made once, showing the command
// layer's calculator state and running its evaluations as commands of the
// main window.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "commands/session.h"

class QComboBox;
class QGridLayout;
class QLineEdit;
class QMenu;
class QPushButton;

namespace tq::app {

class MainWindow;

class CalculatorWindow final : public QWidget, public SessionObserver {
  Q_OBJECT

 public:
  explicit CalculatorWindow(MainWindow& mainWindow);
  ~CalculatorWindow() override;

  // Shows the last answer, the entry, the history and both object lists.
  void Refresh();
  void OnSessionChanged(ChangeSet changes) override;

  QLineEdit* entry() const { return entry_; }
  QLineEdit* accumulator() const { return accumulator_; }
  QComboBox* history() const { return history_; }
  QComboBox* builtinList() const { return builtins_; }
  QComboBox* variableList() const { return variables_; }
  QComboBox* functionList() const { return functions_; }
  QMenu* unitsMenu() const { return unitsMenu_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildEntryRows();
  void BuildLists();
  void BuildKeypad();
  void BuildButtons();
  void RunCalculatorCommand(const char* what, const std::function<void()>& body);
  void Evaluate();
  void Insert(const std::string& text);
  void ShowEntry();
  void ShowAnswer();
  void FillHistory();
  void FillObjectLists();
  void ChooseHistory(int index);
  void ChooseBuiltin(int index);
  void ChooseVariable(int index);
  void ChooseFunction(int index);
  void EditFunction();
  // Up and Down in the entry walk the history.
  void WalkHistory(int step);

  MainWindow& mainWindow_;
  QLineEdit* entry_ = nullptr;
  QLineEdit* accumulator_ = nullptr;
  QComboBox* history_ = nullptr;
  QComboBox* builtins_ = nullptr;
  QComboBox* variables_ = nullptr;
  QComboBox* functions_ = nullptr;
  QMenu* unitsMenu_ = nullptr;
  QGridLayout* layout_ = nullptr;
  // Where Up and Down are in the history; its size when not walking.
  size_t historyPosition_ = 0;
};

}  // namespace tq::app
