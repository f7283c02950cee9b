#include "lang/lang_state.h"

#include "lang/function_objects.h"
#include "lang/interpreter.h"

namespace tq::lang {

CompiledProgram Program;
double ResultRegister = 0.0;
int32_t RowRegister = 0;
int32_t ColumnRegister = 0;

void ResetLanguageState() {
  Program.length = 0;
  Program.compiled = 0;
  Program.stackDepth = 0;
  ResultRegister = 0.0;
  RowRegister = 0;
  ColumnRegister = 0;
  ArgumentCell = 0.0;
  AnalysisMode = 0;
  UsesX = 0;
  UsesAns = 0;
  UsesUiOperator = 0;
  ClearPollCounter();
  ResetFunctionInterface();
}

}  // namespace tq::lang
