#include "core/core_state.h"

namespace tq {

namespace detail {
CoreState coreState;
}

void ResetCoreState() {
  CoreState& core = Core();
  Document* document = core.document;
  UiPort* ui = core.ui;
  core = CoreState{};
  core.document = document;
  core.ui = ui;
}

}  // namespace tq
