// The function, variable, compute and program dialogs.
#include "app/placeholder_dialog.h"

namespace tq::app {

TQ_PLACEHOLDER_DIALOG(ComputeForm)
TQ_PLACEHOLDER_DIALOG(FunctionEditForm)
TQ_PLACEHOLDER_DIALOG(CreateVariableForm)
TQ_PLACEHOLDER_DIALOG(EditVariableForm)
TQ_PLACEHOLDER_DIALOG(ProgramMessageForm)
TQ_PLACEHOLDER_DIALOG(ProgramInputForm)

}  // namespace tq::app

#include "app/window_commands.h"

namespace tq::app {

bool RunFunctionsDialog(MainWindow&) { return false; }
bool RunVariablesDialog(MainWindow&) { return false; }

}  // namespace tq::app
