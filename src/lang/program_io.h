// The input, output and print statements of programs: the texts they build,
// and the interface through which they reach the user (the command layer
// implements it with its program dialogs).
#pragma once

#include <cstdint>
#include <string>

#include "lang/interpreter.h"

namespace tq::lang {

// What an input statement asks for: up to four numeric fields, each with the
// text before it, and the text after the last field.
struct ProgramInput {
  static constexpr int kMaxFields = 4;
  std::string prompt;
  int fieldCount = 0;
  std::string labels[kMaxFields];
  double values[kMaxFields] = {};
};

// A running program's way to the user. Each answers false to stop the run.
class ProgramIo {
 public:
  virtual ~ProgramIo() = default;
  // An output statement's text (already in the output window).
  virtual bool ShowOutput(const std::string& text) = 0;
  // An input statement: the values of its fields; with no fields (a list
  // without variables) whether to go on after the statement.
  virtual bool ReadInput(ProgramInput& input) = 0;
};

// The front end's program I/O; while none is set, input and output
// statements stop the run.
ProgramIo* CurrentProgramIo();
void SetProgramIo(ProgramIo* io);

// Performs an input, output or print statement; a stop ends the run with
// "Calculation terminated by user".
void PerformIoStatement(int32_t mode, const IoItem* items, int32_t count);

// The text of an output or print list (values with "%.12LG ", strings up
// to their closing quote, "\n" escapes turned into line ends).
std::string BuildIoText(const IoItem* items, int32_t count);

}  // namespace tq::lang
