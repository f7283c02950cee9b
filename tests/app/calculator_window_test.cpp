// The calculator window: evaluation from the entry, the keypad, the lists,
// the history, the Units menu, and the lists following workspace changes.
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "app/app_test.h"
#include "app/calculator_window.h"
#include "commands/calculator_commands.h"
#include "core/math_object.h"
#include "core/object_list.h"

namespace tq::app::testing {
namespace {

using C = ShellCommand;

class CalculatorWindowTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    Run(C::kCalcCalculator);
    calculator = window->findChild<CalculatorWindow*>();
    ASSERT_NE(calculator, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(calculator));
  }
  QString Entry() const { return calculator->entry()->text(); }
  QString Accumulator() const { return calculator->accumulator()->text(); }
  // Types into the entry and presses Enter.
  void Evaluate(const char* text) {
    calculator->entry()->clear();
    QTest::keyClicks(calculator->entry(), text);
    QTest::keyClick(calculator->entry(), Qt::Key_Return);
  }
  void Key(const char* text) { Click(calculator, text); }
  static QStringList Items(QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
  }
  // Chooses item `index` of a list as the user does from its drop-down.
  static void Choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
  }
  void AddFunction(const char* name, const char* body) {
    auto function = std::make_unique<FunctionObject>(body);
    function->name = name;
    window->RunCommand("add", [&function] { AddObject(std::move(function)); });
  }

  CalculatorWindow* calculator = nullptr;
};

TEST_F(CalculatorWindowTest, OpensOnceShowingAnsAndTheLists) {
  EXPECT_EQ(calculator->windowTitle(), "Calculator");
  EXPECT_FALSE(calculator->isModal());
  EXPECT_EQ(Accumulator(), "0");
  EXPECT_EQ(Items(calculator->builtinList()).size(), 23);
  EXPECT_EQ(Items(calculator->variableList()), QStringList{" User defined variables"});
  EXPECT_EQ(Items(calculator->functionList()), QStringList{" User defined functions"});
  Run(C::kCalcCalculator);
  EXPECT_EQ(window->findChildren<CalculatorWindow*>().size(), 1);
}

// "2+3" gives 5 and two report lines; an operator continues the answer, a
// digit starts anew; ans reads the last answer.
TEST_F(CalculatorWindowTest, EvaluatesAndContinuesTheAnswer) {
  Evaluate("2+3");
  EXPECT_EQ(Accumulator(), "5");
  EXPECT_EQ(Entry(), "5");
  Key("*");
  Key("2");
  EXPECT_EQ(Entry(), "5*2");
  Key("Enter");
  EXPECT_EQ(Accumulator(), "10");
  Key("7");
  EXPECT_EQ(Entry(), "7");
  Evaluate("ans+1");
  EXPECT_EQ(Accumulator(), "11");
  EXPECT_EQ(Output(), "2+3\r\n5\r\n5*2\r\n10\r\nans+1\r\n11\r\n");
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(CalculatorWindowTest, UserFunctionCallsAndFailures) {
  AddFunction("f", "f = x^2");
  EXPECT_EQ(Items(calculator->functionList()), (QStringList{" User defined functions", "f"}));
  Evaluate("f(3)+1");
  Evaluate("f(f(2))");
  EXPECT_EQ(Output(), " (9)+1\r\n10\r\n (16)\r\n16\r\n");
  AnswerMessage();
  Evaluate("2+*");
  AnswerMessage();
  Evaluate("a=1;b=2");
  ASSERT_EQ(messages.size(), 2);
  EXPECT_EQ(messages[0],
            "Syntax error in function\n2+*\nat line number 1\nPlease correct error and try again.\n");
  EXPECT_EQ(messages[1],
            "Syntax error in expression\n\ncharacter \";\" is not allowed.\nCalculator does not "
            "support multiple \nexpressions in one line.\nTo complute multiple expressions \nmake "
            "user-defined function.");
  EXPECT_EQ(Accumulator(), "16");  // failures leave ans, the history and the output
  EXPECT_EQ(Items(calculator->history()), (QStringList{" (9)+1", " (16)"}));
  EXPECT_EQ(Entry(), "a=1;b=2");  // the entry text stays to be corrected
}

TEST_F(CalculatorWindowTest, KeypadClrAndDelete) {
  // Each key inserts its text: operators continue, anything else starts anew.
  for (const char* key : {"sin(", "Ans", ")", "x^2", "-", "1", "E", "2", "/", "(", "0", ".",
                          "5", ")", "<", ">", "="})
    Key(key);
  EXPECT_EQ(Entry(), "sin(Ans)^2-1E2/(0.5)<>=");
  Key("Delete");
  Key("Delete");
  EXPECT_EQ(Entry(), "sin(Ans)^2-1E2/(0.5)<");
  Key("Clr");
  EXPECT_EQ(Entry(), "");
  for (const char* key : {"cos(", "tan(", "asin(", "acos(", "atan(", "sinh(", "cosh(", "tanh(",
                          "sech(", "exp(", "ln(", "log(", "sqrt(", "abs(", "3", "4", "6", "8", "9",
                          "+", "*", "^"})
    Key(key);
  EXPECT_EQ(Entry(), "cos(tan(asin(acos(atan(sinh(cosh(tanh(sech(exp(ln(log(sqrt(abs(34689+*^");
  EXPECT_TRUE(calculator->entry()->hasFocus());
  QTest::keyClick(calculator->entry(), Qt::Key_Escape);
  EXPECT_EQ(Entry(), "");
}

TEST_F(CalculatorWindowTest, ListsInsertTheirItemsAndFollowTheWorkspace) {
  Choose(calculator->builtinList(), 0);  // the header only beeps
  EXPECT_EQ(Entry(), "");
  Choose(calculator->builtinList(), 1);
  EXPECT_EQ(Entry(), "sin(x)");
  Evaluate("rate=2");
  EXPECT_EQ(Items(calculator->variableList()), (QStringList{" User defined variables", "rate"}));
  Key("Clr");
  Choose(calculator->variableList(), 1);
  Key("*");
  AddFunction("g", "x+1");
  Choose(calculator->functionList(), 1);
  EXPECT_EQ(Entry(), "rate*g");
  // Deleting every object refills the lists while the window stays open.
  AnswerMessage(QMessageBox::Yes);
  Run(C::kEditDeleteAllObjects);
  EXPECT_EQ(Items(calculator->variableList()), QStringList{" User defined variables"});
  EXPECT_EQ(Items(calculator->functionList()), QStringList{" User defined functions"});
}

TEST_F(CalculatorWindowTest, EditFunctionNeedsAFunction) {
  AnswerMessage();
  Key("Edit function");
  EXPECT_EQ(messages, QStringList{"There are no user defined functions. Please create function first."});
  EXPECT_FALSE(Calculator().functionEditMode);
  AddFunction("g", "x+1");
  Key("Edit function");
  EXPECT_TRUE(Calculator().functionEditMode);
  calculator->functionList()->hidePopup();
  // The next function chosen opens its editor instead of inserting it.
  OnNextModal([](QWidget* editor) { Click(editor, "Cancel"); });
  Choose(calculator->functionList(), 1);
  EXPECT_FALSE(Calculator().functionEditMode);
  EXPECT_EQ(Entry(), "");
}

TEST_F(CalculatorWindowTest, HistoryRecallByListAndKeys) {
  for (const char* text : {"1+1", "2+2", "3+3"}) Evaluate(text);
  EXPECT_EQ(Items(calculator->history()), (QStringList{"1+1", "2+2", "3+3"}));
  Choose(calculator->history(), 0);
  EXPECT_EQ(Entry(), "1+1");
  Key("0");  // a recalled expression is edited, not replaced
  EXPECT_EQ(Entry(), "1+10");
  Key("Enter");
  EXPECT_EQ(Accumulator(), "11");
  QLineEdit* entry = calculator->entry();
  QTest::keyClick(entry, Qt::Key_Up);
  EXPECT_EQ(Entry(), "1+10");
  QTest::keyClick(entry, Qt::Key_Up);
  QTest::keyClick(entry, Qt::Key_Up);
  EXPECT_EQ(Entry(), "2+2");
  QTest::keyClick(entry, Qt::Key_Down);
  EXPECT_EQ(Entry(), "3+3");
  QTest::keyClick(entry, Qt::Key_Down);
  QTest::keyClick(entry, Qt::Key_Down);  // past the newest: an empty entry
  EXPECT_EQ(Entry(), "");
}

// A conversion from the Units menu goes into the entry and the accumulator
// and becomes ans; "--> to Ans " elsewhere shows in the accumulator.
TEST_F(CalculatorWindowTest, UnitsResultBecomesAns) {
  Evaluate("10");
  OnNextModal([this](QWidget* chooser) {
    EXPECT_EQ(chooser->windowTitle(), "Distance units conversion");
    OnNextModal([](QWidget* converter) {
      Click(converter, " <-- from Ans");
      Click(converter, "Convert");
      Click(converter, "Close");
    });
    Click(chooser, "OK");  // meters to inches
  });
  QAction* distance = calculator->unitsMenu()->actions().at(1);
  EXPECT_EQ(distance->text(), "Distance units conversion");
  distance->trigger();
  EXPECT_EQ(Accumulator(), "393.700787402");
  EXPECT_EQ(Entry(), "393.700787402");
  EXPECT_EQ(Calculator().ans, 10 / 0.0254);
  Key("-");
  EXPECT_EQ(Entry(), "393.700787402-");

  OnNextModal([this](QWidget* chooser) {
    OnNextModal([](QWidget* converter) {
      Click(converter, "Convert");  // 0 meters
      Click(converter, "--> to Ans ");
      Click(converter, "Close");
    });
    Click(chooser, "OK");
  });
  Run(C::kUnitsDistance);
  EXPECT_EQ(Accumulator(), "0");
}

}  // namespace
}  // namespace tq::app::testing
