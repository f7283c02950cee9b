// Running a form as a dialog: the command fills the form and passes what its
// buttons do; the port shows it and keeps it open until that closes it.
#pragma once

#include <utility>

#include "commands/form_visitor.h"
#include "core/ui_port.h"

namespace tq {

// Shorthands for what an apply function answers.
inline constexpr DialogResult kStayOpen = DialogResult::kStayOpen;
inline constexpr DialogResult kCloseDialog = DialogResult::kClose;
// Closes a dialog whose action was carried out.
inline DialogResult CarriedOut(bool& carriedOut) {
  carriedOut = true;
  return DialogResult::kClose;
}

// A Dialog made of a form and a callable `DialogResult(ButtonId)`.
template <class Fn>
class FormDialog final : public Dialog {
 public:
  FormDialog(Form& form, Fn apply) : form_(form), apply_(std::move(apply)) {}
  Form& form() override { return form_; }
  DialogResult Apply(ButtonId button) override { return apply_(button); }

 private:
  Form& form_;
  Fn apply_;
};

// Runs `form` until `apply(button)` answers kClose or the user cancels.
template <class ApplyFn>
DialogResult RunDialog(Form& form, ApplyFn apply) {
  FormDialog<ApplyFn> dialog(form, std::move(apply));
  return RunDialog(static_cast<Dialog&>(dialog));
}

// A dialog whose buttons only close it: true for OK, false for Cancel.
inline bool RunOkCancelDialog(Form& form) {
  return RunDialog(form, [](ButtonId) { return DialogResult::kClose; }) == DialogResult::kClose;
}

}  // namespace tq
