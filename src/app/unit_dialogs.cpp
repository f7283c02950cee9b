// The unit conversion dialogs.
#include "app/placeholder_dialog.h"

namespace tq::app {

TQ_PLACEHOLDER_DIALOG(UnitChooserForm)
TQ_PLACEHOLDER_DIALOG(UnitConverterForm)

}  // namespace tq::app
