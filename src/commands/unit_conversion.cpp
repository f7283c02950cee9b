#include "commands/unit_conversion.h"

#include "commands/calculator_commands.h"
#include "commands/dialog.h"
#include "core/string_format.h"
#include "core/ui_port.h"

namespace tq {

namespace {

// What the converter computes: to = (from + offset) * factor.
struct Conversion {
  std::string explanation;
  std::string fromLabel;
  std::string toLabel;
  double offset = 0.0;
  double factor = 0.0;
};

const char* ExplanationHead(UnitFamily family) {
  switch (family) {
    case UnitFamily::kWeight: return "Weight untis conversion from\n";
    case UnitFamily::kDistance: return "Distance untis conversion from\n";
    case UnitFamily::kAngle: return "Angle untis conversion from\n";
    case UnitFamily::kTemperature: return "Temperature untis conversion from\n";
  }
  return "";
}

// The chooser's checks; nothing when the chooser stays open.
bool ChooseConversion(UnitFamily family, const UnitChooserForm& form, Conversion& out) {
  const bool temperature = family == UnitFamily::kTemperature;
  const int last = temperature ? 2 : 10;
  if (form.from < 0 || form.from > last || form.to < 0 || form.to > last) {
    ShowMessage("Invalid units selection.\nPlease try again.");
    return false;
  }
  if (form.from == form.to) {
    ShowMessage("You cannot convert to the same unit.\nPlease select different units.");
    return false;
  }
  const size_t from = size_t(form.from), to = size_t(form.to);
  const std::string fromUnit = form.units[from], toUnit = form.units[to];
  out.fromLabel = "convert from " + fromUnit;
  out.toLabel = "to " + toUnit;
  out.explanation = ExplanationHead(family) + fromUnit + " to " + toUnit;
  if (temperature) {
    TemperatureFormula formula = TemperatureConversion(from, to);
    out.offset = formula.offset;
    out.factor = formula.factor;
    std::string text = formula.offset < 0
                           ? StringPrintf("(t-%f)*%f ", -formula.offset, formula.factor)
                           : StringPrintf("(t+%f)*%f ", formula.offset, formula.factor);
    out.explanation += " conversion formula \n" + text;
    return true;
  }
  if (!(UnitFactor(family, to) > 0)) {
    ShowMessage("Error\nUnable to find conversion factor.");
    return false;
  }
  out.factor = ConversionFactor(family, from, to);
  out.explanation += "\nTo convert multiply by " + StringPrintf("%f", out.factor);
  return true;
}

// The converter; true when a value was converted, `*last` then holding the
// last result.
bool RunConverter(const Conversion& conversion, double* last) {
  UnitConverterForm form;
  form.explanation = conversion.explanation;
  form.fromLabel = conversion.fromLabel;
  form.toLabel = conversion.toLabel;
  bool converted = false;
  RunDialog(form, [&](ButtonId button) {
    switch (button) {
      case UnitConverterForm::kConvert:
        if (!(conversion.factor > 0)) {
          ShowMessage("Error: unable to convert value");
          break;
        }
        form.to = (form.from + conversion.offset) * conversion.factor;
        Report("%s %G", form.fromLabel.c_str(), form.from);
        Report("%s %G", form.toLabel.c_str(), form.to);
        *last = form.to;
        converted = true;
        break;
      case UnitConverterForm::kClear:
        form.from = 0.0;
        form.to = 0.0;
        break;
      case UnitConverterForm::kFromAns: form.from = Calculator().ans; break;
      case UnitConverterForm::kToAns: Calculator().ans = form.to; break;
      case UnitConverterForm::kClose: return kCloseDialog;
    }
    return kStayOpen;
  });
  return converted;
}

}  // namespace

const char* UnitConversionTitle(UnitFamily family) {
  switch (family) {
    case UnitFamily::kWeight: return "Weight units conversion";
    case UnitFamily::kDistance: return "Distance units conversion";
    case UnitFamily::kAngle: return "Angle units conversion";
    case UnitFamily::kTemperature: return "Temperature units conversion";
  }
  return "";
}

bool UnitConversionCommand(UnitFamily family) {
  double last = 0.0;
  return UnitConversionCommand(family, &last);
}

bool UnitConversionCommand(UnitFamily family, double* last) {
  UnitChooserForm chooser;
  chooser.title = UnitConversionTitle(family);
  for (const char* unit : UnitNames(family)) chooser.units.emplace_back(unit);
  chooser.from = 0;
  chooser.to = family == UnitFamily::kTemperature ? 1 : 4;
  bool converted = false;
  RunDialog(chooser, [&](ButtonId) {
    if (chooser.from >= int(chooser.units.size())) chooser.from = -1;
    if (chooser.to >= int(chooser.units.size())) chooser.to = -1;
    Conversion conversion;
    if (!ChooseConversion(family, chooser, conversion)) return kStayOpen;
    // The converter opens over the chooser, which closes after it.
    converted = RunConverter(conversion, last);
    return kCloseDialog;
  });
  return converted;
}

bool CalculatorUnitsCommand(UnitFamily family) {
  double last = 0.0;
  if (!UnitConversionCommand(family, &last)) return false;
  CalculatorState& calc = Calculator();
  calc.ans = last;
  calc.entry = StringPrintf("%.12G", last);
  calc.modified = false;
  return true;
}

}  // namespace tq
