#include "app/calculator_window.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include "app/main_window.h"
#include "app/window_commands.h"
#include "commands/calculator_commands.h"
#include "commands/function_commands.h"
#include "commands/shell_menus.h"
#include "commands/unit_conversion.h"
#include "core/string_format.h"

namespace tq::app {

namespace {

const CalculatorTexts& Texts() { return kCalculatorTexts; }

QString Text(const char* text) { return QString::fromUtf8(text); }
QString Text(const std::string& text) { return QString::fromStdString(text); }

void Fill(QComboBox* list, const std::vector<std::string>& items) {
  list->clear();
  for (const std::string& item : items) list->addItem(Text(item));
}

UnitFamily FamilyOf(ShellCommand command) {
  switch (command) {
    case ShellCommand::kUnitsWeight: return UnitFamily::kWeight;
    case ShellCommand::kUnitsAngle: return UnitFamily::kAngle;
    case ShellCommand::kUnitsTemperature: return UnitFamily::kTemperature;
    default: return UnitFamily::kDistance;
  }
}

}  // namespace

CalculatorWindow::CalculatorWindow(MainWindow& mainWindow)
    : QWidget(&mainWindow, Qt::Window), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("CalculatorWindow"));
  setWindowTitle(Text(Texts().title));
  layout_ = new QGridLayout(this);
  BuildEntryRows();
  BuildLists();
  BuildKeypad();
  BuildButtons();
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] {
    ClearEntry();
    historyPosition_ = Calculator().history.size();
    ShowEntry();
  });
  mainWindow_.session().AddObserver(this);
  // A command elsewhere may change the last answer ("--> to Ans").
  connect(&mainWindow_, &MainWindow::commandFinished, this, [this] {
    if (isVisible()) ShowAnswer();
  });
  Refresh();
}

// The main window deletes its child windows after its session has gone.
CalculatorWindow::~CalculatorWindow() {
  if (Session* session = CurrentSession()) session->RemoveObserver(this);
}

void CalculatorWindow::BuildEntryRows() {
  entry_ = new QLineEdit(this);
  entry_->setObjectName(QStringLiteral("entry"));
  entry_->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
  entry_->installEventFilter(this);
  connect(entry_, &QLineEdit::textEdited, this, [this](const QString& text) {
    EditEntry(text.toStdString());
    historyPosition_ = Calculator().history.size();
  });
  connect(entry_, &QLineEdit::returnPressed, this, &CalculatorWindow::Evaluate);
  auto* enter = new QPushButton(Text(Texts().enterButton), this);
  connect(enter, &QPushButton::clicked, this, &CalculatorWindow::Evaluate);

  accumulator_ = new QLineEdit(this);
  accumulator_->setObjectName(QStringLiteral("accumulator"));
  accumulator_->setReadOnly(true);
  accumulator_->setAlignment(Qt::AlignRight);

  history_ = new QComboBox(this);
  history_->setObjectName(QStringLiteral("history"));
  history_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  history_->setMinimumContentsLength(20);
  connect(history_, &QComboBox::activated, this, &CalculatorWindow::ChooseHistory);

  int row = 0;
  for (auto [text, field] : {std::pair{Texts().entryLabel, static_cast<QWidget*>(entry_)},
                             std::pair{Texts().accumulatorLabel, static_cast<QWidget*>(accumulator_)},
                             std::pair{Texts().historyLabel, static_cast<QWidget*>(history_)}}) {
    auto* label = new QLabel(Text(text), this);
    label->setBuddy(field);
    layout_->addWidget(label, row, 0);
    layout_->addWidget(field, row, 1, 1, 3);
    ++row;
  }
  layout_->addWidget(enter, 0, 4);
}

void CalculatorWindow::BuildLists() {
  auto* lists = new QHBoxLayout;
  builtins_ = new QComboBox(this);
  builtins_->setObjectName(QStringLiteral("builtinList"));
  variables_ = new QComboBox(this);
  variables_->setObjectName(QStringLiteral("variableList"));
  functions_ = new QComboBox(this);
  functions_->setObjectName(QStringLiteral("functionList"));
  Fill(builtins_, BuiltinListItems());
  builtins_->setAccessibleName(builtins_->itemText(0).trimmed());
  for (QComboBox* list : {builtins_, variables_, functions_}) {
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Room for the header item, which names the list.
    list->setMinimumContentsLength(int(list == builtins_ ? BuiltinListItems().front().size()
                                                         : VariableListItems().front().size()));
    list->setMaxVisibleItems(24);
    lists->addWidget(list, 1);
  }
  connect(builtins_, &QComboBox::activated, this, &CalculatorWindow::ChooseBuiltin);
  connect(variables_, &QComboBox::activated, this, &CalculatorWindow::ChooseVariable);
  connect(functions_, &QComboBox::activated, this, &CalculatorWindow::ChooseFunction);
  layout_->addLayout(lists, 3, 0, 1, 5);
}

void CalculatorWindow::BuildKeypad() {
  auto* keypad = new QGridLayout;
  keypad->setSpacing(2);
  int index = 0;
  for (const CalculatorKey& key : CalculatorKeypad()) {
    auto* button = new QPushButton(Text(key.text), this);
    // Every key has its own key on the keyboard; Tab skips the keypad.
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("asin(")) +
                            fontMetrics().averageCharWidth() * 2);
    const std::string inserts = key.inserts;
    connect(button, &QPushButton::clicked, this, [this, inserts] { Insert(inserts); });
    keypad->addWidget(button, index / kKeypadColumns, index % kKeypadColumns);
    ++index;
  }
  layout_->addLayout(keypad, 4, 0, 1, 4);
}

void CalculatorWindow::BuildButtons() {
  auto* column = new QVBoxLayout;
  auto add = [this, column](const char* text, auto slot) {
    auto* button = new QPushButton(Text(text), this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    column->addWidget(button);
    return button;
  };
  add(Texts().clearButton, [this] {
    ClearEntry();
    ShowEntry();
  });
  add(Texts().deleteButton, [this] {
    DeleteLastCharacter();
    ShowEntry();
  });
  add(Texts().newFunctionButton, [this] {
    RunCalculatorCommand(Texts().newFunctionButton, [] { CreateFunctionButton(); });
    FillObjectLists();
  });
  add(Texts().editFunctionButton, [this] { EditFunction(); });
  QPushButton* units = add(Texts().unitsButton, [] {});
  unitsMenu_ = new QMenu(units);
  for (const MenuItem& item : UnitsConversionMenu()) {
    const UnitFamily family = FamilyOf(item.command);
    const char* text = item.text;
    unitsMenu_->addAction(Text(text), this, [this, family, text] {
      RunCalculatorCommand(text, [family] { CalculatorUnitsCommand(family); });
      ShowEntry();
      ShowAnswer();
    });
  }
  units->setMenu(unitsMenu_);
  column->addStretch();
  layout_->addLayout(column, 4, 4);
}

void CalculatorWindow::RunCalculatorCommand(const char* what,
                                            const std::function<void()>& body) {
  mainWindow_.RunCommand(Text(what), body);
}

void CalculatorWindow::Evaluate() {
  RunCalculatorCommand(Texts().title, [] { EvaluateEntry(); });
  historyPosition_ = Calculator().history.size();
  ShowAnswer();
  FillHistory();
  Fill(variables_, Calculator().variableList);
  ShowEntry();
}

void CalculatorWindow::Insert(const std::string& text) {
  InsertText(text);
  ShowEntry();
}

void CalculatorWindow::ShowEntry() {
  const QString text = Text(Calculator().entry);
  if (entry_->text() != text) entry_->setText(text);
  entry_->setCursorPosition(int(text.size()));
  entry_->setFocus();
}

void CalculatorWindow::ShowAnswer() {
  accumulator_->setText(Text(StringPrintf("%.12G", Calculator().ans)));
}

void CalculatorWindow::FillHistory() {
  history_->clear();
  for (const std::string& expression : Calculator().history) history_->addItem(Text(expression));
  history_->setCurrentIndex(history_->count() - 1);
}

void CalculatorWindow::FillObjectLists() {
  Fill(variables_, VariableListItems());
  Fill(functions_, FunctionListItems());
  variables_->setAccessibleName(variables_->itemText(0).trimmed());
  functions_->setAccessibleName(functions_->itemText(0).trimmed());
}

void CalculatorWindow::Refresh() {
  historyPosition_ = Calculator().history.size();
  ShowAnswer();
  FillHistory();
  FillObjectLists();
  ShowEntry();
}

void CalculatorWindow::OnSessionChanged(ChangeSet changes) {
  if (changes & (CHANGE_OBJECT_LIST | CHANGE_FUNCTION | CHANGE_VARIABLE)) FillObjectLists();
}

void CalculatorWindow::ChooseHistory(int index) {
  if (index < 0) return;
  RecallHistoryEntry(size_t(index));
  historyPosition_ = size_t(index);
  ShowEntry();
}

void CalculatorWindow::ChooseBuiltin(int index) {
  if (!InsertBuiltinItem(builtins_->itemText(index).toStdString())) QApplication::beep();
  builtins_->setCurrentIndex(0);
  ShowEntry();
}

void CalculatorWindow::ChooseVariable(int index) {
  if (index <= 0)
    QApplication::beep();
  else
    InsertText(variables_->itemText(index).toStdString());
  variables_->setCurrentIndex(0);
  ShowEntry();
}

void CalculatorWindow::ChooseFunction(int index) {
  const std::string item = functions_->itemText(index).toStdString();
  bool chosen = true;
  RunCalculatorCommand(Texts().editFunctionButton,
                       [&chosen, &item] { chosen = SelectFunctionItem(item); });
  if (!chosen) QApplication::beep();
  functions_->setCurrentIndex(0);
  ShowEntry();
}

void CalculatorWindow::EditFunction() {
  bool started = false;
  RunCalculatorCommand(Texts().editFunctionButton,
                       [&started] { started = StartFunctionEditMode(); });
  if (started) functions_->showPopup();
}

void CalculatorWindow::WalkHistory(int step) {
  const size_t size = Calculator().history.size();
  if (step < 0 && historyPosition_ > 0) {
    RecallHistoryEntry(--historyPosition_);
  } else if (step > 0 && historyPosition_ + 1 < size) {
    RecallHistoryEntry(++historyPosition_);
  } else if (step > 0 && historyPosition_ + 1 == size) {
    historyPosition_ = size;  // past the newest: a fresh entry
    ClearEntry();
  } else {
    return;
  }
  ShowEntry();
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == entry_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      WalkHistory(key == Qt::Key_Up ? -1 : 1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void ShowCalculatorWindow(MainWindow& mainWindow) {
  auto* window = mainWindow.findChild<CalculatorWindow*>();
  if (!window) window = new CalculatorWindow(mainWindow);
  window->Refresh();
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace tq::app
