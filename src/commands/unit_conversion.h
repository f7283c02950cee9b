// The four "units conversion" commands: a chooser of the two units, then the
// converter that explains the conversion and converts typed values.
#pragma once

#include <string>
#include <vector>

#include "core/ui_port.h"
#include "units/unit_tables.h"

namespace tq {

// The chooser: the two lists hold the family's units; -1 when none is chosen.
struct UnitChooserForm : Form {
  std::string title;
  std::vector<std::string> units;
  int from = -1;
  int to = -1;
};

// The converter ("Units conversion"): stays open until Close; each showing
// ends with the button pressed.
struct UnitConverterForm : Form {
  enum class Button { kConvert, kClear, kFromAns, kToAns, kClose };
  std::string explanation;
  std::string fromLabel;
  std::string toLabel;
  double from = 0.0;
  double to = 0.0;
  Button pressed = Button::kClose;
};

// Runs the command of `family`; true when at least one value was converted.
bool UnitConversionCommand(UnitFamily family);

// The chooser title of a family ("Weight units conversion", ...).
const char* UnitConversionTitle(UnitFamily family);

}  // namespace tq
