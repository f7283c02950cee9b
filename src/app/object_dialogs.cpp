// The object, arithmetic and linear-algebra dialogs.
#include "app/placeholder_dialog.h"

namespace tq::app {

TQ_PLACEHOLDER_DIALOG(CreateObjectForm)
TQ_PLACEHOLDER_DIALOG(ObjectChoiceForm)
TQ_PLACEHOLDER_DIALOG(OperationForm)

}  // namespace tq::app
