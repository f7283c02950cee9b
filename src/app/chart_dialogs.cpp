// The chart dialogs.
#include "app/placeholder_dialog.h"

namespace tq::app {

TQ_PLACEHOLDER_DIALOG(ChartChoiceForm)
TQ_PLACEHOLDER_DIALOG(ChartParametersForm)
TQ_PLACEHOLDER_DIALOG(ChartOptionsForm)
TQ_PLACEHOLDER_DIALOG(DataTypeForm)
TQ_PLACEHOLDER_DIALOG(SeriesForm)
TQ_PLACEHOLDER_DIALOG(DrawingOptionsForm)

}  // namespace tq::app
