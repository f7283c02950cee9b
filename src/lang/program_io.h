// The input, output and print statements of programs: the texts they build
// and the dialogs they show through the Ui port.
#pragma once

#include <cstdint>
#include <string>

#include "core/ui_port.h"
#include "lang/interpreter.h"

namespace tq {

// "Program message": a program's output text; OK is Continue, Cancel Stop.
struct ProgramMessageForm : Form {
  std::string text;
};

// "Program input": up to four numeric fields; OK is Continue, Cancel Stop.
struct ProgramInputForm : Form {
  static constexpr int kMaxFields = 4;
  std::string prompt;
  int fieldCount = 0;
  std::string labels[kMaxFields];
  double values[kMaxFields] = {};
};

}  // namespace tq

namespace tq::lang {

// Performs an input, output or print statement; a stop ends the run with
// "Calculation terminated by user".
void PerformIoStatement(int32_t mode, const IoItem* items, int32_t count);

// The text of an output or print list (values with "%.12LG ", strings up
// to their closing quote, "\n" escapes turned into line ends).
std::string BuildIoText(const IoItem* items, int32_t count);

}  // namespace tq::lang
