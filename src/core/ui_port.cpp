#include "core/ui_port.h"

#include <cstdio>
#include <string>

#include "core/core_state.h"

namespace tq {

UiPort* CurrentUi() { return Core().ui; }
void SetCurrentUi(UiPort* ui) { Core().ui = ui; }

void ShowMessage(std::string_view text) {
  UiPort* ui = Core().ui;
  if (ui) ui->ShowMessage(text);
}

bool AskYesNo(std::string_view text) {
  UiPort* ui = Core().ui;
  return ui && ui->AskYesNo(text);
}

bool AskYesNoWarning(std::string_view text) {
  UiPort* ui = Core().ui;
  return ui && ui->AskYesNoWarning(text);
}

bool AskOkCancel(std::string_view text) {
  UiPort* ui = Core().ui;
  return ui && ui->AskOkCancel(text);
}

YesNoCancel AskYesNoCancel(std::string_view text) {
  UiPort* ui = Core().ui;
  return ui ? ui->AskYesNoCancel(text) : YesNoCancel::kCancel;
}

DialogResult RunDialog(Dialog& dialog) {
  UiPort* ui = Core().ui;
  return ui ? ui->RunDialog(dialog) : DialogResult::kCancelled;
}

const std::string& Form::ButtonText(ButtonId id) const {
  static const std::string kNone;
  for (const FormButton& button : buttons)
    if (button.id == id) return button.text;
  return kNone;
}

void Form::SetButtonText(ButtonId id, std::string text) {
  for (FormButton& button : buttons)
    if (button.id == id) button.text = std::move(text);
}

void ReportV(const char* format, va_list args) {
  UiPort* ui = Core().ui;
  if (!ui) return;
  va_list copy;
  va_copy(copy, args);
  char small[512];
  int n = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  if (n < 0) return;
  std::string line;
  if (size_t(n) < sizeof small) {
    line.assign(small, size_t(n));
  } else {
    line.resize(size_t(n) + 1);
    std::vsnprintf(line.data(), line.size(), format, args);
    line.resize(size_t(n));
  }
  line += "\r\n";
  ui->Output(line);
}

void Report(const char* format, ...) {
  va_list args;
  va_start(args, format);
  ReportV(format, args);
  va_end(args);
}

}  // namespace tq
