#include "commands/unit_conversion.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "commands/calculator_commands.h"
#include "support/workbench_test.h"

namespace tq {
namespace {

using Button = UnitConverterForm::Button;

class UnitConversionTest : public testing::WorkbenchTest {
 protected:
  // Chooses the units, then presses the buttons in order with `from` typed.
  std::string Convert(UnitFamily family, int from, int to, double value,
                      std::vector<Button> buttons = {Button::kConvert}) {
    ui.AnswerForm<UnitChooserForm>([=](UnitChooserForm& f) {
      f.from = from;
      f.to = to;
    });
    std::string explanation;
    bool first = true;
    for (Button button : buttons) {
      ui.AnswerForm<UnitConverterForm>([=, &explanation](UnitConverterForm& f) {
        if (first) {
          explanation = f.explanation;
          f.from = value;
        }
        lastTo = f.to;
        return button;
      });
      first = false;
    }
    ui.AnswerForm<UnitConverterForm>([](UnitConverterForm& f) {
      lastTo = f.to;
      return Button::kClose;
    });
    UnitConversionCommand(family);
    return explanation;
  }
  static inline double lastTo = 0;
};

TEST_F(UnitConversionTest, TemperaturesConvertByTheirFormulas) {
  EXPECT_EQ(Convert(UnitFamily::kTemperature, 0, 1, 1),
            "Temperature untis conversion from\ndegrees Celsuis (C) to degrees Fahrenheit (F) "
            "conversion formula \n(t+17.777778)*1.800000 ");
  EXPECT_EQ(Convert(UnitFamily::kTemperature, 1, 0, 212),
            "Temperature untis conversion from\ndegrees Fahrenheit (F) to degrees Celsuis (C) "
            "conversion formula \n(t-32.000000)*0.555556 ");
  EXPECT_EQ(Convert(UnitFamily::kTemperature, 2, 0, 0),
            "Temperature untis conversion from\ndegrees Kelvin (K) to degrees Celsuis (C) "
            "conversion formula \n(t-273.150000)*1.000000 ");
  EXPECT_EQ(ui.output,
            "convert from degrees Celsuis (C) 1\r\nto degrees Fahrenheit (F) 33.8\r\n"
            "convert from degrees Fahrenheit (F) 212\r\nto degrees Celsuis (C) 100\r\n"
            "convert from degrees Kelvin (K) 0\r\nto degrees Celsuis (C) -273.15\r\n");
}

TEST_F(UnitConversionTest, OtherUnitsConvertByTheRatioOfTheirFactors) {
  Convert(UnitFamily::kWeight, 5, 4, 2);
  EXPECT_EQ(lastTo, 32.0);
  Convert(UnitFamily::kWeight, 4, 5, 1);
  EXPECT_EQ(lastTo, 0.02834952 / 0.4535924);
  EXPECT_EQ(Convert(UnitFamily::kDistance, 7, 3, 1),
            "Distance untis conversion from\nmiles to kilometers (km)\nTo convert multiply by "
            "1.609344");
  EXPECT_EQ(lastTo, 1.609344);
  Convert(UnitFamily::kAngle, 1, 0, 180);
  EXPECT_NEAR(lastTo, M_PI, 1e-15);
  EXPECT_NE(ui.output.find("to radians (rad) 3.14159\r\n"), std::string::npos);
}

TEST_F(UnitConversionTest, ChooserStartsWithItsDefaultsAndRefusesBadChoices) {
  ui.AnswerForm<UnitChooserForm>([](UnitChooserForm& f) {
    EXPECT_EQ(f.title, "Distance units conversion");
    EXPECT_EQ(f.units.size(), 8u);
    EXPECT_EQ(f.from, 0);
    EXPECT_EQ(f.to, 4);
    f.to = 0;
  });
  ui.AnswerForm<UnitChooserForm>([](UnitChooserForm& f) { f.to = -1; });
  EXPECT_FALSE(UnitConversionCommand(UnitFamily::kDistance));
  EXPECT_EQ(ui.messages,
            (std::vector<std::string>{
                "You cannot convert to the same unit.\nPlease select different units.",
                "Invalid units selection.\nPlease try again."}));
  ui.AnswerForm<UnitChooserForm>([](UnitChooserForm& f) {
    EXPECT_EQ(f.from, 0);
    EXPECT_EQ(f.to, 1);
    f.to = 3;
  });
  EXPECT_FALSE(UnitConversionCommand(UnitFamily::kTemperature));
  EXPECT_EQ(ui.messages.back(), "Invalid units selection.\nPlease try again.");
}

TEST_F(UnitConversionTest, AnsButtonsAndClear) {
  Calculator().ans = 10.0;
  Convert(UnitFamily::kDistance, 3, 0, 0,
          {Button::kFromAns, Button::kConvert, Button::kToAns, Button::kClear, Button::kClose});
  EXPECT_EQ(Calculator().ans, 10000.0);
  EXPECT_EQ(lastTo, 0.0);  // cleared before Close
  EXPECT_EQ(ui.output, "convert from kilometers (km) 10\r\nto meters (m) 10000\r\n");
}

TEST_F(UnitConversionTest, CalculatorUnitsResultBecomesAns) {
  Calculator().entry = "1+";
  Calculator().modified = true;
  ui.AnswerForm<UnitChooserForm>([](UnitChooserForm& f) { f.to = 1; });
  ui.AnswerForm<UnitConverterForm>([](UnitConverterForm& f) { f.from = 2.5; });
  ui.AnswerForm<UnitConverterForm>([](UnitConverterForm& f) { f.from = 1.25; });
  ui.AnswerForm<UnitConverterForm>([](UnitConverterForm&) { return Button::kClose; });
  EXPECT_TRUE(CalculatorUnitsCommand(UnitFamily::kDistance));  // meters to millimeters
  EXPECT_EQ(Calculator().ans, 1250.0);                           // the last conversion
  EXPECT_EQ(Calculator().entry, "1250");
  EXPECT_FALSE(Calculator().modified);  // an operator continues it
  // Closed without converting: ans and the entry stay.
  ui.AnswerForm<UnitChooserForm>([](UnitChooserForm&) {});
  ui.AnswerForm<UnitConverterForm>([](UnitConverterForm&) { return Button::kClose; });
  EXPECT_FALSE(CalculatorUnitsCommand(UnitFamily::kDistance));
  EXPECT_EQ(Calculator().ans, 1250.0);
  EXPECT_EQ(Calculator().entry, "1250");
}

}  // namespace
}  // namespace tq
