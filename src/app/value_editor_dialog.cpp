// The value editors.
#include "app/placeholder_dialog.h"

namespace tq::app {

TQ_PLACEHOLDER_DIALOG(ValueEditorForm)

}  // namespace tq::app
