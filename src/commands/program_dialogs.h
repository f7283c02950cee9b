// A running program's output and input statements shown as the "Program
// message" and "Program input" dialogs.
#pragma once

#include <string>

#include "lang/program_io.h"

namespace tq {

class FormProgramIo : public lang::ProgramIo {
 public:
  bool ShowOutput(const std::string& text) override;
  bool ReadInput(lang::ProgramInput& input) override;

 protected:
  // The question of an input statement without variables; Yes goes on.
  static bool ConfirmInputWithoutVariables();
};

// The program I/O of the desktop program and of the tests: the dialogs.
lang::ProgramIo& FormProgramIoInstance();

}  // namespace tq
