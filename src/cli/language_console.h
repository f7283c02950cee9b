// The language in the console: calculator lines, and the port through which
// running programs talk to the user.
#pragma once

#include <string>

#include "cli/console_ui.h"

namespace tq::cli {

// Evaluates a calculator line as the Enter key of the calculator does.
bool RunCalculatorLine(ConsoleUi& ui, const std::string& text);

}  // namespace tq::cli
