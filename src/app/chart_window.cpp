// The chart window.
#include "app/window_commands.h"

namespace tq::app {

bool RunChartDialog(MainWindow&) { return false; }

}  // namespace tq::app
