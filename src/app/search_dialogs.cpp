// The search, integral and output options dialogs.
#include "app/placeholder_dialog.h"

namespace tq::app {

TQ_PLACEHOLDER_DIALOG(SearchForm)
TQ_PLACEHOLDER_DIALOG(IntegralForm)
TQ_PLACEHOLDER_DIALOG(OutputOptionsForm)

}  // namespace tq::app
