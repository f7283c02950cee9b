// The commands whose windows belong to the desktop program.
#pragma once

namespace tq::app {

class MainWindow;

// Calc "Formula Calculator" and the task bar's "Calculator": the modeless
// calculator window, created once.
void ShowCalculatorWindow(MainWindow& mainWindow);
// Numerical "Graphics" and the task bar's "Graphics": the Chart Dialog,
// displaying charts in the chart window.
bool RunChartDialog(MainWindow& mainWindow);

}  // namespace tq::app
