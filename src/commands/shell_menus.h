// The desktop program's menus, pop-up menus and task bar as data: every item
// with its text (mnemonic and shortcut included, as the menu shows it) and
// the command it runs. The front end builds its widgets from these tables
// and runs the commands through RunShellCommand.
#pragma once

#include <span>

namespace tq {

enum class ShellCommand {
  kSeparator,
  kFileNew, kFileOpen, kFileSave, kFileSaveAs, kFilePrint, kFilePrintPreview, kFilePrintSetup,
  kFileRecentFiles,  // where the recent-file entries go
  kFileExit,
  kEditUndo, kEditCut, kEditCopy, kEditPaste, kEditSaveWindowText, kEditClearWindow,
  kEditDeleteAllObjects,
  kMatrixCreate, kMatrixEdit, kMatrixDelete, kMatrixDisplay, kMatrixImport, kMatrixExport,
  kMatrixTranspose, kMatrixInverse, kMatrixAdd, kMatrixSubtract, kMatrixMultiply, kMatrixSolve,
  kCalcCalculator,
  kCalcUnitsMenu,  // the Units conversion sub-menu
  kUnitsWeight, kUnitsDistance, kUnitsAngle, kUnitsTemperature,
  kCalcVariables, kCalcFunctions, kCalcCompute, kCalcExecute,
  kStatMoments, kStatTTest, kStatFTest, kStatChiSquare, kStatRegression,
  kNumericalGraphics, kNumericalRoots, kNumericalIntegral, kNumericalMaximums,
  kNumericalMinimums,
  kViewToolbar, kViewStatusBar, kViewFixedFont,
  kHelp, kAbout,
};

struct MenuItem {
  ShellCommand command;
  const char* text;  // "" for a separator
};

struct MenuDefinition {
  const char* title;
  std::span<const MenuItem> items;
};

// The menu bar, menus in order.
std::span<const MenuDefinition> MainMenus();
// The Calc menu's Units conversion sub-menu.
std::span<const MenuItem> UnitsConversionMenu();
inline constexpr const char* kUnitsConversionMenuTitle = "Units conversion";

// A task-bar button runs `command`, or opens `popup` when it has one.
struct TaskButton {
  const char* text;
  ShellCommand command;
  std::span<const MenuItem> popup;
};
std::span<const TaskButton> TaskBarButtons();

// Runs a command of the command layer (the item's precondition first);
// true when it was carried out. Commands that only the front end can carry
// out (printing, the bars, the editor's own operations, windows of its own)
// return false: see IsFrontEndCommand.
bool RunShellCommand(ShellCommand command);
bool IsFrontEndCommand(ShellCommand command);

}  // namespace tq
