// The four "units conversion" commands: a chooser of the two units, then the
// converter that explains the conversion and converts typed values.
#pragma once

#include <string>
#include <vector>

#include "commands/form_visitor.h"
#include "core/ui_port.h"
#include "units/unit_tables.h"

namespace tq {

// The chooser: the two lists hold the family's units; -1 when none is chosen.
struct UnitChooserForm : Form {
  static constexpr const char* kFromLabel = "From";
  static constexpr const char* kToLabel = "To";
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::vector<std::string> units;
  int from = -1;
  int to = -1;
};

// The converter ("Units conversion"): stays open until Close.
struct UnitConverterForm : Form {
  enum Button : ButtonId { kConvert = kFirstFormButton, kClear, kFromAns, kToAns, kClose };
  UnitConverterForm() {
    title = "Units conversion";
    buttons = {{kConvert, "Convert"},
               {kClear, "Clear"},
               {kFromAns, " <-- from Ans"},
               {kToAns, "--> to Ans "},
               {kClose, "Close"}};
    defaultButton = kConvert;
  }
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::string explanation;
  std::string fromLabel;
  std::string toLabel;
  double from = 0.0;
  double to = 0.0;
};

// Runs the command of `family`; true when at least one value was converted,
// `*last` then holding the last result.
bool UnitConversionCommand(UnitFamily family);
bool UnitConversionCommand(UnitFamily family, double* last);

// The calculator's Units menu: the command of `family`; the last result
// becomes ans and is shown in the entry as an answer is (an operator
// continues it).
bool CalculatorUnitsCommand(UnitFamily family);

// The chooser title of a family ("Weight units conversion", ...).
const char* UnitConversionTitle(UnitFamily family);

}  // namespace tq
