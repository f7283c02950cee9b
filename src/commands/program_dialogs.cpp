#include "commands/program_dialogs.h"

#include "commands/dialog.h"
#include "commands/language_forms.h"
#include "core/ui_port.h"

namespace tq {

bool FormProgramIo::ShowOutput(const std::string& text) {
  ProgramMessageForm form;
  form.text = text;
  return RunOkCancelDialog(form);
}

bool FormProgramIo::ReadInput(lang::ProgramInput& input) {
  if (input.fieldCount == 0) return ConfirmInputWithoutVariables();
  ProgramInputForm form;
  form.prompt = input.prompt;
  form.fieldCount = input.fieldCount;
  for (int k = 0; k < input.fieldCount; ++k) {
    form.labels[k] = input.labels[k];
    form.values[k] = input.values[k];
  }
  if (!RunOkCancelDialog(form)) return false;
  for (int k = 0; k < input.fieldCount; ++k) input.values[k] = form.values[k];
  return true;
}

bool FormProgramIo::ConfirmInputWithoutVariables() {
  return AskOkCancel("Invalid input operator parameters. No input varaibles declared.\n");
}

lang::ProgramIo& FormProgramIoInstance() {
  static FormProgramIo io;
  return io;
}

}  // namespace tq
