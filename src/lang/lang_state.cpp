#include "lang/lang_state.h"

namespace tq::lang {

namespace detail {
LangState langState;
}

void ResetLanguageState() {
  LangState& lang = Lang();
  lang.program.length = 0;
  lang.program.compiled = 0;
  lang.program.stackDepth = 0;
  lang.program.storesVariables = 0;
  lang.resultRegister = 0.0;
  lang.rowRegister = 0;
  lang.columnRegister = 0;
  lang.argumentCell = 0.0;
  lang.analysisMode = 0;
  lang.usesX = 0;
  lang.usesAns = 0;
  lang.usesUiOperator = 0;
  lang.scanner = ScannerState{};
  lang.parser = ParserState{};
  lang.functionInterface = InterfaceState{};
  lang.fastForm.usable = false;
  lang.fastForm.count = 0;
  lang.registers.countdown = kConditionCountdown;
  lang.registers.pollCounter = 0;
  lang.registers.stopAnswered = 0;
  lang.registers.ioMode = IO_NONE;
  lang.registers.ioCount = 0;
  lang.registers.errorText[0] = '\0';
  lang.computeFunctionName.clear();
  lang.elementBlocks = true;
}

}  // namespace tq::lang
