#include "commands/shell_menus.h"

#include "commands/compute_dialog.h"
#include "commands/file_commands.h"
#include "commands/function_commands.h"
#include "commands/menu_commands.h"
#include "commands/search_commands.h"
#include "commands/shell_commands.h"
#include "commands/statistics_menu_commands.h"
#include "commands/unit_conversion.h"
#include "commands/variable_commands.h"

namespace tq {

namespace {

using C = ShellCommand;
constexpr MenuItem kSeparatorItem{C::kSeparator, ""};

constexpr MenuItem kFileMenu[] = {
    {C::kFileNew, "&New\tCtrl+N"},
    {C::kFileOpen, "&Open...\tCtrl+O"},
    {C::kFileSave, "&Save\tCtrl+S"},
    {C::kFileSaveAs, "Save &As..."},
    kSeparatorItem,
    {C::kFilePrint, "&Print...\tCtrl+P"},
    {C::kFilePrintPreview, "Print Pre&view"},
    {C::kFilePrintSetup, "P&rint Setup..."},
    kSeparatorItem,
    {C::kFileRecentFiles, ""},
    {C::kFileExit, "E&xit"},
};

constexpr MenuItem kEditMenu[] = {
    {C::kEditUndo, "&Undo\tCtrl+Z"},
    kSeparatorItem,
    {C::kEditCut, "Cu&t\tCtrl+X"},
    {C::kEditCopy, "&Copy\tCtrl+C"},
    {C::kEditPaste, "&Paste\tCtrl+V"},
    kSeparatorItem,
    {C::kEditSaveWindowText, "Save window text..."},
    {C::kEditClearWindow, "Clear application window"},
    {C::kEditDeleteAllObjects, "Delete all objects"},
};

constexpr MenuItem kMatrixMenu[] = {
    {C::kMatrixCreate, "Create Matrix or Vector"},
    {C::kMatrixEdit, "Edit Matrix or Vector"},
    {C::kMatrixDelete, "Delete"},
    {C::kMatrixDisplay, "Display Matrix or Vector"},
    {C::kMatrixImport, "Import data from file"},
    {C::kMatrixExport, "Export data to file"},
    {C::kMatrixTranspose, "Transpose Matrix"},
    {C::kMatrixInverse, "Inverse Matrix"},
    {C::kMatrixAdd, "Add Matrices or Vectors"},
    {C::kMatrixSubtract, "Subtract Matrices or Vectors"},
    {C::kMatrixMultiply, "Multiply Matrices and Vectors"},
    {C::kMatrixSolve, "System of linear equations"},
};

constexpr MenuItem kUnitsMenu[] = {
    {C::kUnitsWeight, "Weight units conversion"},
    {C::kUnitsDistance, "Distance units conversion"},
    {C::kUnitsAngle, "Angle units conversion"},
    {C::kUnitsTemperature, "Temperature units conversion"},
};

constexpr MenuItem kCalcMenu[] = {
    {C::kCalcCalculator, "Formula Calculator"},
    {C::kCalcUnitsMenu, kUnitsConversionMenuTitle},
    {C::kCalcVariables, "Variables..."},
    {C::kCalcFunctions, "Functions..."},
    {C::kCalcCompute, "Compute for all elements"},
    {C::kCalcExecute, "Execute function"},
};

constexpr MenuItem kStatMenu[] = {
    {C::kStatMoments, "Moments of distribution"},
    {C::kStatTTest, "Student's t-test"},
    {C::kStatFTest, "F-test of variances"},
    {C::kStatChiSquare, "Chi-Square test"},
    {C::kStatRegression, "Linear Regression"},
};

constexpr MenuItem kNumericalMenu[] = {
    {C::kNumericalGraphics, "Graphics"},
    {C::kNumericalRoots, "Find roots"},
    {C::kNumericalIntegral, "Integral"},
    {C::kNumericalMaximums, "Find Maximums"},
    {C::kNumericalMinimums, "Find Minimums"},
};

constexpr MenuItem kViewMenu[] = {
    {C::kViewToolbar, "&Toolbar"},
    {C::kViewStatusBar, "&Status Bar"},
    {C::kViewFixedFont, "Fixed Width Font"},
};

constexpr MenuItem kHelpMenu[] = {
    {C::kHelp, "Help"},
};

constexpr MenuDefinition kMainMenus[] = {
    {"&File", kFileMenu},   {"&Edit", kEditMenu}, {"&Matrix", kMatrixMenu},
    {"&Calc", kCalcMenu},   {"&Stat", kStatMenu}, {"&Numerical", kNumericalMenu},
    {"&View", kViewMenu},   {"&Help", kHelpMenu},
};

constexpr MenuItem kMatricesPopup[] = {
    {C::kMatrixCreate, "Create Matrix or Vector"},
    {C::kMatrixEdit, "Edit Matrix or Vector"},
    {C::kMatrixDelete, "Delete Matrix or Vector"},
    {C::kMatrixDisplay, "Display Matrix or Vector"},
    {C::kMatrixImport, "Import data from file to Matrix or Vector"},
    {C::kMatrixExport, "Export data from Matrix or Vector to file"},
    {C::kCalcCompute, "Compute user-specified function f(x) for all elements"},
};

constexpr MenuItem kLinearAlgebraPopup[] = {
    {C::kMatrixTranspose, "Transpose Matrix"},
    {C::kMatrixInverse, "Inverse Matrix"},
    {C::kMatrixAdd, "Add Matrices or Vectors"},
    {C::kMatrixSubtract, "Subtract Matrices or Vectors"},
    {C::kMatrixMultiply, "Multiply Matrix by Vector or Matrix"},
    {C::kMatrixSolve, "Solve system of linear equations"},
};

constexpr MenuItem kStatisticsPopup[] = {
    {C::kStatMoments, "Moments of distribution"},
    {C::kStatTTest, "Student's t-test"},
    {C::kStatFTest, "F-test of variances"},
    {C::kStatChiSquare, "Chi-Square test"},
    {C::kStatRegression, "Linear regression"},
};

constexpr MenuItem kNumericalPopup[] = {
    {C::kNumericalRoots, "Find roots of equation f(x)=0"},
    {C::kNumericalIntegral, "Calculate Integral of function f(x)"},
    {C::kNumericalMaximums, "Find Maximums of function f(x)"},
    {C::kNumericalMinimums, "Find Minimums of function f(x)"},
};

constexpr TaskButton kTaskBar[] = {
    {"Matrices", C::kSeparator, kMatricesPopup},
    {"Linear algebra", C::kSeparator, kLinearAlgebraPopup},
    {"Calculator", C::kCalcCalculator, {}},
    {"Statistics", C::kSeparator, kStatisticsPopup},
    {"Units conversion", C::kSeparator, kUnitsMenu},
    {"Graphics", C::kNumericalGraphics, {}},
    {"Functions", C::kCalcFunctions, {}},
    {"Variables", C::kCalcVariables, {}},
    {"Numerical methods", C::kSeparator, kNumericalPopup},
};

}  // namespace

std::span<const MenuDefinition> MainMenus() { return kMainMenus; }
std::span<const MenuItem> UnitsConversionMenu() { return kUnitsMenu; }
std::span<const TaskButton> TaskBarButtons() { return kTaskBar; }

bool IsFrontEndCommand(ShellCommand command) {
  switch (command) {
    case C::kSeparator:
    case C::kFileRecentFiles:
    case C::kFilePrint:
    case C::kFilePrintPreview:
    case C::kFilePrintSetup:
    case C::kEditUndo:
    case C::kEditCut:
    case C::kEditCopy:
    case C::kEditPaste:
    case C::kCalcCalculator:
    case C::kCalcUnitsMenu:
    case C::kNumericalGraphics:
    case C::kViewToolbar:
    case C::kViewStatusBar:
    case C::kViewFixedFont:
    case C::kHelp:
    case C::kAbout:
      return true;
    default:
      return false;
  }
}

bool RunShellCommand(ShellCommand command) {
  switch (command) {
    case C::kFileNew: return FileNewAfterQuestion();
    case C::kFileOpen: return FileOpenAfterQuestion();
    case C::kFileSave: return FileSaveCommand();
    case C::kFileSaveAs: return FileSaveAsCommand();
    case C::kFileExit: return FileExitCommand();
    case C::kEditSaveWindowText: return SaveWindowTextCommand();
    case C::kEditClearWindow: return ClearWindowCommand();
    case C::kEditDeleteAllObjects: return MenuDeleteAllObjects();
    case C::kMatrixCreate: return MenuCreateObject();
    case C::kMatrixEdit: return MenuEditObject();
    case C::kMatrixDelete: return MenuDeleteObjects();
    case C::kMatrixDisplay: return MenuDisplayObject();
    case C::kMatrixImport: return MenuImportData();
    case C::kMatrixExport: return MenuExportData();
    case C::kMatrixTranspose: return MenuTranspose();
    case C::kMatrixInverse: return MenuInverse();
    case C::kMatrixAdd: return MenuAdd();
    case C::kMatrixSubtract: return MenuSubtract();
    case C::kMatrixMultiply: return MenuMultiply();
    case C::kMatrixSolve: return MenuSolve();
    case C::kUnitsWeight: return UnitConversionCommand(UnitFamily::kWeight);
    case C::kUnitsDistance: return UnitConversionCommand(UnitFamily::kDistance);
    case C::kUnitsAngle: return UnitConversionCommand(UnitFamily::kAngle);
    case C::kUnitsTemperature: return UnitConversionCommand(UnitFamily::kTemperature);
    case C::kCalcVariables: return VariablesDialogCommand();
    case C::kCalcFunctions: return FunctionsDialogCommand();
    case C::kCalcCompute: return MenuComputeForAllElements();
    case C::kCalcExecute: return ExecuteFunctionMenuCommand();
    case C::kStatMoments: return MenuMoments();
    case C::kStatTTest: return MenuTTest();
    case C::kStatFTest: return MenuFTest();
    case C::kStatChiSquare: return MenuChiSquare();
    case C::kStatRegression: return MenuRegression();
    case C::kNumericalRoots: return SearchCommand(SearchKind::kRoots);
    case C::kNumericalIntegral: return IntegralCommand();
    case C::kNumericalMaximums: return SearchCommand(SearchKind::kMaximums);
    case C::kNumericalMinimums: return SearchCommand(SearchKind::kMinimums);
    default: return false;
  }
}

}  // namespace tq
