#include "core/user_cancel.h"

#include "core/ui_port.h"

namespace tq {

int32_t PollUserCancel() {
  UiPort* ui = CurrentUi();
  if (!ui || !ui->CancelRequested()) return 0;
  if (!ui->AskYesNo(kStopQuestion)) return 0;
  Core().userCancelled = 1;
  return 1;
}

void DropStopRequest() {
  if (UiPort* ui = CurrentUi()) ui->DropCancelRequest();
}

}  // namespace tq
