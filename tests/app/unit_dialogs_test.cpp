// The unit chooser and converter, filled as a user fills them.
#include <QLabel>
#include <QPushButton>

#include "app/app_test.h"
#include "app/dialog_input.h"
#include "commands/calculator_commands.h"

namespace tq::app::testing {
namespace {

using C = ShellCommand;

class UnitDialogsTest : public AppTest {};

// The chooser refuses the same unit twice; the converter converts, hands
// its result to ans and takes ans back.
TEST_F(UnitDialogsTest, ChooserRefusesOneUnitTwiceThenTheConverterExchangesWithAns) {
  Calculator().ans = 212;
  OnNextModal([this](QWidget* chooser) {
    EXPECT_EQ(chooser->windowTitle(), "Temperature units conversion");
    auto* from = Control<QComboBox>(chooser, "From");
    auto* to = Control<QComboBox>(chooser, "To");
    EXPECT_EQ(Entries(from), (QStringList{"degrees Celsuis (C)", "degrees Fahrenheit (F)",
                                          "degrees Kelvin (K)"}));
    EXPECT_EQ(from->currentIndex(), 0);
    EXPECT_EQ(to->currentIndex(), 1);
    Shot(chooser, "units_chooser");
    to->setFocus();
    QTest::keyClick(to, Qt::Key_Up);
    AnswerMessage();
    Click(chooser, "OK");
    EXPECT_TRUE(chooser->isVisible());
    QTest::keyClick(to, Qt::Key_Down);
    OnNextModal([this](QWidget* converter) {
      EXPECT_EQ(converter->windowTitle(), "Units conversion");
      QStringList buttons;
      for (QPushButton* button : converter->findChildren<QPushButton*>()) buttons << button->text();
      EXPECT_EQ(buttons,
                (QStringList{"Convert", "Clear", " <-- from Ans", "--> to Ans ", "Close"}));
      QStringList labels;
      for (QLabel* label : converter->findChildren<QLabel*>()) labels << label->text();
      EXPECT_TRUE(labels.contains("Temperature untis conversion from\ndegrees Celsuis (C) to "
                                  "degrees Fahrenheit (F) conversion formula \n"
                                  "(t+17.777778)*1.800000 "));
      auto* value = Control<QLineEdit>(converter, "convert from degrees Celsuis (C)");
      auto* result = Control<QLineEdit>(converter, "to degrees Fahrenheit (F)");
      TypeInto(converter, "convert from degrees Celsuis (C)", "1");
      QTest::keyClick(value, Qt::Key_Return);  // Enter converts
      EXPECT_EQ(result->text(), "33.8");
      QTest::keyClicks(result, "9");  // output only
      EXPECT_EQ(result->text(), "33.8");
      Shot(converter, "units_converter");
      Click(converter, "--> to Ans ");
      EXPECT_EQ(Calculator().ans, 33.8);
      Click(converter, "Clear");
      EXPECT_EQ(value->text(), "0");
      Calculator().ans = 100;
      Click(converter, " <-- from Ans");
      EXPECT_EQ(value->text(), "100");
      AnswerMessage();
      TypeInto(converter, "convert from degrees Celsuis (C)", "1e+");
      Click(converter, "Convert");
      EXPECT_EQ(value->text(), "1e+");
      TypeInto(converter, "convert from degrees Celsuis (C)", "100");
      Click(converter, "Convert");
      Click(converter, "Close");
    });
    Click(chooser, "OK");
    EXPECT_FALSE(chooser->isVisible());  // closed after the converter
  });
  Run(C::kUnitsTemperature);
  EXPECT_EQ(messages,
            (QStringList{"You cannot convert to the same unit.\nPlease select different units.",
                         "Please enter a number in convert from degrees Celsuis (C)."}));
  EXPECT_EQ(Output(),
            "convert from degrees Celsuis (C) 1\r\nto degrees Fahrenheit (F) 33.8\r\n"
            "convert from degrees Celsuis (C) 100\r\nto degrees Fahrenheit (F) 212\r\n");
}

}  // namespace
}  // namespace tq::app::testing
