// The statistics options dialogs.
#include "app/placeholder_dialog.h"

namespace tq::app {

TQ_PLACEHOLDER_DIALOG(TTestOptionsForm)
TQ_PLACEHOLDER_DIALOG(ChiSquareOptionsForm)
TQ_PLACEHOLDER_DIALOG(RegressionOutputForm)

}  // namespace tq::app
