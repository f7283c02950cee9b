// The formula calculator window.
#include "app/window_commands.h"

namespace tq::app {

void ShowCalculatorWindow(MainWindow&) {}

}  // namespace tq::app
